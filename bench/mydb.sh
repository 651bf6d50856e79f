#!/usr/bin/env bash
# myDB store against `iconv -f CP932 -t UTF-8` over the same 10000-row file: load + check + save
# must stay within 3 times iconv's time. Both are taken as the fastest of several runs, so that
# other work on the machine disturbs the ratio as little as possible.
#   bench/mydb.sh [BUILD_DIR]   (a build configured with -DHARBROOK_BENCH=ON; default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-bench}"
bench="$build/bin/MydbBench"
[ -x "$bench" ] || { echo "no $bench: cmake --build $build --target MydbBench" >&2; exit 2; }
runs=${RUNS:-20}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --write-sample "$work/MYDB.txt"
echo "file: $(wc -l < "$work/MYDB.txt") lines, $(stat -c %s "$work/MYDB.txt") bytes"

# Fastest wall time of `iconv` over the file, in milliseconds (process start included).
best_ns=""
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    iconv -f CP932 -t UTF-8 "$work/MYDB.txt" > "$work/utf8.txt"
    took=$(( $(date +%s%N) - start ))
    if [ -z "$best_ns" ] || [ "$took" -lt "$best_ns" ]; then best_ns=$took; fi
done
iconv_ms=$(awk -v ns="$best_ns" 'BEGIN { printf "%.3f", ns / 1e6 }')

# Fastest repetition of the store's load + check + save, in milliseconds.
HARBROOK_MYDB_BENCH_FILE="$work/MYDB.txt" "$bench" --benchmark_filter='BM_MydbLoadCheckSave$' \
    --benchmark_repetitions="$runs" --benchmark_format=json --benchmark_out="$work/result.json" \
    > /dev/null
store_ms=$(python3 -c '
import json, sys
runs = [b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("run_type") == "iteration"]
scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
print("%.3f" % min(b["real_time"] * scale[b["time_unit"]] for b in runs))' "$work/result.json")

ratio=$(awk -v a="$store_ms" -v b="$iconv_ms" 'BEGIN { printf "%.2f", a / b }')
echo "iconv CP932->UTF-8:        $iconv_ms ms"
echo "myDB load + check + save:  $store_ms ms"
echo "ratio: $ratio (limit 3)"
awk -v r="$ratio" 'BEGIN { exit !(r <= 3) }' || { echo "FAIL: slower than 3 x iconv" >&2; exit 1; }
