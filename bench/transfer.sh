#!/usr/bin/env bash
# Transfers of a 500 MB music set (AVMTR.PPD, one PLINFO file and 100 track files of 5 MB):
# the copy to a card folder against `cp` + `sync` of the same files on the same disk (target:
# at most 1.1 times cp), three rounds alternating, and the longest gap between progress pumps
# during the card copy and during a USB send to the emulated unit (target: at most 100 ms).
#
#   bench/transfer.sh [build folder with TransferBench]  (default: build-bench)
#   TRANSFER_BENCH_DIR=<folder on the disk to measure>  (default: <build folder>/transfer-data)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
bench=$build/bin/TransferBench
[ -x "$bench" ] || { echo "missing $bench: configure with -DHARBROOK_BENCH=ON and build TransferBench" >&2; exit 1; }

data=${TRANSFER_BENCH_DIR:-$build/transfer-data}
set_dir=$data/work
src=$set_dir/AVMTR
card=$data/card
unit=$data/unit
files=100
megabytes=5
mkdir -p "$src"
if [ "$(find "$src" -name 'TRACK*' -type f | wc -l)" -ne "$files" ]; then
  rm -rf "$src" && mkdir -p "$src"
  head -c $((megabytes << 20)) /dev/urandom > "$data/seed"
  for i in $(seq -w 1 $files); do
    { printf '%s' "$i"; tail -c +3 "$data/seed"; } > "$src/TRACK001_$i.PPD"
  done
  rm "$data/seed"
  head -c 4096 /dev/urandom > "$src/AVMTR.PPD"
  head -c 4096 /dev/urandom > "$src/PLINFO001.PPD"
fi
cat "$src"/* > /dev/null  # every run reads from the page cache
sync

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }

cp_times=()
card_times=()
card_gaps=()
for round in 1 2 3; do
  rm -rf "$card" && mkdir -p "$card/AVMTR" && sync
  t0=$(now); cp "$src"/* "$card/AVMTR/"; sync; t1=$(now)
  cp_times+=("$(elapsed "$t0" "$t1")")

  rm -rf "$card" && mkdir -p "$card" && sync
  t0=$(now)
  out=$("$bench" card "$set_dir" "$card")
  sync; t1=$(now)
  card_times+=("$(elapsed "$t0" "$t1")")
  card_gaps+=("$(sed 's/.*pumps \([0-9.]*\) ms/\1/' <<<"$out")")
  cmp -s "$src/TRACK001_$files.PPD" "$card/AVMTR/TRACK001_$files.PPD" || { echo "copy differs" >&2; exit 1; }
done
rm -rf "$card"

rm -rf "$unit" && mkdir -p "$unit"
usb_out=$("$bench" usb "$set_dir" "$unit")
rm -rf "$unit"

median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
cp_median=$(median "${cp_times[@]}")
card_median=$(median "${card_times[@]}")
echo "cp + sync:  ${cp_times[*]} s (median $cp_median)"
echo "card copy:  ${card_times[*]} s (median $card_median)"
echo "ratio card copy / cp: $(echo "scale=3; $card_median / $cp_median" | bc)"
echo "longest gap between pumps, card copy: ${card_gaps[*]} ms"
echo "usb send: $usb_out"
