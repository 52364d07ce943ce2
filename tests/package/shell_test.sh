#!/usr/bin/env bash
# shell_test.sh BUILD_DIR SOURCE_DIR: the man page names every subcommand and
# option the program's help has (regenerate it with scripts/make-manpage.sh
# when not), and the bash completion (which the program writes) offers the
# subcommands and options its help lists, presets, field names and list
# entries, and nothing where a value is not a file.
set -euo pipefail
source "$(dirname "$0")/common.sh"
contour=$1/bin/contour dist=$2/dist

# The man page against the help.
page=$(sed 's/\\-/-/g' "$dist/man/contour.1")
subcommands=$("$contour" --help | sed -n '/^Subcommands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$subcommands" ] || fail "no subcommands in contour --help"
for sub in "" $subcommands; do
  for word in $sub $("$contour" $sub --help | grep -o -- '^ *-[-a-zA-Z0-9,]*' | tr ',' '\n' | tr -d ' '); do
    grep -qF -- "$word" <<<"$page" || fail "contour.1 lacks '$word' of 'contour $sub --help': run scripts/make-manpage.sh"
  done
done

for section in EXAMPLES ENVIRONMENT "EXIT STATUS" UNITS FILES; do
  grep -q "^\.SH \"\?$section\"\?$" "$dist/man/contour.1" || fail "contour.1 has no $section section"
done
grep -q "^rotation = 0 .*tenths of a degree per contour, -360\.\.360" <<<"$page" || fail "contour.1 lacks the units of rotation"

# The completion: the words before the cursor, then the words offered.
source "$1/dist/contour.bash"
offers() {
  local expected=$1; shift
  COMP_WORDS=("$contour" "$@"); COMP_CWORD=$#
  _contour
  local got; got=$(printf '%s ' "${COMPREPLY[@]}")
  [ "${got% }" = "$expected" ] || fail "completing '$*': expected '$expected', got '${got% }'"
}
offers "apply" ap
offers "presets" pre
offers "--preset --params --plugin" apply in.svg --p
offers "--no-open" edit --no
offers "Gaps\\ 1-2 Gaps\\ 2-4" apply in.svg --preset Ga
offers "Twist" apply --preset Tw
offers "scaleLines= scaleH= scaleV=" apply --set scale
offers "contourCount= contourScaleMode=" apply --set contour
offers "Shift\\ -\\ Random Shift\\ -\\ Random\\ accumulate" apply --set shiftMode = "Shift - Ran"
offers "0 1" apply --set previewOn =
offers "pathDelete=1" apply --set pathDelete=1
offers "" apply --select ""
offers "" apply -j ""
offers "rotationPathNumber" modes rotationP

# Each subcommand's options are those of its help, and the subcommands those of the main help.
help_options() { "$contour" $1 --help | grep -o -- '^ *-[-a-zA-Z0-9,]*' | tr ',' '\n' | tr -d ' ' | sort -u; }
offered() { COMP_WORDS=("$contour" "$@"); COMP_CWORD=$#; _contour; printf '%s\n' "${COMPREPLY[@]}" | sort -u; }
[ "$(offered "" | grep -v -- '^-')" = "$(sort -u <<<"$subcommands")" ] || fail "the subcommands offered are not those of --help"
for sub in $subcommands; do
  [ "$(offered "$sub" -)" = "$(help_options "$sub")" ] || fail "the options offered for '$sub' are not those of its --help"
done
# After --out-dir, folders only.
mkdir "$scratch/folder"; touch "$scratch/file.svg"
[ "$(offered apply in.svg --out-dir "$scratch/")" = "$scratch/folder" ] || fail "--out-dir offers more than folders"
echo "man page and completion follow the help"
