// bestellblatt BESTELLUNG.dat [BLATT.htm] [--pdf BLATT.pdf]: writes the order
// sheet of an order file and prints the order's figures, as opening the file in
// the program would.
// bestellblatt --skizzen ORDNER BESTELLUNG.dat: writes the sketch of every window position.

#include "base/Dateifehler.h"
#include "base/Fehler.h"
#include "base/Version.h"
#include "base/Zahlformat.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "print/TDruckblatt.h"
#include "sheet/THtmlDatei.h"
#include "sketch/TSkizze.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

enum Rueckgabe { Erfolg = 0, Fehler = 1, Falscher_Aufruf = 2 };

const char* const Hilfetext =
    "Aufruf: bestellblatt BESTELLUNG.dat [BLATT.htm] [--pdf BLATT.pdf]\n"
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
    "Mit --pdf BLATT.pdf entsteht das Bestellblatt als PDF (A4) in BLATT.pdf,\n"
    "ohne Bildschirm; das HTML-Blatt dann nur, wenn BLATT.htm genannt ist.\n"
    "\n"
    "Optionen:\n"
    "  --pdf BLATT.pdf  schreibt das Bestellblatt als PDF\n"
    "  --skizzen ORDNER\n"
    "                   schreibt statt des Bestellblatts die Skizze jeder Fensterposition\n"
    "                   als SVG nach ORDNER/Position_<n>.svg (n wie auf dem Bestellblatt)\n"
    "                   und gibt die geschriebenen Dateien aus, eine je Zeile; ORDNER\n"
    "                   wird angelegt, wenn es ihn nicht gibt. Die Bestelldatei selbst, ein\n"
    "                   Verweis oder etwas anderes als eine gewöhnliche Datei wird dort nie\n"
    "                   ersetzt. Braucht keine Anzeige.\n"
    "  -h, --help       zeigt diese Hilfe\n"
    "  -V, --version    zeigt die Version\n"
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

const QString Skizzenoption = QStringLiteral("--skizzen");

// The sketches' names are the program's, not the user's: the order itself, a
// link or anything but a regular file standing there is never replaced, and no
// link in the folder is followed.
std::optional<QString> Skizzenziel_Schreiben(const QString& Bestellpfad, const QString& Pfad, const QByteArray& Svg)
{
    if (Dateifehler::Gleiche_Datei(Bestellpfad, Pfad))
        return QStringLiteral("Die Skizze \"%1\" wäre die Bestelldatei selbst; sie wird nicht überschrieben.").arg(Pfad);
    return Dateifehler::Eigene_Datei_Ersetzen(Pfad, Svg);
}

int Skizzen_Schreiben(const QString& Ordner, const QString& Bestellpfad)
{
    TBestellung Bestellung;
    const Bestelldatei::TErgebnis Geladen = Bestelldatei::Bestellung_Laden(Bestellpfad, Bestellung);
    if (!Geladen)
        return Melden(Bestellpfad, Geladen.Fehlertext);
    if (!QDir().mkpath(Ordner))
        return Melden(Ordner, QStringLiteral("Der Ordner kann nicht angelegt werden."));
    int Nummer = 1;
    for (const TPositionseintrag& E : Bestellung.Positionen()) {
        if (E.Positionstyp() == Positionstyp::Zulage2)
            continue;
        const int n = Nummer++;
        const TPosition* Fenster = E.Als<TPosition>();
        if (!Fenster)
            continue;
        const QString Pfad = QDir(Ordner).filePath(QStringLiteral("Position_%1.svg").arg(n));
        QByteArray Svg;
        QBuffer Puffer(&Svg);
        Puffer.open(QIODevice::WriteOnly);
        if (!TSkizze::Svg_Schreiben(Puffer, *Fenster, QSize(600, 600), QStringLiteral("Position %1").arg(n)))
            return Melden(Pfad, QStringLiteral("Die Skizze konnte nicht gezeichnet werden."));
        if (const auto Grund = Skizzenziel_Schreiben(Bestellpfad, Pfad, Svg))
            return Melden(Pfad, *Grund);
        Ausgeben(stdout, Pfad);
    }
    return Erfolg;
}

const QString Pdf_Option = QStringLiteral("--pdf");

