#!/usr/bin/env bash
# harbrook-cli send and fetch-points: myDB and music to the emulated unit and to a card, the
# unit's previous set kept by a failed send, a fetch from a unit without points, usage.
set -euo pipefail
cli=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
fail() { echo "FAIL: $*" >&2; exit 1; }
leftovers() { [ -z "$(ls -A "$TMPDIR")" ] || fail "work folder left: $(ls -A "$TMPDIR")"; }

printf '#Playlist\t1\tアルバム\n#Track\t1\t曲\n' | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' \
    > "$work/MYDB.txt"
unit="$work/unit"
mkdir -p "$unit"
export HARBROOK_UNIT_DIR="$unit"

# Over USB: the file lands in the unit's AVMTR folder.
"$cli" send mydb "$work/MYDB.txt" 2>"$work/err" || fail "mydb send: $(cat "$work/err")"
iconv -f CP932 -t UTF-8 "$unit/AVMTR/MYDB.txt" | grep -q '^#Track	1	曲' || fail "unit MYDB.txt"
leftovers

# A failing unit: status 1 with the library's text, the previous file kept.
cp "$unit/AVMTR/MYDB.txt" "$work/before"
printf '#Playlist\t1\n' | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > "$work/other.txt"
rc=0; HARBROOK_SHUTTLER_FAULTS="fail=0,code=4" "$cli" send mydb "$work/other.txt" 2>"$work/err" || rc=$?
[ "$rc" = 1 ] || fail "failed send: status $rc"
[ -s "$work/err" ] || fail "failed send without a message"
cmp -s "$work/before" "$unit/AVMTR/MYDB.txt" || fail "failed send changed the unit"
leftovers

# Ctrl-C while the unit stays busy: cancelled as the cancel button does, nothing left behind.
HARBROOK_SHUTTLER_FAULTS="busy=1000000" "$cli" send mydb "$work/other.txt" 2>"$work/err" &
pid=$!
sleep 0.5
kill -INT $pid
rc=0; wait $pid || rc=$?
[ "$rc" = 130 ] || fail "interrupted send: status $rc ($(cat "$work/err"))"
cmp -s "$work/before" "$unit/AVMTR/MYDB.txt" || fail "interrupted send changed the unit"
leftovers

# Points: nothing on the unit to fetch.
rc=0; "$cli" fetch-points "$work/points.dat" 2>"$work/err" || rc=$?
[ "$rc" = 1 ] || fail "fetch from an empty unit: status $rc"

# Without the unit: --card, else a refusal.
export HARBROOK_UNIT_DIR="$work/no-unit"
rc=0; "$cli" send mydb "$work/MYDB.txt" 2>"$work/err" || rc=$?
[ "$rc" = 1 ] || fail "no unit and no card: status $rc"
mkdir -p "$work/card"
"$cli" send mydb "$work/MYDB.txt" --card "$work/card" 2>"$work/err" || fail "card: $(cat "$work/err")"
cmp -s "$work/before" "$work/card/MYDB.txt" || fail "card MYDB.txt differs from the unit's"
leftovers

# Music: an edit data file from build --save, copied to a card without detection.
ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi -i "sine=frequency=440:duration=1" \
    -ar 44100 -ac 2 -c:a libmp3lame -b:a 128000 "$work/t.mp3"
"$cli" build --out "$work/built" --no-detect --save "$work/edit.dat" "$work/t.mp3" >/dev/null 2>&1 \
    || fail "build --save"
"$cli" send music "$work/edit.dat" --card "$work/card" --no-detect 2>"$work/err" \
    || fail "music to card: $(cat "$work/err")"
[ "$(ls "$work/card/AVMTR" | tr '\n' ' ')" = "AVMTR.PPD PLINFO001.PPD TRACK001_01.PPD " ] \
    || fail "card AVMTR: $(ls "$work/card/AVMTR")"
leftovers

# Usage.
for args in "send" "send music" "send songs $work/edit.dat" "send mydb a b" "send mydb --bogus x" \
            "fetch-points"; do
    rc=0; "$cli" $args >/dev/null 2>&1 || rc=$?
    [ "$rc" = 2 ] || fail "'$args': status $rc, expected 2"
done
echo ok
