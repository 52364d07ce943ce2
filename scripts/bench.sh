#!/usr/bin/env bash
# Builds Release in its own tree (build/bench) and prints one JSON line per
# figure: {"name", "value", "unit", "baseline", "ratio"} (baseline and ratio
# null where a figure has none). Not part of the tests: run it by hand.
#   scripts/bench.sh          every figure
#   BENCH_RUNS=5 scripts/bench.sh   best of 5 for the end-to-end times (default 3)
#   BENCH_CONTOUR=other/bin/contour BENCH_END_TO_END_ONLY=1 scripts/bench.sh
#                             the end-to-end figures of another build, to compare
# Needs xmllint (libxml2-utils) and /usr/bin/time (time): scripts/install-deps.sh
# installs them with CONTOUR_WITH_BENCH=1.
set -euo pipefail
declare -A per
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$root/build/bench}
runs=${BENCH_RUNS:-3}
for tool in xmllint /usr/bin/time python3; do
  command -v "$tool" >/dev/null || { echo "bench.sh: $tool is missing (CONTOUR_WITH_BENCH=1 scripts/install-deps.sh)" >&2; exit 1; }
done

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCONTOUR_BENCH=ON >&2
fi
cmake --build "$build" --target contour Tesk_Contour engine_bench document_bench >&2

work=$(mktemp -d "${TMPDIR:-/tmp}/contour-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# --- The benchmarks of bench/ -----------------------------------------------------
for b in "$build"/bench/*_bench; do
  [ "${BENCH_END_TO_END_ONLY:-0}" = 1 ] && break
  "$b" --benchmark_format=json --benchmark_out="$work/$(basename "$b").json" --benchmark_out_format=json >/dev/null
  python3 - "$work/$(basename "$b").json" <<'PY'
import json, sys
# Each benchmark's time, against the plain loop it reports (and the copy loop, for a point run).
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    c = b.get("counters", b)
    def line(name, value, unit, baseline, ratio):
        print(json.dumps({"name": name, "value": value, "unit": unit, "baseline": baseline, "ratio": ratio}))
    if "plain_loop_ms" in b:
        line(b["name"], b["engine_ms"], "ms", b["plain_loop_ms"], b["ratio"])
        if "copy_ratio" in b:
            line(b["name"] + "/copy_loop", b["engine_ms"], "ms", b["copy_loop_ms"], b["copy_ratio"])
    elif "ratio_to_plain_loop" in b:
        line(b["name"], b["dup_transform_s"] * 1e3, "ms", b["baseline_s"] * 1e3, b["ratio_to_plain_loop"])
    else:
        line(b["name"], b["real_time"], b["time_unit"], None, None)
PY
done

# --- End to end -----------------------------------------------------------------
contour=${BENCH_CONTOUR:-$build/bin/contour}
json() { python3 -c 'import json,sys; a=sys.argv; print(json.dumps({"name": a[1], "value": float(a[2]), "unit": a[3], "baseline": None if a[4] == "-" else float(a[4]), "ratio": None if a[4] == "-" else round(float(a[2]) / float(a[4]), 3)}))' "$@"; }
# Best of $runs: wall seconds, peak kilobytes and processor seconds (user and
# system) of a command. The wall time includes syncing the output to disk.
best() {
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%e %M %U %S" -o "$work/time" "$@" >/dev/null
    cat "$work/time"
  done | python3 -c '
import sys
rows = [[float(x) for x in line.split()] for line in sys.stdin if line.strip()]
print(min(r[0] for r in rows), int(min(r[1] for r in rows)), round(min(r[2] + r[3] for r in rows), 3))'
}

# 1,000 rings of 64 cubic segments, the defaults: against xmllint merely
# parsing the output, and the peak memory against the output's size.
python3 "$root/bench/make_rings.py" 1000 "$work/rings.svg"
read -r apply_s apply_kb apply_cpu < <(best "$contour" apply "$work/rings.svg" --no-dialog --seed 1 -q -o "$work/out.svg")
read -r lint_s _ lint_cpu < <(best xmllint --noout "$work/out.svg")
out_mb=$(python3 -c "import os; print(os.path.getsize('$work/out.svg') / 2**20)")
json apply_1000_rings "$apply_s" s "$lint_s"
json apply_1000_rings_cpu "$apply_cpu" s "$lint_cpu"
json apply_1000_rings_peak_memory "$(python3 -c "print($apply_kb / 1024)")" MB "$out_mb"
json apply_1000_rings_output "$out_mb" MB -

# Scaling: processor time per contour at 250, 1,000 and 4,000 rings, against
# the time per contour at 1,000.
for n in 250 1000 4000; do
  python3 "$root/bench/make_rings.py" "$n" "$work/scale.svg"
  read -r _ _ cpu < <(best "$contour" apply "$work/scale.svg" --no-dialog --seed 1 -q -o "$work/scale-out.svg")
  contours=$(( $(grep -o '<path' "$work/scale-out.svg" | wc -l) - n ))
  per[$n]=$(python3 -c "print($cpu / $contours * 1e6)")
done
for n in 250 1000 4000; do json "apply_cpu_per_contour_${n}_rings" "${per[$n]}" us "${per[1000]}"; done
rm -f "$work/scale.svg" "$work/scale-out.svg" "$work/out.svg"

# Reading and writing back a large drawing (about 200 MB of rings): time and
# peak memory against its size.
python3 "$root/bench/make_rings.py" 60000 "$work/large.svg"
large_mb=$(python3 -c "import os; print(os.path.getsize('$work/large.svg') / 2**20)")
read -r strip_s strip_kb strip_cpu < <(best "$contour" strip "$work/large.svg" -o "$work/large-out.svg")
json read_write_large "$strip_s" s -
json read_write_large_cpu "$strip_cpu" s -
json read_write_large_peak_memory "$(python3 -c "print($strip_kb / 1024)")" MB "$large_mb"
