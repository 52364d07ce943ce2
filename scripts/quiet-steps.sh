# Sourced by the test scripts of one platform, after they set `label` (windows, web):
# each step's output goes to a log of its own, shown only when the step fails;
# each step says how long it took, so that a slow run shows where its time went.
logs=$(mktemp -d "/tmp/contour-$label-logs.XXXXXX")

quietly() {
  local name=$1 began=$SECONDS; shift
  if ! "$@" > "$logs/$name.log" 2>&1; then
    cat "$logs/$name.log"
    echo "$label: $name failed (log: $logs/$name.log)" >&2
    exit 1
  fi
  echo "$label: $name took $(( SECONDS - began )) s"
}
