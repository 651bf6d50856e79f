#!/usr/bin/env bash
# The removable-media copier against `cp`: both copy the same 500 MB of files (100 files of 5 MB,
# like a music transfer) to a folder on the same disk, each followed by `sync`, three rounds
# alternating. Prints the median times and the ratio copier / cp (target: at most 1.1).
#
#   bench/copier.sh [build folder with CopierBench]  (default: build-bench)
#   COPIER_BENCH_DIR=<folder on the disk to measure>  (default: <build folder>/copier-data)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
bench=$build/bin/CopierBench
[ -x "$bench" ] || { echo "missing $bench: configure with -DHARBROOK_BENCH=ON and build CopierBench" >&2; exit 1; }

data=${COPIER_BENCH_DIR:-$build/copier-data}
src=$data/src
dst=$data/dst
files=100
megabytes=5
mkdir -p "$src"
if [ "$(find "$src" -type f | wc -l)" -ne "$files" ]; then
  rm -rf "$src" && mkdir -p "$src"
  head -c $((megabytes << 20)) /dev/urandom > "$src/seed"
  for i in $(seq -w 1 $files); do
    # Distinct content per file without reading /dev/urandom 100 times.
    { printf '%s' "$i"; tail -c +3 "$src/seed"; } > "$src/TRACK001_$i.PPD"
  done
  rm "$src/seed"
fi
cat "$src"/* > /dev/null  # both runs read from the page cache
sync

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }

cp_times=()
copier_times=()
for round in 1 2 3; do
  rm -rf "$dst" && mkdir -p "$dst" && sync
  t0=$(now); cp "$src"/* "$dst"/; sync; t1=$(now)
  cp_times+=("$(elapsed "$t0" "$t1")")

  rm -rf "$dst" && sync
  t0=$(now)
  HARBROOK_COPIER_SRC=$src HARBROOK_COPIER_DST=$dst "$bench" > /dev/null 2>&1
  sync; t1=$(now)
  copier_times+=("$(elapsed "$t0" "$t1")")
  cmp -s "$src/TRACK001_$(printf '%03d' $files).PPD" "$dst/TRACK001_$(printf '%03d' $files).PPD" \
    || { echo "copy differs" >&2; exit 1; }
done
rm -rf "$dst"

median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
cp_median=$(median "${cp_times[@]}")
copier_median=$(median "${copier_times[@]}")
echo "cp:     ${cp_times[*]} s (median $cp_median)"
echo "copier: ${copier_times[*]} s (median $copier_median)"
echo "ratio copier/cp: $(echo "scale=3; $copier_median / $cp_median" | bc)"
