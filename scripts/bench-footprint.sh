#!/usr/bin/env bash
# Benchmarks Chimelo's footprint under Wine: the size of chimelo.exe, how
# long it takes to show its window and to paint it, and the memory it holds
# then, beside a minimal dialog program and Wine's notepad of the same
# architecture, measured in the same run, at 100 % and at 150 % display
# scale. Chimelo starts in a directory without chimelo.ini, so with empty
# lists, both by hand and at sign-in (/signin, on Windows 10, where it then
# plays the start sound). Prints medians, the ratios to notepad (the median
# of each round's ratio) and the targets: visible and painted no later than
# notepad, private memory no more than notepad's, the shipped 32-bit program
# at most 448 KiB and its installer at most 480 KiB. Leaves nothing running.
#   bash scripts/bench-footprint.sh [RUNS]    (default 15, after one warm-up)
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
repo=$PWD
# shellcheck source=bench-session.sh
. scripts/bench-session.sh

runs=${1:-15}
bench=$repo/build/footprint
triplet() { [ "$1" = i686 ] && echo i686-w64-mingw32 || echo x86_64-w64-mingw32; }

build() {  # arch, then targets
  local dir=$bench/$1 arch=$1
  shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="cmake/$arch-w64-mingw32.cmake" -DCHIMELO_TESTS=ON >/dev/null
  if ! cmake --build "$dir" --target "$@" >"$dir/build.log" 2>&1; then
    echo "$* ($arch) do not build: see $dir/build.log" >&2
    exit 1
  fi
}
# Shipped files are stripped, and the stripped copies are what runs: Wine
# reads a program's every section into memory, debugging sections included.
stripped_kib() {  # arch, program; prints the copy's size in KiB
  local copy=$bench/$1/stripped/$2.exe
  mkdir -p "${copy%/*}"
  "$(triplet "$1")-strip" -o "$copy" "$bench/$1/bin/$2.exe"
  kib "$copy"
}
kib() { awk -v bytes="$(stat -c %s "$1")" 'BEGIN { printf "%.1f", bytes / 1024 }'; }

echo "Building..."
mkdir -p "$bench"
build "$arch" chimelo minimal-dialog footprint
chimelo_built=$(kib "$bench/$arch/bin/chimelo.exe")
chimelo_size=$(stripped_kib "$arch" chimelo)
minimal_size=$(stripped_kib "$arch" minimal-dialog)
# The size that counts is the 32-bit file's as the package holds it, built
# for the smallest code, whichever build runs here.
bash scripts/package.sh >/dev/null
shipped_built=$(kib build/release-i686/bin/chimelo.exe)
shipped_size=$(kib build/package/stage/32-bit/chimelo.exe)
installer_size=$(kib build/package/chimelo-setup.exe)

start_bench_session "$bench/wineprefix-$arch" "$arch"
# Like against like: the 32-bit notepad sits in syswow64 in a 64-bit prefix.
notepad='C:\windows\system32\notepad.exe' notepad_file=$WINEPREFIX/drive_c/windows/system32/notepad.exe
if [ "$arch" = i686 ] && [ -f "$WINEPREFIX/drive_c/windows/syswow64/notepad.exe" ]; then
  notepad='C:\windows\syswow64\notepad.exe' notepad_file=$WINEPREFIX/drive_c/windows/syswow64/notepad.exe
fi
notepad_size=$(kib "$notepad_file")
warm_wineserver

# Chimelo starts in a directory without chimelo.ini, so with empty lists.
work=$bench/work-$arch
mkdir -p "$work"
rm -f "$work/chimelo.ini"
# At sign-in, on Windows 10, Chimelo plays the Start event's sound once its
# window is up: half a second of silence, a sound all the same. (Without a
# sound server here, Wine's sound system writes ALSA's complaints, which are
# not shown.)
timeout 60 "$WINE" winecfg -v win10
start_sound=$work/start.wav
{ printf 'RIFF\x35\x2b\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00'
  printf '\x22\x56\x00\x00\x01\x00\x08\x00data\x11\x2b\x00\x00'
  head -c 11025 /dev/zero | tr '\0' '\200'; } > "$start_sound"
timeout 60 "$WINE" reg add 'HKCU\AppEvents\Schemes\Apps\.Default\SystemStart\.current' /ve \
  /d "$("$WINE" winepath -w "$start_sound")" /f >/dev/null
chimelo=$("$WINE" winepath -w "$bench/$arch/stripped/chimelo.exe")
programs=(
  "$chimelo"
  "$chimelo" /signin
  "$("$WINE" winepath -w "$bench/$arch/stripped/minimal-dialog.exe")"
  "$notepad"
)
names=(chimelo chimelo-signin minimal-dialog notepad)

