#!/usr/bin/env bash
# Checks every quoted #include below src/ against the layer order: a folder may
# include its own headers and those of the folders it links, never one above.
# Usage: schichten_test.sh SRC_DIR
set -euo pipefail
src="$1"

kern="base catalog positions order sheet"
gui="$kern fonts sketch print"
declare -A erlaubt=(
  [base]="base"
  [catalog]="base catalog"
  [positions]="base catalog positions"
  [order]="base catalog positions order"
  [sheet]="$kern"
  [archive]="base catalog positions order archive"
  [fonts]="fonts"
  [sketch]="base catalog positions fonts sketch"
  [print]="$gui"
  [ui/shared]="$gui ui/shared"
  [ui/info]="$gui ui/shared ui/info"
  [ui/dialogs]="$gui ui/shared ui/info ui/dialogs"
  [ui/editor]="$gui ui/shared ui/editor"
  [ui/main]="$gui archive ui/shared ui/info ui/dialogs ui/editor ui/main"
)

fehler=0
geprueft=0
while IFS= read -r -d '' datei; do
  rel="${datei#"$src"/}"
  ordner="${rel%%/*}"
  if [ "$ordner" = ui ]; then
    rest="${rel#ui/}"
    ordner="ui/${rest%%/*}"
  fi
  if [ -z "${erlaubt[$ordner]+x}" ]; then
    echo "$rel: Ordner $ordner hat keinen Platz in der Schichtfolge"
    fehler=1
    continue
  fi
  while IFS= read -r zeile; do
    ziel="$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$zeile")"
    case "$ziel" in
      */*) ;;
      *) continue ;;
    esac
    zielordner="${ziel%%/*}"
    if [ "$zielordner" = ui ]; then
      rest="${ziel#ui/}"
      zielordner="ui/${rest%%/*}"
    fi
    geprueft=$((geprueft + 1))
    case " ${erlaubt[$ordner]} " in
      *" $zielordner "*) ;;
      *)
        echo "$rel: #include \"$ziel\" greift von $ordner nach $zielordner"
        fehler=1
        ;;
    esac
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$datei" || true)
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \) -print0)

if [ "$geprueft" -eq 0 ]; then
  echo "Keine Includes gefunden unter $src"
  exit 1
fi
exit "$fehler"
