#!/usr/bin/env bash
# The music build job against its baselines, three rounds each, medians:
#  1. `harbrook-cli build --no-detect` of 100 tracks (30 s MP3s) vs `cp` of the same files, both
#     followed by `sync` (target: ratio at most 1.3);
#  2. `harbrook-cli build` with detection of 20 tracks (65 s MP3s, long enough to analyse) vs
#     `BuildBench --baseline`: DecodeRun then Detect on each track alone (target: at most 1.15).
# Prints the times, the ratios and tracks per minute.
#
#   bench/build.sh [build folder with harbrook-cli and BuildBench]  (default: build-bench)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
cli=$build/bin/harbrook-cli
bench=$build/bin/BuildBench
for exe in "$cli" "$bench"; do
  [ -x "$exe" ] || { echo "missing $exe: configure with -DHARBROOK_BENCH=ON, build harbrook-cli and BuildBench" >&2; exit 1; }
done

data=${BUILD_BENCH_DIR:-$build/build-data}
plain=$data/plain
detect=$data/detect
out=$data/out
mkdir -p "$plain/a" "$plain/b" "$detect"

make_tracks() {  # folder, count, seconds, bit rate[, first number]
  local folder=$1 count=$2 seconds=$3 rate=$4 first=${5:-1}
  [ "$(find "$folder" -name '*.mp3' | wc -l)" -eq "$count" ] && return
  rm -f "$folder"/*.mp3
  for i in $(seq -w "$first" $((first + count - 1))); do
    # A distinct tone per track, so no two files are alike.
    ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi \
      -i "sine=frequency=$((200 + 10#$i * 7)):duration=$seconds" -f lavfi \
      -i "sine=frequency=$((330 + 10#$i * 5)):duration=$seconds" -filter_complex amix=inputs=2 \
      -ar 44100 -ac 2 -c:a libmp3lame -b:a "$rate" -metadata track="$((10#$i % 99 + 1))" "$folder/$i.mp3"
  done
}
# A playlist holds at most 99 tracks: two folders of 50.
make_tracks "$plain/a" 50 30 128000 1
make_tracks "$plain/b" 50 30 128000 51
make_tracks "$detect" 20 65 128000

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
ratio() { echo "scale=3; $1 / $2" | bc; }
per_minute() { echo "scale=1; $1 * 60 / $2" | bc; }

# 1. Without detection: the job writes one TRACK file per music file, like a copy.
cat "$plain"/*/*.mp3 > /dev/null
cp_times=(); build_times=()
for round in 1 2 3; do
  rm -rf "$out" && mkdir -p "$out" && sync
  t0=$(now); cp "$plain"/*/*.mp3 "$out"/; sync; t1=$(now)
  cp_times+=("$(elapsed "$t0" "$t1")")
  rm -rf "$out" && sync
  t0=$(now); "$cli" build --no-detect --out "$out" "$plain/a" "$plain/b" >/dev/null 2>&1; sync; t1=$(now)
  build_times+=("$(elapsed "$t0" "$t1")")
  [ -f "$out/AVMTR/PLINFO002.PPD" ] || { echo "build --no-detect failed" >&2; exit 1; }
done
cp_m=$(median "${cp_times[@]}"); build_m=$(median "${build_times[@]}")
echo "no detection, 100 tracks of 30 s:"
echo "  cp:    ${cp_times[*]} s (median $cp_m)"
echo "  build: ${build_times[*]} s (median $build_m, $(per_minute 100 "$build_m") tracks/min)"
echo "  ratio build/cp: $(ratio "$build_m" "$cp_m")  (target <= 1.3)"

# 2. With detection: the whole job against decoding and analysing the same tracks alone.
cat "$detect"/* > /dev/null
base_times=(); job_times=()
for round in 1 2 3; do
  t0=$(now); "$bench" --baseline "$detect"/*.mp3; t1=$(now)
  base_times+=("$(elapsed "$t0" "$t1")")
  rm -rf "$out" && mkdir -p "$out" && sync
  t0=$(now); "$cli" build --out "$out" "$detect" >/dev/null 2>&1; sync; t1=$(now)
  job_times+=("$(elapsed "$t0" "$t1")")
  [ -f "$out/AVMTR/TRACK001_20.PPD" ] || { echo "build with detection failed" >&2; exit 1; }
done
rm -rf "$out"
base_m=$(median "${base_times[@]}"); job_m=$(median "${job_times[@]}")
echo "detection, 20 tracks of 65 s:"
echo "  decode+detect alone: ${base_times[*]} s (median $base_m)"
echo "  build job:           ${job_times[*]} s (median $job_m, $(per_minute 20 "$job_m") tracks/min)"
echo "  ratio job/(decode+detect): $(ratio "$job_m" "$base_m")  (target <= 1.15)"
