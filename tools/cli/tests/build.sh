#!/usr/bin/env bash
# harbrook-cli build: folders and loose files to DIR/AVMTR, refused files, the failed check,
# detection on and off, --save/--open without analysing again, and Ctrl-C.
set -euo pipefail
cli=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cache="${HARBROOK_TEST_CACHE:-$work}/cli_build"
export XDG_CACHE_HOME="$work/xdg-cache"  # the mood result cache of this test only
mkdir -p "$cache"

fail() { echo "FAIL: $*" >&2; exit 1; }

make_audio() {  # name, seconds, ffmpeg output options
    local name="$1" seconds="$2"; shift 2
    [ -s "$cache/$name" ] && return
    ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi \
        -i "sine=frequency=440:duration=$seconds" -map_metadata -1 "$@" "$cache/.tmp-$$-$name"
    mv "$cache/.tmp-$$-$name" "$cache/$name"
}
for n in 1 2 3; do
    make_audio "t$n.mp3" 1 -ar 44100 -ac 2 -c:a libmp3lame -b:a 128000 -metadata track=$n
done
# Long enough (over a minute) for the mood detector to give a result.
make_audio long.mp3 62 -ar 22050 -ac 1 -c:a libmp3lame -b:a 32000
make_audio long20.mp3 20 -ar 44100 -ac 2 -c:a libmp3lame -b:a 128000

album="$work/アルバム"
mkdir -p "$album"
cp "$cache/t3.mp3" "$album/a.mp3"; cp "$cache/t1.mp3" "$album/b.mp3"; cp "$cache/t2.mp3" "$album/c.mp3"
echo "not music" > "$album/notes.txt"

# A folder becomes a playlist named after it, sorted by tag track number; a loose file goes to
# "New Album"; the refused text file is reported and left out.
# The build goes on, but a source not added makes the exit status 1.
"$cli" build --out "$work/out1" --no-detect "$album" "$cache/t1.mp3" >"$work/stdout" 2>"$work/stderr" \
    && fail "a refused source gave exit status 0"
grep -qx '音楽転送：ファイル出力終了' "$work/stdout" || fail "no success message: $(cat "$work/stderr")"
grep -q "notes.txt: not added: ファイル拡張子不正" "$work/stderr" || fail "refused file not listed"
grep -q "1 sources not added" "$work/stderr" || fail "no summary of sources not added"
[ "$(ls "$work/out1/AVMTR" | tr '\n' ' ')" = "AVMTR.PPD PLINFO001.PPD PLINFO002.PPD TRACK001_01.PPD TRACK001_02.PPD TRACK001_03.PPD TRACK002_01.PPD " ] \
    || fail "unexpected files: $(ls "$work/out1/AVMTR")"
plinfo=$("$cli" inspect "$work/out1/AVMTR/PLINFO001.PPD")
grep -q 'title "アルバム"' <<<"$plinfo" || fail "playlist not named after its folder"
[ "$(grep -o '^track [0-9]: title "[a-z]*"' <<<"$plinfo" | tr '\n' ' ')" = 'track 1: title "b" track 2: title "c" track 3: title "a" ' ] \
    || fail "tracks not in tag order: $plinfo"
grep -q 'title "New Album"' < <("$cli" inspect "$work/out1/AVMTR/PLINFO002.PPD") || fail "loose file playlist"
tail -c "$(stat -c %s "$cache/t1.mp3")" "$work/out1/AVMTR/TRACK001_01.PPD" | cmp -s - "$cache/t1.mp3" \
    || fail "track file does not end with the music file"
grep -qx '転送準備中  track 4 of 4' "$work/stderr" || fail "no progress line per file in a log"
grep -q $'\r' "$work/stderr" && fail "carriage returns in a log"
grep -q '曲調検出中' "$work/stderr" && fail "detection progress shown without detection"

# An existing AVMTR folder is never overwritten or removed.
"$cli" build --out "$work/out1" --no-detect "$album" >/dev/null 2>"$work/stderr" && fail "built over an existing AVMTR"
grep -q "out1/AVMTR/: File exists" "$work/stderr" || fail "existing AVMTR not named: $(cat "$work/stderr")"
[ -f "$work/out1/AVMTR/TRACK002_01.PPD" ] || fail "existing output touched"

# A track whose decode fails is built without its mood analysis, listed, and the exit status
# is 3 (here no temporary WAV file can be made).
TMPDIR="$work/absent" "$cli" build --out "$work/lost" "$cache/t2.mp3" >/dev/null 2>"$work/stderr" \
    && rc=0 || rc=$?
[ "$rc" = 3 ] || fail "lost analysis: exit status $rc: $(cat "$work/stderr")"
grep -q "t2.mp3: no mood analysis: decoding failed" "$work/stderr" || fail "lost track not listed"
grep -q "1 tracks built without their mood analysis" "$work/stderr" || fail "no summary of lost analyses"
[ -f "$work/lost/AVMTR/TRACK001_01.PPD" ] || fail "the track was not built"

# A failed check prints the report and builds nothing.
mkdir "$work/onlytext"; echo x > "$work/onlytext/x.txt"
"$cli" build --out "$work/out2" "$work/onlytext" >/dev/null 2>"$work/stderr" && fail "empty list built"
grep -q '000	00	 - 	プレイリストが存在しない' "$work/stderr" || fail "no-playlist report line missing"
grep -q "onlytext: 空のプレイリストを削除します。" "$work/stderr" \
    || fail "removed empty playlist not noted: $(cat "$work/stderr")"
