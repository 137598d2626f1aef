#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks what it holds:
# the programs, the desktop entry, the icon, the order file type and the
# AppStream data, each run through its validator.
# Usage: paket_test.sh <build folder> <project version> <tests/data folder>
# Returns 77 (skipped) where dpkg-deb is missing.
set -u

bau=$1
version=$2
daten=$3

if ! command -v dpkg-deb >/dev/null; then
    echo "dpkg-deb fehlt: Pakettest übersprungen"
    exit 77
fi

source "$(dirname "${BASH_SOURCE[0]}")/../pruefhilfen.sh"

enthaelt() { grep -qF -- "$2" "$1"; }

(cd "$bau" && cpack -G DEB -B "$arbeit/paket" >"$arbeit/cpack.log" 2>&1) || {
    cat "$arbeit/cpack.log" >&2
    echo "FEHLGESCHLAGEN: cpack" >&2
    exit 1
}
deb="$arbeit/paket/quadrolis-c2_${version}_$(dpkg --print-architecture).deb"
pruefe "Paketname" test -f "$deb"
[ -f "$deb" ] || exit 1

dpkg-deb -c "$deb" | awk '{print $6}' >"$arbeit/inhalt"
echo "--- Inhalt"
cat "$arbeit/inhalt"
metainfo=./usr/share/metainfo/de.talvern_fenster.quadrolis_c2.metainfo.xml
for datei in ./usr/bin/quadrolis-c2 ./usr/bin/bestellblatt ./usr/bin/quadrolis-ablage \
    ./usr/share/applications/quadrolis-c2.desktop \
    ./usr/share/icons/hicolor/64x64/apps/quadrolis-c2.png \
    ./usr/share/mime/packages/quadrolis-c2.xml "$metainfo" \
    ./usr/share/doc/quadrolis-c2/copyright ./usr/share/doc/quadrolis-c2/changelog.gz \
    ./usr/share/man/man1/quadrolis-c2.1.gz ./usr/share/man/man1/bestellblatt.1.gz \
    ./usr/share/man/man1/quadrolis-ablage.1.gz; do
    pruefe "enthält $datei" grep -qxF -- "$datei" "$arbeit/inhalt"
done
pruefe "kein Zeichenprogramm der Bilder" test -z "$(grep -F bilder_erzeugen "$arbeit/inhalt")"
pruefe "keine Tests" test -z "$(grep -E 'test_|bench' "$arbeit/inhalt")"

dpkg-deb -f "$deb" Depends >"$arbeit/depends"
echo "--- Depends: $(cat "$arbeit/depends")"
pruefe "hängt an Qt Widgets (aus den Bibliotheken)" grep -q 'libqt6widgets6' "$arbeit/depends"
pruefe "hängt an libjpeg (aus den Bibliotheken)" grep -q 'libjpeg' "$arbeit/depends"
pruefe "hängt an den Übersetzungen" grep -q 'qt6-translations-l10n' "$arbeit/depends"
pruefe "hängt am SQLite-Treiber der Ablage" grep -q 'libqt6sql6-sqlite' "$arbeit/depends"
pruefe "hängt an xdg-email" grep -q 'xdg-utils' "$arbeit/depends"
pruefe "Version" gleich "$(dpkg-deb -f "$deb" Version)" "$version"

dpkg-deb -x "$deb" "$arbeit/wurzel"
w="$arbeit/wurzel"
pruefe "bestellblatt --version" gleich "$("$w/usr/bin/bestellblatt" --version)" "bestellblatt (Quadrolis C2) $version"
pruefe "quadrolis-ablage --version" gleich "$("$w/usr/bin/quadrolis-ablage" --version)" "quadrolis-ablage (Quadrolis C2) $version"
pruefe "quadrolis-c2 --version" gleich "$("$w/usr/bin/quadrolis-c2" --version)" "Quadrolis C2 $version"

desktop="$w/usr/share/applications/quadrolis-c2.desktop"
pruefe "Desktop-Eintrag übergibt die Datei" enthaelt "$desktop" 'Exec=quadrolis-c2 %f'
pruefe "Desktop-Eintrag nennt den Dateityp" enthaelt "$desktop" 'MimeType=application/x-quadrolis-bestellung;'
mime="$w/usr/share/mime/packages/quadrolis-c2.xml"
pruefe "Dateityp erkannt am Inhalt" enthaelt "$mime" 'value="[Version]\r\nInfo="'
pruefe "Metainfo nennt die Version" enthaelt "$w/$metainfo" "<release version=\"$version\""
pruefe "Metainfo nennt den Desktop-Eintrag" enthaelt "$w/$metainfo" '>quadrolis-c2.desktop</launchable>'

if command -v desktop-file-validate >/dev/null; then
    pruefe "desktop-file-validate" desktop-file-validate "$desktop"
else
    echo "desktop-file-validate fehlt: übersprungen"
fi
if command -v appstreamcli >/dev/null; then
    pruefe "appstreamcli validate" appstreamcli validate --no-net "$w/$metainfo"
else
    echo "appstreamcli fehlt: übersprungen"
fi

# What the desktop makes of order files and other .dat files with only this
# package's type added to the system's ones.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
    mkdir -p "$arbeit/mime/mime/packages" "$arbeit/leer"
    cp "$mime" "$arbeit/mime/mime/packages/"
    [ -f /usr/share/mime/packages/freedesktop.org.xml ] && cp /usr/share/mime/packages/freedesktop.org.xml "$arbeit/mime/mime/packages/"
    update-mime-database "$arbeit/mime/mime" >/dev/null 2>&1
    art() {
        XDG_DATA_HOME="$arbeit/leer" XDG_DATA_DIRS="$arbeit/mime" gio info -a standard::content-type "$1" \
            | sed -n 's/.*standard::content-type: //p'
    }
    cp "$daten/bestellblatt_gold.dat" "$arbeit/auftrag.dat"
    printf 'Messwerte\n1;2;3\n' >"$arbeit/messwerte.dat"
    printf '[Version]\r\nSignature="$Windows NT$"\r\n' >"$arbeit/treiber.dat"
    head -c 64 /dev/urandom >"$arbeit/binaer.dat"
    pruefe "Bestelldatei ist eine Bestellung" gleich "$(art "$arbeit/auftrag.dat")" application/x-quadrolis-bestellung
    for andere in messwerte treiber binaer; do
        typ=$(art "$arbeit/$andere.dat")
        pruefe "$andere.dat ist keine Bestellung ($typ)" test "$typ" != application/x-quadrolis-bestellung
    done
else
    echo "update-mime-database oder gio fehlt: Erkennung übersprungen"
fi

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$arbeit/lintian" 2>&1
    echo "--- lintian"
    cat "$arbeit/lintian"
    pruefe "lintian ohne Fehler" test -z "$(grep '^E:' "$arbeit/lintian")"
else
    echo "lintian fehlt: übersprungen"
fi

abschliessen
