#!/usr/bin/env bash
# Benchmarks Chimelo's drive walk under Wine against two other walks of the
# same tree: cmd's "dir /s /b X:\*.wav" in the same prefix, and native find.
# The tree (2,000 directories, 100,000 files, 5,000 WAV files; with --quick
# a tenth of that) is made once under build/bench and mapped as the fixed
# disk X:. Prints medians, their ratios and the window's latency during the
# walk, beside the targets. Then times keystrokes in the WAV list's filter
# over 100,000 rows (a tenth with --quick): a tree of WAV files alone,
# mapped as Y:. Leaves nothing running.
#   bash scripts/bench-walk.sh [--quick]
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
repo=$PWD
# shellcheck source=bench-session.sh
. scripts/bench-session.sh

bench=$repo/build/bench
runs=5 dirs=2000 files=100000 wavs=5000 tree=$bench/tree rows=100000 rows_tree=$bench/tree-rows
if [ "${1:-}" = --quick ]; then
  runs=3 dirs=200 files=10000 wavs=500 tree=$bench/tree-quick rows=10000 rows_tree=$bench/tree-rows-quick
fi

echo "Building..."
walk_problem=$(build_benchmark "$bench" walk-benchmark)

# Every directory, then every file, of the tree, relative to its root.
# Directory i lies in directory (i-1)/8, so the tree is four levels deep;
# the files go round the directories, and every (files/wavs)th is a WAV file.
tree_paths() {
  awk -v dirs="$dirs" -v files="$files" -v wavs="$wavs" 'BEGIN {
    path[0] = "."
    for (i = 1; i <= dirs; i++) print path[i] = path[int((i - 1) / 8)] sprintf("/d%04d", i)
    split("txt dat ini log", other)
    for (j = 0; j < files; j++)
      print path[j % (dirs + 1)] sprintf("/f%06d.", j) (j % (files / wavs) ? other[j % 4 + 1] : "wav")
  }'
}
if [ ! -d "$tree" ]; then
  echo "Making the tree $tree..."
  rm -rf "$tree.part" && mkdir -p "$tree.part"
  (cd "$tree.part" && tree_paths >../paths &&
    grep -v /f ../paths | xargs mkdir && grep /f ../paths | xargs touch)
  rm "$tree.part/../paths" && mv "$tree.part" "$tree"
fi

# The filter's rows: 1,000 directories of WAV files, "dNNNN\fNNNNNN.wav".
if [ ! -d "$rows_tree" ]; then
  echo "Making the tree $rows_tree..."
  rm -rf "$rows_tree.part" && mkdir -p "$rows_tree.part"
  (cd "$rows_tree.part" && awk -v rows="$rows" 'BEGIN {
    for (j = 0; j < rows; j++) print sprintf("d%04d/f%06d.wav", j % 1000, j) }' >../rows &&
    seq -f 'd%04g' 0 999 | xargs mkdir && xargs touch <../rows)
  rm "$rows_tree.part/../rows" && mv "$rows_tree.part" "$rows_tree"
fi

start_bench_session "$bench/wineprefix-$arch" "$arch"
ln -sfn "$tree" "$WINEPREFIX/dosdevices/x:"
ln -sfn "$rows_tree" "$WINEPREFIX/dosdevices/y:"
for drive in x: y:; do
  timeout 60 "$WINE" reg add 'HKLM\Software\Wine\Drives' /v $drive /d hd /f /reg:64 >/dev/null
done
warm_wineserver

