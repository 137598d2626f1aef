#!/usr/bin/env bash
# Runs quadrolis-ablage on the order files of the tests, in an archive of its own.
# Usage: ablage_test.sh <path of quadrolis-ablage> <tests/data folder> <project version>
set -u

programm=$1
daten=$2
version=$3

source "$(dirname "${BASH_SOURCE[0]}")/../pruefhilfen.sh"
export XDG_DATA_HOME="$arbeit/daten" LC_ALL=C.UTF-8
ablage="$XDG_DATA_HOME/Quadrolis C2/ablage.sqlite"

starte() { timeout 60 "$programm" "$@" >"$arbeit/aus" 2>"$arbeit/fehler"; }

starte --version
pruefe "--version" gleich "$(cat "$arbeit/aus")" "quadrolis-ablage (Quadrolis C2) $version"
starte --help
pruefe "--help nennt die Befehle" grep -q 'export NUMMER \[--version N\] DATEI.dat' "$arbeit/aus"
starte
pruefe "ohne Befehl: Rückgabewert 2" gleich "$?" 2

kaputt=$(ls "$daten" | grep -cE 'kaputt|abgeschnitten|binaer|ohne_abschnitte')
alle=$(ls "$daten"/*.dat | wc -l)
starte import "$daten"
pruefe "import mit abgelehnten Dateien: Rückgabewert 1" gleich "$?" 1
pruefe "import zählt" gleich "$(cat "$arbeit/aus")" \
    "$alle Dateien: $((alle - kaputt)) neu aufgenommen, 0 schon in der Ablage, $kaputt abgelehnt"
pruefe "jede abgelehnte Datei mit Grund" gleich "$(grep -c '^quadrolis-ablage: abgelehnt: .*\.dat: ..' "$arbeit/fehler")" "$kaputt"
pruefe "Grund des Lesers" grep -qF "kaputt_rabatt.dat: Abschnitt [Bestellung], Schlüssel \"Rabatt\"" "$arbeit/fehler"
pruefe "Ablage angelegt" test -s "$ablage"

starte import "$daten/bestellblatt_gold.dat" "$daten"
pruefe "zweiter import fügt nichts hinzu" grep -qF "$((alle + 1)) Dateien: 0 neu aufgenommen, $((alle - kaputt + 1)) schon" "$arbeit/aus"

starte liste mueller
pruefe "liste mueller: eine Zeile" gleich "$(wc -l <"$arbeit/aus")" 1
zeile=$(cat "$arbeit/aus")
pruefe "liste: Felder" gleich "$(cut -f2- <<<"$zeile")" \
    "$(printf '2024-05-17\tMüller & Söhne GbR\tJörg Weiß\tNeubau "Am Hang"\t4\t913.74\tAngebot')"
nummer=$(cut -f1 <<<"$zeile")
starte liste
pruefe "liste ohne Suchtext: alle" gleich "$(wc -l <"$arbeit/aus")" "$((alle - kaputt))"

starte export "$nummer" "$arbeit/zurueck.dat"
pruefe "export: Rückgabewert 0" gleich "$?" 0
pruefe "export: Byte für Byte" cmp -s "$arbeit/zurueck.dat" "$daten/bestellblatt_gold.dat"
starte export "$nummer" --version 2 "$arbeit/zwei.dat"
pruefe "export einer fehlenden Fassung: Rückgabewert 1" gleich "$?" 1
pruefe "export einer fehlenden Fassung: nichts geschrieben" test ! -e "$arbeit/zwei.dat"
vorher=$(md5sum <"$ablage")
for ziel in "$ablage" "$arbeit" /dev/null; do
    starte export "$nummer" "$ziel"
    pruefe "export nach $ziel abgelehnt" gleich "$?" 1
done
pruefe "Ablage unverändert" gleich "$(md5sum <"$ablage")" "$vorher"
starte export 1999-0001 "$arbeit/x.dat"
pruefe "unbekannte Nummer genannt" grep -q '1999-0001 ist nicht in der Ablage' "$arbeit/fehler"

neu="$arbeit/team.sqlite"
for lauf in 1 2; do
    starte umziehen --nach "$neu"
    pruefe "umziehen ($lauf): Rückgabewert 0" gleich "$?" 0
done
pruefe "umziehen: zweiter Lauf fügt nichts hinzu" gleich "$(cat "$arbeit/aus")" \
    "0 Bestellungen neu, 0 Fassungen kopiert, $((alle - kaputt)) Fassungen schon vorhanden"
starte --ablage "$neu" liste mueller
pruefe "umziehen: Nummer behalten" gleich "$(cut -f1 "$arbeit/aus")" "$nummer"
starte --ablage "$arbeit/fehlt.sqlite" umziehen --nach "$neu"
pruefe "umziehen aus einer fehlenden Ablage: Rückgabewert 1" gleich "$?" 1
pruefe "fehlende Ablage nicht angelegt" test ! -e "$arbeit/fehlt.sqlite"

abschliessen
