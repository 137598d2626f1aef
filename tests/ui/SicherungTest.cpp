#include "Hauptfenster_Testhilfen.h"

#include "base/TIniDatei.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "order/TPositionseintrag.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/main/TSicherung.h"
#include "Testdateien.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

using namespace Hauptfenster_Test;

namespace {

// Every test gets its own empty data folder, as a user starting the program
// the first time has.
class SicherungTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Daten.isValid());
        ASSERT_TRUE(Ablage.isValid());
        m_Vorher = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", Daten.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_Vorher); }

    static std::unique_ptr<TForm_Haupt> Fenster_Starten()
    {
        auto Fenster = std::make_unique<TForm_Haupt>();
        Fenster->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Fenster.get()));
        return Fenster;
    }
    static void Befehl(TForm_Haupt& Fenster, const char* Name) { Suchen<QAction>(Fenster, Name)->trigger(); }
    static void Neu(TForm_Haupt& Fenster, const QString& Text)
    {
        Eintrag_Waehlen(Suchen<QComboBox>(Fenster, "CBC_Haupt_NeuePos"), Text);
    }
    // An unsaved order with a window and a contact, and its copy written by the timer.
    static void Aendern_Und_Sichern(TForm_Haupt& Fenster, const QString& Ansprechpartner = QStringLiteral("Frau Lück"))
    {
        Fenster.Sicherung().Abstand_Setzen(20);
        Neu(Fenster, QStringLiteral("Fenster"));
        Tippen(Suchen<QLineEdit>(Fenster, "Edit_Ansprechpartner"), Ansprechpartner);
        // Under load the clock may run out between two keys: wait for the copy of the last one.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !Fenster.Sicherung().Wartet() && QFile::exists(Fenster.Sicherung().Pfad()); }, 3000));
    }
    QStringList Dateien() const
    {
        return QDir(TSicherung::Standardordner()).entryList(QDir::Files, QDir::Name);
    }
    QString Ablagepfad(const QString& Name) const { return Ablage.filePath(Name); }

    QTemporaryDir Daten;
    QTemporaryDir Ablage;
    TTestdienste Dienste;

private:
    QByteArray m_Vorher;
};

TEST_F(SicherungTest, AenderungWirdNachDemAbstandAlsBestelldateiGeschrieben)
{
    auto Fenster = Fenster_Starten();
    EXPECT_FALSE(Fenster->Ungesichert());
    EXPECT_TRUE(TSicherung::Standardordner().startsWith(Daten.path()));

    // A change only starts the clock; the copy comes when it has run out.
    Neu(*Fenster, QStringLiteral("Fenster"));
    EXPECT_TRUE(Fenster->Ungesichert());
    EXPECT_TRUE(Fenster->Sicherung().Wartet());
    EXPECT_TRUE(Dateien().filter(QStringLiteral(".dat")).isEmpty());

    Aendern_Und_Sichern(*Fenster);
    const QString Pfad = Fenster->Sicherung().Pfad();
    EXPECT_TRUE(Pfad.startsWith(Daten.path()));
    TBestellung Gelesen;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, Gelesen));
    EXPECT_EQ(Gelesen.Anzahl_Positionen(), 2);
    EXPECT_EQ(Gelesen.Ansprechpartner, QStringLiteral("Frau Lück"));

    // Nothing written again until something changes.
    EXPECT_FALSE(Fenster->Sicherung().Wartet());
    Tippen(Suchen<QLineEdit>(*Fenster, "Edit_Telefon"), QStringLiteral("0351"));
    EXPECT_TRUE(Fenster->Sicherung().Wartet());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Inhalt(Pfad).contains("Telefon=0351"); }, 3000));
}

TEST_F(SicherungTest, StandardabstandIstEineHalbeMinute)
{
    auto Fenster = Fenster_Starten();
    Neu(*Fenster, QStringLiteral("Freie Position"));
    QTest::qWait(100);
    EXPECT_TRUE(Fenster->Sicherung().Wartet());
    EXPECT_TRUE(Fenster->Sicherung().Pfad().isEmpty());
    EXPECT_EQ(TSicherung::Standardabstand_ms, 30000);
}

