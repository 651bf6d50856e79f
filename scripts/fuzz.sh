#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan, every library instrumented for coverage)
# in build-fuzz/, writes each target's seed corpus, then runs the targets one after another, each
# for SECONDS (default 60) with its corpus and dictionary, and prints each target's edge count.
#   ./scripts/fuzz.sh [SECONDS] [TARGET...]      (all fuzz/*Fuzz.cpp targets when none is named)
# Inputs that reach new code are kept in build-fuzz/corpus/TARGET/ and fed again on the next run
# (delete that folder to start from the seeds alone); crash inputs go to build-fuzz/crashes/TARGET/.
# Non-zero exit status when a target crashed or could not run. Several runs may go at once (say,
# one per core, each naming its own targets): the build is shared, each run has its own seeds.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
# libFuzzer reads a time limit of 0 as no limit at all.
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [SECONDS] [TARGET...]   (SECONDS a positive whole number)" >&2
  exit 2
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*Fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

# A target's options: the dictionary of its input format and, where the seeds include files far
# larger than the reader's interesting cases (10 000 rows, 999 playlists, a minute of PCM), a
# length limit for the mutated inputs, which keeps every run fast. The seeds themselves are all
# run whole first.
options() {
  case "$1" in
    SoundkitFuzz) echo "-dict=fuzz/dict/audio.dict" ;;
    WaveSourceFuzz) echo "-dict=fuzz/dict/wave.dict -max_len=4096" ;;
    EditDataFuzz | InspectFuzz) echo "-dict=fuzz/dict/musicdb.dict -max_len=16384" ;;
    MydbFuzz) echo "-dict=fuzz/dict/mydb.dict -max_len=8192" ;;
    PointRecordFuzz | PointGroupFuzz) echo "-dict=fuzz/dict/points.dict" ;;
    PointPictureFuzz) echo "-dict=fuzz/dict/picture.dict" ;;
    TagCharsetFuzz) echo "-dict=fuzz/dict/tags.dict" ;;
    *) echo "-dict=fuzz/dict/text.dict" ;;
  esac
}

./scripts/install-deps.sh
build=build-fuzz
mkdir -p "$build"
seeds=$(mktemp -d "$PWD/$build/seeds-XXXXXX")
trap 'rm -rf "$seeds"' EXIT
# One run at a time configures, builds and makes seeds (ffmpeg output is cached in testdata/).
(
  flock 9
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DHARBROOK_FUZZ=ON -DHARBROOK_GUI=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j 2 --target fuzz_seeds "${targets[@]}"
  HARBROOK_TEST_CACHE="$PWD/$build/testdata" "$build/bin/fuzz_seeds" "$seeds"
) 9>"$build/.fuzz-lock"

summary=()
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  crashes="$build/crashes/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$crashes" "$(dirname "$log")"
  echo "== $target: $seconds s"
  result=ok
  if ! "$build/bin/$target" -runs=0 -artifact_prefix="$crashes/" "$seeds/$target" \
      >"$log" 2>&1 ||
    ! "$build/bin/$target" "$corpus" "$seeds/$target" $(options "$target") \
      -max_total_time="$seconds" -timeout=30 -artifact_prefix="$crashes/" -print_final_stats=1 \
      >>"$log" 2>&1; then
    result="FAILED, see $log"
    status=1
  fi
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  summary+=("$(printf '%-18s %7s edges   %s' "$target" "${edges:-?}" "$result")")
done

echo
printf '%s\n' "${summary[@]}"
exit $status
