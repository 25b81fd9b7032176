#!/usr/bin/env bash
# Prepares a scratch Wine prefix (never the user's own ~/.wine) shaped like a
# Windows user profile, for the build of ARCH. Quick when the prefix exists
# already: only the registry seed is imported again, which restores anything
# a test removed.
set -euo pipefail
prefix=$(realpath -m "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=wine-loader.sh
. "$here/wine-loader.sh"
use_wine "$2"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
if [ ! -f "$prefix/.chimelo-ready" ]; then
  timeout 300 "$WINE" wineboot -i
  touch "$prefix/.chimelo-ready"
fi
timeout 120 "$WINE" regedit /S "$("$WINE" winepath -w "$here/sound-scheme.reg")"
# Wine draws the caption buttons with the Marlett font, which it does not
# find by itself where Debian puts it.
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] && cp -u "$marlett" "$prefix/drive_c/windows/Fonts/"
