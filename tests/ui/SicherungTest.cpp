#include "Hauptfenster_Testhilfen.h"

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
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(Fenster.Sicherung().Pfad()); }, 3000));
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
    Dienste.Sichern_Antworten = {TDienste::TSichern::Abbrechen};
    Befehl(*Fenster, "Neu1");
    EXPECT_TRUE(QFile::exists(Pfad));
    Dienste.Sichern_Antworten = {TDienste::TSichern::Nicht_Speichern};
    Befehl(*Fenster, "Neu1");
    EXPECT_FALSE(QFile::exists(Pfad));

    // Beenden: Abbrechen keeps it, OK is the clean exit that removes it with its lock.
    Neu(*Fenster, QStringLiteral("Fenster"));
    Fenster->Sicherung().Jetzt_Schreiben();
    ASSERT_TRUE(QFile::exists(Pfad));
    Dienste.Sichern_Antworten = {TDienste::TSichern::Abbrechen};
    Befehl(*Fenster, "Beenden1");
    EXPECT_TRUE(QFile::exists(Pfad));
    Dienste.Sichern_Antworten = {TDienste::TSichern::Nicht_Speichern};
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
    Dienste.Sichern_Antworten = {TDienste::TSichern::Nicht_Speichern};
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

    auto Fenster = Fenster_Starten();
    Dienste.Antworten = {true};
    Fenster->Wiederherstellung_Anbieten();

    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Frage"));
    const QString& Text = Dienste.Meldungen[0].Text;
    const QDateTime Zeit = QFileInfo(Pfad).lastModified();
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
    Dienste.Sichern_Antworten = {TDienste::TSichern::Nicht_Speichern};
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

} // namespace
