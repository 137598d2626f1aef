#!/usr/bin/env bash
# Runs bestellblatt on the golden order file and on broken ones.
# Usage: bestellblatt_test.sh <path of bestellblatt> <tests/data folder> [project version] [manual page]
set -u

programm=$1
daten=$2
version=${3:-}
handbuch=${4:-}

source "$(dirname "${BASH_SOURCE[0]}")/../pruefhilfen.sh"
# grep compares the sheet's ISO-8859-1 bytes, not characters.
export LC_ALL=C

enthaelt() { grep -aqF -- "$2" "$1"; }
enthaelt_nicht() { ! grep -aqF -- "$2" "$1"; }
# The pattern in ISO-8859-1 bytes, written with printf escapes (\374 = ü).
enthaelt_latin1() { grep -aqF -- "$(printf "$2")" "$1"; }
zeilen() { [ "$(wc -l <"$1")" -eq "$2" ]; }

starte() {
    # $1 locale, $2 stdout file, $3 stderr file, rest: arguments
    local gebietsschema=$1 aus=$2 fehler=$3
    shift 3
    # A pipe or device read or written by mistake must not hang the test.
    LC_ALL=$gebietsschema LANG=$gebietsschema timeout 20 "$programm" "$@" >"$aus" 2>"$fehler"
}

# --- the golden order, German locale, sheet path given --------------------
cp "$daten/bestellblatt_gold.dat" "$arbeit/gold.dat"
starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" "$arbeit/gold.dat" "$arbeit/blatt.htm"
pruefe "goldene Bestellung: Rückgabewert 0" gleich "$?" 0
pruefe "goldene Bestellung: nichts auf stderr" test ! -s "$arbeit/fehler"
erwartet="Umlf. Meter Fenster: 12,00
Umlf. Meter Montage: 14,00
Zwischensumme: 1036,00
TGF -10%: -79,20
Rabatt -4%: -29,38
Objektrabatt -2%: -13,69
Summe: 913,74"
pruefe "goldene Bestellung: Summen" gleich "$(cat "$arbeit/aus")" "$erwartet"

blatt="$arbeit/blatt.htm"
pruefe "Blatt geschrieben" test -s "$blatt"
pruefe "Blatt ohne Zeilenumbruch" zeilen "$blatt" 0
pruefe "Blatt ohne CR" enthaelt_nicht "$blatt" "$(printf '\r')"
doctype='<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN""http://www.w3.org/TR/html4/strict.dtd">'
pruefe "Blatt beginnt mit der Dokumenttypangabe" gleich "$(head -c ${#doctype} "$blatt")" "$doctype"
pruefe "Blatt endet mit dem Dokumentende" gleich "$(tail -c 22 "$blatt")" '</table></body></html>'
pruefe "Fenster ist Position 1" enthaelt "$blatt" '<!-- Position 1 (Typ 1) Anfang -->'
pruefe "Schiebe-Falt-Tür hat keinen Block" enthaelt_nicht "$blatt" '(Typ 8)'
pruefe "freie Position ist Position 2" enthaelt "$blatt" '<!-- Position 2 (Typ 4) Anfang --><tr style="background: #EEEEEE;"><td>2</td>'
pruefe "Lieferung ist Position 3" enthaelt "$blatt" '<!-- Position 3 (Typ 5) Anfang --><tr><td>3</td>'
pruefe "Fensterzeile mit Preisen" enthaelt "$blatt" \
    '<td>1000</td><td>2000</td><td>0</td><td>1</td><td>DK links</td><td>6,0</td><td>66,00</td><td>0,00</td><td colspan="2">396,00</td><td colspan="2"><span style="font-weight: bold;">792,00</span></td></tr>'
pruefe "Fensterbeschreibung" enthaelt_latin1 "$blatt" '<td class="left" colspan="8">1 Fl\374gel/Fester Fl\374gel; '
pruefe "Bezeichnung maskiert" enthaelt_latin1 "$blatt" '<td>&lt;b&gt;K\374che&lt;/b&gt;</td>'
pruefe "Beschreibung maskiert" enthaelt "$blatt" '<td>A&amp;B</td><td>2</td><td class="left" colspan="8">Fensterbank 3 &lt; 4 &amp; mehr</td>'
pruefe "Kopfdaten maskiert und aufgefüllt" enthaelt_latin1 "$blatt" \
    '<span style="text-decoration: underline;">M\374ller &amp; S\366hne GbR&nbsp;'
