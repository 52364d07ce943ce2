#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh DIR [cmake options...]
# A tree is configured when it is new and again, afresh, whenever the options
# differ from those it was configured with (kept in DIR/.build-options), so
# that an option given or dropped is never silently ignored.
set -euo pipefail
dir=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
options=$(printf '%s\n' "$@")
kept="$dir/.build-options"
if [ ! -f "$dir/build.ninja" ] || [ ! -f "$kept" ] || [ "$(cat "$kept")" != "$options" ]; then
  fresh=()
  [ -f "$dir/CMakeCache.txt" ] && fresh=(--fresh)
  cmake "${fresh[@]}" -S "$root" -B "$dir" -G Ninja "$@"
  printf '%s\n' "$options" > "$kept"
fi
cmake --build "$dir"
