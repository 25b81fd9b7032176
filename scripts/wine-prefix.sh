#!/usr/bin/env bash
# Prepares a scratch Wine prefix (never the user's own ~/.wine) shaped like a
# Windows user profile. Quick when the prefix exists already: only the
# registry seed is imported again, which restores anything a test removed.
set -euo pipefail
prefix=$(realpath -m "$1")
here=$(dirname "$(realpath "$0")")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
if [ ! -f "$prefix/.chimelo-ready" ]; then
  timeout 300 wineboot -i
  touch "$prefix/.chimelo-ready"
fi
timeout 120 wine regedit /S "$(winepath -w "$here/sound-scheme.reg")"
