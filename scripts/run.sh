#!/usr/bin/env bash
# Builds Harbrook and starts it. Arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" >&2

if [ -x build/bin/harbrook ]; then
  exec build/bin/harbrook "$@"
fi
exec build/bin/harbrook-cli "$@"
