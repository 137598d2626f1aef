#!/usr/bin/env bash
# ablage_server.sh [BENCH_ABLAGE [OPTIONS]]: the archive's server benchmarks
# against a throw-away PostgreSQL 15 cluster, started as the tests start theirs.
set -euo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
bench=${1:-$hier/../build/bench/bench_ablage}
ordner=$(mktemp -d /tmp/quadrolis-pg-XXXXXX)
echo geheim >"$ordner/passwort"
coproc SERVER { bash "$hier/../tests/archive/postgres_temp.sh" "$ordner" "$ordner/passwort"; }
read -r bereit <&"${SERVER[0]}"
[ "$bereit" = bereit ] || { echo "PostgreSQL startet nicht" >&2; exit 1; }
QUADROLIS_BENCH_SERVER="postgresql://postgres:geheim@/postgres?host=$ordner" \
  "$bench" --benchmark_filter=Server "${@:2}"
eval "exec ${SERVER[1]}>&-"
wait
