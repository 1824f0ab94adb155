#!/usr/bin/env bash
# Fails when a file includes a header of a layer above its own or beside it,
# or when FreeImage shows above imageio, which owns it.
# The layers, from the bottom: core; ops and imageio side by side (blind to
# each other); session; windows; then app and cli on top.
set -u
root=$1
status=0
report() {  # what is wrong, then the lines that show it
  if [ -n "$2" ]; then
    echo "$1:"
    echo "$2"
    status=1
  fi
}
code() {  # grep's arguments for the C++ sources under the given folders
  grep -rnE "$@" --include='*.h' --include='*.cpp'
}
forbid() {  # layer, then the layers it must not include
  local layer=$1; shift
  for other in "$@"; do
    report "$layer must not include $other/" "$(code "#include \"$other/" "$root/$layer" || true)"
  done
}
forbid core ops imageio session windows app cli
forbid ops imageio session windows app cli
forbid imageio ops session windows app cli
forbid session windows app cli
forbid windows app cli
forbid cli windows app
forbid app cli

# Above imageio, pictures are spoken of in imageio's own words (PictureFormat,
# SaveSettings, ResampleFilter), never in FreeImage's.
above=(core ops session windows app cli)
report "FreeImage's names outside imageio" \
  "$(cd "$root" && code 'FreeImage|FIBITMAP|FIF_|FILTER_|PNG_Z_|JPEG_QUALITY' "${above[@]}" || true)"

# imageio's headers that bring FreeImage with them (those including it, and
# those including such a header), included only where FreeImage is at home.
exposing=$(cd "$root" && grep -l '#include <FreeImage.h>' imageio/*.h | sort)
while true; do
  pattern=$(sed 's/\./\\./g; s/.*/#include "&"/' <<<"$exposing" | paste -sd'|')
  grown=$(cd "$root" && { echo "$exposing"; grep -lE "$pattern" imageio/*.h; } | sort -u)
  [ "$grown" = "$exposing" ] && break
  exposing=$grown
done
sources=(core ops imageio session windows app cli decoder bench tools fuzz tests)
homes='^(imageio|decoder|tests/imageio|tests/support|fuzz|bench|tools)/'
report "headers exposing FreeImage included outside imageio" \
  "$(cd "$root" && code "$pattern" "${sources[@]}" | grep -vE "$homes" || true)"
exit $status
