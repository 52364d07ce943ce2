#!/usr/bin/env bash
# Installs what is needed, builds Contour and applies the filter with its
# default settings to the example drawing: examples/star.svg -> out/star-contour.svg
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
bash scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release -DCONTOUR_TESTS=OFF -DCONTOUR_BENCH=OFF
mkdir -p out
build/release/bin/contour apply examples/star.svg -o out/star-contour.svg --seed 1
echo "wrote out/star-contour.svg"
