#!/usr/bin/env bash
# DecodeRun against the ffmpeg command on the same 4-minute 128 kbit/s 44.1 kHz stereo MP3:
#   DecodeBench --decode track.mp3 out.wav   versus   ffmpeg -i track.mp3 -f wav out.wav
# Both write their WAV to the same folder; the CPU time (user + system) of each process is
# taken, median of five runs. Prints both and the ratio DecodeRun / ffmpeg (target: <= 1.2).
#
#   bench/decode.sh [build folder with DecodeBench]  (default: build-bench)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
bench=$build/bin/DecodeBench
[ -x "$bench" ] || { echo "missing $bench: configure with -DHARBROOK_BENCH=ON and build DecodeBench" >&2; exit 1; }

data=$build/decode-data
track=$data/track.mp3
mkdir -p "$data"
[ -s "$track" ] || ffmpeg -nostdin -loglevel error -y -f lavfi \
  -i 'sine=frequency=440:sample_rate=44100:duration=240,aeval=val(0)*0.5|sin(2*PI*660*t)*0.3:c=stereo' \
  -c:a libmp3lame -b:a 128000 "$track"
cat "$track" > /dev/null  # both read from the page cache
timing=$(mktemp)
trap 'rm -f "$timing"' EXIT

cpu_ms() {  # command...: CPU milliseconds of one run
  /usr/bin/time -o "$timing" -f '%U %S' "$@" > /dev/null 2>&1 || true
  awk '{ printf "%.0f", ($1 + $2) * 1000 }' "$timing"
}
median5() {  # command...
  for round in 1 2 3 4 5; do cpu_ms "$@"; echo; done | sort -n | sed -n 3p
}

ours=$(median5 taskset -c 0 "$bench" --decode "$track" "$data/ours.wav")
theirs=$(median5 taskset -c 0 ffmpeg -nostdin -loglevel error -y -i "$track" -f wav "$data/ffmpeg.wav")
ours_size=$(stat -c %s "$data/ours.wav")
theirs_size=$(stat -c %s "$data/ffmpeg.wav")
rm -f "$data/ours.wav" "$data/ffmpeg.wav"

echo "DecodeRun (4 min MP3 -> WAV, $ours_size bytes): ${ours} ms CPU"
echo "ffmpeg -i f.mp3 -f wav ($theirs_size bytes):     ${theirs} ms CPU"
echo "ratio DecodeRun / ffmpeg: $(echo "scale=2; $ours / $theirs" | bc)  (target <= 1.2)"
