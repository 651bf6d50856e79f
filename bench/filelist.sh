#!/usr/bin/env bash
# The PC file list filled with a folder of 10 000 music files: the time from choosing the folder
# to the list's first paint with rows must stay under 150 ms (median of the runs). The folder
# read alone is reported per sort column. Runs offscreen in the user's locale.
#   bench/filelist.sh [BUILD_DIR]   (a build configured with -DHARBROOK_BENCH=ON; default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-bench}"
bench="$build/bin/FileListBench"
[ -x "$bench" ] || { echo "no $bench: cmake --build $build --target FileListBench" >&2; exit 2; }
runs=${RUNS:-10}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$bench" --benchmark_repetitions="$runs" \
    --benchmark_format=json --benchmark_out="$work/result.json" > /dev/null 2>&1
python3 - "$work/result.json" <<'PY'
import json, statistics, sys
runs = [b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("run_type") == "iteration"]
scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
def median(name, key="real_time"):
    return statistics.median(b[key] * scale[b["time_unit"]] for b in runs if b["run_name"] == name)
paint = median("BM_FileListFirstPaint/manual_time")
for column, title in enumerate(["name", "size", "type", "time"]):
    print("folder read, by %-4s: %6.1f ms wall, %6.1f ms CPU" % (
        title, median("BM_EnumFiles/%d" % column), median("BM_EnumFiles/%d" % column, "cpu_time")))
print("first paint:            %6.1f ms (limit 150)" % paint)
sys.exit(0 if paint < 150 else 1)
PY
