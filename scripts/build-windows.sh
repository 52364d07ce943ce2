#!/usr/bin/env bash
# Builds Contour for Windows with Debian's mingw-w64 compilers:
#   CONTOUR_WITH_WINDOWS=1 bash scripts/install-deps.sh
#   bash scripts/build-windows.sh              both of these:
#   bash scripts/build-windows.sh win32 [DIR]  the plug-in for 32-bit Windows, DIR/bin/Tesk_Contour.aip
#                                              (its C and C++ runtimes linked in, exporting only
#                                              PluginMain, with its resources); DIR is build/win32
#   bash scripts/build-windows.sh x64 [DIR [CMAKE_OPTION...]]
#                                              `contour.exe` for 64-bit Windows with the 64-bit module
#                                              beside it in DIR/bin (build/win64), and
#                                              out/contour-windows-x64.zip; the options go to cmake
#                                              after the build's own (-DCONTOUR_TESTS=ON adds the
#                                              portable layers' tests to the same tree)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-both}

build_win32() {
  local dir=${1:-$root/build/win32}
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCONTOUR_PORTABLE_ONLY=ON -DCONTOUR_TESTS=OFF -DCONTOUR_BENCH=OFF
  fi
  cmake --build "$dir" --target Tesk_Contour
  echo "built $dir/bin/Tesk_Contour.aip"
}

build_x64() {
  local dir=${1:-$root/build/win64}
  shift || true
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  bash "$root/scripts/build.sh" "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCONTOUR_TESTS=OFF -DCONTOUR_BENCH=OFF "$@"
  local sources
  sources=$(sed -n 's/^CONTOUR_SOURCE_PACKAGES:PATH=//p' "$dir/CMakeCache.txt")
  mkdir -p "$root/out"
  python3 "$root/scripts/make-windows-zip.py" "$root" "$dir/bin" "$sources" "$root/out/contour-windows-x64.zip"
  echo "built $dir/bin/contour.exe and out/contour-windows-x64.zip"
}

case $what in
  win32) build_win32 "${2:-}" ;;
  x64) shift; build_x64 "$@" ;;
  both) build_win32 && build_x64 ;;
  *) echo "usage: scripts/build-windows.sh [win32|x64 [BUILD_DIR]]" >&2; exit 2 ;;
esac