TEST_F(SicherungTest, SpeichernNeuUndBeendenEntfernenDieKopie)
{
    auto Fenster = Fenster_Starten();
    Aendern_Und_Sichern(*Fenster);
    const QString Pfad = Fenster->Sicherung().Pfad();

    Dienste.Pfade = {Ablagepfad(QStringLiteral("auftrag.dat"))};
    Befehl(*Fenster, "Speichern1");
    EXPECT_FALSE(QFile::exists(Pfad));
    EXPECT_FALSE(Fenster->Ungesichert());
    // A refresh that changes nothing writes nothing.
    Fenster->Hauptfenster_Aktualisieren();
    Fenster->Sicherung().Jetzt_Schreiben();
    EXPECT_FALSE(QFile::exists(Pfad));

    // Undoing a change by hand makes the copy needless again.
    Tippen(Suchen<QLineEdit>(*Fenster, "Edit_Telefon"), QStringLiteral("7"));
    Fenster->Sicherung().Jetzt_Schreiben();
    EXPECT_TRUE(QFile::exists(Pfad));
    Suchen<QLineEdit>(*Fenster, "Edit_Telefon")->clear();
    Fenster->Sicherung().Jetzt_Schreiben();
    EXPECT_FALSE(QFile::exists(Pfad));

    // Neu: Abbrechen keeps the copy, OK removes it.
    Neu(*Fenster, QStringLiteral("Freie Position"));
    Fenster->Sicherung().Jetzt_Schreiben();
    ASSERT_TRUE(QFile::exists(Pfad));
    Dienste.Wahlen = {2};
    Befehl(*Fenster, "Neu1");
    EXPECT_TRUE(QFile::exists(Pfad));
    Dienste.Wahlen = {1};
    Befehl(*Fenster, "Neu1");
    EXPECT_FALSE(QFile::exists(Pfad));

    // Beenden: Abbrechen keeps it, OK is the clean exit that removes it with its lock.
    Neu(*Fenster, QStringLiteral("Fenster"));
    Fenster->Sicherung().Jetzt_Schreiben();
    ASSERT_TRUE(QFile::exists(Pfad));
    Dienste.Wahlen = {2};
    Befehl(*Fenster, "Beenden1");
    EXPECT_TRUE(QFile::exists(Pfad));
    Dienste.Wahlen = {1};
    Befehl(*Fenster, "Beenden1");
    EXPECT_FALSE(Fenster->isVisible());
    EXPECT_TRUE(Dateien().isEmpty()) << Dateien().join(u' ').toStdString();
}

TEST_F(SicherungTest, OeffnenEinerAnderenBestellungEntferntDieKopie)
{
    TBestellung Andere;
    Andere.Position_Anfuegen(Positionstyp::Freie);
    const QString Name = Ablagepfad(QStringLiteral("andere.dat"));
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Name, Andere));

    auto Fenster = Fenster_Starten();
    Aendern_Und_Sichern(*Fenster);
    const QString Pfad = Fenster->Sicherung().Pfad();
    Dienste.Wahlen = {1};
    Dienste.Pfade = {Name};
    Befehl(*Fenster, "Oeffnen1");
    EXPECT_EQ(Fenster->Bestellung().Filename, Name);
    EXPECT_FALSE(QFile::exists(Pfad));
}

