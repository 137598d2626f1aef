// bestellblatt BESTELLUNG.dat [BLATT.htm]: writes the order sheet of an order
// file and prints the order's figures, as opening the file in the program would.

#include "base/Dateifehler.h"
#include "base/Fehler.h"
#include "base/Zahlformat.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "sheet/THtmlDatei.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <cstdio>

namespace {

enum Rueckgabe { Erfolg = 0, Fehler = 1, Falscher_Aufruf = 2 };

const char* const Hilfetext =
    "Aufruf: bestellblatt BESTELLUNG.dat [BLATT.htm]\n"
    "\n"
    "Liest die Bestelldatei BESTELLUNG.dat genau so, wie Quadrolis C2 sie öffnet,\n"
    "schreibt daraus das Bestellblatt (HTML, ISO-8859-1) nach BLATT.htm und gibt\n"
    "die Summen der Bestellung aus, eine je Zeile: Umlaufmeter der Fenster und der\n"
    "Montage, Zwischensumme, jeden Rabatt, der nicht 0 ist, und die Summe.\n"
    "\n"
    "Ohne BLATT.htm entsteht das Bestellblatt neben der Bestelldatei, mit der\n"
    "Endung \".htm\" statt der bisherigen. Ein vorhandenes Bestellblatt wird nur\n"
    "ersetzt, wenn das neue vollständig geschrieben werden konnte; die Bestelldatei\n"
    "selbst, ein Ordner, ein Gerät oder eine Pipe wird nie ersetzt.\n"
    "\n"
    "Zahlen der Bestelldatei gelten mit Komma wie mit Punkt; ausgegeben werden sie\n"
    "im Format der Spracheinstellung (unter LANG=de_DE.UTF-8 etwa 1046,00). Eine\n"
    "Bestellung ohne Positionen ergibt, wie im Programm, kein Bestellblatt.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help   zeigt diese Hilfe\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg; 1, wenn die Bestelldatei fehlt, nicht lesbar oder\n"
    "beschädigt ist oder das Bestellblatt nicht geschrieben werden kann; 2 bei\n"
    "falschem Aufruf.\n";

void Ausgeben(std::FILE* Ziel, const QString& Zeile)
{
    std::fputs(Zeile.toLocal8Bit().constData(), Ziel);
    std::fputc('\n', Ziel);
}

// One line on stderr, whatever the reason text holds.
int Melden(const QString& Pfad, const QString& Grund)
{
    QString Text = Grund.simplified();
    if (Text.isEmpty())
        Text = QStringLiteral("unbekannter Fehler");
    Ausgeben(stderr, QStringLiteral("bestellblatt: %1: %2").arg(Pfad, Text));
    return Fehler;
}

QString Blattpfad(const QString& Bestellpfad)
{
    const QString Endung = QFileInfo(Bestellpfad).suffix();
    const QString Stamm = Endung.isEmpty() ? Bestellpfad : Bestellpfad.chopped(Endung.size() + 1);
    return Stamm + QStringLiteral(".htm");
}

// The sheet must never take the place of the order it is written from, nor of
// anything that is not a regular file (a device, a pipe, a folder).
std::optional<QString> Blattziel_Pruefen(const QString& Bestellpfad, const QString& Blatt)
{
    if (Dateifehler::Gleiche_Datei(Bestellpfad, Blatt))
        return QStringLiteral("Das Bestellblatt \"%1\" wäre die Bestelldatei selbst; sie wird nicht überschrieben.")
            .arg(Blatt);
    return Dateifehler::Ziel_Pruefen(Blatt);
}

QString Prozent(std::int32_t Wert)
{
    return QString::number(-static_cast<std::int64_t>(Wert));
}

void Summen_Ausgeben(const TBestellung& B, const TSummen& S)
{
    const QLocale Gebietsschema = QLocale::system();
    const auto Zeile = [&](const QString& Beschriftung, long double Wert) {
        Ausgeben(stdout, Beschriftung + Zahlformat::Betrag(Wert, Gebietsschema));
    };
    Zeile(QStringLiteral("Umlf. Meter Fenster: "), S.Gesamt_UM_Fenster);
    Zeile(QStringLiteral("Umlf. Meter Montage: "), S.Gesamt_UM_Montage);
    Zeile(QStringLiteral("Zwischensumme: "), S.Zwischensumme());
    if (B.RabattAuswahl != 0)
        Zeile(B.RabattAuswahlText + QLatin1Char(' ') + Prozent(B.RabattAuswahl) + QStringLiteral("%: "),
              S.Betrag_RabattAuswahl);
    if (B.Rabatt != 0)
        Zeile(QStringLiteral("Rabatt ") + Prozent(B.Rabatt) + QStringLiteral("%: "), S.Betrag_Rabatt);
    if (B.RabattObjekt != 0)
        Zeile(QStringLiteral("Objektrabatt ") + Prozent(B.RabattObjekt) + QStringLiteral("%: "),
              S.Betrag_RabattObjekt);
    Zeile(QStringLiteral("Summe: "), S.Gesamtsumme);
}

int Ausfuehren(const QStringList& Argumente)
{
    if (Argumente.contains(QStringLiteral("-h")) || Argumente.contains(QStringLiteral("--help"))) {
        std::fputs(Hilfetext, stdout);
        return Erfolg;
    }
    for (const QString& Argument : Argumente) {
        if (Argument.size() > 1 && Argument.startsWith(QLatin1Char('-'))) {
            Ausgeben(stderr, QStringLiteral("bestellblatt: unbekannte Option %1 (Hilfe: bestellblatt --help)")
                                 .arg(Argument));
            return Falscher_Aufruf;
        }
    }
    if (Argumente.isEmpty() || Argumente.size() > 2) {
        Ausgeben(stderr, QStringLiteral("bestellblatt: Aufruf: bestellblatt BESTELLUNG.dat [BLATT.htm] "
                                        "(Hilfe: bestellblatt --help)"));
        return Falscher_Aufruf;
    }

    const QString Bestellpfad = Argumente.at(0);
    const QString Blatt = Argumente.size() > 1 ? Argumente.at(1) : Blattpfad(Bestellpfad);

    if (const auto Grund = Blattziel_Pruefen(Bestellpfad, Blatt))
        return Melden(Blatt, *Grund);

    TBestellung Bestellung;
    const Bestelldatei::TErgebnis Geladen = Bestelldatei::Bestellung_Laden(Bestellpfad, Bestellung);
    if (!Geladen)
        return Melden(Bestellpfad, Geladen.Fehlertext);
    if (Bestellung.Anzahl_Positionen() == 0)
        return Melden(Bestellpfad,
                      QStringLiteral("Die Bestellung enthält keine Positionen; es wird kein Bestellblatt geschrieben."));

    try {
        THtmlDatei Html;
        if (!Html.Html_Speichern(Blatt, Bestellung))
            return Melden(Blatt, Html.Fehlertext());
        Summen_Ausgeben(Bestellung, Bestellung.Summen());
    } catch (const EFehler& F) {
        return Melden(Bestellpfad, F.Meldung());
    }
    return Erfolg;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication Anwendung(argc, argv);
    return Ausfuehren(QCoreApplication::arguments().mid(1));
}
