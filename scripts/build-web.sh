#!/usr/bin/env bash
# Builds Contour for the web with Debian's emscripten (3.1.6):
#   CONTOUR_WITH_WEB=1 bash scripts/install-deps.sh
#   bash scripts/build-web.sh [DIR]      DIR is build/web: DIR/bin/contour.js, the
#                                        command line for Node
# pugixml and zlib are compiled from Debian's source packages (build/sources).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build/web}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

# Debian's emscripten finds its Node modules (acorn) in Debian's tree, and
# runs its Node programs without Node's own fetch, which takes file paths
# for addresses; its configuration is otherwise the system's.
export NODE_PATH=/usr/share/nodejs
config=$dir/emscripten-config
sed "s|^NODE_JS = .*|NODE_JS = ['$(command -v node)', '--no-experimental-fetch']|" /usr/share/emscripten/.emscripten > "$config.new"
cmp -s "$config.new" "$config" && rm "$config.new" || mv "$config.new" "$config"
export EM_CONFIG=$config

bash "$root/scripts/build.sh" "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-emscripten.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCONTOUR_TESTS=OFF -DCONTOUR_BENCH=OFF \
  -DCONTOUR_SOURCE_PACKAGES="$root/build/sources"
echo "built $dir/bin/contour.js"
