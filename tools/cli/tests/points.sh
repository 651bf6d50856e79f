#!/bin/bash
# harbrook-cli points dump: record files of both layouts, refusals and usage.
set -u
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# put FILE OFFSET BYTES...: writes the given hexadecimal bytes at OFFSET.
put() {
    local file=$1 offset=$2 bytes="" b
    shift 2
    for b in "$@"; do bytes+="\\x$b"; done
    printf "$bytes" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}
# le32 VALUE: the four little-endian bytes of VALUE.
le32() { printf '%02x %02x %02x %02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
# text FILE OFFSET STRING: writes STRING's bytes at OFFSET.
text() { printf '%s' "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
# record_file FILE ENTRIES: an empty record file of that layout (every slot number -1).
record_file() {
    local file=$1 n=$2
    local data=$((392 * n)) trailer=$([ "$n" = 510 ] && echo 1032 || echo 668)
    head -c $((40 + data + trailer)) /dev/zero > "$file"
    put "$file" 0 88 88 88 88 50 4f 52 43 31 2e 30 30
    put "$file" 24 $(le32 $data) $(le32 40) $(le32 $trailer) $(le32 $((40 + data)))
    head -c $((2 * n)) /dev/zero | tr '\0' '\377' | dd of="$file" bs=1 seek=40 conv=notrunc status=none
}

# A PC work file (200 entries) with one point in entry 0: 東京タワー, タワー, in CP932.
pc="$dir/work.dat"
record_file "$pc" 200
put "$pc" 40 00 00
put "$pc" 440 03 00
put "$pc" 840 93 8c 8b 9e 83 5e 83 8f 81 5b
put "$pc" 9640 $(le32 503083400) $(le32 128371000)
put "$pc" 13640 83 5e 83 8f 81 5b
text "$pc" 22440 "03-3433-5111"
text "$pc" 34440 "2026120712345600_010.BMP"
text "$pc" 66040 "2026120712345600_010.txt"
[ "$(stat -c %s "$pc")" = 79108 ] || fail "test file size"

out=$("$cli" points dump "$pc") || fail "dump of a PC work file failed"
want=$(printf '0\t3\t東京タワー\tタワー\t03-3433-5111\t503083400\t128371000\t139.7453889\t35.6586111\t2026120712345600_010.BMP\t2026120712345600_010.txt')
[ "$out" = "$want" ] || fail "PC work file: got [$out], want [$want]"

# The unit's file (510 entries): entry 12 in the unit-owned group 11, entry 509 last.
unit="$dir/POINTREC.V04"
record_file "$unit" 510
put "$unit" $((40 + 2 * 12)) 0c 00
put "$unit" $((1060 + 2 * 12)) 0b 00
text "$unit" $((2080 + 44 * 12)) "UNIT"
put "$unit" $((40 + 2 * 509)) fd 01
text "$unit" $((2080 + 44 * 509)) "LAST	TAB"
[ "$(stat -c %s "$unit")" = 200992 ] || fail "unit file size"
out=$("$cli" points dump "$unit") || fail "dump of the unit's file failed"
[ "$(echo "$out" | wc -l)" = 2 ] || fail "unit file: want 2 points, got [$out]"
echo "$out" | head -1 | grep -q $'^12\t11\tUNIT\t' || fail "unit file entry 12: [$out]"
echo "$out" | tail -1 | grep -q $'^509\t0\tLAST\\\\tTAB\t' || fail "unit file entry 509: [$out]"

# Refusals: wrong kind, wrong data size, missing file; usage errors.
cp "$pc" "$dir/kind"; text "$dir/kind" 4 "POGP"
"$cli" points dump "$dir/kind" 2> "$dir/err" && fail "wrong kind accepted"
grep -q '(13)' "$dir/err" || fail "wrong kind: $(cat "$dir/err")"
cp "$pc" "$dir/size"; put "$dir/size" 24 00 00 00 00
"$cli" points dump "$dir/size" 2> "$dir/err" && fail "wrong data size accepted"
grep -q '(9)' "$dir/err" || fail "wrong data size: $(cat "$dir/err")"
"$cli" points dump "$dir/missing" 2> "$dir/err"
[ $? = 1 ] || fail "missing file"
grep -q 'missing: No such file or directory' "$dir/err" || fail "missing file: $(cat "$dir/err")"
"$cli" points 2> /dev/null
[ $? = 2 ] || fail "usage without arguments"
"$cli" points list "$pc" 2> /dev/null
[ $? = 2 ] || fail "usage with an unknown sub-command"
echo "points: ok"
