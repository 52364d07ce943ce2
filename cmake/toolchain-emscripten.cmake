# Cross-compiling to WebAssembly with Debian's emscripten (3.1.6, LLVM 14):
# the editor's host for a Web Worker, and `contour` for Node. Its Node tools
# find their modules in Debian's tree (scripts/build-web.sh sets NODE_PATH).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Debian's header-only libraries, without its /usr/include.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/cross-packages/nlohmann_json CACHE PATH "nlohmann-json for cross builds")
set(dragonbox_DIR ${CMAKE_CURRENT_LIST_DIR}/cross-packages/dragonbox CACHE PATH "dragonbox for cross builds")
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/cross-packages/CLI11 CACHE PATH "CLI11 for cross builds")

# The host-call frame turns a suite's failures into codes with C++ exceptions;
# emscripten's JavaScript-based exceptions are the ones its Asyncify (the
# worker's wait for the page's next event inside the modal dialog) can unwind.
set(CONTOUR_WASM_EXCEPTIONS "-fexceptions" CACHE STRING "How C++ exceptions are compiled (-fexceptions or -fwasm-exceptions)")
add_compile_options(${CONTOUR_WASM_EXCEPTIONS})
add_link_options(${CONTOUR_WASM_EXCEPTIONS})

# Copies and fills of memory as the instructions of WebAssembly's bulk memory
# operations, not loops of the C library's.
add_compile_options(-mbulk-memory)
add_link_options(-mbulk-memory)
