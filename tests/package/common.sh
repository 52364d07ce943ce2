# Shared by the package tests: a scratch folder removed on exit, and the rule
# for a missing tool (skip with 77 on a developer's machine; fail where
# CONTOUR_REQUIRE_PACKAGE_TOOLS=1, as in scripts/test.sh).
set -euo pipefail
scratch=$(mktemp -d "${TMPDIR:-/tmp}/contour-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null && continue
    if [ "${CONTOUR_REQUIRE_PACKAGE_TOOLS:-0}" = 1 ]; then echo "FAIL: $tool is missing"; exit 1; fi
    echo "SKIP: $tool is missing"; exit 77
  done
}

fail() { echo "FAIL: $*"; exit 1; }

# The ids of the paths in an SVG file, one a line.
path_ids() { grep -o '<path [^>]*id="[^"]*"' "$1" | sed 's/.*id="\([^"]*\)"/\1/'; }