TEST_F(SicherungTest, AbsturzUndNeustartStelltDieBestellungWiederHer)
{
    TBestellung Gespeichert;
    const QString Name = Ablagepfad(QStringLiteral("kunde.dat"));
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Name, Gespeichert));
    QString Pfad;
    {
        auto Fenster = Fenster_Starten();
        ASSERT_TRUE(Fenster->Bestellung_Oeffnen(Name));
        Aendern_Und_Sichern(*Fenster);
        Pfad = Fenster->Sicherung().Pfad();
        // The program dies: its window goes without closing.
    }
    ASSERT_TRUE(QFile::exists(Pfad));

    // Taken before restoring: the restored order may write its copy anew.
    const QDateTime Zeit = QFileInfo(Pfad).lastModified();
    auto Fenster = Fenster_Starten();
    Dienste.Antworten = {true};
    Fenster->Wiederherstellung_Anbieten();

    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Frage"));
    const QString& Text = Dienste.Meldungen[0].Text;
    EXPECT_TRUE(Text.contains(Zeit.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" um ")
                              + Zeit.toString(QStringLiteral("HH:mm")) + QStringLiteral(" Uhr")))
        << Text.toStdString();
    EXPECT_TRUE(Text.contains(QStringLiteral("mit 1 Position ("))) << Text.toStdString();
    EXPECT_TRUE(Text.startsWith(QStringLiteral("Quadrolis C2 wurde nicht ordnungsgemäß beendet.")));
    EXPECT_TRUE(Text.contains(QDir::toNativeSeparators(Name)));
    ASSERT_EQ(Dienste.Knoepfe.size(), 1u);
    EXPECT_EQ(Dienste.Knoepfe[0].first, QStringLiteral("Wiederherstellen"));
    EXPECT_EQ(Dienste.Knoepfe[0].second, QStringLiteral("Verwerfen"));

    // Restored as the unsaved order it was, under its own file name.
    EXPECT_EQ(Fenster->Bestellung().Anzahl_Positionen(), 1);
    EXPECT_EQ(Fenster->Bestellung().Ansprechpartner, QStringLiteral("Frau Lück"));
    EXPECT_EQ(Suchen<QLineEdit>(*Fenster, "Edit_Ansprechpartner")->text(), QStringLiteral("Frau Lück"));
    EXPECT_EQ(Fenster->Bestellung().Filename, Name);
    EXPECT_TRUE(Fenster->Ungesichert());
    EXPECT_EQ(Fenster->Sicherung().Pfad(), Pfad);
    EXPECT_TRUE(QFile::exists(Pfad));

    // Saving writes to the original file and ends the copy.
    Befehl(*Fenster, "Speichern1");
    TBestellung Gelesen;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Name, Gelesen));
    EXPECT_EQ(Gelesen.Ansprechpartner, QStringLiteral("Frau Lück"));
    EXPECT_FALSE(QFile::exists(Pfad));
}

TEST_F(SicherungTest, VerwerfenLoeschtDieKopieUndFragtNichtWieder)
{
    QString Pfad;
    {
        auto Fenster = Fenster_Starten();
        Aendern_Und_Sichern(*Fenster);
        Pfad = Fenster->Sicherung().Pfad();
    }
    auto Fenster = Fenster_Starten();
    Dienste.Antworten = {false};
    Fenster->Wiederherstellung_Anbieten();
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_TRUE(Dienste.Meldungen[0].Text.contains(QStringLiteral("mit 1 Position wurde aufbewahrt")))
        << Dienste.Meldungen[0].Text.toStdString();
    EXPECT_FALSE(QFile::exists(Pfad));
    EXPECT_EQ(Fenster->Bestellung().Anzahl_Positionen(), 0);
    EXPECT_FALSE(Fenster->Ungesichert());

    auto Drittes = Fenster_Starten();
    Drittes->Wiederherstellung_Anbieten();
    EXPECT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_TRUE(Dateien().isEmpty()) << Dateien().join(u' ').toStdString();
}

