#!/usr/bin/env bash
# Reads every SVG drawing on this machine (or those listed in a file, one a
# line) with `contour strip` and counts those refused and those read with
# warnings; the refusals are grouped by their reason. Not part of the tests:
# run it by hand, after installing drawings to read, for example
#   apt-get install breeze-icon-theme papirus-icon-theme oxygen-icon-theme tango-icon-theme gnome-icon-theme
#   scripts/svg-survey.sh build/test/bin/contour [LIST]
set -euo pipefail
contour=$(realpath "${1:?usage: svg-survey.sh CONTOUR [LIST]}")
work=$(mktemp -d "${TMPDIR:-/tmp}/contour-survey.XXXXXX")
trap 'rm -rf "$work"' EXIT
if [ -n "${2:-}" ]; then
  cp "$2" "$work/list"
else
  find / -xdev \( -path /proc -o -path /sys -o -path /tmp -o -path /work -o -path /root -o -path /home \) -prune -o \
    -type f \( -iname '*.svg' -o -iname '*.svgz' \) -print 2>/dev/null | sort > "$work/list"
fi
# One line per drawing: the exit status, then the first line the command said.
read_one() {
  err=$("$contour" strip "$1" -o - 2>&1 >/dev/null) && status=0 || status=$?
  printf '%s\t%s\n' "$status" "$(printf '%s' "$err" | head -n 1 | tr '\t' ' ')"
}
export -f read_one
export contour
tr '\n' '\0' < "$work/list" | xargs -0 -n 1 -P "${SURVEY_JOBS:-2}" bash -c 'read_one "$0"' > "$work/results"
total=$(wc -l < "$work/list")
refused=$(awk -F'\t' '$1 != 0' "$work/results" | wc -l)
warned=$(awk -F'\t' '$1 == 0 && $2 ~ /warning/' "$work/results" | wc -l)
echo "drawings: $total, refused: $refused, read with warnings: $warned"
echo "refusals by reason (the file and place left out):"
awk -F'\t' '$1 != 0 { sub(/^contour: [^ ]*: /, "", $2); sub(/^[0-9]+:[0-9]+: /, "", $2); print $2 }' "$work/results" |
  sed -E "s/'[^']*'/'...'/g; s/\"[^\"]*\"/\"...\"/g" | sort | uniq -c | sort -rn | head -n "${SURVEY_REASONS:-15}"
