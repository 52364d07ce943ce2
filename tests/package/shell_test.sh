#!/usr/bin/env bash
# shell_test.sh BUILD_DIR SOURCE_DIR: the man page names every subcommand and
# option the program's help has (regenerate it with scripts/make-manpage.sh
# when not), and the bash completion offers subcommands, options, presets and
# field names.
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

# The completion: the words before the cursor, then the words offered.
source "$dist/bash-completion/contour"
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
echo "man page and completion follow the help"
