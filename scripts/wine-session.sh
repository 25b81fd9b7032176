#!/usr/bin/env bash
# Starts or stops what Win32 tests run in: the scratch Wine prefix, a
# virtual display of their own (the user's display is never used, so no
# window pops up on it), a PulseAudio server whose null sink lets tests
# capture what Wine plays, and drive letters of each type mapped to folders
# that the tests fill. `start DIR ARCH` writes DIR/session.env for
# scripts/in-wine.sh; `stop DIR` ends everything it started.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
# shellcheck source=wine-loader.sh
. "$here/wine-loader.sh"
action=$1
dir=$(realpath -m "$2")
mkdir -p "$dir"

# Also after a start that failed half-way: whatever has a pid file goes.
stop() {
  WINEPREFIX=$dir/wineprefix wineserver -k 2>/dev/null || true
  for pid in "$dir"/*.pid; do
    [ -f "$pid" ] && kill "$(cat "$pid")" 2>/dev/null || true
    rm -f "$pid"
  done
  rm -f "$dir/session.env"
}

# Test drives: f: a fixed disk, r: removable, e: a CD-ROM, n: a network
# drive, m: a letter whose folder is missing (a test makes it for a while).
# Two fixed disks come ready-made: l: holds a directory link back to its own
# root, which only Unix can make, and b: 2,000 directories with a WAV file in
# each, for walks that last.
map_drives() {
  local drives=$dir/drives letter
  rm -rf "$drives"
  mkdir -p "$drives"/{fixed,removable,cdrom,network,loop/sub,big}
  ln -s .. "$drives/loop/sub/up"
  printf 'RIFF' > "$drives/loop/sub/ring.wav"
  mkdir "$drives"/big/d{0000..1999}
  for big in "$drives"/big/d*; do printf 'RIFF' > "$big/x.wav"; done
  declare -A folder=([f]=fixed [r]=removable [e]=cdrom [n]=network [m]=missing [l]=loop [b]=big)
  declare -A type=([f]=hd [r]=floppy [e]=cdrom [n]=network [m]=hd [l]=hd [b]=hd)
  for letter in "${!folder[@]}"; do
    ln -sfn "$drives/${folder[$letter]}" "$WINEPREFIX/dosdevices/$letter:"
    # The 64-bit view, where Wine looks, whichever loader writes it.
    "$WINE" reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d "${type[$letter]}" /f /reg:64 \
      >/dev/null
  done
  # Drive types are read when the Wine server starts.
  wineserver -k 2>/dev/null || true
}

start() {
  stop
  use_wine "$3"
  start_xvfb
  echo "$XVFB" > "$dir/xvfb.pid"
  # The prefix is prepared on the virtual display too.
  export WINEPREFIX=$dir/wineprefix WINEDEBUG=-all
  bash "$here/wine-prefix.sh" "$WINEPREFIX" "$3"
  timeout 120 "$WINE" regedit /S "$("$WINE" winepath -w "$here/test-session.reg")"
  map_drives
  # Tests make the Windows directory and folders of the user's unwritable
  # for a while; a test run that was killed may have left them so.
  chattr -i "$WINEPREFIX/drive_c/windows" 2>/dev/null || true
  find "$WINEPREFIX/drive_c/users" -xdev -type d -exec chattr -i {} + 2>/dev/null || true

  export XDG_RUNTIME_DIR=$dir/pulse
  mkdir -p "$XDG_RUNTIME_DIR"
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --system=false \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=cap" \
    >/dev/null 2>&1 &
  echo $! > "$dir/pulse.pid"
  # Everything Wine plays is recorded, from now until the session stops, into
  # capture.raw: 8000 mono 16-bit samples a second. Tests read what came
  # after their own start. A silent stream keeps the sink from idling, which
  # makes the recording come in bursts.
  timeout 10 bash -c "until pactl info >/dev/null 2>&1; do sleep 0.1; done"
  pacat --latency-msec=20 --raw < /dev/zero >/dev/null 2>&1 &
  echo $! > "$dir/silence.pid"
  parec -d cap.monitor --raw --format=s16le --rate=8000 --channels=1 --latency-msec=20 \
    > "$dir/capture.raw" 2>/dev/null &
  echo $! > "$dir/capture.pid"
  # The recording begins some seconds later: what plays before is lost.
  timeout 20 bash -c "until [ -s '$dir/capture.raw' ]; do sleep 0.1; done"

  cat > "$dir/session.env" <<ENV
export WINEPREFIX=$WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINE=$WINE ${WINELOADER:+WINELOADER=$WINELOADER}
export DISPLAY=$DISPLAY XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR PULSE_SINK=cap
ENV
}

"$action" "$@"
