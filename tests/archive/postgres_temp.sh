#!/usr/bin/env bash
# postgres_temp.sh ORDNER PASSWORTDATEI: a throw-away PostgreSQL 15 cluster in
# ORDNER, reachable only through a Unix socket there, for the user "postgres"
# with the password in PASSWORTDATEI. Prints "bereit" once it accepts
# connections and runs until its standard input closes (also when the test
# that started it dies); then stops the server and removes ORDNER.
set -euo pipefail
ordner=$1
passwort=$2
bin=/usr/lib/postgresql/15/bin
als=()
# The server refuses to run as root.
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$ordner"
  als=(runuser -u nobody --)
fi
aufraeumen() {
  "${als[@]}" "$bin/pg_ctl" -D "$ordner/daten" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$ordner"
}
trap aufraeumen EXIT
trap 'exit 1' INT TERM HUP
# The unprivileged user may not enter the caller's folder.
cd "$ordner"
"${als[@]}" "$bin/initdb" -D "$ordner/daten" -U postgres -E UTF8 --locale=C.UTF-8 --no-sync \
  --auth-local=scram-sha-256 --auth-host=reject --pwfile="$passwort" >"$ordner/initdb.log" 2>&1 \
  || { cat "$ordner/initdb.log" >&2; exit 1; }
"${als[@]}" "$bin/pg_ctl" -D "$ordner/daten" -l "$ordner/server.log" -w -t 60 \
  -o "-k $ordner -c listen_addresses= -F -c max_connections=40" start >/dev/null \
  || { cat "$ordner/server.log" >&2; exit 1; }
echo bereit
cat >/dev/null
