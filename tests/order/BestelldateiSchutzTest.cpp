#include "base/TIniDatei.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "positions/TPosition_Freie_Zulage_M2.h"
#include "Testdateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// An order that the user has worked on: what a failed open must leave alone.
TBestellung Bearbeitete_Bestellung()
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Freie);
    B.Ansprechpartner = QStringLiteral("bleibt");
    B.Filename = QStringLiteral("vorher.dat");
    return B;
}

void Unveraendert(const TBestellung& B)
{
    EXPECT_EQ(B.Anzahl_Positionen(), 1);
    EXPECT_EQ(B.Ansprechpartner, QStringLiteral("bleibt"));
    EXPECT_EQ(B.Filename, QStringLiteral("vorher.dat"));
}

class TGebietsschema
{
public:
    explicit TGebietsschema(const QLocale& L) { QLocale::setDefault(L); }
    ~TGebietsschema() { QLocale::setDefault(m_Vorher); }

private:
    QLocale m_Vorher;
};

} // namespace

TEST(BestelldateiSchutz, ZeilenumbruchImKopffeldWirdNichtGespeichert)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    TBestellung Gut;
    Gut.Position_Anfuegen(Positionstyp::Fenster);
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, Gut));
    const QByteArray Vorher = Inhalt(Pfad);

    const QString Eingeschleust = QStringLiteral("Bäckerei Müller\nRabatt=50\n[Bestellung/Positionen0/Position/Abmessungen]\nAnzahl=999");
    struct Fall
    {
        QString TBestellung::*Feld;
        const char* Schluessel;
        QString Text;
    };
    const Fall Faelle[] = {
        {&TBestellung::Rechnungsempfaenger, "Rechnungsempfaenger", Eingeschleust},
        {&TBestellung::Bauvorhaben, "Bauvorhaben", QStringLiteral("Haus\rRabatt=50")},
        {&TBestellung::Telefon, "Telefon", QStringLiteral("0351\x1b[2J")},
    };
    for (const Fall& F : Faelle) {
        TBestellung B;
        B.Kopieren_Von(Gut);
        B.*F.Feld = F.Text;
        const auto Ergebnis = Bestelldatei::Bestellung_Speichern(Pfad, B);
        EXPECT_FALSE(Ergebnis) << F.Schluessel;
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QLatin1String(F.Schluessel))) << qPrintable(Ergebnis.Fehlertext);
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QStringLiteral("[Bestellung]"))) << qPrintable(Ergebnis.Fehlertext);
        EXPECT_EQ(Inhalt(Pfad), Vorher);
    }
    // A tab is no line break: it is saved and read back.
    TBestellung Tab;
    Tab.Bauvorhaben = QStringLiteral("Haus\tGarten");
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, Tab));
    TBestellung Zurueck;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, Zurueck));
    EXPECT_EQ(Zurueck.Bauvorhaben, QStringLiteral("Haus\tGarten"));
}

TEST(BestelldateiSchutz, WasKeineDateiIstWirdAbgewiesen)
{
    QTemporaryDir Ordner;
    const QString Fifo = Ordner.filePath(QStringLiteral("fifo.dat"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Fifo).constData(), 0600), 0);
    const QString Link = Ordner.filePath(QStringLiteral("link.dat"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Link));

    const std::pair<QString, const char*> Faelle[] = {
        {Ordner.path(), "ist ein Ordner"},
        {Fifo, "keine gewöhnliche Datei"},
        {QStringLiteral("/dev/zero"), "keine gewöhnliche Datei"},
        {Link, "keine gewöhnliche Datei"},
        {Ordner.filePath(QStringLiteral("fehlt.dat")), "existiert nicht"},
    };
    for (const auto& [Pfad, Grund] : Faelle) {
        TBestellung B = Bearbeitete_Bestellung();
        const auto Ergebnis = Bestelldatei::Bestellung_Laden(Pfad, B);
        EXPECT_FALSE(Ergebnis) << qPrintable(Pfad);
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QString::fromUtf8(Grund))) << qPrintable(Ergebnis.Fehlertext);
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(Pfad)) << qPrintable(Ergebnis.Fehlertext);
        Unveraendert(B);
    }
}

