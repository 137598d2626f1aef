#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh"
program="$build/src/ui/quadrolis-c2"
if [ ! -x "$program" ]; then
  echo "Gebaut: der Kern (libquadrolis_kern.a), die Tests und die Benchmarks in $build."
  echo "Das Programm selbst gibt es noch nicht."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Keine Anzeige gefunden: starten Sie das Programm mit 'xvfb-run $program' oder schreiben Sie Bestellblätter mit '$build/tools/bestellblatt'."
  exit 0
fi
exec "$program" "$@"
