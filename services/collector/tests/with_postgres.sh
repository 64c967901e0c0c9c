#!/usr/bin/env bash
# with_postgres.sh COMMAND...: runs COMMAND with COLLECTOR_TEST_PG naming a
# PostgreSQL server of its own (initdb in a temporary folder, run as an
# unprivileged user when we are root, on a free port of 127.0.0.1), and
# stops the server afterwards. Exit 77 (skipped) when PostgreSQL is missing.
set -u
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
  echo "with_postgres: skipped: PostgreSQL is not installed (the postgresql package)"
  exit 77
fi
dir=$(mktemp -d /tmp/collector-pg.XXXXXX)
as=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$dir"
  as=(runuser -u nobody --)
fi
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
stop() {
  "${as[@]}" "$bindir/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1
  rm -rf "$dir"
}
trap stop EXIT
(cd "$dir" && "${as[@]}" "$bindir/initdb" -D "$dir/data" -A trust -U collector >"$dir/initdb.log" 2>&1) || {
  echo "with_postgres: initdb failed:"; cat "$dir/initdb.log"; exit 1; }
# The port is free when picked; another program may take it first: three tries.
for try in 1 2 3; do
  (cd "$dir" && "${as[@]}" "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=on" start >/dev/null) && break
  [ $try -eq 3 ] && { echo "with_postgres: the server did not start:"; cat "$dir/server.log"; exit 1; }
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
done
export COLLECTOR_TEST_PG="postgresql://collector@127.0.0.1:$port/postgres"
# For a test that stops the server in the middle and starts it again.
export COLLECTOR_TEST_PG_STOP="${as[*]} $bindir/pg_ctl -D $dir/data -m fast -w stop"
export COLLECTOR_TEST_PG_START="cd $dir && ${as[*]} $bindir/pg_ctl -D $dir/data -l $dir/server.log -w -t 60 -o '-c listen_addresses=127.0.0.1 -p $port -k $dir' start"
"$@"
