#!/usr/bin/env bash
# `harbrook-cli check` on 200 music files against running ffprobe once per file on the same
# files (what a script would do to get the same stream parameters and tags). Files: 100 MP3
# and 100 WMA of 2 seconds, made once. Prints wall and CPU time (user + system, children
# included) of both, median of three runs, and the ratios ffprobe / check.
#
#   bench/check.sh [build folder with harbrook-cli]  (default: build-bench)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
cli=$build/bin/harbrook-cli
[ -x "$cli" ] || { echo "missing $cli: build harbrook-cli in $build" >&2; exit 1; }

data=$build/check-data
mkdir -p "$data"
if [ ! -s "$data/t199.wma" ]; then
  # 20 distinct encodings, each copied to 10 names.
  for i in $(seq 0 9); do
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "sine=frequency=$((300 + 40 * i)):duration=2" \
      -ar 44100 -ac 2 -c:a libmp3lame -b:a $((64000 + 16000 * (i % 5))) \
      -metadata title="曲 $i" -metadata artist="歌手 $i" -metadata track=$i "$data/src$i.mp3"
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "sine=frequency=$((300 + 40 * i)):duration=2" \
      -ar 44100 -ac 2 -c:a wmav2 -b:a $((64000 + 32000 * (i % 4))) \
      -metadata title="曲 $i" -metadata artist="歌手 $i" -metadata track=$i "$data/src$i.wma"
  done
  for n in $(seq 0 99); do
    cp "$data/src$((n % 10)).mp3" "$data/t$n.mp3"
    cp "$data/src$((n % 10)).wma" "$data/t$((n + 100)).wma"
  done
fi
files=("$data"/t*.mp3 "$data"/t*.wma)
cat "${files[@]}" > /dev/null
timing=$(mktemp)
trap 'rm -f "$timing"' EXIT

measure() {  # command...: "wall_ms cpu_ms"
  /usr/bin/time -o "$timing" -f '%e %U %S' "$@" > /dev/null 2>&1 || true
  awk '{ printf "%.0f %.0f\n", $1 * 1000, ($2 + $3) * 1000 }' "$timing"
}
median3() {
  for round in 1 2 3; do measure "$@"; done | sort -n -k2 | sed -n 2p
}

read -r ours_wall ours_cpu < <(median3 "$cli" check --tsv "${files[@]}")
read -r theirs_wall theirs_cpu < <(median3 bash -c \
  'for f in "$@"; do ffprobe -v error -show_format -show_streams "$f"; done' ffprobe-loop "${files[@]}")

echo "harbrook-cli check, ${#files[@]} files: ${ours_wall} ms wall, ${ours_cpu} ms CPU"
echo "ffprobe once per file:          ${theirs_wall} ms wall, ${theirs_cpu} ms CPU"
echo "ratio ffprobe / check: wall $(echo "scale=1; $theirs_wall / $ours_wall" | bc), CPU $(echo "scale=1; $theirs_cpu / $ours_cpu" | bc)"