# Runs the command $runs times after one warm-up run; prints the median of
# the wall-clock seconds.
median_seconds() {
  local start
  "$@" >/dev/null
  for _ in $(seq "$runs"); do
    start=$EPOCHREALTIME
    "$@" >/dev/null
    echo "$start $EPOCHREALTIME"
  done | awk '{ print $2 - $1 }' | median
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

floor_cmd() { timeout 60 "$WINE" cmd /c ver; }
dir_wavs() { timeout 600 "$WINE" cmd /c dir /s /b 'X:\*.wav'; }
find_wavs() { find "$tree" -iname '*.wav'; }

echo "Timing the floor, dir /s /b and find, $runs runs each..."
floor=$(median_seconds floor_cmd)
dir_count=$(dir_wavs | grep -ci '\.wav')
dir=$(median_seconds dir_wavs)
find_count=$(find_wavs | wc -l)
find=$(median_seconds find_wavs)

# One line per run of walk-benchmark: seconds, entries, p50, p99, max, n.
walks=$bench/walks.txt
: >"$walks"
if [ -z "$walk_problem" ]; then
  echo "Timing Chimelo's walk of X:, $runs runs..."
  exe=$("$WINE" winepath -w "$bench/bin/chimelo.exe")
  for _ in $(seq "$runs"); do
    if ! out=$(timeout 300 "$WINE" "$bench/bin/walk-benchmark.exe" "$exe" x 2>&1 | tr -d '\r'); then
      walk_problem=$(grep . <<<"$out" | tail -1)
      break
    fi
    echo "$out" | sed 's/^/  /'
    echo "$(sed -n 's/^chimelo walk: \([0-9.]*\) s, \([0-9]*\) entries$/\1 \2/p' <<<"$out")" \
      "$(sed -n 's/^latency during walk: p50 \([0-9.]*\) ms, p99 \([0-9.]*\) ms, max \([0-9.]*\) ms (n=\([0-9]*\))$/\1 \2 \3 \4/p' <<<"$out")" \
      >>"$walks"
  done
fi
column() { cut -d' ' -f"$1" "$walks" | median; }

# One line per run: p50, p99, max, n, rows.
keys=$bench/filter-keys.txt
: >"$keys"
if [ -z "$walk_problem" ]; then
  echo "Timing keystrokes in the filter over Y:'s $rows rows, $runs runs..."
  for _ in $(seq "$runs"); do
    if ! out=$(timeout 300 "$WINE" "$bench/bin/walk-benchmark.exe" "$exe" y --filter 2>&1 | tr -d '\r'); then
      walk_problem=$(grep . <<<"$out" | tail -1)
      break
    fi
    grep '^filter' <<<"$out" | sed 's/^/  /'
    sed -n 's/^filter keystroke: p50 \([0-9.]*\) ms, p99 \([0-9.]*\) ms, max \([0-9.]*\) ms (n=\([0-9]*\), \([0-9]*\) rows)$/\1 \2 \3 \4 \5/p' <<<"$out" >>"$keys"
  done
fi
key_column() { cut -d' ' -f"$1" "$keys" | median; }

echo
awk -v floor="$floor" -v dir="$dir" -v find="$find" -v dir_count="$dir_count" \
  -v find_count="$find_count" -v problem="$walk_problem" -v runs="$runs" \
  -v walk="$(column 1)" -v entries="$(column 2)" -v p50="$(column 3)" -v p99="$(column 4)" \
  -v max="$(column 5)" -v samples="$(column 6)" \
  -v k50="$(key_column 1)" -v k99="$(key_column 2)" -v kmax="$(key_column 3)" -v kn="$(key_column 4)" \
  -v krows="$(key_column 5)" 'BEGIN {
    net = dir - floor
    printf "%-26s %7.3f s\n", "floor (cmd /c ver)", floor
    printf "%-26s %7.3f s   %d files; %.3f s minus the floor\n", "dir /s /b X:\\*.wav", dir, dir_count, net
    printf "%-26s %7.3f s   %d files\n", "find -iname *.wav", find, find_count
    printf "%-26s %7.1f     raw; %.1f minus the floor\n", "dir / find", dir / find, net / find
    if (problem != "") {
      printf "%-26s not measured: %s\n", "chimelo walk", problem
      exit 1
    }
    printf "%-26s %7.3f s   %d entries\n", "chimelo walk", walk, entries
    printf "%-26s %7.2f     raw; %.2f minus the floor (target <= 1.25: %s)\n", "chimelo / dir",
      walk / dir, walk / net, walk <= 1.25 * net ? "met" : "MISSED"
    printf "%-26s %7.1f\n", "chimelo / find", walk / find
    printf "%-26s %.1f / %.1f / %.1f ms, n=%d (target p99 <= 50 ms: %s)\n",
      "latency p50 / p99 / max", p50, p99, max, samples, p99 <= 50 ? "met" : "MISSED"
    printf "%-26s %.1f / %.1f / %.1f ms, n=%d over %d rows (targets p50 <= 16 ms: %s; p99 <= 50 ms: %s)\n",
      "filter key p50 / p99 / max", k50, k99, kmax, kn, krows, k50 <= 16 ? "met" : "MISSED",
      k99 <= 50 ? "met" : "MISSED"
    printf "(medians of %d runs each)\n", runs
  }'