TEST_F(SicherungTest, BeschaedigteKopieWirdGemeldetUndAufbewahrt)
{
    const QString Ordner = TSicherung::Standardordner();
    ASSERT_TRUE(QDir().mkpath(Ordner));
    const QString Pfad = QDir(Ordner).filePath(QStringLiteral("wiederherstellung-1.dat"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUADROLIS_TESTDATEN "/kaputt_anzahl.dat"), Pfad));
    const QByteArray Vorher = Inhalt(Pfad);

    auto Fenster = Fenster_Starten();
    Fenster->Wiederherstellung_Anbieten();

    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Fehler"));
    EXPECT_FALSE(QFile::exists(Pfad));
    const QStringList Beiseite = QDir(Ordner).entryList({QStringLiteral("beschaedigt-wiederherstellung-1-*.dat")});
    ASSERT_EQ(Beiseite.size(), 1);
    const QString Neu = QDir(Ordner).filePath(Beiseite.front());
    EXPECT_EQ(Inhalt(Neu), Vorher);
    const QString& Text = Dienste.Meldungen[0].Text;
    EXPECT_TRUE(Text.startsWith(QStringLiteral("Die Wiederherstellungsdatei ") + QDir::toNativeSeparators(Pfad)
                                + QStringLiteral(" ist beschädigt")))
        << Text.toStdString();
    EXPECT_TRUE(Text.contains(QStringLiteral("lengthPositionen")));
    EXPECT_TRUE(Text.endsWith(QDir::toNativeSeparators(Neu) + QStringLiteral(" erhalten.")));
    EXPECT_EQ(Fenster->Bestellung().Anzahl_Positionen(), 0);

    // Kept aside, it is not offered again, and the number is free for a new copy.
    auto Zweites = Fenster_Starten();
    Zweites->Wiederherstellung_Anbieten();
    EXPECT_EQ(Dienste.Meldungen.size(), 1u);
    Aendern_Und_Sichern(*Zweites);
    EXPECT_EQ(Zweites->Sicherung().Pfad(), Pfad);
    EXPECT_EQ(Inhalt(Neu), Vorher);
}

TEST_F(SicherungTest, ZweiLaufendeProgrammeHabenJeEineKopie)
{
    auto Erstes = Fenster_Starten();
    auto Zweites = Fenster_Starten();
    Aendern_Und_Sichern(*Erstes, QStringLiteral("Erstes"));
    Aendern_Und_Sichern(*Zweites, QStringLiteral("Zweites"));
    const QString Pfad1 = Erstes->Sicherung().Pfad();
    const QString Pfad2 = Zweites->Sicherung().Pfad();
    EXPECT_NE(Pfad1, Pfad2);
    EXPECT_TRUE(Inhalt(Pfad1).contains("Ansprechpartner=Erstes"));
    EXPECT_TRUE(Inhalt(Pfad2).contains("Ansprechpartner=Zweites"));

    // A third start leaves the copies of running programs alone.
    auto Drittes = Fenster_Starten();
    Drittes->Wiederherstellung_Anbieten();
    EXPECT_TRUE(Dienste.Meldungen.empty());
    Aendern_Und_Sichern(*Drittes, QStringLiteral("Drittes"));
    EXPECT_NE(Drittes->Sicherung().Pfad(), Pfad1);
    EXPECT_NE(Drittes->Sicherung().Pfad(), Pfad2);
    EXPECT_TRUE(Inhalt(Pfad1).contains("Ansprechpartner=Erstes"));

    // The second one ends cleanly, the first one dies: only the first is offered.
    Dienste.Wahlen = {1};
    Befehl(*Zweites, "Beenden1");
    EXPECT_FALSE(QFile::exists(Pfad2));
    Erstes.reset();
    auto Viertes = Fenster_Starten();
    Dienste.Antworten = {false};
    Viertes->Wiederherstellung_Anbieten();
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Meldungen[1].Art, QStringLiteral("Frage"));
    EXPECT_FALSE(QFile::exists(Pfad1));
    EXPECT_TRUE(Inhalt(Drittes->Sicherung().Pfad()).contains("Ansprechpartner=Drittes"));
}

