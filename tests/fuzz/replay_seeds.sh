#!/usr/bin/env bash
# replay_seeds.sh SEED_WRITER FUZZ_TARGET: writes the seeds into a scratch
# folder and replays every one through the fuzz target.
set -euo pipefail
seeds="$(mktemp -d)"
trap 'rm -rf "$seeds"' EXIT
"$1" "$seeds"
"$2" "$seeds"
