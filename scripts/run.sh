#!/usr/bin/env bash
# Builds Harbrook and starts it. Arguments are passed on to the program. Only the programs and
# what they link are built (no tests, fuzz targets or benchmarks), so the first start is quick;
# ./scripts/test.sh builds everything.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(harbrook-cli)
if cmake --build build --target help | grep -q '^harbrook: '; then targets+=(harbrook); fi
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}" >&2

if [ -x build/bin/harbrook ]; then
  exec build/bin/harbrook "$@"
fi
exec build/bin/harbrook-cli "$@"
