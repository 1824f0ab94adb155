#!/usr/bin/env bash
# check_manual_pages.sh MAN_FOLDER BUILD_FOLDER: every option that a
# program's --help lists (and `pixmora-cli apply --help`, once there is one)
# appears in its manual page, so the two cannot drift apart; and groff
# formats the pages without a warning.
set -uo pipefail
pages="$1" build="$2"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# shellcheck source=help_options.sh
source "$(dirname "$0")/help_options.sh"

# The page as a reader sees it, in plain ASCII (roff's \- becomes -).
rendered() {
  groff -man -Tascii -P-cbou "$1" 2>/dev/null
}

check_page() {  # check_page PROGRAM HELP_TEXT
  local program="$1" help="$2" page="$pages/$1.1" text warnings option
  [ -s "$page" ] || { fail "no manual page $page"; return; }
  warnings="$(groff -man -ww -z -Tutf8 "$page" 2>&1)"
  [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
  text="$(rendered "$page")"
  grep -q "^NAME" <<<"$text" || fail "$page has no NAME section"
  [ -n "$(options_in <<<"$help")" ] || fail "$program --help lists no option"
  while read -r option; do
    grep -qE -- "(^|[^[:alnum:]-])$option([^[:alnum:]-]|\$)" <<<"$text" ||
      fail "$program: $option is in --help but not in $program(1)"
  done < <(options_in <<<"$help")
}

editor_help="$("$build/pixmora" --help)" || fail "pixmora --help"
check_page pixmora "$editor_help"

batch_help="$(cli_help "$build/pixmora-cli")" || fail "pixmora-cli --help"
check_page pixmora-cli "$batch_help"

[ "$failures" -eq 0 ]