# measure DPI: all the runs at that display scale, then their figures.
measure() {
  local dpi=$1
  timeout 60 "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null
  # One footprint process makes all the runs: the programs take turns, so
  # that a slow spell of the machine falls on all alike. Round 1 warms up.
  echo
  echo "At $dpi DPI: starting ${names[*]} $runs times each, after a warm-up..."
  local log=$bench/runs-$arch-$dpi.log
  if ! timeout $(((runs + 1) * 4 * 60)) "$WINE" "$bench/$arch/bin/footprint.exe" \
    "$("$WINE" winepath -w "$work")" $((runs + 1)) "${programs[@]}" 2>&1 | tr -d '\r' |
    tee "$log" | grep -v '^ALSA lib' | sed 's/^/  /'; then
    echo "footprint failed: see $log" >&2
    exit 1
  fi
  if [ -e "$work/chimelo.ini" ]; then
    echo "Chimelo wrote $work/chimelo.ini: not every run started empty." >&2
    exit 1
  fi
  # One line per measured run: round, program, ms to visible, ms to
  # painted, private KiB, working set KiB.
  results=$bench/runs-$arch-$dpi.txt
  sed -e 's/^\(round [0-9]*, chimelo\)\.exe \/signin:/\1-signin.exe:/' -n \
    -e 's/^round \([0-9]*\), \([a-z-]*\)\.exe: visible \([0-9.]*\) ms, painted \([0-9.]*\) ms, private \([0-9]*\) KiB, working set \([0-9]*\) KiB$/\1 \2 \3 \4 \5 \6/p' \
    "$log" | awk '$1 > 1' >"$results"
  [ "$(wc -l <"$results")" -eq $((4 * runs)) ] || { echo "footprint missed runs: see $log" >&2; exit 1; }
  report "$dpi"
}

# The median of a column (3 visible, 4 painted, 5 private, 6 working set,
# 7 painted minus visible, run by run) over the program's runs.
median() {
  awk -v program="$1" -v column="$2" '$2 == program { $7 = $4 - $3; print $column }' "$results" |
    sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# The median, over the rounds, of the program's figure in a column divided
# by notepad's in the same round: a slow spell of the machine falls on all
# the programs of a round alike.
ratio() {
  awk -v program="$1" -v column="$2" '
    $2 == program { mine[$1] = $column } $2 == "notepad" { theirs[$1] = $column }
    END { for (round in mine) print mine[round] / theirs[round] }' "$results" |
    sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

report() {
  declare -A figure
  local program column
  for program in "${names[@]}"; do
    for column in 3 4 5 6 7; do figure[$program.$column]=$(median "$program" "$column"); done
  done
  echo
  awk -v arch="$arch" -v dpi="$1" -v runs="$runs" \
    -v vc="${figure[chimelo.3]}" -v vs="${figure[chimelo-signin.3]}" \
    -v vm="${figure[minimal-dialog.3]}" -v vn="${figure[notepad.3]}" \
    -v pc="${figure[chimelo.4]}" -v ps="${figure[chimelo-signin.4]}" \
    -v pm="${figure[minimal-dialog.4]}" -v pn="${figure[notepad.4]}" \
    -v mc="${figure[chimelo.5]}" -v ms="${figure[chimelo-signin.5]}" \
    -v mm="${figure[minimal-dialog.5]}" -v mn="${figure[notepad.5]}" \
    -v wc="${figure[chimelo.6]}" -v ws="${figure[chimelo-signin.6]}" \
    -v wm="${figure[minimal-dialog.6]}" -v wn="${figure[notepad.6]}" \
    -v dc="${figure[chimelo.7]}" -v ds="${figure[chimelo-signin.7]}" \
    -v dm="${figure[minimal-dialog.7]}" -v dn="${figure[notepad.7]}" \
    -v rv="$(ratio chimelo 3)" -v rp="$(ratio chimelo 4)" -v rm="$(ratio chimelo 5)" \
    -v rs="$(ratio chimelo-signin 3)" -v rd="$(ratio minimal-dialog 3)" 'BEGIN {
      printf "%-30s %9s %9s %15s %9s\n", arch ", " dpi " DPI, medians of " runs, "chimelo",
        "/signin", "minimal-dialog", "notepad"
      row = "%-30s %9.1f %9.1f %15.1f %9.1f\n"
      printf row, "time to visible, ms", vc, vs, vm, vn
      printf row, "time to painted, ms", pc, ps, pm, pn
      printf row, "paint after visible, ms", dc, ds, dm, dn
      row = "%-30s %9d %9d %15d %9d\n"
      printf row, "private memory, KiB", mc, ms, mm, mn
      printf row, "working set, KiB", wc, ws, wm, wn
      print ""
      met = "met"
      printf "%-30s %7.2f    (target <= 1: %s)\n", "visible / notepad", rv,
        rv <= 1 ? met : "MISSED"
      printf "%-30s %7.2f    (target <= 1: %s)\n", "painted / notepad", rp,
        rp <= 1 ? met : "MISSED"
      printf "%-30s %7.2f    (target <= 1: %s)\n", "private / notepad", rm,
        rm <= 1 ? met : "MISSED"
      printf "%-30s %7.2f    (target <= 1: %s)\n", "/signin visible / notepad", rs,
        rs <= 1 ? met : "MISSED"
      printf "%-30s %7.2f    (no target)\n", "visible / minimal-dialog", rv / rd
    }'
}

echo
printf '%-30s %7.1f KiB stripped, %.1f KiB as built\n' "chimelo.exe, $arch" "$chimelo_size" \
  "$chimelo_built"
awk -v shipped="$shipped_size" -v built="$shipped_built" -v installer="$installer_size" 'BEGIN {
  printf "%-30s %7.1f KiB stripped, %.1f KiB as built (target <= 448 KiB: %s)\n",
    "chimelo.exe, i686 (shipped)", shipped, built, shipped <= 448 ? "met" : "MISSED"
  printf "%-30s %7.1f KiB (target <= 480 KiB: %s)\n", "chimelo-setup.exe", installer,
    installer <= 480 ? "met" : "MISSED" }'
printf '%-30s %7.1f KiB minimal-dialog, %.1f KiB notepad\n' "beside them" "$minimal_size" \
  "$notepad_size"
measure 96
measure 144
