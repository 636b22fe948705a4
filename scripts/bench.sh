#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them on SQLite and, side by side,
# on a private PostgreSQL server started for the run (scripts/test-postgresql.sh)
# and stopped at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCRV_TESTS=OFF >/dev/null
cmake --build build/bench --parallel "$(nproc)"
pg_settings=$(scripts/test-postgresql.sh start) || true
eval "$pg_settings"
if [ -n "${CRV_TEST_PG_FOLDER:-}" ]; then
  trap 'scripts/test-postgresql.sh stop "$CRV_TEST_PG_FOLDER"' EXIT
fi
if [ -n "${CRV_TEST_PG_ERROR:-}" ]; then
  echo "PostgreSQL: $CRV_TEST_PG_ERROR" >&2
  unset CRV_TEST_PG_PORT
fi
for bench in table_api_bench browse_bench recalc_bench; do
  echo "== $bench"
  build/bench/bin/$bench
done