TEST(BestelldateiSchutz, FremdeDateienSindKeineBestellung)
{
    QTemporaryDir Ordner;
    const QByteArray Gold = Inhalt(Testdatei("bestellblatt_gold.dat"));
    ASSERT_FALSE(Gold.isEmpty());
    const QString Text = QStringDecoder("windows-1252").decode(Gold);
    QByteArray Utf16;
    Utf16 += "\xFF\xFE";
    Utf16 += QByteArray(reinterpret_cast<const char*>(Text.utf16()), Text.size() * 2);
    QByteArray Nur_Cr = Gold;
    Nur_Cr.replace("\r\n", "\r");

    const std::pair<const char*, QByteArray> Faelle[] = {
        {"utf16.dat", Utf16},
        {"nur_cr.dat", Nur_Cr},
        {"binaer.dat", Inhalt(Testdatei("binaer.dat"))},
        {"leer.dat", QByteArray()},
    };
    for (const auto& [Name, Bytes] : Faelle) {
        const QString Pfad = Ordner.filePath(QLatin1String(Name));
        Schreiben(Pfad, Bytes);
        TBestellung B = Bearbeitete_Bestellung();
        const auto Ergebnis = Bestelldatei::Bestellung_Laden(Pfad, B);
        EXPECT_FALSE(Ergebnis) << Name;
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QStringLiteral("keine Bestelldatei"))) << qPrintable(Ergebnis.Fehlertext);
        Unveraendert(B);
    }
}

TEST(BestelldateiSchutz, ZuGrosseDateiWirdVorDemLesenAbgewiesen)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("riesig.dat"));
    QFile F(Pfad);
    ASSERT_TRUE(F.open(QIODevice::WriteOnly));
    ASSERT_TRUE(F.resize(TIniDatei::Hoechstgroesse + 1)); // sparse: costs no disk
    F.close();
    TBestellung B = Bearbeitete_Bestellung();
    const auto Ergebnis = Bestelldatei::Bestellung_Laden(Pfad, B);
    EXPECT_FALSE(Ergebnis);
    EXPECT_TRUE(Ergebnis.Fehlertext.contains(QStringLiteral("zu groß"))) << qPrintable(Ergebnis.Fehlertext);
    Unveraendert(B);
}

TEST(BestelldateiSchutz, ZahlenGeltenUnterJedemGebietsschema)
{
    QTemporaryDir Ordner;
    QByteArray Punkt = Inhalt(Testdatei("dezimal_komma.dat"));
    Punkt.replace("UM=6,5", "UM=6.5").replace("Stueckpreis=12,75", "Stueckpreis=12.75");
    const QString Punktdatei = Ordner.filePath(QStringLiteral("punkt.dat"));
    Schreiben(Punktdatei, Punkt);

    // A window of 6.5 m at 66 €/m, twice, and two pieces at 12.75 €.
    const long double Erwartet = 2 * 6.5L * 66 + 2 * 12.75L;
    for (const QLocale& L : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        const TGebietsschema Schema(L);
        for (const QString& Pfad : {Testdatei("dezimal_komma.dat"), Punktdatei}) {
            TBestellung B;
            ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, B)) << qPrintable(Pfad);
            EXPECT_NEAR(double(B.Gesamtsumme()), double(Erwartet), 1e-9) << qPrintable(L.name() + Pfad);
        }
    }
    // Writing keeps the locale's separator.
    const TGebietsschema Deutsch(QLocale(QLocale::German, QLocale::Germany));
    TBestellung B;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Punktdatei, B));
    const QString Neu = Ordner.filePath(QStringLiteral("neu.dat"));
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Neu, B));
    EXPECT_TRUE(Inhalt(Neu).contains("Stueckpreis=12,75\r\n"));
}

TEST(BestelldateiSchutz, ZieleDieKeineDateiSindBleibenUnberuehrt)
{
    QTemporaryDir Ordner;
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Filename = QStringLiteral("alt.dat");

    const QString Fifo = Ordner.filePath(QStringLiteral("fifo.dat"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Fifo).constData(), 0600), 0);
    QStringList Ziele{Fifo, Ordner.path()};
    // A device like /dev/null, where the rights allow making one.
    const QString Geraet = Ordner.filePath(QStringLiteral("null.dat"));
    if (::mknod(QFile::encodeName(Geraet).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        Ziele << Geraet;

    for (const QString& Ziel : Ziele) {
        struct stat Vorher {};
        ASSERT_EQ(::stat(QFile::encodeName(Ziel).constData(), &Vorher), 0);
        const auto Ergebnis = Bestelldatei::Bestellung_Speichern(Ziel, B);
        EXPECT_FALSE(Ergebnis) << qPrintable(Ziel);
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(Ziel)) << qPrintable(Ergebnis.Fehlertext);
        struct stat Nachher {};
        ASSERT_EQ(::stat(QFile::encodeName(Ziel).constData(), &Nachher), 0);
        EXPECT_EQ(Nachher.st_ino, Vorher.st_ino) << qPrintable(Ziel);
        EXPECT_EQ(Nachher.st_mode, Vorher.st_mode) << qPrintable(Ziel);
        EXPECT_EQ(B.Filename, QStringLiteral("alt.dat"));
    }
}

