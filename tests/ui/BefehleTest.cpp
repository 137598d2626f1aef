#include "Hauptfenster_Testhilfen.h"

#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "ui/main/TForm_Haupt.h"
#include "Testdateien.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Hauptfenster_Test;

namespace {

const QString Filter_Bestellung = QStringLiteral("Bestellung (*.dat);;Alle (*)");
const QString Frage_Sichern = QStringLiteral(
    "Die Bestellung \"Unbenannt\" hat ungesicherte Änderungen.\n\nSollen die Änderungen gespeichert werden?");

class BefehleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Ordner.isValid());
        Fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    }

    template <class T>
    T* S(const char* Name)
    {
        return Suchen<T>(Fenster, Name);
    }
    void Befehl(const char* Name) { S<QAction>(Name)->trigger(); }
    void Neu(const QString& Text) { Eintrag_Waehlen(S<QComboBox>("CBC_Haupt_NeuePos"), Text); }
    QString Pfad(const QString& Name) const { return Ordner.filePath(Name); }
    TBestellung& B() { return Fenster.Bestellung(); }

    QTemporaryDir Ordner;
    TTestdienste Dienste;
    TForm_Haupt Fenster;
};

// ------------------------------------------------------------ saving

TEST_F(BefehleTest, SpeichernUnterHaengtDatAn)
{
    const struct
    {
        QString Gewaehlt;
        QString Gespeichert;
    } Faelle[] = {
        {QStringLiteral("ohne"), QStringLiteral("ohne.dat")},
        {QStringLiteral("gross.DAT"), QStringLiteral("gross.DAT.dat")},
        {QStringLiteral("text.txt"), QStringLiteral("text.txt.dat")},
        {QStringLiteral("schon.dat"), QStringLiteral("schon.dat")},
    };
    Neu(QStringLiteral("Fenster"));
    for (const auto& Fall : Faelle) {
        Dienste.Pfade = {Pfad(Fall.Gewaehlt)};
        Befehl("Speichernunter1");
        EXPECT_TRUE(QFile::exists(Pfad(Fall.Gespeichert))) << Fall.Gespeichert.toStdString();
        EXPECT_EQ(B().Filename, Pfad(Fall.Gespeichert));
    }
    EXPECT_FALSE(QFile::exists(Pfad(QStringLiteral("ohne"))));
    EXPECT_TRUE(Dienste.Meldungen.empty());

    ASSERT_FALSE(Dienste.Dateiwahlen.empty());
    const TDienste::TDateiwahl& Wahl = Dienste.Dateiwahlen.front();
    EXPECT_EQ(Wahl.Titel, QStringLiteral("Bestellung speichern unter"));
    EXPECT_EQ(Wahl.Filter, Filter_Bestellung);
    EXPECT_EQ(Wahl.Endung, QStringLiteral("dat"));
    EXPECT_EQ(Wahl.Vorschlag, QStringLiteral("Bestellung_") + Heute());
}

TEST_F(BefehleTest, ZweitesSpeichernFragtNichtMehr)
{
    Neu(QStringLiteral("Fenster"));
    Dienste.Pfade = {Pfad(QStringLiteral("auftrag"))};
    Befehl("Speichern1");
    ASSERT_EQ(Dienste.Dateiwahlen.size(), 1u);
    EXPECT_EQ(Dienste.Dateiwahlen[0].Vorschlag, QStringLiteral("Bestellung_") + Heute());

    Neu(QStringLiteral("Freie Position"));
    Befehl("Speichern1");
    EXPECT_EQ(Dienste.Dateiwahlen.size(), 1u);
    TBestellung Gelesen;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad(QStringLiteral("auftrag.dat")), Gelesen));
    EXPECT_EQ(Gelesen.Anzahl_Positionen(), 2);
}

TEST_F(BefehleTest, AbgebrochenesSpeichernAendertNichts)
{
    Dienste.Pfade = {QString()};
    Befehl("Speichernunter1");
    EXPECT_TRUE(B().Filename.isEmpty());
    EXPECT_TRUE(QDir(Ordner.path()).isEmpty());
}

