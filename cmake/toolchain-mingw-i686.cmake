# Cross-compiling for 32-bit Windows with Debian's mingw-w64 compilers
# (packages g++-mingw-w64-i686, binutils-mingw-w64-i686).
# The plug-in starts no threads, so the win32 thread model is used: no
# winpthread library to carry along. (The 64-bit test build uses the posix
# model, which GoogleTest's std::mutex needs.)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(contour_mingw_triple i686-w64-mingw32)
set(contour_mingw_threads win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