// Links planted among the copies, to a file of the user, to nowhere, or in
// place of a lock, are reported, never followed and left as they are; the
// copy goes to a slot of its own, also when its slot turns into a link later.
TEST_F(SicherungTest, VerweiseImOrdnerWerdenGemeldetUndNieBeschrieben)
{
    const QDir Ordner(TSicherung::Standardordner());
    ASSERT_TRUE(QDir().mkpath(Ordner.path()));
    const QString Opfer = Ablagepfad(QStringLiteral("notiz.txt"));
    Schreiben(Opfer, "Notiz");
    const std::pair<QString, QString> Verweise[] = {
        {QStringLiteral("wiederherstellung-1.dat"), Opfer},
        {QStringLiteral("wiederherstellung-2.dat"), Ablagepfad(QStringLiteral("neu.txt"))},
        {QStringLiteral("wiederherstellung-3.lock"), Ablagepfad(QStringLiteral("sperre.txt"))},
    };
    for (const auto& [Name, Ziel] : Verweise)
        ASSERT_TRUE(QFile::link(Ziel, Ordner.filePath(Name)));

    auto Fenster = Fenster_Starten();
    Fenster->Wiederherstellung_Anbieten();
    Aendern_Und_Sichern(*Fenster);
    EXPECT_EQ(Fenster->Sicherung().Pfad(), Ordner.filePath(QStringLiteral("wiederherstellung-4.dat")));
    QStringList Texte;
    for (const auto& M : Dienste.Meldungen)
        Texte << M.Art + u':' + M.Text;
    ASSERT_EQ(Texte.size(), 3) << Texte.join(u'\n').toStdString();
    for (const auto& V : Verweise)
        EXPECT_EQ(Texte.filter(QStringLiteral("Informationen:")).filter(Ordner.filePath(V.first) + QStringLiteral("\" ist ein Verweis")).size(), 1)
            << Texte.join(u'\n').toStdString();

    // A link put in the place of the copy while the program runs.
    const QString Eigene = Fenster->Sicherung().Pfad();
    ASSERT_TRUE(QFile::remove(Eigene));
    ASSERT_TRUE(QFile::link(Opfer, Eigene));
    Tippen(Suchen<QLineEdit>(*Fenster, "Edit_Telefon"), QStringLiteral("0351"));
    Fenster->Sicherung().Jetzt_Schreiben();
    EXPECT_EQ(Fenster->Sicherung().Pfad(), Ordner.filePath(QStringLiteral("wiederherstellung-5.dat")));
    EXPECT_TRUE(Inhalt(Fenster->Sicherung().Pfad()).contains("Telefon=0351"));
    EXPECT_EQ(Dienste.Meldungen.size(), 4u);
    Fenster->Sicherung().Beenden();

    EXPECT_EQ(Inhalt(Opfer), "Notiz");
    EXPECT_FALSE(QFile::exists(Ablagepfad(QStringLiteral("neu.txt"))));
    EXPECT_FALSE(QFile::exists(Ablagepfad(QStringLiteral("sperre.txt"))));
    for (const QString& Name : {Verweise[0].first, Verweise[1].first, Verweise[2].first, QFileInfo(Eigene).fileName()})
        EXPECT_TRUE(QFileInfo(Ordner.filePath(Name)).isSymLink()) << Name.toStdString();
}

// The copy names the order's file absolutely; after a restore the first save
// writes there without a question only where no other file can be lost.
TEST_F(SicherungTest, WiederhergestellteBestellungUeberschreibtKeineFremdeDatei)
{
    const QString Kunde = Ablagepfad(QStringLiteral("kunde.dat"));
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Kunde, *std::make_unique<TBestellung>()));
    {
        // Opened by a name relative to the folder the program started in.
        const QString Vorher = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(Ablage.path()));
        auto Fenster = Fenster_Starten();
        EXPECT_TRUE(Fenster->Bestellung_Oeffnen(QStringLiteral("kunde.dat")));
        Aendern_Und_Sichern(*Fenster);
        QDir::setCurrent(Vorher);
        EXPECT_TRUE(Inhalt(Fenster->Sicherung().Pfad()).contains(("Filename=" + Kunde + "\r\n").toLocal8Bit()))
            << Inhalt(Fenster->Sicherung().Pfad()).toStdString();
        Fenster->Sicherung().Beenden();
    }

    const QString Notiz = Ablagepfad(QStringLiteral("notiz.txt"));
    Schreiben(Notiz, "Notiz");
    const struct
    {
        QString Gespeichert; // the name the copy holds
        bool Fragt;
    } Faelle[] = {
        {Notiz, true},
        {QStringLiteral("kunde.dat"), true},
        {Ablagepfad(QStringLiteral("neu.dat")), false},
    };
    const QString Kopie = QDir(TSicherung::Standardordner()).filePath(QStringLiteral("wiederherstellung-1.dat"));
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Gespeichert.toStdString());
        TBestellung Kaputt;
        Kaputt.Position_Anfuegen(Positionstyp::Freie);
        Kaputt.Filename = F.Gespeichert;
        TIniDatei Ini;
        Kaputt.Ini_Speichern(Ini);
        Schreiben(Kopie, Ini.Bytes());

        auto Fenster = Fenster_Starten();
        Dienste.Antworten = {true};
        Fenster->Wiederherstellung_Anbieten();
        Dienste.Dateiwahlen.clear();
        Dienste.Pfade = {QString()};
        Befehl(*Fenster, "Speichern1");
        ASSERT_EQ(Dienste.Dateiwahlen.size(), F.Fragt ? 1u : 0u);
        if (F.Fragt) {
            EXPECT_EQ(Dienste.Dateiwahlen[0].Vorschlag, F.Gespeichert);
            EXPECT_TRUE(Fenster->Ungesichert());
        } else {
            Dienste.Pfade.clear();
            EXPECT_TRUE(Bestelldatei::Ist_Bestelldatei(F.Gespeichert));
        }
        Fenster->Sicherung().Beenden();
    }
    EXPECT_EQ(Inhalt(Notiz), "Notiz");
    EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("kunde.dat"))));
}