TEST_F(BefehleTest, FehlgeschlagenesSpeichernMeldetUndLaesstDieAlteDatei)
{
    Neu(QStringLiteral("Fenster"));
    Dienste.Pfade = {Pfad(QStringLiteral("alt.dat"))};
    Befehl("Speichernunter1");
    const QByteArray Vorher = Inhalt(Pfad(QStringLiteral("alt.dat")));
    ASSERT_FALSE(Vorher.isEmpty());

    // A text that the file's encoding cannot hold makes the write fail.
    B().Ansprechpartner = QStringLiteral("\u4E2D");
    Befehl("Speichern1");
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Fehler"));
    const QString Erwartet = QStringLiteral("Fehler beim Speichern von ") + Pfad(QStringLiteral("alt.dat")) + u'\n';
    EXPECT_TRUE(Dienste.Meldungen[0].Text.startsWith(Erwartet)) << Dienste.Meldungen[0].Text.toStdString();
    EXPECT_GT(Dienste.Meldungen[0].Text.size(), Erwartet.size());
    EXPECT_EQ(Inhalt(Pfad(QStringLiteral("alt.dat"))), Vorher);

    // Save as into a folder that does not exist keeps the earlier name.
    B().Ansprechpartner.clear();
    const QString Unmoeglich = Pfad(QStringLiteral("fehlt/neu.dat"));
    Dienste.Pfade = {Unmoeglich};
    Befehl("Speichernunter1");
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_TRUE(Dienste.Meldungen[1].Text.startsWith(QStringLiteral("Fehler beim Speichern von ") + Unmoeglich));
    EXPECT_EQ(B().Filename, Pfad(QStringLiteral("alt.dat")));
    // The system's reason is German too, whatever the locale of the machine.
    EXPECT_TRUE(Dienste.Meldungen[1].Text.endsWith(QStringLiteral("\nDer Ordner für \"%1\" existiert nicht.").arg(Unmoeglich)))
        << Dienste.Meldungen[1].Text.toStdString();
}

// ------------------------------------------------------------ opening

TEST_F(BefehleTest, OeffnenZeigtAlleKopfdatenDerDatei)
{
    TBestellung Datei;
    Datei.Datum = QStringLiteral("2024-03-01");
    Datei.Ansprechpartner = QStringLiteral("Herr Öztürk");
    Datei.Telefon = QStringLiteral("0301234");
    Datei.Rechnungsempfaenger = QStringLiteral("Bau GmbH");
    Datei.Bauvorhaben = QStringLiteral("Schule");
    Datei.Bemerkungen = QStringLiteral("Lieferung Juni");
    Datei.Rabatt = 7;
    Datei.RabattChecked = true;
    Datei.Position_Anfuegen(Positionstyp::Fenster);
    Datei.Position_Anfuegen(Positionstyp::Freie);
    const QString Name = Pfad(QStringLiteral("kunde.dat"));
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Name, Datei));

    for (const char* Feld : {"Edit_Datum", "Edit_Ansprechpartner", "Edit_Telefon", "Edit_Rechnungsempfaenger",
                             "Edit_Bauvorhaben", "Edit_Bemerkungen"})
        QTest::keyClicks(S<QLineEdit>(Feld), QStringLiteral("alt"));
    // The typed header is unsaved: opening asks first.
    Dienste.Wahlen = {1};
    Dienste.Pfade = {Name};
    Befehl("Oeffnen1");

    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Auswahl"));
    EXPECT_EQ(Dienste.Meldungen[0].Text, Frage_Sichern);
    EXPECT_EQ(S<QLineEdit>("Edit_Datum")->text(), QStringLiteral("2024-03-01"));
    EXPECT_EQ(S<QLineEdit>("Edit_Ansprechpartner")->text(), QStringLiteral("Herr Öztürk"));
    EXPECT_EQ(S<QLineEdit>("Edit_Telefon")->text(), QStringLiteral("0301234"));
    EXPECT_EQ(S<QLineEdit>("Edit_Rechnungsempfaenger")->text(), QStringLiteral("Bau GmbH"));
    EXPECT_EQ(S<QLineEdit>("Edit_Bauvorhaben")->text(), QStringLiteral("Schule"));
    EXPECT_EQ(S<QLineEdit>("Edit_Bemerkungen")->text(), QStringLiteral("Lieferung Juni"));
    EXPECT_EQ(B().Ansprechpartner, QStringLiteral("Herr Öztürk"));
    EXPECT_EQ(S<QLineEdit>("Edit_Rabatt")->text(), QStringLiteral("7"));
    EXPECT_TRUE(S<QLineEdit>("Edit_Rabatt")->isVisibleTo(&Fenster));
    EXPECT_EQ(S<QTableView>("StringGrid1")->model()->rowCount(), 2);
    EXPECT_EQ(B().Filename, Name);

    ASSERT_EQ(Dienste.Dateiwahlen.size(), 1u);
    EXPECT_EQ(Dienste.Dateiwahlen[0].Filter, Filter_Bestellung);
    EXPECT_EQ(Dienste.Dateiwahlen[0].Endung, QStringLiteral("dat"));
    EXPECT_TRUE(Dienste.Dateiwahlen[0].Vorschlag.isEmpty());

    // The next open dialog starts at the file just opened, without a question
    // since nothing changed; cancelling keeps everything.
    Dienste.Pfade = {QString()};
    Befehl("Oeffnen1");
    EXPECT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Dateiwahlen[1].Vorschlag, Name);
    EXPECT_EQ(B().Filename, Name);
    EXPECT_EQ(B().Anzahl_Positionen(), 2);
}

