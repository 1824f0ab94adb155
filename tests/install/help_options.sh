# Sourced by the tests that hold documentation and completion to the
# programs' own help.

# The options a help text on standard input names, -x or --word (not the
# hyphens inside words), one a line.
options_in() {
  grep -oE -- '(^|[^[:alnum:]_-])--?[[:alpha:]][[:alnum:]-]*' | sed -E 's/^[^-]*//' | sort -u
}

# cli_help PIXMORA_CLI: the batch tool's help, and its subcommand's own
# help where it has one.
cli_help() {
  "$1" --help || return
  "$1" apply --help 2>/dev/null || true
}
