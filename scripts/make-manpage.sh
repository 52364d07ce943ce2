#!/usr/bin/env bash
# Writes dist/man/contour.1 from the program's own help with help2man:
# scripts/make-manpage.sh BUILD_DIR. Run it again when the help changes; the
# package tests check that the page names every subcommand and option.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
contour=$(cd "$1" && pwd)/bin/contour
include=$(mktemp)
trap 'rm -f "$include"' EXIT
{
  echo "[COMMANDS]"
  for sub in $("$contour" --help | sed -n '/^Subcommands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }'); do
    echo ".SS \"contour $sub\""
    echo ".nf"
    "$contour" "$sub" --help | sed -e "s|$contour|contour|" -e 's/\\/\\e/g' -e 's/-/\\-/g' -e 's/^\./\\\&./'
    echo ".fi"
  done
  cat <<'TEXT'
[FILES]
.TP
.I lib/contour/Tesk_Contour.so
The plug-in module, found in ../lib/contour from the folder of \fBcontour\fR.
[SEE ALSO]
The README in /usr/share/doc/contour; \fBinkscape\fR(1), which offers the filter under
Extensions > Generate from Path > Contour.
TEXT
} > "$include"
help2man --no-info --section=1 --name="apply the Contour filter to SVG drawings" \
  --version-string="$("$contour" --version | awk '{ print $2 }')" --include="$include" \
  "$contour" > "$root/dist/man/contour.1"