TEST_F(BefehleTest, BeschaedigteDateiBehaeltDieBestellung)
{
    TBestellung Datei;
    Datei.Position_Anfuegen(Positionstyp::Fenster);
    const QString Name = Pfad(QStringLiteral("kaputt.dat"));
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Name, Datei));
    QByteArray Text = Inhalt(Name);
    ASSERT_TRUE(Text.contains("Positionstyp=1"));
    Text.replace("Positionstyp=1", "Positionstyp=2");
    {
        QFile F(Name);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write(Text);
    }

    Neu(QStringLiteral("Freie Position"));
    QTest::keyClicks(S<QLineEdit>("Edit_Bauvorhaben"), QStringLiteral("Halle"));
    Dienste.Wahlen = {1};
    Dienste.Pfade = {Name};
    Befehl("Oeffnen1");

    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Meldungen[0].Text, Frage_Sichern);
    EXPECT_EQ(Dienste.Meldungen[1].Art, QStringLiteral("Fehler"));
    const QString Kopf = QStringLiteral("Fehler beim Öffnen von ") + Name + u'\n';
    EXPECT_TRUE(Dienste.Meldungen[1].Text.startsWith(Kopf)) << Dienste.Meldungen[1].Text.toStdString();
    EXPECT_TRUE(Dienste.Meldungen[1].Text.contains(QStringLiteral("Positionstyp")));
    EXPECT_EQ(B().Anzahl_Positionen(), 1);
    EXPECT_EQ(B().Eintrag(0).Positionstyp(), Positionstyp::Freie);
    EXPECT_EQ(B().Bauvorhaben, QStringLiteral("Halle"));
    EXPECT_EQ(S<QLineEdit>("Edit_Bauvorhaben")->text(), QStringLiteral("Halle"));
    EXPECT_TRUE(B().Filename.isEmpty());

    // The order kept is still unsaved; Abbrechen does not even show the dialog.
    Dienste.Wahlen = {2};
    Befehl("Oeffnen1");
    EXPECT_EQ(Dienste.Meldungen.size(), 3u);
    EXPECT_EQ(Dienste.Dateiwahlen.size(), 1u);
    Dienste.Wahlen = {1};
    Dienste.Pfade = {Pfad(QStringLiteral("gibtsnicht.dat"))};
    Befehl("Oeffnen1");
    ASSERT_EQ(Dienste.Meldungen.size(), 5u);
    EXPECT_TRUE(Dienste.Meldungen[4].Text.startsWith(QStringLiteral("Fehler beim Öffnen von ")
                                                      + Pfad(QStringLiteral("gibtsnicht.dat"))));
}

// ------------------------------------------------------------ new and exit

TEST_F(BefehleTest, NeuMitAbbrechenBehaeltDieBestellung)
{
    Neu(QStringLiteral("Fenster"));
    Neu(QStringLiteral("Jetzt im Angebot: Aidol-Induline Pflegebalsam"));
    QTest::keyClicks(S<QLineEdit>("Edit_Telefon"), QStringLiteral("089"));
    Dienste.Wahlen = {2};
    Befehl("Neu1");
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Text, Frage_Sichern);
    EXPECT_EQ(B().Anzahl_Positionen(), 2);
    EXPECT_EQ(B().Telefon, QStringLiteral("089"));

    B().Filename = Pfad(QStringLiteral("x.dat"));
    B().Datum = QStringLiteral("gestern");
    Dienste.Wahlen = {1};
    Befehl("Neu1");
    EXPECT_EQ(B().Anzahl_Positionen(), 0);
    EXPECT_TRUE(B().Telefon.isEmpty());
    EXPECT_TRUE(B().Filename.isEmpty());
    EXPECT_EQ(S<QLineEdit>("Edit_Telefon")->text(), QString());
    EXPECT_EQ(S<QLineEdit>("Edit_Datum")->text(), Heute());
    EXPECT_FALSE(S<QTableView>("StringGrid1")->isVisibleTo(&Fenster));
    EXPECT_EQ(S<QComboBox>("CBC_Haupt_NeuePos")->count(), 8);
}