int Ausfuehren(QStringList Argumente)
{
    if (Argumente.contains(QStringLiteral("-h")) || Argumente.contains(QStringLiteral("--help"))) {
        std::fputs(Hilfetext, stdout);
        return Erfolg;
    }
    if (Argumente.contains(QStringLiteral("-V")) || Argumente.contains(QStringLiteral("--version"))) {
        std::fputs("bestellblatt (Quadrolis C2) " QUADROLIS_VERSION "\n", stdout);
        return Erfolg;
    }
    if (const qsizetype Stelle = Argumente.indexOf(Skizzenoption); Stelle >= 0) {
        QStringList Rest = Argumente;
        Rest.remove(Stelle, std::min<qsizetype>(2, Rest.size() - Stelle));
        if (Stelle + 1 >= Argumente.size() || Rest.size() != 1 || Rest.at(0).startsWith(QLatin1Char('-'))) {
            Ausgeben(stderr, QStringLiteral("bestellblatt: Aufruf: bestellblatt --skizzen ORDNER BESTELLUNG.dat "
                                            "(Hilfe: bestellblatt --help)"));
            return Falscher_Aufruf;
        }
        return Skizzen_Schreiben(Argumente.at(Stelle + 1), Rest.at(0));
    }
    QString Pdf;
    bool mitPdf = false;
    for (qsizetype i = 0; i < Argumente.size(); ++i) {
        if (Argumente[i] != Pdf_Option)
            continue;
        if (mitPdf || i + 1 >= Argumente.size() || Argumente[i + 1].isEmpty()) {
            Ausgeben(stderr, QStringLiteral("bestellblatt: --pdf verlangt genau einen Dateinamen "
                                            "(Hilfe: bestellblatt --help)"));
            return Falscher_Aufruf;
        }
        mitPdf = true;
        Pdf = Argumente[i + 1];
        Argumente.remove(i, 2);
        --i;
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
                                        "[--pdf BLATT.pdf] (Hilfe: bestellblatt --help)"));
        return Falscher_Aufruf;
    }

    const QString Bestellpfad = Argumente.at(0);
    const bool mitHtml = !mitPdf || Argumente.size() > 1;
    const QString Blatt = Argumente.size() > 1 ? Argumente.at(1) : Blattpfad(Bestellpfad);

    if (mitHtml)
        if (const auto Grund = Blattziel_Pruefen(Bestellpfad, Blatt))
            return Melden(Blatt, *Grund);
    if (mitPdf)
        if (const auto Grund = Blattziel_Pruefen(Bestellpfad, Pdf))
            return Melden(Pdf, *Grund);

    TBestellung Bestellung;
    const Bestelldatei::TErgebnis Geladen = Bestelldatei::Bestellung_Laden(Bestellpfad, Bestellung);
    if (!Geladen)
        return Melden(Bestellpfad, Geladen.Fehlertext);
    if (Bestellung.Anzahl_Positionen() == 0)
        return Melden(Bestellpfad,
                      QStringLiteral("Die Bestellung enthält keine Positionen; es wird kein Bestellblatt geschrieben."));

    try {
        if (mitHtml) {
            THtmlDatei Html;
            if (!Html.Html_Speichern(Blatt, Bestellung))
                return Melden(Blatt, Html.Fehlertext());
        }
        if (mitPdf) {
            TDruckblatt Druck = TDruckblatt::Mit_Skizzen(Bestellung);
            if (!Druck.Pdf_Speichern(Pdf))
                return Melden(Pdf, Druck.Fehlertext());
        }
        Summen_Ausgeben(Bestellung, Bestellung.Summen());
    } catch (const EFehler& F) {
        return Melden(Bestellpfad, F.Meldung());
    }
    return Erfolg;
}

// The tool says what went wrong in one line of its own; the platform's notes
// about a missing session (no runtime folder, no screen) are not for its user.
void Nur_Ernstes(QtMsgType Art, const QMessageLogContext& Kontext, const QString& Text)
{
    if (Art == QtCriticalMsg || Art == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(Art, Kontext, Text)));
}

} // namespace

int main(int argc, char** argv)
{
    // The PDF and the sketches are set with fonts, which needs the GUI part of
    // Qt but no screen.
    bool mitGrafik = false;
    for (int i = 1; i < argc; ++i)
        mitGrafik = mitGrafik || std::strcmp(argv[i], "--pdf") == 0 || std::strcmp(argv[i], "--skizzen") == 0;
    std::unique_ptr<QCoreApplication> Anwendung;
    if (mitGrafik) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(Nur_Ernstes);
        Anwendung = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        Anwendung = std::make_unique<QCoreApplication>(argc, argv);
    }
    return Ausfuehren(QCoreApplication::arguments().mid(1));
}
