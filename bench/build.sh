#!/usr/bin/env bash
# The music build job against its baselines, three rounds each (ROUNDS=n to change), medians:
#  1. `harbrook-cli build --no-detect` of 100 tracks (30 s MP3s) vs `cp` of the same files, both
#     followed by `sync` (target: ratio at most 1.3), as a first build and again with the files
#     unchanged (their probes kept);
#  2. `harbrook-cli build` with detection of 20 tracks (65 s MP3s, long enough to analyse) vs
#     `BuildBench --baseline`: DecodeRun then Detect on each track alone (target: at most 1.15);
#     skipped when BuildBench was not built;
#  3. detection of 40 four-minute tracks with `--jobs 2` vs `--jobs 1`, without the mood result
#     cache (target: at most 0.6 on two cores);
#  4. the same build with an empty mood result cache, then again with the filled one (target:
#     the second at most 0.1 of the first);
#  5. `build --no-detect` of 60 one-minute tracks vs `cp` + `sync` (target: at most 1.3).
# Prints the times, the ratios, tracks per minute and the load average (the machine may be
# shared). SECTIONS="3 4 5" runs only those.
#
#   bench/build.sh [build folder with harbrook-cli and BuildBench]  (default: build-bench)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
cli=$build/bin/harbrook-cli
bench=$build/bin/BuildBench
[ -x "$cli" ] || { echo "missing $cli: build harbrook-cli (and BuildBench, -DHARBROOK_BENCH=ON)" >&2; exit 1; }
rounds=${ROUNDS:-3}
sections=${SECTIONS:-1 2 3 4 5}
wanted() { [[ " $sections " == *" $1 "* ]]; }
# The mood result and probe caches of these runs only, so earlier results never shorten a run.
export XDG_CACHE_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CACHE_HOME"' EXIT