TEST(BestelldateiSchutz, VollerDatentraegerMeldetDeutsch)
{
    QTemporaryDir Ordner;
    const QByteArray Punkt = QFile::encodeName(Ordner.path());
    if (::mount("tmpfs", Punkt.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here";
    TBestellung B;
    for (int i = 0; i < 400; ++i)
        B.Position_Anfuegen(Positionstyp::Fenster);
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    Schreiben(Pfad, "vorher");
    const auto Ergebnis = Bestelldatei::Bestellung_Speichern(Pfad, B);
    const QByteArray Alt = Inhalt(Pfad);
    ::umount(Punkt.constData());
    EXPECT_FALSE(Ergebnis);
    EXPECT_TRUE(Ergebnis.Fehlertext.contains(QStringLiteral("Der Datenträger ist voll"))) << qPrintable(Ergebnis.Fehlertext);
    EXPECT_TRUE(Ergebnis.Fehlertext.contains(Pfad)) << qPrintable(Ergebnis.Fehlertext);
    EXPECT_EQ(Alt, QByteArray("vorher"));
}

TEST(BestelldateiSchutz, VorlagentextMitEndleerzeichenBleibtGenau)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_M2, QStringLiteral("Fensterbänke aus Leimholzplatte"));
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_M2, QStringLiteral("Fensterbänke aus Plattenwerkstoff"));
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_M2);
    B.Eintrag(2).Als<TPosition_Freie_Zulage_M2>()->Text_Setzen(QStringLiteral("  zwei\nZeilen \\s mit\tTab\x1b "));
    const QString Erster = B.Eintrag(0).Als<TPosition_Freie_Zulage_M2>()->Text();
    ASSERT_TRUE(Erster.endsWith(QLatin1Char(' '))); // the preset as the menu sets it
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, B));
    TBestellung Zurueck;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, Zurueck));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Zurueck.Eintrag(i).Als<TPosition_Freie_Zulage_M2>()->Text(),
                  B.Eintrag(i).Als<TPosition_Freie_Zulage_M2>()->Text())
            << i;
}

TEST(BestelldateiSchutz, UnbenutzteZusatzschluesselFehlenImLayout)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Position_Anfuegen(Positionstyp::Montage);
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, B));
    const QByteArray Text = Inhalt(Pfad);
    QByteArray Zierprofile = "[Bestellung/Positionen0/Position/Zierprofile]\r\n";
    for (int i = 0; i < 10; ++i)
        Zierprofile += "ItemIndex" + QByteArray::number(i) + "=0\r\n";
    Zierprofile += "\r\n[Bestellung/Positionen0/Position/Lagen]\r\n";
    EXPECT_TRUE(Text.contains(Zierprofile)) << Text.constData();
    EXPECT_FALSE(Text.contains("Anschlag"));
    EXPECT_FALSE(Text.contains("PositionMontage/Preis"));

    // Used, they are written and read back; a window without a stop text
    // after one with it stays without.
    B.Eintrag(0).Als<TPosition>()->Zierprofile.Anschlag = QStringLiteral("links");
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Eintrag(2).Als<TPosition>()->Zierprofile.Anschlag.clear();
    B.Eintrag(1).Als<TPosition_Montage>()->Preis = 45.5L;
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, B));
    TBestellung Zurueck;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, Zurueck));
    EXPECT_EQ(Zurueck.Eintrag(0).Als<TPosition>()->Zierprofile.Anschlag, QStringLiteral("links"));
    EXPECT_EQ(Zurueck.Eintrag(2).Als<TPosition>()->Zierprofile.Anschlag, QString());
    EXPECT_EQ(Zurueck.Eintrag(1).Als<TPosition_Montage>()->Preis, 45.5L);
}

