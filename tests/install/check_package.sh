#!/usr/bin/env bash
# check_package.sh CPACK BUILD_FOLDER VERSION: makes the Debian package,
# installs it with dpkg into a throw-away root whose package database holds
# this machine's own entries for the packages it depends on (so Depends is
# checked against real versions), runs the installed programs, and purges
# it again, which must leave nothing behind.
set -uo pipefail
cpack="$1" build="$2" version="$3"
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing a package with dpkg needs root"
  exit 77
fi
for tool in dpkg dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (scripts/setup-deps installs dpkg-dev)"
    exit 77
  fi
done
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
deb="$scratch/out/pixmora_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$scratch/out" >&2; echo "FAIL: no $(basename "$deb")" >&2; exit 1; }

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is not $version"
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libfreeimage3 libqt6widgets6 libqt6core6; do
  grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
changelog="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/pixmora/changelog.gz | gzip -dc | head -n 1)"
grep -q "^pixmora ($version)" <<<"$changelog" || fail "the changelog's last entry is not $version: $changelog"

# The root's database: each package Depends names, as installed here, with
# an empty file list.
root="$scratch/root" admin="$scratch/root/var/lib/dpkg"
mkdir -p "$admin/info" "$admin/updates" "$admin/triggers"
touch "$admin/available"
for package in $(sed -E 's/\([^)]*\)//g; s/[,|]/ /g' <<<"$depends"); do
  dpkg-query -s "$package" >>"$admin/status" 2>/dev/null || fail "$package is not installed here"
  echo >>"$admin/status"
  touch "$admin/info/$package.list"
done

# dpkg in the throw-away root, with its log in the scratch folder, not /var/log.
in_root() { dpkg --root="$root" --log="$scratch/dpkg-actions.log" "$@"; }
in_root -i "$deb" >"$scratch/dpkg.log" 2>&1 ||
  { cat "$scratch/dpkg.log" >&2; echo "FAIL: dpkg -i" >&2; exit 1; }
in_root -s pixmora | grep -q "^Status: install ok installed" || fail "not installed"
listed="$(in_root -L pixmora)"
for path in /usr/bin/pixmora /usr/bin/pixmora-cli /usr/libexec/pixmora/pixmora-decode \
  /usr/share/pixmora/VARDELO24/sxconf.cff /usr/share/pixmora/VARDELO24/supporto/English.tra \
  /usr/share/pixmora/samples/landscape.jpg /usr/share/pixmora/samples/valley.jpg \
  /usr/share/applications/org.pixmora.Pixmora.desktop \
  /usr/share/metainfo/org.pixmora.Pixmora.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/org.pixmora.Pixmora.svg \
  /usr/share/icons/hicolor/48x48/apps/org.pixmora.Pixmora.png \
  /usr/share/man/man1/pixmora.1.gz /usr/share/man/man1/pixmora-cli.1.gz \
  /usr/share/bash-completion/completions/pixmora-cli \
  /usr/share/doc/pixmora/copyright /usr/share/doc/pixmora/changelog.gz \
  /usr/share/doc/pixmora/examples/spread-over-machines; do
  grep -qxF "$path" <<<"$listed" || fail "dpkg -L does not list $path"
  [ -e "$root$path" ] || fail "$path is listed but not installed"
done

# The installed programs, from their installed paths, as a new user.
run() { env -u PIXMORA_DECODE HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data" TMPDIR="$scratch" "$@"; }
mkdir -p "$scratch/home"
run "$root/usr/bin/pixmora-cli" list | grep -q "Grayscale" || fail "installed pixmora-cli list"
run "$root/usr/bin/pixmora-cli" apply "$root/usr/share/pixmora/samples/lake.png" "$scratch/grey.png" Grayscale ||
  fail "installed pixmora-cli apply"
[ -s "$scratch/grey.png" ] || fail "no result from the installed pixmora-cli"
shown="$(run env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/pixmora" --version 2>/dev/null)"
[ "$shown" = "Pixmora $version" ] || fail "installed pixmora --version says '$shown'"

in_root --purge pixmora >"$scratch/dpkg.log" 2>&1 ||
  { cat "$scratch/dpkg.log" >&2; fail "dpkg --purge"; }
in_root -s pixmora >/dev/null 2>&1 && fail "still known to dpkg after the purge"
left="$(cd "$root" && find . -path ./var -prune -o -print | grep -vx '\.')"
[ -z "$left" ] || fail "the purge left: $left"
[ -z "$(ls "$admin/info" | grep '^pixmora\.')" ] || fail "the purge left pixmora's dpkg records"
[ "$failures" -eq 0 ]