// Quitting, by the menu or the title bar, asks only while something would be lost.
TEST_F(BefehleTest, BeendenFragtNurBeiAenderungen)
{
    QSignalSpy Geschlossen(&Fenster, &TForm_Haupt::Geschlossen);
    Neu(QStringLiteral("Fenster"));
    Dienste.Wahlen = {2, 2};
    Befehl("Beenden1");
    Fenster.close();
    EXPECT_TRUE(Fenster.isVisible());
    EXPECT_EQ(Geschlossen.count(), 0);
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);

    // Speichern runs the save dialog; cancelling it keeps the program running.
    Dienste.Wahlen = {0};
    Dienste.Pfade = {QString()};
    Befehl("Beenden1");
    EXPECT_TRUE(Fenster.isVisible());

    Dienste.Wahlen = {0};
    Dienste.Pfade = {Pfad(QStringLiteral("ende"))};
    Befehl("Beenden1");
    EXPECT_FALSE(Fenster.isVisible());
    EXPECT_EQ(Geschlossen.count(), 1);
    EXPECT_TRUE(QFile::exists(Pfad(QStringLiteral("ende.dat"))));
    ASSERT_EQ(Dienste.Meldungen.size(), 4u) << "asked once, not again on closing";

    // Saved, or undone back to the saved state: no question.
    Fenster.show();
    Neu(QStringLiteral("Fenster"));
    Befehl("Rueckgaengig1");
    EXPECT_FALSE(Fenster.Ungesichert());
    Befehl("Beenden1");
    EXPECT_FALSE(Fenster.isVisible());
    EXPECT_EQ(Dienste.Meldungen.size(), 4u);
}

// ------------------------------------------------------------ order sheet

TEST_F(BefehleTest, BestellblattWirdGeschriebenUndGeoeffnet)
{
    EXPECT_FALSE(S<QPushButton>("Button_Bestellblatt")->isEnabled());
    Neu(QStringLiteral("Fenster"));
    Dienste.Pfade = {Pfad(QStringLiteral("blatt"))};
    QTest::mouseClick(S<QPushButton>("Button_Bestellblatt"), Qt::LeftButton);

    const QString Name = Pfad(QStringLiteral("blatt.htm"));
    EXPECT_TRUE(QFile::exists(Name));
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Informationen"));
    EXPECT_EQ(Dienste.Meldungen[0].Text,
              Name + QStringLiteral(" gespeichert! Sie können das Bestellblatt nun öffnen, ausdrucken und "
                                    "zurückfaxen oder einfach per e-Mail zurücksenden!"));
    ASSERT_EQ(Dienste.Geoeffnet.size(), 1u);
    EXPECT_EQ(Dienste.Geoeffnet[0], QUrl::fromLocalFile(Name));
    ASSERT_EQ(Dienste.Dateiwahlen.size(), 1u);
    EXPECT_EQ(Dienste.Dateiwahlen[0].Titel, QStringLiteral("Bestellblatt speichern unter"));
    EXPECT_EQ(Dienste.Dateiwahlen[0].Filter, QStringLiteral("Bestellblatt (*.htm);;Alle (*)"));
    EXPECT_EQ(Dienste.Dateiwahlen[0].Endung, QStringLiteral("htm"));
    EXPECT_EQ(Dienste.Dateiwahlen[0].Vorschlag, QStringLiteral("Bestellblatt_") + Heute());

    const QString Unmoeglich = Pfad(QStringLiteral("fehlt/blatt.htm"));
    Dienste.Pfade = {Unmoeglich};
    QTest::mouseClick(S<QPushButton>("Button_Bestellblatt"), Qt::LeftButton);
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Meldungen[1].Art, QStringLiteral("Fehler"));
    EXPECT_TRUE(Dienste.Meldungen[1].Text.startsWith(QStringLiteral("Fehler beim Speichern von ") + Unmoeglich));
    EXPECT_EQ(Dienste.Geoeffnet.size(), 1u);
}

} // namespace
