#!/usr/bin/env bash
# validate_desktop_files.sh DESKTOP_FOLDER APP_ID VERSION
set -euo pipefail
folder="$1" id="$2" version="$3"
desktop-file-validate "$folder/$id.desktop"
appstreamcli validate --no-net "$folder/$id.metainfo.xml"
# A new version needs its release entry, or software centres show the old one.
grep -q "<release version=\"$version\"" "$folder/$id.metainfo.xml" ||
  { echo "$id.metainfo.xml has no release entry for version $version" >&2; exit 1; }