namespace {

// The golden order with one value set: in its section, replaced or added as the section's first key.
QByteArray Gold_Mit(const char* Abschnitt, const char* Schluessel, const QByteArray& Wert)
{
    QByteArray Text = Inhalt(Testdatei("bestellblatt_gold.dat"));
    const QByteArray Kopf = QByteArray("[") + Abschnitt + "]\r\n";
    const qsizetype Anfang = Text.indexOf(Kopf);
    EXPECT_GE(Anfang, 0) << Abschnitt;
    const qsizetype Ende = Text.indexOf("\r\n\r\n", Anfang);
    const QByteArray Zeile = QByteArray("\r\n") + Schluessel + "=";
    const qsizetype Da = Text.indexOf(Zeile, Anfang + Kopf.size() - 2);
    if (Da >= 0 && Da < Ende)
        Text.replace(Da + Zeile.size(), Text.indexOf("\r\n", Da + Zeile.size()) - Da - Zeile.size(), Wert);
    else
        Text.insert(Anfang + Kopf.size(), Schluessel + ("=" + Wert) + "\r\n");
    return Text;
}

} // namespace

TEST(BestelldateiSchutz, WasSichNichtWiederSpeichernLaesstWirdAbgewiesen)
{
    // Numbers that are none of their kind, discounts no field can type, and
    // texts that could not be saved again. Genannt: the value in the message,
    // where it can be shown; nullptr: the file is taken and saves again.
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    const char* const Fenster = "Bestellung/Positionen0/Position/Abmessungen";
    const char* const Preis = "Bestellung/Positionen2/PositionFreie/Preis";
    const char* const Text = "Bestellung/Positionen2/PositionFreie/Beschreibung";
    struct Fall
    {
        const char* Abschnitt;
        const char* Schluessel;
        QByteArray Wert;
        const char* Genannt;
    };
    const Fall Faelle[] = {
        {Fenster, "Anzahl", "2147483648", "2147483648"}, {Fenster, "Anzahl", "99999999999", "99999999999"},
        {Fenster, "Anzahl", "1e5", "1e5"},               {Fenster, "Anzahl", "nan", "nan"},
        {Fenster, "Breite", "2147483648", "2147483648"}, {Fenster, "istBalkontuer", "ja", "ja"},
        {Fenster, "Anzahl", "", nullptr},                {Fenster, "Anzahl", "0x10", nullptr},
        {Preis, "Stueckpreis", "1.000,50", "1.000,50"},  {Preis, "Stueckpreis", "0x10", "0x10"},
        {Preis, "Stueckpreis", "1,5,5", "1,5,5"},        {Preis, "Stueckpreis", "", nullptr},
        {"Bestellung", "Rabatt", "-1", "-1"},            {"Bestellung", "RabattObjekt", "-5", "-5"},
        {"Bestellung", "RabattAuswahl", "-15", nullptr},
        {"Bestellung", "Telefon", "0351\x1b[2J", "U+001B"},
        {"Bestellung/Positionen0/Position", "Bez", "K\x01" "che", "U+0001"},
        {Text, "Text", "Fenster\\u6f22", "U+6F22"},       {Text, "Text", "\\ud800", "U+D800"},
        {Text, "Text", "zwei\\nZeilen\\u0001", nullptr},
    };
    for (const Fall& F : Faelle) {
        SCOPED_TRACE((QByteArray(F.Schluessel) + "=" + F.Wert).constData());
        Schreiben(Pfad, Gold_Mit(F.Abschnitt, F.Schluessel, F.Wert));
        TBestellung B = Bearbeitete_Bestellung();
        const auto Ergebnis = Bestelldatei::Bestellung_Laden(Pfad, B);
        if (!F.Genannt) {
            ASSERT_TRUE(Ergebnis) << qPrintable(Ergebnis.Fehlertext);
            EXPECT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, B));
            continue;
        }
        EXPECT_FALSE(Ergebnis);
        for (const char* Teil : {F.Abschnitt, F.Schluessel, F.Genannt})
            EXPECT_TRUE(Ergebnis.Fehlertext.contains(QLatin1String(Teil))) << qPrintable(Ergebnis.Fehlertext);
        Unveraendert(B);
    }
}

