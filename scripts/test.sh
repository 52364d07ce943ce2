#!/usr/bin/env bash
# Installs what is needed, builds Contour and runs every test: once in a plain
# build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)
bash scripts/install-deps.sh

jobs=$(nproc)
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

bash scripts/build.sh build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build/test -j "$jobs" --output-on-failure

bash scripts/build.sh build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCONTOUR_SANITIZE=ON -DCONTOUR_BENCH=OFF
ctest --test-dir build/sanitize -j "$jobs" --output-on-failure

echo "all tests passed in $(( $(date +%s) - start )) s"
