#!/usr/bin/env bash
# harbrook-cli mydb check / dump: messages with row numbers, exit statuses, UTF-8 rows.
set -euo pipefail
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# cp932 FILE: stdin (UTF-8, LF line ends) written as code page 932 with CR LF.
cp932() { iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > "$1"; }

# run_check FILE EXPECTED_STATUS EXPECTED_TEXT
run_check() {
    local out rc
    out=$(timeout 10 "$cli" mydb check "$1" 2>&1) && rc=0 || rc=$?
    [ "$rc" = "$2" ] || fail "mydb check $1: exit status $rc, expected $2 ($out)"
    [[ "$out" == *"$3"* ]] || fail "mydb check $1: '$out' lacks '$3'"
}

printf '#Playlist\t2\tアルバム\tあるばむ\t歌手\t4\t1999\tかしゅ\t候補\n#track\t1\t曲\n\n#Track\t2\n' \
    | cp932 "$work/good.txt"
printf '#Playlist\t1\n#Track\t1\n#Track\t3\n' | cp932 "$work/number.txt"
printf '\n#Track\t1\n' | cp932 "$work/orphan.txt"
printf '#Playlist\t1\n#Track\t0\n' | cp932 "$work/zero.txt"
printf 'Just some notes\n' | cp932 "$work/notes.txt"
head -c 3000 /dev/urandom > "$work/junk.bin"
for i in $(seq 10001); do printf '\r\n'; done > "$work/long.txt"

run_check "$work/good.txt" 0 "OK (4 rows)"
run_check "$work/number.txt" 1 "3行目：#Playlistで指定されたトラック数より大きな値が設定されています"
run_check "$work/orphan.txt" 1 "2行目：対応するプレイリストがありません"
run_check "$work/zero.txt" 1 "2行目のNOが入力されていません"
run_check "$work/notes.txt" 1 "myDB形式でないファイルです。"
run_check "$work/long.txt" 1 "最大行数は10000行です。"
run_check "$work/missing.txt" 1 "missing.txt: No such file or directory"
"$cli" mydb check "$work/junk.bin" > /dev/null 2>&1 && fail "random bytes passed the check" || true

# Lone CR line ends are line ends; UTF-8 text is refused naming its line; FIFOs and devices are
# refused at once; a refused field is reported with its line and column and fails the check.
printf '#Playlist\t2\tA\r#Track\t1\r#Track\t2\r' > "$work/cr.txt"
run_check "$work/cr.txt" 0 "OK (3 rows)"
printf '#Playlist\t1\tA\r\n#Track\t1\tアルバム\r\n' > "$work/utf8.txt"
run_check "$work/utf8.txt" 1 "2行目：シフトJISのテキストではないため"
mkfifo "$work/pipe.txt"
run_check "$work/pipe.txt" 1 "pipe.txt: is not a regular file"
run_check /dev/zero 1 "/dev/zero: is not a regular file"
LANGUAGE=ja run_check /dev/zero 1 "/dev/zero: 通常のファイルではありません"
printf '#Playlist\t1\tA\tカタカナ\n#Track\t1\n' | cp932 "$work/reading.txt"
run_check "$work/reading.txt" 1 "reading.txt:1: column 4 (title reading)"

# dump: nine UTF-8 columns per row in field order; "#track" read as "#Track", the genre by name.
expected=$(printf '#Playlist\t2\tアルバム\tあるばむ\t歌手\tジャズ\t1999\tかしゅ\t候補\n#Track\t1\t曲\t\t\t\t\t\t\n\t\t\t\t\t\t\t\t\n#Track\t2\t\t\t\t\t\t\t')
out=$("$cli" mydb dump "$work/good.txt")
[ "$out" = "$expected" ] || fail "dump differs:
$out
--- expected:
$expected"
"$cli" mydb dump "$work/notes.txt" > /dev/null 2>&1 && fail "dump of a refused file succeeded" || true

rc=0; "$cli" mydb check > /dev/null 2>&1 || rc=$?
[ "$rc" = 2 ] || fail "usage error gave exit status $rc"
echo "mydb CLI: all checks passed"
