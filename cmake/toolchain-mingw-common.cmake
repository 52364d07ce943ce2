# What both Windows toolchain files share; they set contour_mingw_triple and
# contour_mingw_threads (win32 or posix) before including this file.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${contour_mingw_triple}-gcc-${contour_mingw_threads})
set(CMAKE_CXX_COMPILER ${contour_mingw_triple}-g++-${contour_mingw_threads})
set(CMAKE_RC_COMPILER ${contour_mingw_triple}-windres)

# Libraries and packages come from the mingw tree only, so nothing built for
# Linux is picked up by mistake; programs (windres, python) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${contour_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's header-only libraries, without its /usr/include.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/cross-packages/nlohmann_json CACHE PATH "nlohmann-json for cross builds")
set(dragonbox_DIR ${CMAKE_CURRENT_LIST_DIR}/cross-packages/dragonbox CACHE PATH "dragonbox for cross builds")
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/cross-packages/CLI11 CACHE PATH "CLI11 for cross builds")

# Every program and library carries its own C and C++ runtime.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
