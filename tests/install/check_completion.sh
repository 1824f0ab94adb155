#!/usr/bin/env bash
# check_completion.sh COMPLETION_FILE PIXMORA_CLI: drives the bash completion
# of pixmora-cli as bash does on Tab, through `complete -p` and the words of
# a command line, with the built batch tool as the program being completed.
set -uo pipefail
completion="$1" cli="$2"
bash_completion=/usr/share/bash-completion/bash_completion
if [ ! -r "$bash_completion" ]; then
  echo "SKIP: bash-completion is not installed ($bash_completion)"
  exit 77
fi
# shellcheck source=/dev/null
source "$bash_completion"
# shellcheck source=/dev/null
source "$completion"

# shellcheck source=help_options.sh
source "$(dirname "$0")/help_options.sh"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

registered="$(complete -p pixmora-cli 2>/dev/null)" || { echo "FAIL: nothing completes pixmora-cli" >&2; exit 1; }
function="$(sed -n 's/.*-F \([^ ]*\) .*/\1/p' <<<"$registered")"

# complete LINE WORD...: what Tab at the end of LINE offers, one a line.
# The WORDs are LINE split as bash splits it (':' is a word of its own);
# the program's word is the built batch tool.
complete() {
  local line="$1"
  shift
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$#
  COMP_LINE="$cli $line"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function" pixmora-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | sort
}
offers() {  # offers WHAT EXPECTED LINE WORD...
  local what="$1" expected="$2" got
  shift 2
  got="$(complete "$@")"
  [ "$got" = "$expected" ] || fail "$what: expected [$expected], got [$got]"
}
includes() {  # includes WHAT ENTRY LINE WORD...
  local what="$1" entry="$2"
  shift 2
  grep -qxF -- "$entry" <<<"$(complete "$@")" || fail "$what: $entry not offered"
}

offers "subcommand" "apply" "a" "a"
offers "captions by prefix, escaped" $'Gradient\nGrayscale\nGreen\\ component\\ negative' \
  "apply a.jpg out.png Gr" apply a.jpg out.png Gr
offers "a caption in any letter case" "Grayscale" "apply a.jpg out.png GRAYs" apply a.jpg out.png GRAYs
offers "keys, and captions that are not their key" $'Diffuse\\ Images\ndiffuse\ndisorder' \
  "apply a.jpg out.png di" apply a.jpg out.png di
offers "an escaped caption with brackets" 'Relief\ -\ \(red\)' \
  'apply a.jpg out.png Relief\ -\ \(r' apply a.jpg out.png 'Relief\ -\ \(r'
offers "a caption after an opened quote" "Image mixing with A-B" \
  'apply a.jpg out.png "Image m' apply a.jpg out.png '"Image m'
offers "MENU:INDEX after the colon" $'2\n21' \
  "apply a.jpg out.png color:2" apply a.jpg out.png color : 2
offers "the slider after the colon" "-1" "apply a.jpg out.png rotate:-1" apply a.jpg out.png rotate : -1
offers "the Image menu's steps" $'flip=horizontal\nflip=vertical' "apply a.jpg out.png flip" apply a.jpg out.png flip
offers "a step after its '='" $'left\nright' "apply a.jpg out.png turn=" apply a.jpg out.png turn = ""
offers "the selection's words after the '='" "ellipse:" "apply a.jpg out.png select=e" apply a.jpg out.png select = e
offers "the back colour's word" "back-colour=" "apply a.jpg out.png back" apply a.jpg out.png back
offers "the folder form's commands" 'Add\ hor.\ blinds' \
  'apply --out-dir d a.jpg -- Add\ h' apply --out-dir d a.jpg -- 'Add\ h'
offers "the folder form's options" $'--\n--format\n--out-dir\n--overwrite\n--recipe' \
  "apply --out-dir d a.jpg --" apply --out-dir d a.jpg --
offers "command options" "--timings" "apply a.jpg out.png Fog --t" apply a.jpg out.png Fog --t
offers "--format" $'bmp\njpg\npng\ntif' "apply --out-dir d --format " apply --out-dir d --format ""
offers "--strength" $'1\n10' "apply a.jpg out.png Fog --strength 1" apply a.jpg out.png Fog --strength 1

# Every command the tool lists is offered, by its MENU:INDEX, its key and
# its caption (unless that is the key with capitals), and nothing else.
listed="$("$cli" list)" || fail "$cli list"
all="$(complete "apply a.jpg out.png " apply a.jpg out.png "")"
expected=0
while IFS=$'\t' read -r place caption key; do
  names=("$place" "$key")
  [ "${caption,,}" = "$key" ] || names+=("$(printf '%q' "$caption")")
  for offer in "${names[@]}"; do
    expected=$((expected + 1))
    grep -qxF -- "$offer" <<<"$all" || fail "$offer not offered"
  done
done <<<"$listed"
[ "$(wc -l <<<"$all")" -eq "$expected" ] || fail "more than the listed commands offered"

# Every option the tool's help names is offered where it can go, so the
# completion follows the tool.
offered="$(complete "-" -; complete "list -" list -; complete "apply -" apply -; complete "apply --out-dir d -" apply --out-dir d -; complete "apply --out-dir d a.jpg -- Fog -" apply --out-dir d a.jpg -- Fog -)"
help="$(cli_help "$cli")" || fail "$cli --help"
while read -r option; do
  grep -qxF -- "$option" <<<"$offered" || fail "$option is in --help but not completed"
done < <(options_in <<<"$help")

# Pictures where a picture goes, whatever the extension's case; folders to
# go into; other files not.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
mkdir holiday && touch photo.jpg scan.TIF notes.txt
offers "IMAGE_A" $'holiday\nphoto.jpg\nscan.TIF' "apply " apply ""
offers "--image-b" $'holiday\nphoto.jpg\nscan.TIF' "apply photo.jpg x.png Fog --image-b " \
  apply photo.jpg x.png Fog --image-b ""
includes "the folder form's pictures" "scan.TIF" "apply --out-dir d photo.jpg " apply --out-dir d photo.jpg ""
offers "--out-dir" "holiday" "apply --out-dir " apply --out-dir ""

[ "$failures" -eq 0 ]
