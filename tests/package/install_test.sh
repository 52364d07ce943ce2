#!/usr/bin/env bash
# install_test.sh BUILD_DIR SOURCE_DIR: `cmake --install` into a scratch
# prefix, which is then moved; with the build and source trees hidden (an
# empty file system mounted over each in a private mount namespace), the
# installed contour applies the filter and finds its module on its own.
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1 source_dir=$2
need unshare

cmake --install "$build" --prefix "$scratch/first" >/dev/null
mv "$scratch/first" "$scratch/moved"
prefix=$scratch/moved

for file in bin/contour lib/contour/Tesk_Contour.so share/doc/contour/README.md share/doc/contour/copyright \
    share/man/man1/contour.1.gz share/bash-completion/completions/contour share/applications/contour-edit.desktop \
    share/inkscape/extensions/contour_effect.inx share/inkscape/extensions/contour_effect.py; do
  [ -f "$prefix/$file" ] || fail "$file was not installed"
done

cp "$source_dir/examples/star.svg" "$scratch/star.svg"
namespace=(unshare -m)
[ "$(id -u)" = 0 ] || namespace=(unshare -rm)
"${namespace[@]}" bash -c '
  set -e
  mount -t tmpfs none "$1"
  mount -t tmpfs none "$2"
  [ -z "$(ls -A "$1")" ] || exit 3
  "$3/bin/contour" apply "$4/star.svg" -o "$4/out.svg" --seed 1 --preset Reset
' hide "$build" "$source_dir" "$prefix" "$scratch" || fail "the installed contour could not apply the filter"

# The default settings make contourCount (12) + 1 contours of each path.
before=$(path_ids "$scratch/star.svg" | wc -l)
after=$(path_ids "$scratch/out.svg" | wc -l)
[ "$after" -eq $(( before * 14 )) ] || fail "expected $(( before * 14 )) paths after the filter, found $after"
echo "installed tree works from $prefix"
