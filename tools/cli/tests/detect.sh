#!/usr/bin/env bash
# harbrook-cli detect: TSV columns, the readable summary, exit statuses, and that an MP3 is
# decoded to a temporary WAV file that is deleted afterwards.
set -euo pipefail
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cache="${HARBROOK_TEST_CACHE:-$work}/cli_detect"
mkdir -p "$cache"
export XDG_CACHE_HOME="$work/xdg-cache"  # the mood result cache of this test only

fail() { echo "FAIL: $*" >&2; exit 1; }

# C major, I-IV-V-I, 1.5 s per chord: C (261.63 Hz), F (349.23 Hz), G (392 Hz) triads.
chords='st(0\,floor(mod(t\,6)/1.5))\;'
chords+='st(1\,if(eq(ld(0)\,1)\,349.23\,if(eq(ld(0)\,2)\,392\,261.63)))\;'
chords+='st(2\,if(eq(ld(0)\,1)\,440\,if(eq(ld(0)\,2)\,493.88\,329.63)))\;'
chords+='st(3\,if(eq(ld(0)\,1)\,523.25\,if(eq(ld(0)\,2)\,587.33\,392)))\;'
chords+='0.25*(sin(2*PI*ld(1)*t)+sin(2*PI*ld(2)*t)+sin(2*PI*ld(3)*t))'
make_audio() {  # name, seconds, ffmpeg output options; no metadata (a LIST chunk is refused)
    local name="$1" seconds="$2"; shift 2
    [ -s "$cache/$name" ] && return
    ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi \
        -i "aevalsrc=exprs=$chords:s=22050:d=$seconds" -map_metadata -1 -fflags +bitexact \
        "$@" "$cache/.tmp-$$-$name"
    mv "$cache/.tmp-$$-$name" "$cache/$name"
}
make_audio cmajor.wav 90 -c:a pcm_s16le
make_audio short.wav 10 -c:a pcm_s16le
make_audio cmajor.mp3 90 -ar 44100 -ac 2 -c:a libmp3lame -b:a 128000
make_audio long.mp3 240 -ar 22050 -ac 1 -c:a libmp3lame -b:a 32000
make_audio cmajor.flac 90 -c:a flac
make_audio cmajor8.wav 90 -c:a pcm_u8
# What ffmpeg writes by default: a LIST chunk before the samples, which the detector refuses.
[ -s "$cache/listchunk.wav" ] || ffmpeg -hide_banner -loglevel error -nostdin -y \
    -i "$cache/cmajor.wav" -c:a pcm_s24le "$cache/listchunk.wav"

# TSV: path, return code, analysis status, 38 words; key 1 is C (3) major (0).
line=$("$cli" detect --tsv "$cache/cmajor.wav")
IFS=$'\t' read -r -a f <<<"$line"
[ "${#f[@]}" = 41 ] || fail "expected 41 columns, got ${#f[@]}: $line"
[ "${f[0]}" = "$cache/cmajor.wav" ] || fail "path column: ${f[0]}"
[ "${f[1]} ${f[2]} ${f[3]}" = "0 3328 1" ] || fail "code, status, success word: $line"
[ "${f[4]} ${f[5]}" = "3 0" ] || fail "key 1 should be C major: $line"
[ "${f[20]}" = 1 ] || fail "section count: $line"
[ $(( f[25] - f[21] )) = 75 ] || fail "highlight end must be start + 75: $line"

# Any audio file: an ffmpeg-default WAV (LIST chunk, 24 bits), FLAC and 8-bit mono WAV give the
# key of the 16-bit original; --jobs 2 prints the rows in argument order, as --jobs 1 does.
out1=$("$cli" detect --tsv --jobs 1 --no-cache "$cache/listchunk.wav" "$cache/cmajor.flac" "$cache/cmajor8.wav")
out2=$("$cli" detect --tsv --jobs 2 --no-cache "$cache/listchunk.wav" "$cache/cmajor.flac" "$cache/cmajor8.wav")
[ "$out1" = "$out2" ] || fail "--jobs 2 differs from --jobs 1:
$out1
---
$out2"
[ "$(cut -f1 <<<"$out2" | tr '\n' ' ')" = "$cache/listchunk.wav $cache/cmajor.flac $cache/cmajor8.wav " ] \
    || fail "rows not in argument order: $out2"
[ "$(cut -f2-6 <<<"$out2" | sort -u)" = "$(printf '0\t3328\t1\t3\t0')" ] \
    || fail "every form should give C major: $out2"

