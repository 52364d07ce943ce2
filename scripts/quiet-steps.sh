# Sourced by the test scripts of one platform, after they set `label` (windows, web):
# each step's output goes to a log of its own, shown only when the step fails.
logs=$(mktemp -d "/tmp/contour-$label-logs.XXXXXX")

quietly() {
  local name=$1; shift
  if ! "$@" > "$logs/$name.log" 2>&1; then
    cat "$logs/$name.log"
    echo "$label: $name failed (log: $logs/$name.log)" >&2
    exit 1
  fi
}
