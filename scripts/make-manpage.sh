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
[EXAMPLES]
.nf
contour apply star.svg \-o star\-out.svg \-\-preset Twist \-\-seed 42
contour apply star.svg \-o star.png \-\-dpi 192 \-\-set contourCount=30
contour apply a.svg b.svg \-\-out\-dir out \-j 2 \-\-format pdf
contour apply star.svg \-o out.svg \-\-preset "Random pulse" \-\-save\-params p.json
contour apply star.svg \-o same.svg \-\-params p.json      # the same run, byte for byte
contour apply out.svg \-o again.svg \-\-replace \-\-preset Intense
contour strip out.svg \-o original.svg
contour modes shiftMode
.fi
[ENVIRONMENT]
.TP
.B CONTOUR
The \fBcontour\fR program that the Inkscape extension runs; without it, the extension looks in the
\fIbin\fR folder of the tree it is installed in, then on the \fBPATH\fR. \fBcontour\fR itself reads no
environment variable.
[EXIT STATUS]
.TP
.B 0
Done.
.TP
.B 1
The run failed or was cancelled (for several drawings: any of them); for \fBparams \-\-check\fR, a value
was rounded or held to its limits.
.TP
.B 2
Usage error: an unknown subcommand, option, preset, field or mode, or options that do not go together.
[UNITS]
Lengths are in points (1/72 inch); scale steps are percent per contour; \fBrotation\fR is in tenths of a
degree per contour. A value outside a field's limits is held to them, and a real given for a whole
number is rounded, each with a warning. \fBcontour modes\fR \fIFIELD\fR gives one field's unit and
limits; every field's, with its default, as \fBcontour params\fR prints them:
.nf
TEXT
  "$contour" params | sed -e 's/\\/\\e/g' -e 's/-/\\-/g'
  cat <<'TEXT'
.fi
[FILES]
.TP
.I lib/contour/Tesk_Contour.so
The plug-in module, in the folder above the one that holds \fBcontour\fR (in a build tree, the one
beside \fBcontour\fR); \fB\-\-plugin\fR names another.
[SEE ALSO]
The README in /usr/share/doc/contour; \fBinkscape\fR(1), which offers the filter under
Extensions > Generate from Path > Contour.
TEXT
} > "$include"
help2man --no-info --section=1 --name="apply the Contour filter to SVG drawings" \
  --version-string="$("$contour" --version | awk '{ print $2 }')" --include="$include" \
  "$contour" > "$root/dist/man/contour.1"
