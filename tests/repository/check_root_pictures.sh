#!/usr/bin/env bash
# check_root_pictures.sh SOURCE: fails when a picture file is tracked at the
# repository's root, which is where a working file written into the current
# folder lands when a program or a test runs from there. Outside a git
# checkout (an unpacked source archive) there is nothing to check.
set -u
root=$1
if ! git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "not a git checkout: nothing to check"
  exit 0
fi
pictures=$(git -C "$root" ls-files | grep -iE '^[^/]+\.(bmp|png|jpe?g|tiff?|gif|tga)$')
if [ -n "$pictures" ]; then
  echo "picture files tracked at the repository's root (stray working files?):"
  echo "$pictures"
  exit 1
fi
exit 0
