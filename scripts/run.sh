#!/usr/bin/env bash
# Builds the application and runs it on the demo company (created on first
# run). Arguments are passed to the application; --help lists them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCRV_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
exec "$build/bin/crvhost" "$@"
