#!/usr/bin/env bash
# The recorded-run figures, each against a baseline measured in the same run
# (not part of the tests: run it by hand on a Release build):
#   bench/run_figures.sh [CONTOUR]     default build/bench/bin/contour
# Prints one line per figure: processor seconds (user and system, best of
# BENCH_RUNS, default 3) or milliseconds, and the ratio to its baseline.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
contour=${1:-$root/build/bench/bin/contour}
runs=${BENCH_RUNS:-3}
work=$(mktemp -d "${TMPDIR:-/tmp}/contour-run-figures.XXXXXX")
trap 'rm -rf "$work"' EXIT
make() { python3 "$root/bench/make_run_drawings.py" "$@"; }

# Best of $runs: processor seconds and peak kilobytes of a command.
best() {
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >/dev/null 2>&1
    cat "$work/time"
  done | python3 -c '
import sys
rows = [[float(x) for x in line.split()] for line in sys.stdin if line.strip()]
print(round(min(r[0] + r[1] for r in rows), 3), int(min(r[2] for r in rows)))'
}
figure() { python3 -c 'import sys; n, v, b, limit = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), sys.argv[4]; print("%-34s %10.3f  baseline %10.3f  ratio %6.2f  (at most %s)" % (n, v, b, v / b, limit))' "$@"; }

# 3,000 rectangles: strip and --again of one default apply's result, against that apply.
make rects 3000 "$work/rects.svg"
read -r apply_s _ < <(best "$contour" apply "$work/rects.svg" -o "$work/once.svg" --no-dialog --seed 1 -q)
read -r strip_s _ < <(best "$contour" strip "$work/once.svg" -o "$work/out.svg")
read -r again_s _ < <(best "$contour" apply "$work/once.svg" -o "$work/out.svg" --again -q)
figure strip_3000_rects_s "$strip_s" "$apply_s" 1.5
figure again_3000_rects_s "$again_s" "$apply_s" 1.5

# 8,192 contours of contours (13 doublings): strip, against 1 s.
make chain 13 "$work/chain.svg" "$contour"
read -r chain_s _ < <(best "$contour" strip "$work/chain.svg" -o "$work/out.svg")
figure strip_8192_chained_s "$chain_s" 1 1

# 100,000 tiny paths against 10,000, default settings; the peak memory beyond
# the output's size, per object, against 2 KB.
make tiny 10000 "$work/tiny10k.svg"
make tiny 100000 "$work/tiny100k.svg"
read -r small_s _ < <(best "$contour" apply "$work/tiny10k.svg" -o "$work/out.svg" --no-dialog --seed 1 -q)
read -r large_s large_kb < <(best "$contour" apply "$work/tiny100k.svg" -o "$work/out.svg" --no-dialog --seed 1 -q)
out_kb=$(( $(stat -c %s "$work/out.svg") / 1024 ))
figure apply_100k_tiny_vs_10k_s "$large_s" "$small_s" 12
figure apply_100k_tiny_kb_per_object "$(( (large_kb - out_kb) / 100 ))e-3" 2 2
rm -f "$work/tiny100k.svg" "$work/out.svg"

# A record naming 100,000 missing sources: strip, against reading and
# writing the same drawing without its record.
make missing 100000 "$work/missing.svg" "$contour"
sed -e 's#<metadata contour:role="runs">.*</metadata>##' "$work/missing.svg" >"$work/plain.svg"
read -r missing_s _ < <(best "$contour" strip "$work/missing.svg" -o "$work/out.svg")
read -r plain_s _ < <(best "$contour" strip "$work/plain.svg" -o "$work/out.svg")
figure strip_100k_missing_sources_s "$missing_s" "$plain_s" "about 1"

# The editor: opening the rectangles' result and its answers with everything
# selected; its memory over 50 filter, OK, Undo cycles of 100 stars x 200 contours.
python3 "$root/bench/editor_figures.py" "$contour" answers "$work/once.svg"
make stars 100 "$work/stars.svg"
python3 "$root/bench/editor_figures.py" "$contour" memory "$work/stars.svg" 50 200
