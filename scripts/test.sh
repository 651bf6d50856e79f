#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test. Non-zero on any failure.
#   ./scripts/test.sh              normal build in build/
#   HARBROOK_SANITIZE=1 ./scripts/test.sh   ASan + UBSan build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
if [ "${HARBROOK_SANITIZE:-0}" = "1" ]; then
  build=build-asan
  extra=(-DHARBROOK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else
  build=build
  extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi

cmake -S . -B "$build" -G Ninja "${extra[@]}"
cmake --build "$build" -j "$jobs"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300
