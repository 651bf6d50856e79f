#!/usr/bin/env bash
# Writing the unit's music files for 2 playlists of 50 tracks of 5 MB each against `cp` of the
# same music files to the same disk (target: at most 1.3 times cp), and the peak memory of the
# write above the process's baseline (target: below 20 MiB), also for one 200 MiB music file.
# usage: bench/songbase_write.sh BUILD_DIR [WORK_DIR]   (BUILD_DIR configured with -DHARBROOK_BENCH=ON)
set -euo pipefail
build="${1:?usage: songbase_write.sh BUILD_DIR [WORK_DIR]}"
bin="$build/bin/SongbaseWriteBench"
[ -x "$bin" ] || { echo "build $bin first (-DHARBROOK_BENCH=ON)" >&2; exit 2; }
work=$(mktemp -d -p "${2:-$build}" songbase-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
runs=3

mkdir -p "$work/music" "$work/big"
for k in $(seq -w 1 100); do head -c 5000000 /dev/urandom > "$work/music/track$k.mp3"; done
head -c 209715200 /dev/urandom > "$work/big/huge.mp3"

seconds() { local s e; s=$(date +%s.%N); "$@"; e=$(date +%s.%N); awk "BEGIN {print $e - $s}"; }
median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

cp_times=(); write_times=(); peaks=()
for run in $(seq 1 $runs); do
    rm -rf "$work/cp" "$work/out"; mkdir "$work/cp" "$work/out"; sync
    cp_times+=("$(seconds cp "$work"/music/*.mp3 "$work/cp/")")
    rm -rf "$work/cp"; sync
    line=$("$bin" --write-once "$work/music" "$work/out" 2)
    write_times+=("$(sed 's/.*seconds=\([0-9.]*\).*/\1/' <<<"$line")")
    peaks+=("$(sed 's/.*peak_delta_kib=\([0-9-]*\).*/\1/' <<<"$line")")
    [ "$(ls "$work/out" | wc -l)" = 103 ] || { echo "expected 103 unit files" >&2; exit 1; }
    rm -rf "$work/out"; sync
done
cp_s=$(printf '%s\n' "${cp_times[@]}" | median)
write_s=$(printf '%s\n' "${write_times[@]}" | median)
peak_kib=$(printf '%s\n' "${peaks[@]}" | sort -g | tail -1)

mkdir "$work/out"
big=$("$bin" --write-once "$work/big" "$work/out" 1)
big_peak=$(sed 's/.*peak_delta_kib=\([0-9-]*\).*/\1/' <<<"$big")

printf 'cp of 100 x 5 MB:            %.3f s (median of %d)\n' "$cp_s" "$runs"
printf 'WriteMusicData, same files:  %.3f s (median of %d)\n' "$write_s" "$runs"
printf 'ratio write / cp:            %.2f (target <= 1.30)\n' "$(awk "BEGIN {print $write_s / $cp_s}")"
printf 'peak memory above baseline:  %d KiB for 100 x 5 MB, %d KiB for one 200 MiB file (target < 20480)\n' \
    "$peak_kib" "$big_peak"