[ -e "$work/out2/AVMTR" ] && fail "AVMTR created for a failed check"

# With detection and --save: the long track gets its mood result (DURo 1) ...
mkdir "$work/long"; cp "$cache/long.mp3" "$work/long/"
"$cli" build --out "$work/out3" --save "$work/list.dat" "$work/long" >/dev/null 2>"$work/stderr" \
    || fail "build with detection failed: $(cat "$work/stderr")"
grep -q 'detect' "$work/stderr" || fail "no detection progress"
first=$("$cli" inspect "$work/out3/AVMTR/TRACK001_01.PPD" | grep -E 'DURo|^mood')
grep -q 'DURo 1' <<<"$first" || fail "no mood result: $first"
# ... and a build from the saved list takes it over without analysing again.
"$cli" build --out "$work/out4" --open "$work/list.dat" >/dev/null 2>"$work/stderr" || fail "--open build failed"
grep -q 'detect' "$work/stderr" && fail "the saved track was analysed again"
second=$("$cli" inspect "$work/out4/AVMTR/TRACK001_01.PPD" | grep -E 'DURo|^mood')
[ "$first" = "$second" ] || fail "mood result differs: $first / $second"

# Two tracks analysed at once give the unit files of one at a time (past the object header
# with its fresh GUID), without the cache; a second build takes the results from the cache.
make_audio long2.mp3 62 -ar 22050 -ac 1 -c:a libmp3lame -b:a 32000 -af volume=0.5
mkdir "$work/pair"; cp "$cache/long.mp3" "$cache/long2.mp3" "$work/pair/"
for jobs in 1 2; do
    XDG_CACHE_HOME="$work/unused" "$cli" build --out "$work/jobs$jobs" --jobs $jobs --no-cache \
        "$work/pair" >/dev/null 2>&1 || fail "--jobs $jobs build failed"
done
for f in TRACK001_01.PPD TRACK001_02.PPD; do
    cmp -s <(tail -c +73 "$work/jobs1/AVMTR/$f") <(tail -c +73 "$work/jobs2/AVMTR/$f") \
        || fail "$f differs between --jobs 1 and --jobs 2"
done
[ -e "$work/unused" ] && fail "--no-cache wrote the cache"
"$cli" build --out "$work/cached" "$work/pair" >/dev/null 2>&1 || fail "build with the cache failed"
[ "$(ls "$XDG_CACHE_HOME"/harbrook/mood/*.mood | wc -l)" -ge 2 ] || fail "results not kept in the cache"
"$cli" build --out "$work/x" --jobs 0 "$work/pair" >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "--jobs 0: exit status $rc"

# Ctrl-C or SIGTERM while decoding: exit 128 + signal, no partial AVMTR folder, no WAV file left
# behind.
mkdir "$work/many"; for i in $(seq 12); do cp "$cache/long20.mp3" "$work/many/$i.mp3"; done
for sig in INT:130 TERM:143; do
    rm -rf "$work/out5" "$work/tmp"; mkdir "$work/tmp"
    TMPDIR="$work/tmp" "$cli" build --out "$work/out5" --no-cache "$work/many" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do [ -d "$work/out5/AVMTR" ] && break; sleep 0.05; done
    kill -"${sig%:*}" "$pid"
    wait "$pid" && rc=0 || rc=$?
    [ "$rc" = "${sig#*:}" ] || fail "SIG${sig%:*} during the build: exit status $rc"
    [ -e "$work/out5/AVMTR" ] && fail "partial AVMTR folder left behind"
    left="$(ls -A "$work/out5")$(ls -A "$work/tmp")"
    [ -z "$left" ] || fail "files left behind: $left"
done

# SIGHUP is handled like Ctrl-C.
rm -rf "$work/out5"
"$cli" build --out "$work/out5" --no-cache "$work/many" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do [ -d "$work/out5/AVMTR" ] && break; sleep 0.05; done
kill -HUP "$pid"
wait "$pid" && rc=0 || rc=$?
[ "$rc" = 129 ] && [ ! -e "$work/out5/AVMTR" ] || fail "SIGHUP during the build: exit status $rc"

# A folder of 100 files: 99 tracks are built, the 100th is listed as not added, exit status 1.
mkdir "$work/hundred"
for i in $(seq -w 1 100); do ln -s "$cache/t1.mp3" "$work/hundred/$i.mp3"; done
"$cli" build --out "$work/out6" --no-detect "$work/hundred" >/dev/null 2>"$work/stderr" \
    && fail "the 100th track was dropped with exit status 0"
grep -q "hundred/100.mp3: not added: トラックの最大数は99曲です。" "$work/stderr" \
    || fail "the track over the limit is not listed: $(tail -3 "$work/stderr")"
[ -f "$work/out6/AVMTR/TRACK001_99.PPD" ] || fail "the first 99 tracks were not built"

# Sources given relative to the current folder are saved with absolute paths.
mkdir "$work/rel"; cp "$cache/t2.mp3" "$work/rel/"
(cd "$work" && "$cli" build --out out7 --no-detect --save rel.dat rel/t2.mp3 >/dev/null 2>&1) \
    || fail "relative build failed"
(cd / && "$cli" build --out "$work/out8" --no-detect --open "$work/rel.dat" >/dev/null 2>&1) \
    || fail "the saved list does not find its music from another folder"

# Usage errors.
"$cli" build "$album" >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "missing --out: exit status $rc"
"$cli" build --out "$work/x" >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "no sources: exit status $rc"
echo "build.sh: all passed"
