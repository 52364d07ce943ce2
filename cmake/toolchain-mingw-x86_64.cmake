# Cross-compiling for 64-bit Windows with Debian's mingw-w64 compilers
# (packages g++-mingw-w64-x86-64, binutils-mingw-w64-x86-64).
# GoogleTest needs std::mutex, which only the posix thread model provides;
# winpthread is linked in statically like the rest of the runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(contour_mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${contour_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${contour_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${contour_mingw_triple}-windres)

# Libraries and packages come from the mingw tree only, so nothing built for
# Linux is picked up by mistake; programs (windres, python) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${contour_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's header-only nlohmann-json, without its /usr/include.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-packages/nlohmann_json CACHE PATH "nlohmann-json for Windows builds")

# Test programs run under Wine (Debian package wine64), quietly and headless.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh)

# Every program and library carries its own C and C++ runtime.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
