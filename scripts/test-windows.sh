#!/usr/bin/env bash
# The Windows part of the test command:
#  1. builds Tesk_Contour.aip for 32-bit Windows and checks the file with
#     pefile (tests/windows/check_aip.py), then checks that the checker itself
#     catches altered copies (tests/windows/check_aip_test.py);
#  2. builds contour.exe for 64-bit Windows, out/contour-windows-x64.zip and, in
#     the same tree, the portable layers' tests, and runs the tests under Wine,
#     in a prefix of its own that is removed afterwards, without a display and
#     without Wine's debugging output;
#  3. runs contour.exe under Wine against the Linux program (build/test,
#     built first if it is not there): every output, message and exit status
#     the same (tests/windows/compare_with_linux.py), the Inkscape extension too.
# Installs what it needs first (as root, or with sudo). Quiet unless something fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)
trap 'echo "windows: failed at line $LINENO of scripts/test-windows.sh" >&2' ERR
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export PYTHONDONTWRITEBYTECODE=1
label=windows
source "$root/scripts/quiet-steps.sh"

quietly install-deps env CONTOUR_WITH_WINDOWS=1 bash scripts/install-deps.sh

# 1. The 32-bit plug-in file.
quietly build-win32 bash scripts/build-windows.sh win32 build/win32
quietly check-aip /usr/bin/python3 tests/windows/check_aip.py build/win32/bin/Tesk_Contour.aip
quietly check-aip-test /usr/bin/python3 tests/windows/check_aip_test.py build/win32/bin/Tesk_Contour.aip
tail -n 1 "$logs/check-aip.log"

# 2. The 64-bit program and the portable layers' tests, one tree, the tests under Wine.
quietly build-win64 bash scripts/build-windows.sh x64 build/win64 -DCONTOUR_TESTS=ON

WINEPREFIX=$(mktemp -d /tmp/contour-wine.XXXXXX)
export WINEPREFIX WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
wineserver=/usr/lib/wine/wineserver64
end_wine() {
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true  # the server saves the registry as it ends
  rm -rf "$WINEPREFIX" || true
}
trap end_wine EXIT
# One server for the prefix and all the test programs instead of one per program.
"$wineserver" -p
quietly wine-prefix cmake/run-under-wine.sh wineboot --init
quietly wine-tests ctest --test-dir build/win64 -j "$(nproc)" --timeout 600 --output-on-failure -V
grep -o '\[==========\] [0-9]* tests\? from .* ran' "$logs/wine-tests.log" |
  awk '{ programs++; cases += $2 } END { printf "windows (wine): %d test programs, %d test cases passed\n", programs, cases }'

# 3. contour.exe against the Linux program.
step=$(date +%s)
linux=build/test/bin/contour
[ -x "$linux" ] || quietly build-linux bash scripts/build.sh build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
quietly star cmake/run-under-wine.sh build/win64/bin/contour.exe apply examples/star.svg -o "$logs/star.svg"
echo "windows (wine): contour.exe apply examples/star.svg: $(tail -n 1 "$logs/star.log")"
quietly compare /usr/bin/python3 tests/windows/compare_with_linux.py . "$linux" build/win64/bin/contour.exe \
  build/win32/bin/Tesk_Contour.aip
echo "$(tail -n 1 "$logs/compare.log") ($(( $(date +%s) - step )) s with the build)"
rm -rf "$logs"
echo "windows: all checks passed in $(( $(date +%s) - start )) s"
