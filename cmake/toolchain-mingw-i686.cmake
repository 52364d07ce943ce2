# Cross-compiling for 32-bit Windows with Debian's mingw-w64 compilers
# (packages g++-mingw-w64-i686, binutils-mingw-w64-i686).
# The plug-in starts no threads, so the win32 thread model is used: no
# winpthread library to carry along. (The 64-bit test build uses the posix
# model, which GoogleTest's std::mutex needs.)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(contour_mingw_triple i686-w64-mingw32)
set(CMAKE_C_COMPILER ${contour_mingw_triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${contour_mingw_triple}-g++-win32)
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

# Every program and library carries its own C and C++ runtime.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
