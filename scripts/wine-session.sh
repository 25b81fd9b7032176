#!/usr/bin/env bash
# Starts or stops what Win32 tests run in: the scratch Wine prefix, a
# virtual display of their own (the user's display is never used, so no
# window pops up on it) and a PulseAudio server whose null sink lets tests
# capture what Wine plays. `start DIR` writes DIR/session.env for
# scripts/in-wine.sh; `stop DIR` ends everything it started.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
action=$1
dir=$(realpath -m "$2")
mkdir -p "$dir"

stop() {
  if [ -f "$dir/session.env" ]; then
    # shellcheck disable=SC1091
    . "$dir/session.env"
    WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
    for pid in "$dir"/*.pid; do
      [ -f "$pid" ] && kill "$(cat "$pid")" 2>/dev/null || true
      rm -f "$pid"
    done
    rm -f "$dir/session.env"
  fi
}

start() {
  stop
  # Xvfb picks a free display and tells its number through a pipe.
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  echo $! > "$dir/xvfb.pid"
  local display
  read -r -t 20 display <&"$fd"
  exec {fd}>&-
  # Wine's desktop process takes the display of the first program in the
  # prefix, so the prefix is prepared on the virtual display too.
  export DISPLAY=:$display
  bash "$here/wine-prefix.sh" "$dir/wineprefix"
  WINEPREFIX=$dir/wineprefix WINEDEBUG=-all timeout 120 wine regedit /S \
    "$(WINEPREFIX=$dir/wineprefix winepath -w "$here/test-session.reg")"

  export XDG_RUNTIME_DIR=$dir/pulse
  mkdir -p "$XDG_RUNTIME_DIR"
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --system=false \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=cap" \
    >/dev/null 2>&1 &
  echo $! > "$dir/pulse.pid"

  cat > "$dir/session.env" <<ENV
export WINEPREFIX=$dir/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=$DISPLAY XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR PULSE_SINK=cap
ENV
}

"$action"
