#!/usr/bin/env bash
# Installs what is needed, builds Contour and runs every test:
#  1. a plain build (gcc) with the unit, command-line, browser and package
#     tests (install, Debian package, Inkscape extension);
#  2. a clang build under AddressSanitizer and UndefinedBehaviorSanitizer,
#     which also builds the libFuzzer targets and gives each a short run;
#  3. the Windows checks (scripts/test-windows.sh): the 32-bit plug-in file
#     checked with pefile, the 64-bit build's tests run under Wine;
#  4. the web checks (scripts/test-web.sh): the WebAssembly build against the
#     Linux program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)
lap() { echo "== $1 done after $(( $(date +%s) - start )) s"; }
CONTOUR_WITH_FUZZ=1 CONTOUR_WITH_BROWSER=1 CONTOUR_WITH_PACKAGE=1 bash scripts/install-deps.sh
bash scripts/install-e2e.sh  # before configuring: the browser tests are registered only when it has run
lap "installing"

jobs=$(nproc)
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export CONTOUR_REQUIRE_PACKAGE_TOOLS=1  # the package tests run here, never skip

bash scripts/build.sh build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
lap "plain build"
ctest --test-dir build/test -j "$jobs" --output-on-failure -LE browser
# A failed browser test gets one more try, so that one slow moment of the
# browser on a busy machine does not fail the run; one that fails twice fails.
ctest --test-dir build/test -j "$jobs" --output-on-failure -L browser --repeat until-pass:2
lap "plain tests"

# The browser and package tests ran against the plain build; here the
# sanitizers watch the rest, and the fuzz targets get their short runs. Line
# tables are all the sanitizers' reports need, and compile faster than full
# debug information.
bash scripts/build.sh build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS_DEBUG=-gline-tables-only -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only \
  -DCONTOUR_SANITIZE=ON -DCONTOUR_FUZZ=ON -DCONTOUR_BENCH=OFF
lap "sanitizer build"
ctest --test-dir build/sanitize -j "$jobs" --output-on-failure -LE "browser|package"
lap "sanitizer tests and fuzzing"

bash scripts/test-windows.sh
lap "windows"

bash scripts/test-web.sh
lap "web"
echo "all tests passed in $(( $(date +%s) - start )) s"
