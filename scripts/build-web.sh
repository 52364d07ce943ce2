#!/usr/bin/env bash
# Builds Contour for the web with Debian's emscripten (3.1.6):
#   CONTOUR_WITH_WEB=1 bash scripts/install-deps.sh
#   bash scripts/build-web.sh [DIR]        the page in out/web/ (the editor, its host
#                                          in a Web Worker), and DIR/bin/contour.js, the
#                                          command line for Node; DIR is build/web
#   bash scripts/build-web.sh serve [PORT] builds, then serves out/web/ on
#                                          http://127.0.0.1:PORT/ (8000) until Ctrl-C
# pugixml and zlib are compiled from Debian's source packages (build/sources).
# out/web/ is a static site: any static web server or host can publish it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
serve=
if [ "${1:-}" = serve ]; then serve=${2:-8000}; set -- ; fi
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

# The page: the editor's files, told to use the worker, the worker's script
# and its host, and the example drawing it opens first.
out=$root/out/web
rm -rf "$out.new"
mkdir -p "$out.new"
cp -R "$root/easel/web/assets/." "$out.new/"
sed 's|<meta name="contour-host" content="http">|<meta name="contour-host" content="worker">|' \
  "$root/easel/web/assets/index.html" > "$out.new/index.html"
grep -q 'content="worker"' "$out.new/index.html" ||
  { echo "build-web.sh: index.html names no host to replace" >&2; exit 1; }
cp "$root/easel/wasm/contour-host.js" "$dir/web/contour-worker.js" "$dir/web/contour-worker.wasm" "$out.new/"
cp "$root/examples/star.svg" "$out.new/star.svg"
rm -rf "$out"
mv "$out.new" "$out"
# What a visitor downloads, as it is and as a server that compresses sends it.
raw=0 packed=0
while IFS= read -r -d '' file; do
  raw=$(( raw + $(wc -c < "$file") ))
  packed=$(( packed + $(gzip -9c "$file" | wc -c) ))
done < <(find "$out" -type f -print0)
echo "built out/web/ ($(( raw / 1024 )) KB, $(( packed / 1024 )) KB gzipped) and $dir/bin/contour.js"

if [ -n "$serve" ]; then
  echo "serving out/web/ at http://127.0.0.1:$serve/ (Ctrl-C stops)"
  exec python3 -m http.server --bind 127.0.0.1 --directory "$out" "$serve"
fi
