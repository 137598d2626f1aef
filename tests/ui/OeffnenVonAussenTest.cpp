#include "Hauptfenster_Testhilfen.h"

#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "order/TPositionseintrag.h"
#include "ui/main/TProgrammfenster.h"
#include "ui/main/TForm_Haupt.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>

using namespace Hauptfenster_Test;

namespace {

const QString Frage_Oeffnen = QStringLiteral(
    "Die Bestellung \"Unbenannt\" hat ungesicherte Änderungen.\n\nSollen die Änderungen gespeichert werden?");
const QString Gold = QStringLiteral(QUADROLIS_TESTDATEN "/bestellblatt_gold.dat");
const QString Kaputt = QStringLiteral(QUADROLIS_TESTDATEN "/kaputt_anzahl.dat");

// The start with an order file on the command line, as main passes it.
class KommandozeileTest : public ::testing::Test
{
protected:
    TTestdienste Dienste;
    TProgrammfenster Anwendung;
    TBestellung& B() { return Anwendung.Hauptfenster().Bestellung(); }
};

TEST_F(KommandozeileTest, GueltigeDateiIstGeoeffnet)
{
    Anwendung.Starten(Gold);
    EXPECT_TRUE(Dienste.Meldungen.empty());
    EXPECT_EQ(B().Filename, Gold);
    EXPECT_EQ(B().Anzahl_Positionen(), 4);
    EXPECT_FALSE(Anwendung.Hauptfenster().Ungesichert());
    EXPECT_EQ(Suchen<QTableView>(Anwendung.Hauptfenster(), "StringGrid1")->model()->rowCount(), 4);
}

TEST_F(KommandozeileTest, FehlendeOderBeschaedigteDateiMeldetUndLaesstDieBestellungLeer)
{
    for (const QString& Name : {QStringLiteral("/gibt/es/nicht.dat"), Kaputt}) {
        Dienste.Meldungen.clear();
        Anwendung.Starten(Name);
        ASSERT_EQ(Dienste.Meldungen.size(), 1u) << Name.toStdString();
        EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Fehler"));
        EXPECT_TRUE(Dienste.Meldungen[0].Text.startsWith(QStringLiteral("Fehler beim Öffnen von ") + Name + u'\n'))
            << Dienste.Meldungen[0].Text.toStdString();
        EXPECT_EQ(B().Anzahl_Positionen(), 0);
        EXPECT_TRUE(B().Filename.isEmpty());
    }
}

// Dropping files from a file manager onto the main window.
class AblegenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    }

    // Drags the files over Ziel and drops them there; true when the window took the drag.
    bool Ablegen(QWidget* Ziel, const QList<QUrl>& Adressen)
    {
        QMimeData Daten;
        Daten.setUrls(Adressen);
        Daten.setText(Adressen.isEmpty() ? QString() : Adressen.front().toString());
        const QPoint Punkt = Ziel->rect().center();
        QDragEnterEvent Betreten(Punkt, Qt::CopyAction, &Daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Ziel, &Betreten);
        if (!Betreten.isAccepted())
            return false;
        QDropEvent Ablage(QPointF(Punkt), Qt::CopyAction, &Daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Ziel, &Ablage);
        QCoreApplication::processEvents();
        return Ablage.isAccepted();
    }
    QLineEdit* Edit(const char* Name) { return Suchen<QLineEdit>(Fenster, Name); }
    TBestellung& B() { return Fenster.Bestellung(); }

    TTestdienste Dienste;
    TForm_Haupt Fenster;
};

TEST_F(AblegenTest, GueltigeDateiWirdGeoeffnetAuchUeberEinemEingabefeld)
{
    EXPECT_TRUE(Ablegen(Edit("Edit_Bauvorhaben"), {QUrl::fromLocalFile(Gold)}));
    EXPECT_TRUE(Dienste.Meldungen.empty());
    EXPECT_EQ(B().Filename, Gold);
    EXPECT_EQ(B().Anzahl_Positionen(), 4);
    // The file's own header, not the dropped name typed into the field.
    EXPECT_FALSE(B().Bauvorhaben.contains(QStringLiteral("bestellblatt_gold")));
    EXPECT_EQ(Edit("Edit_Bauvorhaben")->text(), B().Bauvorhaben);
}

TEST_F(AblegenTest, OhneLokaleDateiWirdNichtsAngenommen)
{
    EXPECT_FALSE(Ablegen(&Fenster, {QUrl(QStringLiteral("https://example.org/a.dat"))}));
    EXPECT_FALSE(Ablegen(&Fenster, {}));
    EXPECT_TRUE(Dienste.Meldungen.empty());
}

TEST_F(AblegenTest, BeschaedigteDateiMeldetUndBehaeltDieBestellung)
{
    Eintrag_Waehlen(Suchen<QComboBox>(Fenster, "CBC_Haupt_NeuePos"), QStringLiteral("Fenster"));
    Dienste.Wahlen = {1};
    EXPECT_TRUE(Ablegen(&Fenster, {QUrl::fromLocalFile(Kaputt)}));
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Meldungen[0].Text, Frage_Oeffnen);
    EXPECT_EQ(Dienste.Meldungen[1].Art, QStringLiteral("Fehler"));
    EXPECT_TRUE(Dienste.Meldungen[1].Text.startsWith(QStringLiteral("Fehler beim Öffnen von ") + Kaputt));
    EXPECT_EQ(B().Anzahl_Positionen(), 1);
    EXPECT_TRUE(Fenster.Ungesichert());
}

TEST_F(AblegenTest, UngesicherteBestellungFragtWieOeffnen)
{
    Eintrag_Waehlen(Suchen<QComboBox>(Fenster, "CBC_Haupt_NeuePos"), QStringLiteral("Freie Position"));
    Tippen(Edit("Edit_Telefon"), QStringLiteral("0351"));

    Dienste.Wahlen = {2};
    Ablegen(&Fenster, {QUrl::fromLocalFile(Gold)});
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Auswahl"));
    EXPECT_EQ(Dienste.Meldungen[0].Text, Frage_Oeffnen);
    EXPECT_EQ(B().Anzahl_Positionen(), 1);
    EXPECT_EQ(B().Telefon, QStringLiteral("0351"));
    EXPECT_TRUE(B().Filename.isEmpty());

    Dienste.Wahlen = {1};
    Ablegen(&Fenster, {QUrl::fromLocalFile(Gold)});
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Meldungen[1].Text, Frage_Oeffnen);
    EXPECT_EQ(B().Filename, Gold);
    EXPECT_EQ(B().Anzahl_Positionen(), 4);
    EXPECT_FALSE(Fenster.Ungesichert());

    // The order just opened is unchanged: the next drop does not ask.
    Ablegen(&Fenster, {QUrl::fromLocalFile(Gold)});
    EXPECT_EQ(Dienste.Meldungen.size(), 2u);
}

} // namespace