pruefe "Euro als Zeichenreferenz" enthaelt "$blatt" '<td colspan="4">Preise in &#8364; netto</td>'
pruefe "Lieferung zum Pauschalpreis" enthaelt "$blatt" \
    'colspan="8">Lieferung in Sachsen</td><td colspan="2">220,00</td><td colspan="2"><span style="font-weight: bold;">220,00</span></td>'
pruefe "Rabattzeile TGF" enthaelt "$blatt" \
    '<th colspan="2" style="font-weight: normal;">TGF -10%: </th><td colspan="2" style="font-weight: bold;">-79,20</td>'
pruefe "Summe im Blatt" enthaelt "$blatt" '<th colspan="2">Summe: </th><td colspan="2">913,74</td>'

# --- default sheet path and the locale's decimal separator ----------------
starte C "$arbeit/aus_c" "$arbeit/fehler_c" "$arbeit/gold.dat"
pruefe "ohne Blattpfad: Rückgabewert 0" gleich "$?" 0
pruefe "ohne Blattpfad: neben der Bestelldatei" test -s "$arbeit/gold.htm"
pruefe "C-Gebietsschema: Punkt als Dezimaltrenner" enthaelt "$arbeit/aus_c" 'Summe: 913.74'
pruefe "C-Gebietsschema: Blatt ebenso" enthaelt "$arbeit/gold.htm" '<td colspan="2">913.74</td>'

# --- failures: one line on stderr naming the file -------------------------
fehlschlag() {
    local name=$1 datei=$2
    shift 2
    starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" "$@"
    local rc=$?
    pruefe "$name: Rückgabewert nicht 0" test "$rc" -ne 0
    pruefe "$name: eine Zeile auf stderr" zeilen "$arbeit/fehler" 1
    pruefe "$name: nennt die Datei" enthaelt "$arbeit/fehler" "$datei"
    pruefe "$name: keine Summen" test ! -s "$arbeit/aus"
}

fehlschlag "fehlende Datei" "$arbeit/fehlt.dat" "$arbeit/fehlt.dat"
pruefe "fehlende Datei: kein Blatt" test ! -e "$arbeit/fehlt.htm"

cp "$daten/bestellblatt_kaputt_fenstertyp.dat" "$arbeit/kaputt.dat"
fehlschlag "Fenstertyp 42" "$arbeit/kaputt.dat" "$arbeit/kaputt.dat"
pruefe "Fenstertyp 42: kein Blatt" test ! -e "$arbeit/kaputt.htm"
pruefe "Fenstertyp 42: nennt den Wert" enthaelt "$arbeit/fehler" '42'

fehlschlag "unschreibbares Blatt" "$arbeit/gibtsnicht/blatt.htm" "$arbeit/gold.dat" "$arbeit/gibtsnicht/blatt.htm"

# --- sketches: one SVG per window position, numbered as on the sheet -------
cp "$daten/skizzen.dat" "$arbeit/skizzen.dat"
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
 starte C "$arbeit/aus" "$arbeit/fehler" --skizzen "$arbeit/skizzen" "$arbeit/skizzen.dat")
pruefe "Skizzen ohne Anzeige: Rückgabewert 0" gleich "$?" 0
pruefe "Skizzen: nichts auf stderr" test ! -s "$arbeit/fehler"
pruefe "Skizzen: die geschriebenen Dateien" gleich "$(cat "$arbeit/aus")" "$(printf '%s\n' \
    "$arbeit/skizzen/Position_1.svg" "$arbeit/skizzen/Position_2.svg" "$arbeit/skizzen/Position_3.svg" \
    "$arbeit/skizzen/Position_5.svg" "$arbeit/skizzen/Position_6.svg")"
