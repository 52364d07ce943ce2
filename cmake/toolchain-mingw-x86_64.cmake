# Cross-compiling for 64-bit Windows with Debian's mingw-w64 compilers
# (packages g++-mingw-w64-x86-64, binutils-mingw-w64-x86-64).
# GoogleTest needs std::mutex, which only the posix thread model provides;
# winpthread is linked in statically like the rest of the runtime.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(contour_mingw_triple x86_64-w64-mingw32)
set(contour_mingw_threads posix)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

# Test programs run under Wine (Debian package wine64), quietly and headless.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh)