// Two programs on one order file: a save over the other's asks first.
TEST_F(SicherungTest, ZweiProgrammeAufEinerDateiUeberschreibenSichNichtStillschweigend)
{
    const QString Name = Ablagepfad(QStringLiteral("auftrag.dat"));
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Name, *std::make_unique<TBestellung>()));
    auto Erstes = Fenster_Starten();
    auto Zweites = Fenster_Starten();
    ASSERT_TRUE(Erstes->Bestellung_Oeffnen(Name));
    ASSERT_TRUE(Zweites->Bestellung_Oeffnen(Name));
    const auto Telefon = [](TForm_Haupt& F, const QString& Text) {
        Suchen<QLineEdit>(F, "Edit_Telefon")->clear();
        Tippen(Suchen<QLineEdit>(F, "Edit_Telefon"), Text);
    };

    Telefon(*Zweites, QStringLiteral("222"));
    Befehl(*Zweites, "Speichern1");
    EXPECT_TRUE(Dienste.Meldungen.empty());

    // Abbrechen leaves the other's save; the other name keeps both.
    Telefon(*Erstes, QStringLiteral("111"));
    Dienste.Wahlen = {2, 1};
    Dienste.Pfade = {Ablagepfad(QStringLiteral("kopie.dat"))};
    Befehl(*Erstes, "Speichern1");
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Auswahl"));
    EXPECT_TRUE(Dienste.Meldungen[0].Text.startsWith(QStringLiteral("Die Datei ") + Name
                                                     + QStringLiteral(" wurde seit dem Öffnen oder letzten Speichern von "
                                                                      "einem anderen Programm geändert.")))
        << Dienste.Meldungen[0].Text.toStdString();
    EXPECT_EQ(Dienste.Auswahlknoepfe[0], QStringList({QStringLiteral("Trotzdem speichern"),
                                                      QStringLiteral("Unter anderem Namen speichern"),
                                                      QStringLiteral("Abbrechen")}));
    EXPECT_TRUE(Inhalt(Name).contains("Telefon=222"));
    Befehl(*Erstes, "Speichern1");
    EXPECT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Dateiwahlen.back().Vorschlag, Name);
    EXPECT_TRUE(Inhalt(Name).contains("Telefon=222"));
    EXPECT_TRUE(Inhalt(Ablagepfad(QStringLiteral("kopie.dat"))).contains("Telefon=111"));

    // Trotzdem speichern writes; the next save, with nobody between, asks nothing.
    Schreiben(Name, Inhalt(Name).replace("Telefon=222", "Telefon=333"));
    Telefon(*Zweites, QStringLiteral("444"));
    Dienste.Wahlen = {0};
    Befehl(*Zweites, "Speichern1");
    EXPECT_EQ(Dienste.Meldungen.size(), 3u);
    EXPECT_TRUE(Inhalt(Name).contains("Telefon=444"));
    Telefon(*Zweites, QStringLiteral("555"));
    Befehl(*Zweites, "Speichern1");
    EXPECT_EQ(Dienste.Meldungen.size(), 3u);
    EXPECT_TRUE(Inhalt(Name).contains("Telefon=555"));
}

} // namespace

