#!/usr/bin/env bash
# Builds Chimelo and runs it under Wine. Its working directory, where
# chimelo.ini lives, is run/ (kept across builds; set CHIMELO_HOME for
# another); the Wine prefix is a scratch one under build/. On the first run
# run/ gets a starter set of generated chimes and a chimelo.ini that uses
# them; an existing chimelo.ini is never touched. Uses your display, or a
# virtual one when there is none, and your sound server, or a silent one of
# its own when there is neither one nor a sound card. Shows each event's
# current sound in the registry as the rotation changes it. The prefix
# reports Windows 10.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
repo=$PWD
bash scripts/setup.sh
# shellcheck source=wine-loader.sh
. scripts/wine-loader.sh
arch=$(machine_arch)
use_wine "$arch"

build() {  # build directory, then extra cmake arguments
  local dir=$1
  shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" >/dev/null
}
echo "Building..."
build build/tools -DCMAKE_BUILD_TYPE=Release -DCHIMELO_TESTS=OFF
build "build/$arch" -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE="cmake/$arch-w64-mingw32.cmake"

home=$(realpath -m "${CHIMELO_HOME:-run}")

started_display=
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  start_xvfb setsid
  started_display=$XVFB
  echo "No display here: Chimelo runs on the virtual display $DISPLAY."
fi

# With no sound server, Wine's sound falls back to ALSA, which prints errors
# at each sound where there is no card: a null sink of ours takes them. In a
# session of its own, so that a Ctrl+C leaves it to the exit sound.
started_sound=
if ! pactl info >/dev/null 2>&1 && ! compgen -G '/dev/snd/pcmC*p' >/dev/null; then
  export XDG_RUNTIME_DIR=$repo/build/run/pulse
  mkdir -p "$XDG_RUNTIME_DIR"
  setsid pulseaudio --daemonize=no --exit-idle-time=-1 -n --system=false \
    --load=module-native-protocol-unix --load=module-null-sink >/dev/null 2>&1 &
  started_sound=$!
  timeout 10 bash -c 'until pactl info >/dev/null 2>&1; do sleep 0.1; done' || true
  echo "No sound server or sound card here: Chimelo's sounds play unheard."
fi

# After the display: Wine's desktop process takes the display of the first
# program in the prefix.
export WINEPREFIX=$repo/build/run/wineprefix-$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
bash scripts/wine-prefix.sh "$WINEPREFIX" "$arch"
# As Windows 10, where Chimelo plays the exit sound itself: Ctrl+C here ends
# its session, and the sound is heard. Wine plays neither event by itself.
timeout 60 "$WINE" winecfg -v win10

mkdir -p "$home"
if [ ! -e "$home/chimelo.ini" ]; then
  mkdir -p "$home/sounds"
  build/tools/tools/chimes/chimes "$home/sounds"
  mapfile -t sounds < <(ls "$home/sounds"/*.wav)
  # Three sounds for each event, taken in turn from the starter set.
  for event in $(seq 1 12); do
    printf '[%d]\r\n' "$event"
    for key in 1 2 3; do
      sound=${sounds[$(( (event * 3 + key) % ${#sounds[@]} ))]}
      printf '%d=%s\r\n' "$key" "$("$WINE" winepath -w "$sound")"
    done
  done > "$home/chimelo.ini"
  echo "Made a starter set of ${#sounds[@]} chimes in $home/sounds and $home/chimelo.ini."
fi

finish() {
  # Ending the session lets Chimelo save its sounds, as at a log-off.
  timeout 30 "$WINE" wineboot -e >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
  [ -n "$started_display" ] && kill "$started_display" 2>/dev/null || true
  [ -n "$started_sound" ] && kill "$started_sound" 2>/dev/null || true
}
trap finish EXIT
trap 'exit 0' INT TERM

# Sessions of their own, for Chimelo and the display: Ctrl+C here must not
# reach them before Chimelo has saved.
(cd "$home" && exec setsid "$WINE" "$repo/build/$arch/bin/chimelo.exe") &
chimelo=$!
echo "Chimelo runs in $home. Every 30 seconds it gives each event one of its sounds."
echo "To stop: close its window (it asks first), or press Ctrl+C here (it saves first)."

declare -A shown
while kill -0 "$chimelo" 2>/dev/null; do
  event=
  while IFS= read -r line; do
    line=${line%$'\r'}
    if [[ $line =~ \\\.Default\\([^\\]+)\\\.current$ ]]; then
      event=${BASH_REMATCH[1]}
    elif [[ -n $event && $line =~ ^\ +\(Default\)\ +REG_SZ\ +(.*)$ ]]; then
      if [ "${shown[$event]:-}" != "${BASH_REMATCH[1]}" ]; then
        shown[$event]=${BASH_REMATCH[1]}
        printf '%s  %-18s %s\n' "$(date +%H:%M:%S)" "$event" "${BASH_REMATCH[1]}"
      fi
    fi
  done < <("$WINE" reg query 'HKCU\AppEvents\Schemes\Apps\.Default' /s 2>/dev/null)
  sleep 3
done
