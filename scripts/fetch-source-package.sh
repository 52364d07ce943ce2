#!/usr/bin/env bash
# Fetches and unpacks a Debian source package for the cross builds, with the
# ordinary apt client over a private list of the system's own archives as
# deb-src: apt's lists, caches and lock live under DEST/apt, and nothing of
# the system's configuration or state changes. Kept under DEST: a second run
# finds the unpacked tree and fetches nothing.
#   scripts/fetch-source-package.sh PACKAGE DEST   (prints the source tree's path)
set -euo pipefail
package=$1
dest=$(mkdir -p "$2" && cd "$2" && pwd)
found() { find "$dest" -mindepth 1 -maxdepth 1 -type d -name "$package-[0-9]*" | sort | tail -n 1; }
tree=$(found)
if [ -n "$tree" ]; then echo "$tree"; exit 0; fi

apt_dir=$dest/apt
rm -rf "$apt_dir"
mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
: > "$apt_dir/none"
# The system's archives, for sources: its deb822 entries with Types: deb-src,
# and the one-line entries of sources.list as deb-src lines.
for entry in /etc/apt/sources.list.d/*.sources; do
  [ -f "$entry" ] && sed -E 's/^Types:.*/Types: deb-src/' "$entry" > "$apt_dir/parts/$(basename "$entry")"
done
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$list" ] && sed -nE 's/^deb[[:space:]]+/deb-src /p' "$list" > "$apt_dir/parts/$(basename "$list" .list)-src.list"
done
apt_options=(-q -o "Dir::Etc::SourceParts=$apt_dir/parts" -o "Dir::Etc::SourceList=$apt_dir/none"
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
  -o "APT::Sandbox::User=$(id -un)")
apt-get "${apt_options[@]}" update > "$apt_dir/update.log" 2>&1 ||
  { cat "$apt_dir/update.log" >&2; echo "fetch-source-package.sh: apt-get update failed" >&2; exit 1; }
# The newest version first; an archive that lists a version it does not serve
# (a security archive's sources) gives way to the next one listed.
fetched=
for version in $(apt-cache "${apt_options[@]}" showsrc "$package" | sed -n 's/^Version: //p' | sort -Vru); do
  if (cd "$dest" && apt-get "${apt_options[@]}" source --download-only "$package=$version") >> "$apt_dir/source.log" 2>&1
  then fetched=$version; break; fi
  rm -f "$dest/${package}_"*
done
[ -n "$fetched" ] ||
  { cat "$apt_dir/source.log" >&2; echo "fetch-source-package.sh: apt-get source $package failed" >&2; exit 1; }
# dpkg-source checks the files against the .dsc and applies Debian's patches.
dsc=$(find "$dest" -maxdepth 1 -name "${package}_*.dsc" | sort | tail -n 1)
(cd "$dest" && dpkg-source -x "$(basename "$dsc")") > "$apt_dir/unpack.log" 2>&1 ||
  { cat "$apt_dir/unpack.log" >&2; echo "fetch-source-package.sh: unpacking $dsc failed" >&2; exit 1; }
rm -rf "$apt_dir"
found
