#!/usr/bin/env bash
# The recorded-run figures, each against a baseline measured in the same run
# (not part of the tests: run it by hand on a Release build):
#   bench/run_figures.sh [CONTOUR [GROUP...]]
# CONTOUR: default build/bench/bin/contour; GROUP: rects, chain, tiny, missing,
# editor (default all). Prints one line per figure: processor seconds (user
# and system, best of BENCH_RUNS, default 3) or milliseconds, and the ratio to
# its baseline. BENCH_TIMEOUT=S stops each command after S seconds (for slow
# old builds): its figure then reads "over S".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
contour=${1:-$root/build/bench/bin/contour}
runs=${BENCH_RUNS:-3}
limit=${BENCH_TIMEOUT:-0}
groups=("${@:2}")
[ ${#groups[@]} -gt 0 ] || groups=(rects chain tiny missing editor)
work=$(mktemp -d "${TMPDIR:-/tmp}/contour-run-figures.XXXXXX")
trap 'rm -rf "$work"' EXIT
make() { python3 "$root/bench/make_run_drawings.py" "$@"; }

# Best of $runs: processor seconds and peak kilobytes of a command ("over"
# twice when it ran out of time).
best() { python3 "$root/bench/best_of.py" "$runs" "$limit" "$@"; }
figure() { python3 -c '
import sys
n, v, b, limit = sys.argv[1:5]
if "over" in (v, b):
    print("%-34s %10s  baseline %10s  (at most %s; over: more than '"$limit"' s)" % (n, v, b, limit))
else:
    v, b = float(v), float(b)
    print("%-34s %10.3f  baseline %10.3f  ratio %6.2f  (at most %s)" % (n, v, b, v / b, limit))' "$@"; }
wants() { [[ " ${groups[*]} " == *" $1 "* ]]; }

# 3,000 rectangles: strip and --again of one default apply's result, against that apply.
make rects 3000 "$work/rects.svg"
if wants rects; then
read -r apply_s _ < <(best "$contour" apply "$work/rects.svg" -o "$work/once.svg" --no-dialog --seed 1 -q)
read -r strip_s _ < <(best "$contour" strip "$work/once.svg" -o "$work/out.svg")
read -r again_s _ < <(best "$contour" apply "$work/once.svg" -o "$work/out.svg" --again -q)
figure strip_3000_rects_s "$strip_s" "$apply_s" 1.5
figure again_3000_rects_s "$again_s" "$apply_s" 1.5
fi

# 8,192 contours of contours (13 doublings): strip, against 1 s.
if wants chain; then
make chain 9 "$work/chain.svg" "$contour"
read -r chain_s _ < <(best "$contour" strip "$work/chain.svg" -o "$work/out.svg")
figure strip_19683_chained_s "$chain_s" 1 1
fi

# 100,000 tiny paths against 10,000, default settings; the peak memory beyond
# the output's size, per path read and per object written, against 2 KB.
if wants tiny; then
make tiny 10000 "$work/tiny10k.svg"
make tiny 100000 "$work/tiny100k.svg"
read -r small_s _ < <(best "$contour" apply "$work/tiny10k.svg" -o "$work/out.svg" --no-dialog --seed 1 -q)
read -r large_s large_kb < <(best "$contour" apply "$work/tiny100k.svg" -o "$work/out.svg" --no-dialog --seed 1 -q)
out_kb=$(( $(stat -c %s "$work/out.svg") / 1024 ))
figure apply_100k_tiny_vs_10k_s "$large_s" "$small_s" 12
figure apply_100k_tiny_kb_per_object "$(( (large_kb - out_kb) / 100 ))e-3" 2 2
# The same per object of the output (each path and its contours).
objects=$(grep -o '<path' "$work/out.svg" | wc -l)
figure apply_100k_tiny_kb_per_output_object "$(( (large_kb - out_kb) * 1000 / objects ))e-3" 2 2
rm -f "$work/tiny100k.svg" "$work/out.svg"
fi

# A record naming 100,000 missing sources, with a contour naming each: strip,
# against 10,000 of them (linear) and against reading and writing the same
# drawing without its record.
if wants missing; then
for n in 10000 100000; do make missing "$n" "$work/missing$n.svg" "$contour"; done
python3 -c 'import re, sys; sys.stdout.write(re.sub(r"<metadata contour:role=\"runs\">.*?</metadata>", "", open(sys.argv[1]).read(), flags=re.S))' "$work/missing100000.svg" >"$work/plain.svg"
read -r few_s _ < <(best "$contour" strip "$work/missing10000.svg" -o "$work/out.svg")
read -r missing_s _ < <(best "$contour" strip "$work/missing100000.svg" -o "$work/out.svg")
read -r plain_s _ < <(best "$contour" strip "$work/plain.svg" -o "$work/out.svg")
figure strip_100k_missing_vs_10k_s "$missing_s" "$few_s" 12
figure strip_100k_missing_vs_no_record_s "$missing_s" "$plain_s" "about 1"
rm -f "$work"/missing*.svg "$work/plain.svg" "$work/out.svg"
fi

# The editor: opening the rectangles' result and its answers with everything
# selected; its memory over 50 filter, OK, Undo cycles of 100 stars x 200 contours.
wants editor || exit 0
[ -f "$work/once.svg" ] || "$contour" apply "$work/rects.svg" -o "$work/once.svg" --no-dialog --seed 1 -q
python3 "$root/bench/editor_figures.py" "$contour" answers "$work/once.svg"
make stars 100 "$work/stars.svg"
python3 "$root/bench/editor_figures.py" "$contour" memory "$work/stars.svg" 50 200
