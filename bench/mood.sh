#!/usr/bin/env bash
# Mood detection against its budget and a command-line baseline. Both read the same six-minute
# 44.1 kHz stereo 16-bit WAV (written by MoodBench --write-sample): MoodBench runs Detect on it,
# ffmpeg low-passes and down-mixes it to nothing (the cheapest part of the detector's work).
# Prints Detect's CPU time per run, its multiple of real time (target: at least 500, i.e. under
# 0.72 s) and the ratio Detect / ffmpeg.
#
#   bench/mood.sh [build folder with MoodBench]  (default: build-bench)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
bench=$build/bin/MoodBench
[ -x "$bench" ] || { echo "missing $bench: configure with -DHARBROOK_BENCH=ON and build MoodBench" >&2; exit 1; }

data=$build/mood-data
track=$data/track.wav
mkdir -p "$data"
[ -s "$track" ] || "$bench" --write-sample "$track"
cat "$track" > /dev/null  # both read from the page cache

detect_ms=$(HARBROOK_MOOD_BENCH_FILE=$track taskset -c 0 "$bench" --benchmark_format=csv 2>/dev/null |
  awk -F, '/BM_DetectSixMinutes/ { print $4 }')  # cpu_time in ms

ffmpeg_times=()
for round in 1 2 3; do
  s=$( { /usr/bin/time -f '%U %S' taskset -c 0 ffmpeg -nostdin -loglevel error -i "$track" \
        -af 'pan=mono|c0=0.5*c0+0.5*c1,lowpass=f=1440,lowpass=f=1440' -f null - ; } 2>&1 | tail -1)
  ffmpeg_times+=("$(echo "$s" | awk '{ printf "%.0f", ($1 + $2) * 1000 }')")
done
ffmpeg_ms=$(printf '%s\n' "${ffmpeg_times[@]}" | sort -n | sed -n 2p)

echo "Detect (6 min, 1937 frames): ${detect_ms} ms CPU per run"
echo "real time multiple: $(echo "360000 / $detect_ms" | bc) x  (target >= 500 x, < 720 ms)"
echo "ffmpeg mono low-pass baseline: ${ffmpeg_ms} ms CPU; ratio Detect / ffmpeg: $(echo "scale=2; $detect_ms / $ffmpeg_ms" | bc)"
