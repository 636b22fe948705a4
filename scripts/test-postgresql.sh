#!/usr/bin/env bash
# A private PostgreSQL server for one test run, in a temporary folder on a
# free port of the loopback address.
#
#   eval "$(scripts/test-postgresql.sh start)"   # prints the settings to export
#   scripts/test-postgresql.sh stop FOLDER       # stops it and removes the folder
#
# initdb refuses to run as root, so as root the server runs as the postgres
# user of Debian's postgresql package (through runuser), with its folder
# owned by that user. Password authentication is on, with the password in a
# pgpass file, so the tests reach the server the way a station does.
# When the server cannot start, "start" prints CRV_TEST_PG_ERROR with the
# reason and exits 1; the PostgreSQL tests then fail saying why.
set -uo pipefail

folder=""

fail() {
  printf 'export CRV_TEST_PG_ERROR=%q\n' "$1"
  [ -z "$folder" ] || printf 'export CRV_TEST_PG_FOLDER=%q\n' "$folder"
  exit 1
}

start() {
  local bin
  bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
  [ -x "$bin/initdb" ] || fail "no PostgreSQL server is installed (Debian package postgresql)"
  folder=$(mktemp -d /tmp/crv-pg-XXXXXX) || fail "cannot make a temporary folder"
  chmod 755 "$folder"
  local as=()
  if [ "$(id -u)" -eq 0 ]; then
    id postgres >/dev/null 2>&1 || fail "running as root needs the postgres user of the postgresql package"
    as=(runuser -u postgres --)
    chown postgres "$folder"
  fi
  local password="crv-$RANDOM-$RANDOM"
  echo "$password" >"$folder/password"
  [ "${#as[@]}" -eq 0 ] || chown postgres "$folder/password"
  if ! "${as[@]}" "$bin/initdb" -D "$folder/data" -U crvtest --pwfile="$folder/password" -A scram-sha-256 \
    -E UTF8 --locale=C --no-sync >"$folder/initdb.log" 2>&1; then
    fail "initdb failed: $(tail -n 3 "$folder/initdb.log" | tr '\n' ' ')"
  fi
  local port=""
  for candidate in $(shuf -i 20000-60000 -n 40); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then
      port=$candidate
      break
    fi
  done
  [ -n "$port" ] || fail "no free port on 127.0.0.1"
  if ! "${as[@]}" "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
    -o "-p $port -k $folder -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=300" \
    start >/dev/null 2>&1; then
    fail "the server did not start: $(tail -n 3 "$folder/server.log" 2>/dev/null | tr '\n' ' ')"
  fi
  printf '127.0.0.1:%s:*:crvtest:%s\n' "$port" "$password" >"$folder/pgpass"
  chmod 600 "$folder/pgpass"
  if ! PGPASSFILE="$folder/pgpass" "$bin/psql" -q -h 127.0.0.1 -p "$port" -U crvtest -d postgres \
    -c "CREATE DATABASE crvtest" >/dev/null 2>"$folder/psql.log"; then
    fail "the test database could not be made: $(cat "$folder/psql.log")"
  fi
  printf 'export CRV_TEST_PG_HOST=127.0.0.1 CRV_TEST_PG_PORT=%s CRV_TEST_PG_USER=crvtest CRV_TEST_PG_DATABASE=crvtest\n' "$port"
  printf 'export PGPASSFILE=%q CRV_TEST_PG_FOLDER=%q\n' "$folder/pgpass" "$folder"
}

stop() {
  folder=$1
  if [ ! -d "$folder/data" ]; then
    rm -rf "$folder"
    return 0
  fi
  local bin
  bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
  local as=()
  [ "$(id -u)" -ne 0 ] || as=(runuser -u postgres --)
  "${as[@]}" "$bin/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1
  rm -rf "$folder"
}

case "${1:-}" in
  start) start ;;
  stop) stop "${2:?folder}" ;;
  *)
    echo "usage: $0 start | stop FOLDER" >&2
    exit 2
    ;;
esac
