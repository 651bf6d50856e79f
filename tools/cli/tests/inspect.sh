#!/usr/bin/env bash
# harbrook-cli inspect: dumps of hand-built unit files and an edit data file, refusals, statuses.
set -euo pipefail
export LC_ALL=C
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Little-endian numbers, zero runs and fixed text fields, byte for byte.
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }
zeros() { head -c "$1" /dev/zero; }
field() { printf '%s' "$1"; zeros $(($2 - ${#1})); }
file_header() { field "$1" 12; le32 "$2"; printf '01.00001.000'; le32 "$3"; zeros 8; }
object_header() { le32 "$1"; le32 32; zeros 16; le16 "${2:-0}"; le16 "${3:-0}"; zeros 4; }
nihongo=$'\x93\xfa\x96\x7b\x8c\xea'  # "日本語" in CP932
master() {  # type, entry, codec, playlist, track, name
    le32 "$1"; le32 80; zeros 16; le16 "$2"; le16 "$3"; le16 "$4"; le16 "$5"; field "$6" 48
}
detail() {  # track number, title
    le32 8; le32 160; le16 "$1"; le16 0; le16 3; le16 7; le16 128; le16 1; le16 1
    field "$2" 33; zeros 65; field "Artist" 33; zeros 7
}
distinct() { le32 9; le32 168; le32 42; zeros 148; le32 3328; zeros 4; }
plinfo() {  # track count, title
    le32 6; le32 224; le16 "$1"; zeros 4; le16 3; le16 7; zeros 2
    field "$2" 33; zeros 65; field "Artist" 33; zeros 65; field "2006" 8
}

{ file_header MtrList 232 72; object_header 1 3 1
  master 4 1 0 1 1 PLINFO001.PPD; master 5 2 1 1 1 TRACK001_01.PPD; } > "$work/AVMTR.PPD"
{ file_header PlInfo 456 72; object_header 2; plinfo 1 "$nihongo"
  le32 7; le32 160; le16 1; le16 0; le16 3; le16 7; le16 65535; le16 0
  field "$nihongo" 33; zeros 65; field "Artist" 33; zeros 9; } > "$work/PLINFO001.PPD"
{ file_header TrackData 414 400; object_header 3; detail 1 Song; distinct
  le32 10; le32 14; printf 'SECRET'; } > "$work/TRACK001_01.PPD"
{ le32 6; le32 0; object_header 1 3 1; file_header MtrList 232 72
  plinfo 1 Road; master 4 1 0 1 1 PLINFO001.PPD; file_header PlInfo 456 72
  field /music/song.mp3 260; le32 6; le16 4; detail 1 Song; distinct
  master 5 2 1 1 1 TRACK001_01.PPD; file_header TrackData 414 400; zeros 2; } > "$work/list.dat"
[ "$(wc -c < "$work/list.dat")" = 1140 ] || fail "edit data fixture has the wrong size"

expect() {  # file, pattern...
    local file="$1"; shift
    local out
    out=$("$cli" inspect "$work/$file") || fail "$file: exit status $?"
    for pattern in "$@"; do
        grep -qF -- "$pattern" <<<"$out" || fail "$file: missing '$pattern' in:
$out"
    done
    ! grep -q SECRET <<<"$out" || fail "$file: the music bytes must not be shown"
}

expect AVMTR.PPD 'master list (AVMTR.PPD), 232 bytes' 'objects 3, playlists 1' \
    'entry 1: playlist 1, "PLINFO001.PPD", 1 tracks' \
    'entry 2: track 1 of playlist 1, "TRACK001_01.PPD", MP3'
expect PLINFO001.PPD 'playlist file (PLINFO), 456 bytes' 'title "日本語"' 'year "2006"' \
    '1 tracks, 3:07' 'track 1: title "日本語", reading "", artist "Artist", 3:07, VBR'
expect TRACK001_01.PPD 'track file (TRACK), 414 bytes' 'body offset 400' 'title "Song"' \
    '3:07, 128 kbit/s, MP3, genre 0, DURo 1' 'mood: status 3328, values 42 0' \
    'music data: type 10, length 14, 6 bytes of MP3 data'
expect list.dat 'edit data file, 1140 bytes, music files 6 bytes in all' \
    'playlist 1: "PLINFO001.PPD"' 'title "Road"' \
    'track 1: "TRACK001_01.PPD", title "Song"' 'path "/music/song.mp3", 6 bytes, tag track 4'

# Contradictions inside a recognised file are dumped, listed as problems and exit 1.
{ head -c 12 "$work/TRACK001_01.PPD"; le32 999; tail -c +17 "$work/TRACK001_01.PPD"; } > "$work/bad.PPD"
out=$("$cli" inspect "$work/bad.PPD") && rc=0 || rc=$?
[ "$rc" = 1 ] || fail "inconsistent file: exit status $rc"
grep -q '^problem: file header size 999 but the file has 414 bytes' <<<"$out" || fail "problem missing: $out"

# Anything else is refused with a message and exit status 1.
printf 'hello\n' > "$work/notes.txt"
: > "$work/empty.PPD"
head -c 231 "$work/AVMTR.PPD" > "$work/short.PPD"
head -c 1139 "$work/list.dat" > "$work/short.dat"
mkfifo "$work/fifo.PPD"
for f in notes.txt empty.PPD short.PPD short.dat missing.PPD fifo.PPD; do
    err=$(timeout 10 "$cli" inspect "$work/$f" 2>&1 >/dev/null) && rc=0 || rc=$?
    [ "$rc" = 1 ] || fail "$f: exit status $rc"
    grep -q "inspect: .*$f" <<<"$err" || fail "$f: no message: $err"
done

"$cli" inspect >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "no file: exit status $rc"
echo "inspect.sh: all passed"
