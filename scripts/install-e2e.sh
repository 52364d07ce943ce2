#!/usr/bin/env bash
# Installs the browser tests' Node packages into tests/e2e/node_modules, exactly
# as tests/e2e/package-lock.json pins them. Needs Node.js and npm (installed by
# scripts/install-deps.sh with CONTOUR_WITH_BROWSER=1); the browser itself is
# Debian's Chromium, so nothing else is downloaded. Run it before configuring:
# the tests are registered only when the packages are there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/tests/e2e"
npm ci --no-audit --no-fund --loglevel=error
