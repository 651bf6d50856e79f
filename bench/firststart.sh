#!/usr/bin/env bash
# A new user's first start against the full build, both on fresh clones of this repository and
# with the compiler cache off (CCACHE_DISABLE=1), so that neither gains from earlier builds:
#  1. `./scripts/run.sh --screenshots DIR` under xvfb: configure, build the two programs and
#     start; timed to the first picture of the window;
#  2. the configure and build steps of `./scripts/test.sh` (every target).
# Prints both times, their ratio and the load average (the machine may be shared).
#
#   bench/firststart.sh [JOBS]   (default: the number of cores)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-$(nproc)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export CCACHE_DISABLE=1

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"

# 1. The first start, to the window.
git clone -q "$root" "$work/start"
shots="$work/shots"
mkdir -p "$shots"
t0=$(now)
(cd "$work/start" && exec xvfb-run -a ./scripts/run.sh --screenshots "$shots") >"$work/run.log" 2>&1 &
runner=$!
while [ -z "$(ls -A "$shots")" ]; do
  kill -0 "$runner" 2>/dev/null || { echo "run.sh ended without a window:" >&2; tail "$work/run.log" >&2; exit 1; }
  sleep 0.2
done
t1=$(now)
wait "$runner" || true
start=$(elapsed "$t0" "$t1")

# 2. The full build that ./scripts/test.sh makes before its tests.
git clone -q "$root" "$work/full"
t0=$(now)
(cd "$work/full" && cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
  cmake --build build -j "$jobs" >/dev/null)
t1=$(now)
full=$(elapsed "$t0" "$t1")

echo "run.sh on a fresh clone to the window: $start s"
echo "test.sh build on a fresh clone:        $full s"
echo "ratio: $(echo "scale=3; $start / $full" | bc)"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
