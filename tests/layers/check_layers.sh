#!/usr/bin/env bash
# Fails when a file includes a header of a layer above its own or beside it.
# The layers, from the bottom: core; ops and imageio side by side (blind to
# each other); session; windows; then app and cli on top.
set -u
root=$1
status=0
forbid() {  # layer, then the layers it must not include
  local layer=$1; shift
  for other in "$@"; do
    hits=$(grep -rnE "#include \"$other/" "$root/$layer" --include='*.h' --include='*.cpp' || true)
    if [ -n "$hits" ]; then
      echo "$layer must not include $other/:"
      echo "$hits"
      status=1
    fi
  done
}
forbid core ops imageio session windows app cli
forbid ops imageio session windows app cli
forbid imageio ops session windows app cli
forbid session windows app cli
forbid windows app cli
forbid cli windows app
forbid app cli
exit $status
