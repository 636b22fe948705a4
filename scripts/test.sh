#!/usr/bin/env bash
# Builds the project under AddressSanitizer and UndefinedBehaviorSanitizer,
# warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# A private PostgreSQL server for the tests that run on both engines,
# stopped when this script ends, whatever the outcome. Without one those
# tests fail and say why.
pg_settings=$(scripts/test-postgresql.sh start) || true
eval "$pg_settings"
if [ -n "${CRV_TEST_PG_FOLDER:-}" ]; then
  trap 'scripts/test-postgresql.sh stop "$CRV_TEST_PG_FOLDER"' EXIT
fi
if [ -n "${CRV_TEST_PG_ERROR:-}" ]; then
  echo "PostgreSQL test server: $CRV_TEST_PG_ERROR" >&2
fi

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCRV_SANITIZE=ON -DCRV_WERROR=ON
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
