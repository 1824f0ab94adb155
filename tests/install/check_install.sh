#!/usr/bin/env bash
# check_install.sh BUILD_FOLDER APP_ID: installs the build into a scratch
# prefix, checks the tree and runs the installed batch tool from there.
set -euo pipefail
build="$1" id="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_file() { [ -f "$prefix/$1" ] || fail "missing $1"; }
expect_program() { [ -x "$prefix/$1" ] || fail "missing program $1"; }

expect_program bin/pixmora
expect_program bin/pixmora-cli
expect_program libexec/pixmora/pixmora-decode
for f in sxconf.cff supporto/xxx.bmp supporto/albero.bmp supporto/English.tra supporto/Italiano.tra; do
  expect_file "share/pixmora/VARDELO24/$f"
done
[ -d "$prefix/share/pixmora/VARDELO24/texture utente" ] || fail "missing the user texture folder"
expect_file share/pixmora/samples/landscape.jpg
expect_file share/pixmora/samples/valley.jpg
expect_file "share/applications/$id.desktop"
expect_file "share/metainfo/$id.metainfo.xml"
expect_file "share/icons/hicolor/scalable/apps/$id.svg"
expect_file share/doc/pixmora/copyright
expect_file share/doc/pixmora/changelog.gz
expect_program share/doc/pixmora/examples/spread-over-machines
bash -n "$prefix/share/doc/pixmora/examples/spread-over-machines" || fail "the example does not parse"

# man and bash-completion find what was installed for them.
for page in pixmora pixmora-cli; do
  man -M "$prefix/share/man" -w "$page" >/dev/null 2>&1 || fail "man finds no $page page under the prefix"
done
completion_loaded="$(XDG_DATA_DIRS="$prefix/share" HOME="$scratch/nobody" bash -c \
  'source /usr/share/bash-completion/bash_completion && __load_completion pixmora-cli && complete -p pixmora-cli' 2>&1)"
grep -q -- "-F _pixmora_cli pixmora-cli" <<<"$completion_loaded" || fail "bash-completion does not load pixmora-cli's: $completion_loaded"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 32 48 64 128 256; do
  icon="share/icons/hicolor/${size}x${size}/apps/$id.png"
  if [ -f "$prefix/$icon" ]; then
    [ "$(png_size "$prefix/$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$prefix/$icon")"
  else
    fail "missing $icon"
  fi
done

# The installed batch tool runs from the prefix and brings the user the
# shipped data where the data folder has none, writing nothing there.
run() { env -u PIXMORA_DECODE XDG_DATA_HOME="$scratch/home" TMPDIR="$scratch" "$@"; }
mkdir -p "$scratch/home/VARDELO24"
echo "my own configuration" > "$scratch/home/VARDELO24/sxconf.cff"
run "$prefix/bin/pixmora-cli" list | grep -q Grayscale || fail "installed pixmora-cli list"
run "$prefix/bin/pixmora-cli" apply "$prefix/share/pixmora/samples/landscape.jpg" "$scratch/grey.png" Grayscale ||
  fail "installed pixmora-cli apply"
[ -s "$scratch/grey.png" ] || fail "no result picture"
run "$prefix/bin/pixmora-cli" apply "$scratch/grey.png" "$scratch/pattern.png" "Mix Pattern" 2>"$scratch/err" ||
  fail "installed pixmora-cli with the shipped pattern"
[ -s "$scratch/err" ] && fail "a note about the shipped pattern: $(cat "$scratch/err")"
cmp -s "$scratch/grey.png" "$scratch/pattern.png" && fail "the shipped pattern was not mixed in"
[ "$(ls -A "$scratch/home/VARDELO24")" = "sxconf.cff" ] || fail "the batch tool wrote into the data folder"
[ "$(cat "$scratch/home/VARDELO24/sxconf.cff")" = "my own configuration" ] || fail "the user's sxconf.cff was replaced"
[ "$failures" -eq 0 ]