data=${BUILD_BENCH_DIR:-$build/build-data}
plain=$data/plain
detect=$data/detect
out=$data/out
long=$data/long
short=$data/short
mkdir -p "$plain/a" "$plain/b" "$detect" "$long" "$short"

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
now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
ratio() { echo "scale=3; $1 / $2" | bc; }
per_minute() { echo "scale=1; $1 * 60 / $2" | bc; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"

# Builds without detection against cp + sync of the same files: label, sources, file to expect.
# Each round times a first build (no probes kept from earlier runs: every file is opened and
# FFmpeg loaded) and a repeat build of the unchanged files (the probes kept by the first).
versus_copy() {
  local label=$1 expect=$2; shift 2
  cat $(find "$@" -name '*.mp3') > /dev/null
  local cp_times=() first_times=() repeat_times=()
  for round in $(seq "$rounds"); do
    rm -rf "$out" && mkdir -p "$out" && sync
    t0=$(now); cp $(find "$@" -name '*.mp3') "$out"/; sync; t1=$(now)
    cp_times+=("$(elapsed "$t0" "$t1")")
    rm -f "$XDG_CACHE_HOME/harbrook/probes"
    for kind in first repeat; do
      rm -rf "$out" && sync
      t0=$(now); "$cli" build --no-detect --out "$out" "$@" >/dev/null 2>&1; sync; t1=$(now)
      [ -f "$out/AVMTR/$expect" ] || { echo "build --no-detect failed" >&2; exit 1; }
      if [ $kind = first ]; then first_times+=("$(elapsed "$t0" "$t1")"); else repeat_times+=("$(elapsed "$t0" "$t1")"); fi
    done
  done
  local cp_m first_m repeat_m
  cp_m=$(median "${cp_times[@]}"); first_m=$(median "${first_times[@]}")
  repeat_m=$(median "${repeat_times[@]}")
  echo "no detection, $label:"
  echo "  cp:                 ${cp_times[*]} s (median $cp_m)"
  echo "  first build:        ${first_times[*]} s (median $first_m)"
  echo "  build of unchanged: ${repeat_times[*]} s (median $repeat_m)"
  echo "  ratio first/cp: $(ratio "$first_m" "$cp_m"), unchanged/cp: $(ratio "$repeat_m" "$cp_m")  (target <= 1.3)"
}

# Times one build with detection (arguments: its options and sources); sets $took.
timed_build() {
  rm -rf "$out" && mkdir -p "$out" && sync
  t0=$(now); "$cli" build --out "$out" "$@" >/dev/null 2>&1 || [ $? = 3 ]; sync; t1=$(now)
  took=$(elapsed "$t0" "$t1")
  [ -f "$out/AVMTR/AVMTR.PPD" ] || { echo "build $* failed" >&2; exit 1; }
}

if wanted 1 || wanted 2; then
# A playlist holds at most 99 tracks: two folders of 50.
make_tracks "$plain/a" 50 30 128000 1
make_tracks "$plain/b" 50 30 128000 51
make_tracks "$detect" 20 65 128000
fi

if wanted 1; then
# 1. Without detection: the job writes one TRACK file per music file, like a copy.
versus_copy "100 tracks of 30 s" PLINFO002.PPD "$plain/a" "$plain/b"
fi

if wanted 2 && [ -x "$bench" ]; then
# 2. With detection: the whole job against decoding and analysing the same tracks alone.
cat "$detect"/* > /dev/null
base_times=(); job_times=()
for round in $(seq "$rounds"); do
  t0=$(now); "$bench" --baseline "$detect"/*.mp3; t1=$(now)
  base_times+=("$(elapsed "$t0" "$t1")")
  rm -rf "$out" && mkdir -p "$out" && sync
  t0=$(now); "$cli" build --no-cache --out "$out" "$detect" >/dev/null 2>&1; sync; t1=$(now)
  job_times+=("$(elapsed "$t0" "$t1")")
  [ -f "$out/AVMTR/TRACK001_20.PPD" ] || { echo "build with detection failed" >&2; exit 1; }
done
rm -rf "$out"
base_m=$(median "${base_times[@]}"); job_m=$(median "${job_times[@]}")
echo "detection, 20 tracks of 65 s:"
echo "  decode+detect alone: ${base_times[*]} s (median $base_m)"
echo "  build job:           ${job_times[*]} s (median $job_m, $(per_minute 20 "$job_m") tracks/min)"
echo "  ratio job/(decode+detect): $(ratio "$job_m" "$base_m")  (target <= 1.15)"
fi

if wanted 3 || wanted 4; then
  make_tracks "$long" 40 240 128000
  cat "$long"/*.mp3 > /dev/null
fi

if wanted 3; then
# 3. Every core: two workers against one, each track decoded and analysed afresh.
one=(); two=()
for round in $(seq "$rounds"); do
  timed_build --jobs 1 --no-cache "$long"; one+=("$took")
  timed_build --jobs 2 --no-cache "$long"; two+=("$took")
done
one_m=$(median "${one[@]}"); two_m=$(median "${two[@]}")
echo "detection, 40 tracks of 4 min:"
echo "  --jobs 1: ${one[*]} s (median $one_m, $(per_minute 40 "$one_m") tracks/min)"
echo "  --jobs 2: ${two[*]} s (median $two_m, $(per_minute 40 "$two_m") tracks/min)"
echo "  ratio jobs 2/jobs 1: $(ratio "$two_m" "$one_m")  (target <= 0.6)"
fi

if wanted 4; then
# 4. The mood result cache: a build that fills it, then one that finds every result there.
first=(); second=()
for round in $(seq "$rounds"); do
  rm -rf "$XDG_CACHE_HOME/harbrook"
  timed_build "$long"; first+=("$took")
  timed_build "$long"; second+=("$took")
done
first_m=$(median "${first[@]}"); second_m=$(median "${second[@]}")
echo "detection with the mood result cache, 40 tracks of 4 min:"
echo "  first build (cache empty): ${first[*]} s (median $first_m)"
echo "  second build (all cached): ${second[*]} s (median $second_m)"
echo "  ratio second/first: $(ratio "$second_m" "$first_m")  (target <= 0.1)"
fi

if wanted 5; then
# 5. Many short files: the per-file costs (probe, check, tag read) against the copy.
make_tracks "$short" 60 60 128000
versus_copy "60 tracks of 1 min" TRACK001_60.PPD "$short"
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
