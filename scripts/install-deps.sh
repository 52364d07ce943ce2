#!/usr/bin/env bash
# Installs what building and testing Contour needs on Debian 12 (run as root).
# Packages already present are not fetched again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config python3 clang-format-14
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libpugixml-dev libcli11-dev libcpp-httplib-dev nlohmann-json3-dev libdragonbox-dev zlib1g-dev
  binutils-mingw-w64-i686 gcc-mingw-w64-i686 g++-mingw-w64-i686
  librsvg2-bin librsvg2-dev zlib1g-dev
)
if [ "${CONTOUR_WITH_PACKAGE:-0}" = 1 ]; then
  # The package tests: xmllint checks the Inkscape extension against Inkscape's
  # own schema, and Inkscape's command line reads the result.
  packages+=(dpkg-dev lintian libxml2-utils inkscape)
fi
if [ "${CONTOUR_WITH_BENCH:-0}" = 1 ]; then
  # scripts/bench.sh: xmllint parses the output for comparison, /usr/bin/time gives the peak memory.
  packages+=(libxml2-utils time)
fi
if [ "${CONTOUR_WITH_WINDOWS:-0}" = 1 ]; then
  packages+=(binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64 python3-pefile wine64)
fi
if [ "${CONTOUR_WITH_WEB:-0}" = 1 ]; then
  # scripts/build-web.sh: Debian's emscripten, and the Node module its tools use.
  packages+=(emscripten node-acorn)
fi
if [ "${CONTOUR_WITH_FUZZ:-0}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi
if [ "${CONTOUR_WITH_BROWSER:-0}" = 1 ]; then
  packages+=(chromium nodejs)
  # A Node.js from outside Debian brings its own npm, which Debian's package conflicts with.
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" = 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
