// quadrolis-ablage import|liste|export|umziehen: the order archive from the command line.

#include "archive/Ablageimport.h"
#include "archive/TAblage.h"
#include "base/Dateifehler.h"
#include "base/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cstdio>
#include <memory>

namespace {

enum Rueckgabe { Erfolg = 0, Fehler = 1, Falscher_Aufruf = 2 };

const char* const Hilfetext =
    "Aufruf: quadrolis-ablage BEFEHL [ARGUMENTE]\n"
    "\n"
    "Die Ablage von Quadrolis C2 ohne das Programm: jede gespeicherte Fassung jeder\n"
    "Bestellung, in ~/.local/share/Quadrolis C2/ablage.sqlite (angelegt beim ersten\n"
    "Gebrauch, von Programm und Werkzeug gemeinsam benutzt).\n"
    "\n"
    "Befehle:\n"
    "  import ORDNER|DATEI...\n"
    "                   nimmt jede Bestelldatei auf (in Ordnern jede *.dat, auch in\n"
    "                   Unterordnern). Dieselben Bytes ergeben nur eine Fassung, ein\n"
    "                   zweiter Import fügt also nichts hinzu. Jede abgelehnte Datei\n"
    "                   wird mit ihrem Grund genannt; die Dateien bleiben unverändert.\n"
    "  liste [SUCHTEXT]\n"
    "                   gibt die passenden Bestellungen aus, eine je Zeile, die Felder\n"
    "                   durch Tabulatoren getrennt: Nummer, Datum, Rechnungsempfänger,\n"
    "                   Ansprechpartner, Bauvorhaben, Positionen, Summe, Status.\n"
    "                   Jedes Wort des Suchtexts muss vorkommen; Groß- und\n"
    "                   Kleinschreibung und Umlaute zählen nicht (\"mueller\" und\n"
    "                   \"muller\" finden \"Müller\").\n"
    "  export NUMMER [--version N] DATEI.dat\n"
    "                   schreibt die neueste (oder die N-te) Fassung der Bestellung\n"
    "                   NUMMER (etwa 2026-0042) Byte für Byte nach DATEI.dat; nie über\n"
    "                   einen Ordner, ein Gerät, eine Pipe oder die Ablage selbst.\n"
    "  umziehen --nach ADRESSE\n"
    "                   kopiert jede Bestellung mit allen Fassungen und ihrem\n"
    "                   Statusverlauf aus der Ablage (der Datei oben oder --ablage)\n"
    "                   in die Ablage ADRESSE, etwa den Server des Teams. Was dort\n"
    "                   schon ist, wird nicht noch einmal kopiert; ein zweiter Lauf\n"
    "                   fügt also nichts hinzu. Eine Nummer, die dort schon vergeben\n"
    "                   ist, wird durch die nächste freie ersetzt und genannt.\n"
    "\n"
    "Optionen:\n"
    "  --ablage ORT     die Ablage in der Datei ORT oder, als libpq-Adresse\n"
    "                   (postgresql://benutzer@server:5432/datenbank), auf einem\n"
    "                   PostgreSQL-Server; sonst die in der Umgebungsvariablen\n"
    "                   QUADROLIS_ABLAGE genannte, sonst die im Programm unter\n"
    "                   \"Datei › Einstellungen…\" gewählte, sonst die Datei oben.\n"
    "                   Das Passwort steht am besten in ~/.pgpass, nicht in der Adresse.\n"
    "  -h, --help       zeigt diese Hilfe\n"
    "  -V, --version    zeigt die Version\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg; 1, wenn die Ablage nicht geöffnet oder geschrieben\n"
    "werden kann, eine Datei abgelehnt wurde oder die Bestellung fehlt; 2 bei\n"
    "falschem Aufruf.\n";

void Ausgeben(std::FILE* Ziel, const QString& Zeile)
{
    std::fputs(Zeile.toLocal8Bit().constData(), Ziel);
    std::fputc('\n', Ziel);
}

int Melden(const QString& Text)
{
    Ausgeben(stderr, QStringLiteral("quadrolis-ablage: ") + Text.simplified());
    return Fehler;
}

int Falsch(const QString& Text)
{
    Ausgeben(stderr, QStringLiteral("quadrolis-ablage: %1 (Hilfe: quadrolis-ablage --help)").arg(Text));
    return Falscher_Aufruf;
}

int Importieren(TAblage& Ablage, const QStringList& Pfade)
{
    const QStringList Dateien = Ablageimport::Dateien(Pfade);
    const Ablageimport::TErgebnis E = Ablageimport::Importieren(Ablage, Dateien);
    for (const auto& [Pfad, Grund] : E.Abgelehnt)
        Ausgeben(stderr, QStringLiteral("quadrolis-ablage: abgelehnt: %1: %2").arg(Pfad, Grund.simplified()));
    Ausgeben(stdout, QStringLiteral("%1 Dateien: %2 neu aufgenommen, %3 schon in der Ablage, %4 abgelehnt")
                         .arg(Dateien.size())
                         .arg(E.Aufgenommen)
                         .arg(E.Vorhanden)
                         .arg(E.Abgelehnt.size()));
    return E.Abgelehnt.empty() ? Erfolg : Fehler;
}

int Auflisten(const TAblage& Ablage, const QString& Suchtext)
{
    TAblage::TSuche Suche;
    Suche.Text = Suchtext;
    Suche.Sortierung = TAblage::TSpalte::Nummer;
    Suche.Richtung = Qt::AscendingOrder;
    QSqlQuery Treffer = Ablage.Suchen(Suche);
    const QLocale Gebietsschema = QLocale::system();
    using S = TAblage::TSpalte;
    while (Treffer.next()) {
        QStringList Felder;
        for (const S Spalte : {S::Nummer, S::Datum, S::Rechnungsempfaenger, S::Ansprechpartner, S::Bauvorhaben})
            Felder << Treffer.value(int(Spalte)).toString().simplified();
        Felder << Treffer.value(int(S::Positionen)).toString()
               << TAblage::Betrag(Treffer.value(int(S::Gesamtsumme)).toLongLong(), Gebietsschema)
               << Treffer.value(int(S::Status)).toString();
        Ausgeben(stdout, Felder.join(QLatin1Char('\t')));
    }
    return Erfolg;
}

int Exportieren(const TAblage& Ablage, QStringList Argumente)
{
    int Nr = 0;
    if (const qsizetype Stelle = Argumente.indexOf(QStringLiteral("--version")); Stelle >= 0) {
        bool Zahl = false;
        Nr = Stelle + 1 < Argumente.size() ? Argumente[Stelle + 1].toInt(&Zahl) : 0;
        if (!Zahl || Nr < 1)
            return Falsch(QStringLiteral("--version verlangt eine Fassungsnummer ab 1"));
        Argumente.remove(Stelle, 2);
    }
    if (Argumente.size() != 2)
        return Falsch(QStringLiteral("Aufruf: quadrolis-ablage export NUMMER [--version N] DATEI.dat"));
    const QString& Nummer = Argumente[0];
    const QString& Ziel = Argumente[1];
    const auto Bestellung = Ablage.Bestellung_Zur_Nummer(Nummer);
    if (!Bestellung)
        return Melden(QStringLiteral("Die Bestellung %1 ist nicht in der Ablage.").arg(Nummer));
    const QByteArray Bytes = Ablage.Inhalt(Bestellung->Kennung, Nr);
    if (Bytes.isNull())
        return Melden(QStringLiteral("Die Bestellung %1 hat keine Fassung %2 (sie hat %3).")
                          .arg(Nummer)
                          .arg(Nr)
                          .arg(Bestellung->Versionen));
    for (const QString& Teil : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        if (QFileInfo::exists(Ziel) && Dateifehler::Gleiche_Datei(Ablage.Pfad() + Teil, Ziel))
            return Melden(QStringLiteral("\"%1\" ist die Ablage selbst; sie wird nicht überschrieben.").arg(Ziel));
    if (const auto Grund = Dateifehler::Ziel_Pruefen(Ziel))
        return Melden(*Grund);
    if (const auto Grund = Dateifehler::Ersetzen(Ziel, Bytes))
        return Melden(*Grund);
    return Erfolg;
}

int Umziehen(const QString& Ort, QStringList Argumente)
{
    const qsizetype Stelle = Argumente.indexOf(QStringLiteral("--nach"));
    if (Stelle < 0 || Stelle + 1 >= Argumente.size() || Argumente[Stelle + 1].isEmpty())
        return Falsch(QStringLiteral("umziehen verlangt --nach ADRESSE"));
    const QString Ziel = Argumente[Stelle + 1];
    Argumente.remove(Stelle, 2);
    if (!Argumente.isEmpty())
        return Falsch(QStringLiteral("Aufruf: quadrolis-ablage [--ablage ORT] umziehen --nach ADRESSE"));
    if (Ziel == Ort)
        return Falsch(QStringLiteral("Quelle und Ziel sind dieselbe Ablage"));
    if (TAblagedialekt::Art_Von(Ort) == TAblagedialekt::TArt::SQLite && !QFileInfo::exists(Ort))
        return Melden(QStringLiteral("Die Ablage \"%1\" gibt es nicht.").arg(QDir::toNativeSeparators(Ort)));
    try {
        const TAblage Quelle(Ort);
        TAblage Neu(Ziel);
        const TAblage::TUmzug U = Neu.Uebernehmen(Quelle);
        for (const auto& [Alt, Jetzt] : U.Umnummeriert)
            Ausgeben(stdout, QStringLiteral("Die Bestellung %1 hat in der neuen Ablage die Nummer %2.").arg(Alt, Jetzt));
        Ausgeben(stdout, QStringLiteral("%1 Bestellungen neu, %2 Fassungen kopiert, %3 Fassungen schon vorhanden")
                             .arg(U.Bestellungen)
                             .arg(U.Versionen)
                             .arg(U.Vorhanden));
        return Erfolg;
    } catch (const EFehler& F) {
        return Melden(QStringLiteral("Umzug nach %1: %2").arg(TAblagedialekt::Anzeigename(Ziel), F.Meldung()));
    }
}

int Ausfuehren(const QStringList& Argumente)
{
    if (Argumente.contains(QStringLiteral("-h")) || Argumente.contains(QStringLiteral("--help"))) {
        std::fputs(Hilfetext, stdout);
        return Erfolg;
    }
    // "--version N" after "export" names a version of the order.
    if (Argumente.value(0) == QLatin1String("-V") || Argumente.value(0) == QLatin1String("--version")) {
        std::fputs("quadrolis-ablage (Quadrolis C2) " QUADROLIS_VERSION "\n", stdout);
        return Erfolg;
    }
    QStringList Uebrige = Argumente;
    QString Ort = TAblage::Standardort();
    if (const qsizetype Stelle = Uebrige.indexOf(QStringLiteral("--ablage")); Stelle >= 0) {
        if (Stelle + 1 >= Uebrige.size() || Uebrige[Stelle + 1].isEmpty())
            return Falsch(QStringLiteral("--ablage verlangt eine Datei oder eine postgresql://-Adresse"));
        Ort = Uebrige[Stelle + 1];
        Uebrige.remove(Stelle, 2);
    }
    if (Uebrige.isEmpty())
        return Falsch(QStringLiteral("Befehl fehlt: import, liste, export oder umziehen"));
    const QString Befehl = Uebrige.front();
    const QStringList Rest = Uebrige.mid(1);
    if (Befehl == QLatin1String("umziehen"))
        // The move starts from the file of this user unless told otherwise, whatever QUADROLIS_ABLAGE says.
        return Umziehen(Uebrige.size() == Argumente.size() ? TAblage::Standardpfad() : Ort, Rest);
    if (Befehl == QLatin1String("import") && Rest.isEmpty())
        return Falsch(QStringLiteral("import verlangt mindestens einen Ordner oder eine Datei"));
    if (Befehl == QLatin1String("liste") && Rest.size() > 1)
        return Falsch(QStringLiteral("liste nimmt höchstens einen Suchtext (in Anführungszeichen)"));
    if (Befehl != QLatin1String("import") && Befehl != QLatin1String("liste") && Befehl != QLatin1String("export"))
        return Falsch(QStringLiteral("unbekannter Befehl %1").arg(Befehl));

    std::unique_ptr<TAblage> Ablage;
    try {
        Ablage = std::make_unique<TAblage>(Ort);
        if (Befehl == QLatin1String("import"))
            return Importieren(*Ablage, Rest);
        if (Befehl == QLatin1String("liste"))
            return Auflisten(*Ablage, Rest.value(0));
        return Exportieren(*Ablage, Rest);
    } catch (const EFehler& F) {
        return Melden(QStringLiteral("Ablage %1: %2").arg(TAblagedialekt::Anzeigename(Ort), F.Meldung()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication Anwendung(argc, argv);
    // The program's data folder, shared with the program.
    QCoreApplication::setApplicationName(QStringLiteral("Quadrolis C2"));
    return Ausfuehren(QCoreApplication::arguments().mid(1));
}
