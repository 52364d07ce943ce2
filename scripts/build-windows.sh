#!/usr/bin/env bash
# Builds the plug-in for 32-bit Windows: build/win32/bin/Tesk_Contour.aip
# (its C and C++ runtimes linked in, exporting only PluginMain, with its
# resources). Needs Debian's mingw-w64 compilers:
#   CONTOUR_WITH_WINDOWS=1 bash scripts/install-deps.sh
#   bash scripts/build-windows.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build/win32}
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCONTOUR_PORTABLE_ONLY=ON -DCONTOUR_TESTS=OFF -DCONTOUR_BENCH=OFF
fi
cmake --build "$dir" --target Tesk_Contour
echo "built $dir/bin/Tesk_Contour.aip"
