#!/usr/bin/env bash
# Benchmarks Chimelo's conversion of a sound of another format under Wine:
# a 3-minute stereo 44.1 kHz MP3 of pink noise, made once under build/bench,
# is dropped on the sounds list and kept whole (No to keeping only its
# first 10 seconds). Prints the median conversion time, less the time the
# question stood open, beside a native ffmpeg decode of the same MP3 timed
# in the same run, and the window's latency during a second conversion,
# beside the targets, and how far the program's memory grew during the
# conversion, beside the decoded samples' size. Leaves nothing running.
#   bash scripts/bench-convert.sh [--quick]    (5 runs; 3 with --quick)
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
repo=$PWD
# shellcheck source=bench-session.sh
. scripts/bench-session.sh

bench=$repo/build/bench
runs=5
[ "${1:-}" = --quick ] && runs=3
sound=$bench/pink-3min.mp3

echo "Building..."
convert_problem=$(build_benchmark "$bench" convert-benchmark)

# Noise, unlike a tone, gives the decoder as much work as music does.
if [ ! -f "$sound" ]; then
  echo "Making $sound..."
  ffmpeg -v error -y -f lavfi -i "anoisesrc=color=pink:duration=180:sample_rate=44100:amplitude=0.3" \
    -ac 2 -c:a libmp3lame -b:a 192k "$sound.new.mp3"
  mv "$sound.new.mp3" "$sound"
fi

start_bench_session "$bench/wineprefix-$arch" "$arch"
warm_wineserver

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The anchor, on the same CPU: a native decode of the MP3 to a WAV file,
# $runs times after one warm-up; the median of the wall-clock seconds.
decoded=$bench/pink-3min-decoded.wav
ffmpeg_decode() { ffmpeg -v error -y -i "$sound" "$decoded"; }
echo "Timing ffmpeg's decode, $runs runs..."
ffmpeg_decode
decode=$(for _ in $(seq "$runs"); do
  start=$EPOCHREALTIME
  ffmpeg_decode
  echo "$start $EPOCHREALTIME"
done | awk '{ print $2 - $1 }' | median)
rm -f "$decoded"

# One line per run of convert-benchmark: seconds, p50, p99, max, n, the
# seconds the question stood open, and the seconds of the probed conversion.
# It runs in a Wine desktop of its own: without a window manager, Wine waits
# 2 s for one each time a framed window goes (the question, the progress
# dialog), a wait Windows does not have.
conversions=$bench/conversions.txt memory=$bench/memory.txt
: >"$conversions"
: >"$memory"
# Its output goes through a file: the desktop's explorer stays, and would
# hold a pipe open.
convert() {
  timeout 300 "$WINE" explorer /desktop=convert-bench,2560x1600 \
    "$bench/bin/convert-benchmark.exe" "$exe" "$dropped" >"$bench/convert-out.txt" 2>&1 || true
  tr -d '\r' <"$bench/convert-out.txt"
}
if [ -z "$convert_problem" ]; then
  exe=$("$WINE" winepath -w "$bench/bin/chimelo.exe")
  dropped=$("$WINE" winepath -w "$sound")
  echo "Timing Chimelo's conversion of $(basename "$sound"), $runs runs after a warm-up..."
  for run in $(seq 0 "$runs"); do
    # The desktop's explorer does not pass the exit code on: the figures tell.
    out=$(convert)
    if ! grep -q '^latency during conversion' <<<"$out"; then
      convert_problem=$(grep . <<<"$out" | tail -1)
      break
    fi
    [ "$run" = 0 ] && continue
    echo "$out" | sed 's/^/  /'
    sed -n 's/^peak memory of the conversion: .*, \([0-9.]*\) x .*$/\1/p' <<<"$out" >>"$memory"
    echo "$(sed -n 's/^chimelo conversion: \([0-9.]*\) s (.*, the question open \([0-9.]*\) s)$/\1 \2/p' <<<"$out")" \
      "$(sed -n 's/^latency during conversion: p50 \([0-9.]*\) ms, p99 \([0-9.]*\) ms, max \([0-9.]*\) ms (n=\([0-9]*\)), converted in \([0-9.]*\) s$/\1 \2 \3 \4 \5/p' <<<"$out")" |
      awk '{ print $1, $3, $4, $5, $6, $2, $7 }' >>"$conversions"
  done
fi
column() { cut -d' ' -f"$1" "$conversions" | median; }

echo
awk -v decode="$decode" -v problem="$convert_problem" -v runs="$runs" \
  -v convert="$(column 1)" -v p50="$(column 2)" -v p99="$(column 3)" -v max="$(column 4)" \
  -v samples="$(column 5)" -v question="$(column 6)" -v probed="$(column 7)" \
  -v memory="$(median <"$memory")" 'BEGIN {
    printf "%-26s %7.3f s\n", "ffmpeg decode (native)", decode
    if (problem != "") {
      printf "%-26s not measured: %s\n", "chimelo conversion", problem
      exit 1
    }
    printf "%-26s %7.3f s   the question open %.3f s, not counted (target < 2 s: %s)\n",
      "chimelo conversion", convert, question, convert < 2 ? "met" : "MISSED"
    printf "%-26s %7.1f\n", "chimelo / ffmpeg", convert / decode
    printf "%-26s %.1f / %.1f / %.1f ms, n=%d (target p99 <= 20 ms: %s)\n",
      "latency p50 / p99 / max", p50, p99, max, samples, p99 <= 20 ? "met" : "MISSED"
    printf "%-26s %7.3f s   with the probe taking the CPU\n", "probed conversion", probed
    printf "%-26s %7.2f x   the decoded samples (target <= 3: %s)\n", "peak memory", memory,
      memory <= 3 ? "met" : "MISSED"
    printf "(medians of %d runs each, all on one CPU)\n", runs
  }'