# The cache: a second run, of a copy, gives the same words without decoding (no temporary folder
# is usable), and a damaged entry is replaced.
fresh=$("$cli" detect --tsv --no-cache "$cache/cmajor.mp3" | cut -f2-)
first=$("$cli" detect --tsv "$cache/cmajor.mp3" | cut -f2-)
entry=$(ls "$XDG_CACHE_HOME"/harbrook/mood/*-"$(printf %x "$(stat -c %s "$cache/cmajor.mp3")")"-v*.mood)
[ "$(wc -w <<<"$entry")" = 1 ] || fail "one cache entry expected: $entry"
cp "$cache/cmajor.mp3" "$work/copy.mp3"
second=$(TMPDIR=/nonexistent "$cli" detect --tsv "$work/copy.mp3" | cut -f2-)
[ "$fresh" = "$first" ] && [ "$first" = "$second" ] || fail "cache hit differs from a fresh analysis"
printf 'garbage' > "$entry"
third=$("$cli" detect --tsv "$cache/cmajor.mp3" | cut -f2-)
[ "$third" = "$fresh" ] && [ "$(stat -c %s "$entry")" = 192 ] || fail "damaged entry not replaced"

# Refusals: too short (3), missing (1); status 0 and a zero result; exit status 1.
out=$("$cli" detect --tsv "$cache/short.wav" "$work/absent.wav" 2>"$work/err") && rc=0 || rc=$?
[ "$rc" = 1 ] || fail "exit status $rc with refused files"
zeros=$(printf '\t0%.0s' $(seq 38))
expected=$(printf '%s\t3\t0%s\n%s\t1\t0%s\n' "$cache/short.wav" "$zeros" "$work/absent.wav" "$zeros")
[ "$out" = "$expected" ] || fail "refused files:
$out"
grep -qx "harbrook-cli detect: $work/absent.wav: No such file or directory" "$work/err" \
    || fail "a missing file must be named with the system's reason: $(cat "$work/err")"

# An MP3 is decoded to a temporary WAV file in $TMPDIR, which is gone afterwards.
mkdir "$work/tmp"
line=$(TMPDIR="$work/tmp" "$cli" detect --tsv "$cache/cmajor.mp3")
IFS=$'\t' read -r -a f <<<"$line"
[ "${f[1]} ${f[2]} ${f[4]} ${f[5]}" = "0 3328 3 0" ] || fail "MP3 should give C major: $line"
[ -z "$(ls -A "$work/tmp")" ] || fail "temporary WAV left behind: $(ls -A "$work/tmp")"
: > "$work/broken.mp3"
line=$(TMPDIR="$work/tmp" "$cli" detect --tsv "$work/broken.mp3") && rc=0 || rc=$?
[ "$rc" = 1 ] && [ "$(cut -f2 <<<"$line")" = -1 ] || fail "undecodable file: rc $rc, $line"
[ -z "$(ls -A "$work/tmp")" ] || fail "temporary WAV left behind after a failed decode"

# Readable summary, one line per file; refusals on stderr.
out=$("$cli" detect "$cache/cmajor.wav" "$cache/short.wav" 2>&1 || true)
[ "$(printf '%s\n' "$out" | wc -l)" = 2 ] || fail "expected one line per file: $out"
grep -q 'key C major.*highlight [0-9]*:[0-5][0-9]-[0-9]*:[0-5][0-9]$' <<<"$out" || fail "summary: $out"
grep -q 'short.wav: \[3\] shorter than 60 seconds' <<<"$out" || fail "refusal text: $out"

# Not regular files are refused at once, never read (a FIFO would hang); a control character in a
# name is escaped so that every file keeps one line.
mkfifo "$work/pipe.wav"
nl=$'\n'
cp "$cache/short.wav" "$work/two${nl}lines.wav"
out=$(timeout 10 "$cli" detect --tsv "$work/pipe.wav" "$work/two${nl}lines.wav" /dev/zero 2>"$work/err") && rc=0 || rc=$?
[ "$rc" = 1 ] || fail "non-regular inputs: exit status $rc"
[ "$(wc -l <<<"$out")" = 3 ] && grep -q '^[^	]*/two\\nlines.wav	3	' <<<"$out" || fail "TSV rows: $out"
grep -q 'pipe.wav: is not a regular file' "$work/err" || fail "FIFO not refused: $(cat "$work/err")"

# SIGTERM and SIGHUP are handled like Ctrl-C: exit 128 + signal, no temporary WAV left.
for sig in TERM:143 HUP:129; do
    TMPDIR="$work/tmp" "$cli" detect "$cache/long.mp3" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 200); do [ -n "$(ls -A "$work/tmp")" ] && break; sleep 0.02; done
    kill -"${sig%:*}" "$pid"
    wait "$pid" && rc=0 || rc=$?
    [ "$rc" = "${sig#*:}" ] || fail "SIG${sig%:*}: exit status $rc"
    [ -z "$(ls -A "$work/tmp")" ] || fail "SIG${sig%:*} left $(ls -A "$work/tmp")"
done

# Exit statuses: 0 when every file is analysed, 2 on usage errors.
"$cli" detect "$cache/cmajor.wav" >/dev/null || fail "an analysed file must exit 0"
"$cli" detect >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "no files: exit status $rc"
"$cli" detect --bogus "$cache/cmajor.wav" >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "unknown option: exit status $rc"
echo "detect.sh: all passed"