TEST(BestelldateiSchutz, Utf8DateiOeffnetUnverstuemmeltUndSpeichertWindows1252)
{
    // Opened from UTF-8, with or without a byte-order mark, the order saves as
    // the same Windows-1252 bytes as opened from the golden file itself.
    QTemporaryDir Ordner;
    const auto Gespeichert = [](const QString& Pfad, const QString& Name) {
        TBestellung B;
        EXPECT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, B));
        EXPECT_EQ(B.Ansprechpartner, QStringLiteral("Jörg Weiß"));
        B.Filename = Name;
        TIniDatei Ini(QLatin1Char(','));
        B.Ini_Speichern(Ini);
        return Ini.Bytes();
    };
    const QString Gold = Testdatei("bestellblatt_gold.dat");
    const QByteArray Erwartet = Gespeichert(Gold, Gold);
    ASSERT_TRUE(Erwartet.contains("Ansprechpartner=J\xF6rg Wei\xDF\r\n"));
    const QByteArray Utf8 = QString(QStringDecoder("windows-1252").decode(Inhalt(Gold))).toUtf8();
    const QString Pfad = Ordner.filePath(QStringLiteral("utf8.dat"));
    for (const QByteArray& Bytes : {Utf8, "\xEF\xBB\xBF" + Utf8}) {
        Schreiben(Pfad, Bytes);
        EXPECT_EQ(Gespeichert(Pfad, Gold), Erwartet);
    }
}

// A name the user did not choose in this run is saved to without a question
// only where that cannot destroy another file.
TEST(BestelldateiSchutz, FremderNameWirdNurOhneRisikoOhneFrageGespeichert)
{
    QTemporaryDir Ordner;
    const auto Pfad = [&](const char* Name) { return Ordner.filePath(QLatin1String(Name)); };
    TBestellung B;
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad("auftrag.dat"), B));
    Schreiben(Pfad("notiz.txt"), "Notiz\n");
    Schreiben(Pfad("notiz.dat"), "[Version]\r\nInfo=1\r\n");
    ASSERT_TRUE(QFile::link(Pfad("weg.dat"), Pfad("verweis.dat")));
    const struct
    {
        QString Name;
        bool Ohne_Frage;
    } Faelle[] = {
        {Pfad("auftrag.dat"), true},       {Pfad("neu.dat"), true},
        {Pfad("notiz.txt"), false},        {Pfad("notiz.dat"), false},
        {Pfad("neu.txt"), false},          {Pfad("fehlt/neu.dat"), false},
        {Pfad("verweis.dat"), false},      {QStringLiteral("auftrag.dat"), false},
        {QString(), false},
    };
    for (const auto& F : Faelle)
        EXPECT_EQ(Bestelldatei::Ohne_Frage_Speicherbar(F.Name), F.Ohne_Frage) << F.Name.toStdString();
}

// Another program's save is noticed whichever of size, time and content it
// changed; a file that is gone or untouched is not.
TEST(BestelldateiSchutz, FremdeAenderungSeitDemSpeichernWirdBemerkt)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("auftrag.dat"));
    TBestellung B;
    B.Ansprechpartner = QStringLiteral("Erster");
    Bestelldatei::TDateistand Gespeichert;
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, B, &Gespeichert));
    const QByteArray Eigenes = Inhalt(Pfad);
    ASSERT_EQ(Bestelldatei::Dateistand(Pfad), Gespeichert);
    struct stat Vorher {};
    ASSERT_EQ(::stat(QFile::encodeName(Pfad).constData(), &Vorher), 0);

    // The time to the nanosecond, as another program's quick save may leave it.
    const auto Zeit_Setzen = [&](bool Andere) {
        timespec Zeiten[2] = {Vorher.st_atim, Vorher.st_mtim};
        Zeiten[1].tv_sec -= Andere ? 60 : 0;
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(Pfad).constData(), Zeiten, 0), 0);
    };
    QByteArray Gleich_Lang = Eigenes;
    Gleich_Lang.replace("Erster", "Zweiter").replace("Ansprechpartner=Zweiter", "Ansprechpartner=Zweite");
    ASSERT_EQ(Gleich_Lang.size(), Eigenes.size());
    const struct
    {
        const char* Fall;
        QByteArray Inhalt; // empty: the file is removed
        bool Andere_Zeit;
        bool Geaendert;
    } Faelle[] = {
        {"unberührt", Eigenes, false, false},
        {"nur berührt", Eigenes, true, true},
        {"gleich lang, gleiche Zeit", Gleich_Lang, false, true},
        {"länger", Eigenes + "[X]\r\n", false, true},
        {"gelöscht", QByteArray(), false, false},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Fall);
        QFile::remove(Pfad);
        if (!F.Inhalt.isEmpty()) {
            Schreiben(Pfad, F.Inhalt);
            Zeit_Setzen(F.Andere_Zeit);
        }
        EXPECT_EQ(Bestelldatei::Fremd_Geaendert(Pfad, Gespeichert), F.Geaendert);
    }
}
