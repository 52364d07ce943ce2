#!/usr/bin/env bash
# The web part of the test command: builds the WebAssembly programs
# (scripts/build-web.sh) and runs the command line's build under Node against
# the Linux program (build/test, built first if it is not there): every
# output, message and exit status the same (tests/wasm/compare_with_linux.py);
# then the page in out/web/, served by a plain file server, in Chromium
# (tests/e2e/static*.test.js).
# Installs what it needs first (as root, or with sudo). Quiet unless something fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)
trap 'echo "web: failed at line $LINENO of scripts/test-web.sh" >&2' ERR
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export PYTHONDONTWRITEBYTECODE=1
label=web
source "$root/scripts/quiet-steps.sh"

quietly install-deps env CONTOUR_WITH_WEB=1 bash scripts/install-deps.sh
linux=build/test/bin/contour
[ -x "$linux" ] || quietly build-linux bash scripts/build.sh build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
quietly build-web bash scripts/build-web.sh build/web
quietly compare /usr/bin/python3 tests/wasm/compare_with_linux.py . "$linux" build/web/bin/contour.js
tail -n 1 "$logs/compare.log"
# The page as a static site, in the browser (scripts/install-e2e.sh has run).
quietly static-page env CONTOUR_BIN="$root/$linux" CONTOUR_WEB_PAGE="$root/out/web" \
  node --test --test-concurrency=1 tests/e2e/static*.test.js
rm -rf "$logs"
echo "web: all checks passed in $(( $(date +%s) - start )) s"
