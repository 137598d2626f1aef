#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh"
program="$build/src/ui/quadrolis-c2"
if [ ! -x "$program" ]; then
  echo "Das Programm fehlt in $build; bauen Sie es mit eingeschalteten Fenstern (QUADROLIS_UI=ON)." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Keine Anzeige gefunden: starten Sie das Programm mit 'xvfb-run $program' oder schreiben Sie Bestellblätter mit '$build/tools/bestellblatt'."
  exit 0
fi
exec "$program" "$@"
