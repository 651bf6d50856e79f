#!/usr/bin/env bash
# The skinned list scrolled from top to bottom of 10 000 rows page by page: every repaint must
# stay under 16 ms (one frame at 60 Hz). Also prints the cost of setting the model and painting
# the first page.
#   bench/skinlist.sh [BUILD_DIR]   (a build configured with -DHARBROOK_BENCH=ON; default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-bench}"
bench="$build/bin/SkinListBench"
[ -x "$bench" ] || { echo "no $bench: cmake --build $build --target SkinListBench" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$bench" --benchmark_repetitions="${RUNS:-5}" \
    --benchmark_format=json --benchmark_out="$work/result.json" > /dev/null
python3 - "$work/result.json" <<'PY'
import json, sys
runs = [b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("run_type") == "iteration"]
first = [b["real_time"] for b in runs if b["name"].startswith("BM_ListSetModelAndFirstPaint")]
pages = [b for b in runs if b["name"].startswith("BM_ListPageByPage")]
slowest = max(b["max_ms"] for b in pages)
mean = sum(b["mean_ms"] for b in pages) / len(pages)
print("set model + first paint (10000 x 9): %.2f ms (fastest run)" % min(first))
print("page-by-page repaint over %d pages: mean %.2f ms, slowest %.2f ms (limit 16)"
      % (pages[0]["pages"], mean, slowest))
sys.exit(0 if slowest < 16 else 1)
PY
