#!/usr/bin/env bash
# Benchmarks Chimelo's footprint under Wine: the size of chimelo.exe, how
# long it takes to show its window and to paint it, and the memory it holds
# then, beside a minimal dialog program and Wine's notepad of the same
# architecture, measured in the same run. Chimelo starts in a directory
# without chimelo.ini, so with empty lists. Prints medians, their ratios and
# the targets: visible and painted no later than notepad, private memory no
# more than notepad's, the shipped 32-bit program at most 200 KiB. Leaves
# nothing running.
#   bash scripts/bench-footprint.sh [RUNS]    (default 7, after one warm-up)
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
repo=$PWD
# shellcheck source=bench-session.sh
. scripts/bench-session.sh

runs=${1:-7}
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
# The size that counts is the 32-bit file's, whichever build runs here.
[ "$arch" = i686 ] || build i686 chimelo
chimelo_built=$(kib "$bench/$arch/bin/chimelo.exe")
chimelo_size=$(stripped_kib "$arch" chimelo)
minimal_size=$(stripped_kib "$arch" minimal-dialog)
shipped_built=$(kib "$bench/i686/bin/chimelo.exe")
shipped_size=$(stripped_kib i686 chimelo)

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
programs=(
  "$("$WINE" winepath -w "$bench/$arch/stripped/chimelo.exe")"
  "$("$WINE" winepath -w "$bench/$arch/stripped/minimal-dialog.exe")"
  "$notepad"
)

# One footprint process makes all the runs: the programs take turns, so that
# a slow spell of the machine falls on all three alike. Round 1 warms up.
echo "Starting chimelo, minimal-dialog and notepad $runs times each, after a warm-up..."
log=$bench/runs-$arch.log
if ! timeout $(((runs + 1) * 3 * 60)) "$WINE" "$bench/$arch/bin/footprint.exe" \
  "$("$WINE" winepath -w "$work")" $((runs + 1)) "${programs[@]}" 2>&1 | tr -d '\r' | tee "$log" |
  sed 's/^/  /'; then
  echo "footprint failed: see $log" >&2
  exit 1
fi
if [ -e "$work/chimelo.ini" ]; then
  echo "Chimelo wrote $work/chimelo.ini: not every run started empty." >&2
  exit 1
fi
# One line per measured run: program, ms to visible, ms to painted,
# private KiB, working set KiB.
results=$bench/runs-$arch.txt
sed -n 's/^round \([0-9]*\), \(chimelo\|minimal-dialog\|notepad\)\.exe: visible \([0-9.]*\) ms, painted \([0-9.]*\) ms, private \([0-9]*\) KiB, working set \([0-9]*\) KiB$/\1 \2 \3 \4 \5 \6/p' \
  "$log" | awk '$1 > 1 { $1 = ""; print substr($0, 2) }' >"$results"
[ "$(wc -l <"$results")" -eq $((3 * runs)) ] || { echo "footprint missed runs: see $log" >&2; exit 1; }

# The median of a column (2 visible, 3 painted, 4 private, 5 working set,
# 6 painted minus visible, run by run) over the program's runs.
median() {
  awk -v program="$1" -v column="$2" '$1 == program { $6 = $3 - $2; print $column }' "$results" |
    sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
declare -A figure
for program in chimelo minimal-dialog notepad; do
  for column in 2 3 4 5 6; do figure[$program.$column]=$(median "$program" "$column"); done
done

echo
awk -v arch="$arch" -v runs="$runs" -v built="$chimelo_built" -v shipped_built="$shipped_built" \
  -v shipped="$shipped_size" \
  -v sc="$chimelo_size" -v sm="$minimal_size" -v sn="$notepad_size" \
  -v vc="${figure[chimelo.2]}" -v vm="${figure[minimal-dialog.2]}" -v vn="${figure[notepad.2]}" \
  -v pc="${figure[chimelo.3]}" -v pm="${figure[minimal-dialog.3]}" -v pn="${figure[notepad.3]}" \
  -v mc="${figure[chimelo.4]}" -v mm="${figure[minimal-dialog.4]}" -v mn="${figure[notepad.4]}" \
  -v wc="${figure[chimelo.5]}" -v wm="${figure[minimal-dialog.5]}" -v wn="${figure[notepad.5]}" \
  -v dc="${figure[chimelo.6]}" -v dm="${figure[minimal-dialog.6]}" -v dn="${figure[notepad.6]}" 'BEGIN {
    printf "%-30s %10s %15s %10s\n", arch ", medians of " runs " runs", "chimelo", "minimal-dialog",
      "notepad"
    row = "%-30s %10.1f %15.1f %10.1f\n"
    printf row, "file size, KiB (as shipped)", sc, sm, sn
    printf row, "time to visible, ms", vc, vm, vn
    printf row, "time to painted, ms", pc, pm, pn
    printf row, "paint after visible, ms", dc, dm, dn
    row = "%-30s %10d %15d %10d\n"
    printf row, "private memory, KiB", mc, mm, mn
    printf row, "working set, KiB", wc, wm, wn
    print ""
    met = "met"
    if (arch != "i686")
      printf "%-30s %7.1f KiB stripped, %.1f KiB as built\n", "chimelo.exe, " arch, sc, built
    printf "%-30s %7.1f KiB stripped, %.1f KiB as built (target <= 200 KiB: %s)\n",
      "chimelo.exe, i686 (shipped)", shipped, shipped_built, shipped <= 200 ? met : "MISSED"
    printf "%-30s %7.2f    (target <= 1: %s)\n", "visible / notepad", vc / vn,
      vc <= vn ? met : "MISSED"
    printf "%-30s %7.2f    (target <= 1: %s)\n", "painted / notepad", pc / pn,
      pc <= pn ? met : "MISSED"
    printf "%-30s %7.2f    (target <= 1: %s)\n", "private / notepad", mc / mn,
      mc <= mn ? met : "MISSED"
    printf "%-30s %7.2f    (no target)\n", "visible / minimal-dialog", vc / vm
  }'
