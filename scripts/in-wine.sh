#!/usr/bin/env bash
# Runs a Win32 program under Wine in the test session that
# scripts/wine-session.sh started in DIR, with a time limit, so that a
# program that hangs fails instead of stalling the run.
set -euo pipefail
dir=$1
shift
# shellcheck disable=SC1091
. "$dir/session.env"
exec timeout -k 5 600 "$WINE" "$@"
