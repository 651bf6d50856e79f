#!/usr/bin/env bash
# harbrook-cli check: TSV columns, readable report texts and exit statuses.
set -euo pipefail
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cache="${HARBROOK_TEST_CACHE:-$work}/cli_check"
mkdir -p "$cache"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Test audio, made once per build tree.
make_audio() {  # name, ffmpeg output options
    local name="$1"; shift
    [ -s "$cache/$name" ] && return
    ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi -i sine=frequency=440:duration=2 \
        -map_metadata -1 "$@" "$cache/.tmp-$$-$name"
    mv "$cache/.tmp-$$-$name" "$cache/$name"
}
make_audio good.mp3 -ar 44100 -ac 2 -c:a libmp3lame -b:a 128000 \
    -metadata title="日本語の歌" -metadata artist="歌手" -metadata track=3
make_audio tabs.wma -ar 44100 -ac 2 -c:a wmav2 -b:a 64000 -metadata title="$(printf 'A\tB')"
make_audio rate48.mp3 -ar 48000 -ac 1 -c:a libmp3lame -b:a 64000
cp "$cache/good.mp3" "$work/notes.txt"
: > "$work/empty.mp3"

# TSV: nine columns, no header; info columns empty (codec 0) when there is no information.
out=$("$cli" check --tsv "$cache/good.mp3" "$cache/tabs.wma" "$cache/rate48.mp3" "$work/empty.mp3" "$work/notes.txt") && rc=0 || rc=$?
[ "$rc" = 1 ] || fail "exit status $rc with refused files"
expected=$(printf '%s\t0\t1\t0\t2\t128\t3\t日本語の歌\t歌手\n' "$cache/good.mp3"
           printf '%s\t0\t2\t0\t2\t64\t0\tA\\tB\t\n' "$cache/tabs.wma"
           printf '%s\t3\t1\t0\t2\t64\t0\trate48\t\n' "$cache/rate48.mp3"
           printf '%s\t2\t0\t\t\t\t\t\t\n' "$work/empty.mp3"
           printf '%s\t1\t1\t0\t2\t128\t3\t日本語の歌\t歌手\n' "$work/notes.txt")
[ "$out" = "$expected" ] || fail "TSV output differs:
$out
--- expected:
$expected"

# A control character in a path is escaped: one file, one line.
cp "$cache/good.mp3" "$work/two
lines.mp3"
out=$("$cli" check --tsv "$work/two
lines.mp3")
[ "$(printf '%s\n' "$out" | wc -l)" = 1 ] && grep -q '/two\\nlines.mp3	0	' <<<"$out" \
    || fail "path not escaped: $out"

# Readable form: the report's reason texts, one line per file.
out=$("$cli" check "$cache/rate48.mp3" "$work/empty.mp3" "$work/notes.txt" || true)
[ "$(printf '%s\n' "$out" | wc -l)" = 3 ] || fail "expected one line per file: $out"
grep -q '^\[3\] サンプリング周波数不正' <<<"$out" || fail "sampling frequency reason missing: $out"
grep -q '^\[2\] フォーマット情報取得できず' <<<"$out" || fail "unreadable reason missing: $out"
grep -q '^\[1\] ファイル拡張子不正' <<<"$out" || fail "extension reason missing: $out"

# Exit statuses: 0 when all are playable, 2 on usage errors.
"$cli" check "$cache/good.mp3" "$cache/tabs.wma" >/dev/null || fail "playable files must exit 0"
"$cli" check >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "no files: exit status $rc"
"$cli" check --bogus "$cache/good.mp3" >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "unknown option: exit status $rc"
"$cli" check -- "$work/empty.mp3" >/dev/null && rc=0 || rc=$?
[ "$rc" = 1 ] || fail "-- then a refused file: exit status $rc"
echo "check.sh: all passed"