pruefe "Skizzen: keine für die freie Position" test ! -e "$arbeit/skizzen/Position_4.svg"
pruefe "Skizzen: kein Bestellblatt" test ! -e "$arbeit/skizzen.htm"
svg="$arbeit/skizzen/Position_1.svg"
pruefe "Skizze ist SVG" enthaelt "$svg" '<svg '
pruefe "Skizze trägt die Positionsnummer" enthaelt "$svg" '<title>Position 1</title>'
pruefe "Skizze mit Breite" enthaelt "$svg" '>1400</text>'
pruefe "Skizze mit Höhe" enthaelt "$svg" '>2100</text>'
pruefe "Skizze mit Oberlichthöhe" enthaelt "$svg" '>500</text>'
pruefe "Skizze mit Bogen als Pfad" enthaelt "$arbeit/skizzen/Position_2.svg" '<path '
pruefe "unlesbare Drehrichtung steht unter der Skizze" enthaelt "$arbeit/skizzen/Position_6.svg" \
    'Drehrichtung nicht lesbar: nach Absprache'
pruefe "Skizzen: wohlgeformtes XML" xmllint --noout "$arbeit"/skizzen/*.svg
# The order among its own sketches' names, and links planted in the folder.
mkdir "$arbeit/selbst" "$arbeit/verweise"
cp "$daten/skizzen.dat" "$arbeit/selbst/Position_1.svg"
(cd "$arbeit/selbst" && starte C "$arbeit/aus" "$arbeit/fehler" --skizzen . Position_1.svg)
pruefe "--skizzen über die Bestellung: Rückgabewert 1" gleich "$?" 1
pruefe "--skizzen über die Bestellung: sie bleibt" cmp -s "$arbeit/selbst/Position_1.svg" "$daten/skizzen.dat"
echo "Notiz" >"$arbeit/notiz.txt"
ln -s "$arbeit/notiz.txt" "$arbeit/verweise/Position_2.svg"
ln -s "$arbeit/entsteht.txt" "$arbeit/verweise/Position_1.svg"
starte C "$arbeit/aus" "$arbeit/fehler" --skizzen "$arbeit/verweise" "$arbeit/skizzen.dat"
pruefe "--skizzen auf Verweise: Rückgabewert 1" gleich "$?" 1
pruefe "--skizzen auf Verweise: Grund" enthaelt "$arbeit/fehler" 'ist ein Verweis'
pruefe "--skizzen auf Verweise: nichts dahinter angelegt" test ! -e "$arbeit/entsteht.txt"
rm "$arbeit/verweise/Position_1.svg"
starte C "$arbeit/aus" "$arbeit/fehler" --skizzen "$arbeit/verweise" "$arbeit/skizzen.dat"
pruefe "--skizzen auf Verweis zur Notiz: Rückgabewert 1" gleich "$?" 1
pruefe "--skizzen auf Verweis zur Notiz: sie bleibt" gleich "$(cat "$arbeit/notiz.txt")" "Notiz"
pruefe "--skizzen: Verweise bleiben Verweise" test -L "$arbeit/verweise/Position_2.svg"
mkfifo "$arbeit/verweise/Position_3.svg"
rm "$arbeit/verweise/Position_2.svg"
starte C "$arbeit/aus" "$arbeit/fehler" --skizzen "$arbeit/verweise" "$arbeit/skizzen.dat"
pruefe "--skizzen auf FIFO: Rückgabewert 1" gleich "$?" 1
pruefe "--skizzen auf FIFO: bleibt eine FIFO" test -p "$arbeit/verweise/Position_3.svg"
starte C "$arbeit/aus" "$arbeit/fehler" --skizzen "$arbeit/skizzen"
pruefe "--skizzen ohne Bestelldatei: falscher Aufruf" gleich "$?" 2
starte C "$arbeit/aus" "$arbeit/fehler" --skizzen "$arbeit/gold.dat/x" "$arbeit/skizzen.dat"
pruefe "--skizzen in unanlegbaren Ordner: Rückgabewert 1" gleich "$?" 1
pruefe "--skizzen in unanlegbaren Ordner: eine Zeile" zeilen "$arbeit/fehler" 1

# --- the sheet as PDF, without a screen ------------------------------------
rm -f "$arbeit/gold.htm"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 \
    "$programm" "$arbeit/gold.dat" --pdf "$arbeit/blatt.pdf" >"$arbeit/aus" 2>"$arbeit/fehler"
pruefe "--pdf: Rückgabewert 0" gleich "$?" 0
pruefe "--pdf: nichts auf stderr" test ! -s "$arbeit/fehler"
pruefe "--pdf: dieselben Summen" gleich "$(cat "$arbeit/aus")" "$erwartet"
pruefe "--pdf: ein PDF" gleich "$(head -c 5 "$arbeit/blatt.pdf")" '%PDF-'
pruefe "--pdf: ohne Blattpfad kein HTML-Blatt" test ! -e "$arbeit/gold.htm"
if command -v pdftotext >/dev/null; then
    pdftotext -layout "$arbeit/blatt.pdf" "$arbeit/blatt.txt"
    pruefe "--pdf: Summe im PDF" grep -aqE '913[,.]74' "$arbeit/blatt.txt"
    pruefe "--pdf: Bezeichnung unmaskiert" enthaelt "$arbeit/blatt.txt" 'A&B'
    pruefe "--pdf: Seitenzahl" enthaelt "$arbeit/blatt.txt" 'Seite 1 von '
else
    echo "pdftotext fehlt: PDF-Inhalt nicht geprüft" >&2
fi

starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" "$arbeit/gold.dat" "$arbeit/beide.htm" --pdf "$arbeit/beide.pdf"
pruefe "--pdf mit Blattpfad: Rückgabewert 0" gleich "$?" 0
pruefe "--pdf mit Blattpfad: HTML-Blatt wie ohne" cmp -s "$arbeit/beide.htm" "$blatt"
pruefe "--pdf mit Blattpfad: PDF" test -s "$arbeit/beide.pdf"

echo "altes Blatt" >"$arbeit/alt.pdf"
fehlschlag "unschreibbares PDF" "$arbeit/gibtsnicht/blatt.pdf" "$arbeit/gold.dat" --pdf "$arbeit/gibtsnicht/blatt.pdf"
starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" "$arbeit/fehlt.dat" --pdf "$arbeit/alt.pdf"
pruefe "fehlende Bestellung: altes PDF bleibt" gleich "$(cat "$arbeit/alt.pdf")" "altes Blatt"
starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" "$arbeit/gold.dat" --pdf
pruefe "--pdf ohne Namen: falscher Aufruf" gleich "$?" 2

# --- targets that must never be replaced -----------------------------------
cp "$daten/bestellblatt_gold.dat" "$arbeit/eigen.dat"
vorher=$(md5sum <"$arbeit/eigen.dat")
fehlschlag "Blatt ist die Bestelldatei" "$arbeit/eigen.dat" "$arbeit/eigen.dat" "$arbeit/eigen.dat"
ln -s "$arbeit/eigen.dat" "$arbeit/verweis.htm"
fehlschlag "Blatt ist ein Verweis auf die Bestelldatei" "$arbeit/verweis.htm" "$arbeit/eigen.dat" "$arbeit/verweis.htm"
cp "$daten/bestellblatt_gold.dat" "$arbeit/auftrag.htm"
vorher_htm=$(md5sum <"$arbeit/auftrag.htm")
fehlschlag "Bestelldatei auf .htm ohne Blattpfad" "$arbeit/auftrag.htm" "$arbeit/auftrag.htm"
pruefe "Bestelldatei bleibt" gleich "$(md5sum <"$arbeit/eigen.dat")" "$vorher"
pruefe "Bestelldatei auf .htm bleibt" gleich "$(md5sum <"$arbeit/auftrag.htm")" "$vorher_htm"
pruefe "Verweis bleibt ein Verweis" test -L "$arbeit/verweis.htm"

mkfifo "$arbeit/fifo.htm"
starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" "$arbeit/gold.dat" "$arbeit/fifo.htm"
pruefe "FIFO als Blatt: Rückgabewert 1" gleich "$?" 1
pruefe "FIFO als Blatt: bleibt eine FIFO" test -p "$arbeit/fifo.htm"
pruefe "FIFO als Blatt: Grund" enthaelt "$arbeit/fehler" 'keine gewöhnliche Datei'
if mknod "$arbeit/null.htm" c 1 3 2>/dev/null; then
    fehlschlag "Gerät als Blatt" "$arbeit/null.htm" "$arbeit/gold.dat" "$arbeit/null.htm"
    pruefe "Gerät als Blatt: bleibt ein Gerät" test -c "$arbeit/null.htm"
fi

# --- inputs that are no order file -----------------------------------------
starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" /dev/zero "$arbeit/zero.htm"
pruefe "/dev/zero: Rückgabewert 1" gleich "$?" 1
pruefe "/dev/zero: Grund" enthaelt "$arbeit/fehler" 'keine gewöhnliche Datei'
starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" "$arbeit/fifo.htm" "$arbeit/f.htm"
pruefe "FIFO als Bestellung: Rückgabewert 1" gleich "$?" 1
fehlschlag "Ordner als Bestellung" "$arbeit" "$arbeit" "$arbeit/o.htm"
pruefe "Ordner als Bestellung: Grund" enthaelt "$arbeit/fehler" 'ist ein Ordner'
fehlschlag "Binärdaten" "binaer.dat" "$daten/binaer.dat" "$arbeit/b.htm"
pruefe "Binärdaten: keine Bestelldatei" enthaelt "$arbeit/fehler" 'keine Bestelldatei'
fehlschlag "abgeschnittene Datei" "abgeschnitten.dat" "$daten/abgeschnitten.dat" "$arbeit/a.htm"
pruefe "abgeschnittene Datei: nennt den Abschnitt" enthaelt "$arbeit/fehler" '[Bestellung/Positionen2]'
pruefe "abgeschnittene Datei: kein Blatt" test ! -e "$arbeit/a.htm"
for kaputt in kaputt_rabatt kaputt_um kaputt_anzahl_negativ kaputt_preis_unendlich kaputt_positionstyp_minus; do
    fehlschlag "$kaputt" "$kaputt.dat" "$daten/$kaputt.dat" "$arbeit/$kaputt.htm"
done
pruefe "Positionstyp wie geschrieben" enthaelt "$arbeit/fehler" '"-1"'

# --- the same file gives the same figures under every locale --------------
starte de_DE.UTF-8 "$arbeit/aus_de" "$arbeit/fehler" "$daten/dezimal_komma.dat" "$arbeit/d1.htm"
pruefe "Komma-Datei unter de_DE: Rückgabewert 0" gleich "$?" 0
starte C "$arbeit/aus_c" "$arbeit/fehler" "$daten/dezimal_komma.dat" "$arbeit/d2.htm"
pruefe "Komma-Datei unter C: Rückgabewert 0" gleich "$?" 0
pruefe "Komma-Datei unter C: Summe" enthaelt "$arbeit/aus_c" 'Summe: 883.50'
pruefe "gleiche Zahlen unter de_DE und C" gleich "$(tr , . <"$arbeit/aus_de")" "$(cat "$arbeit/aus_c")"

# --- a full disk ---------------------------------------------------------
mkdir "$arbeit/voll"
if mount -t tmpfs -o size=8k tmpfs "$arbeit/voll" 2>/dev/null; then
    head -c 4096 /dev/zero >"$arbeit/voll/fuellung" 2>/dev/null
    fehlschlag "voller Datenträger" "$arbeit/voll/blatt.htm" "$arbeit/gold.dat" "$arbeit/voll/blatt.htm"
    pruefe "voller Datenträger: deutscher Grund" enthaelt "$arbeit/fehler" 'Der Datenträger ist voll'
    umount "$arbeit/voll"
fi

# --- help ----------------------------------------------------------------
starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" --help
pruefe "--help: Rückgabewert 0" gleich "$?" 0
pruefe "--help: erklärt den Aufruf" enthaelt "$arbeit/aus" 'Aufruf: bestellblatt BESTELLUNG.dat [BLATT.htm]'
if [ -n "$version" ]; then
    starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler" --version
    pruefe "--version: Rückgabewert 0" gleich "$?" 0
    pruefe "--version: nennt die Version" gleich "$(cat "$arbeit/aus")" "bestellblatt (Quadrolis C2) $version"
fi
starte de_DE.UTF-8 "$arbeit/aus" "$arbeit/fehler"
pruefe "ohne Argumente: Rückgabewert nicht 0" test "$?" -ne 0
if [ -n "$handbuch" ]; then
    LC_ALL=C.UTF-8 "$programm" --help >"$arbeit/hilfe"
    for option in $(grep -oE -- '--[a-z]+' "$arbeit/hilfe" | sort -u); do
        pruefe "Handbuchseite nennt $option" enthaelt "$handbuch" "${option//-/\\-}"
    done
fi

abschliessen
