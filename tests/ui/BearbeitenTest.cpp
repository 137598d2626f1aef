#include "Hauptfenster_Testhilfen.h"

#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "ui/main/TProgrammfenster.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/main/Zwischenablage.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>

using namespace Hauptfenster_Test;

namespace {

QByteArray Dateitext(const TBestellung& Bestellung)
{
    QByteArray Text;
    EXPECT_TRUE(Bestelldatei::Bytes_Erzeugen(Bestellung, Text));
    return Text;
}

// The Bearbeiten menu, the editor's Abbrechen and the clipboard in the whole program.
class BearbeitenTest : public ::testing::Test
{
protected:
    void SetUp() override { Anwendung.Starten(); }

    TForm_Haupt& Haupt() { return Anwendung.Hauptfenster(); }
    TBestellung& B() { return Haupt().Bestellung(); }
    QTableView* Raster() { return Suchen<QTableView>(Haupt(), "StringGrid1"); }
    QAction* Aktion(const char* Name) { return Suchen<QAction>(Haupt(), Name); }
    QByteArray Datei() const { return Dateitext(const_cast<BearbeitenTest*>(this)->B()); }
    QWidget* Editor()
    {
        for (const auto& F : Anwendung.Fenster())
            if (qstrcmp(F->metaObject()->className(), "TForm_Positionen") == 0)
                return F.get();
        throw std::runtime_error("kein Editor");
    }
    void Anlegen(const QStringList& Arten)
    {
        for (const QString& Art : Arten)
            Eintrag_Waehlen(Suchen<QComboBox>(Haupt(), "CBC_Haupt_NeuePos"), Art);
    }
    void Bearbeiten(int Zeile)
    {
        Zeile_Anklicken(Raster(), Zeile);
        QTest::mouseClick(Suchen<QPushButton>(Haupt(), "Button_Position_Bearbeiten"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Editor()));
    }

    TTestdienste Dienste;
    TProgrammfenster Anwendung;
};

} // namespace

// Each command is one step named in German; undo gives back the very file, redo the later one.
TEST_F(BearbeitenTest, JederBefehlIstEinBenannterSchritt)
{
    const QByteArray Leer = Datei();
    Anlegen({QStringLiteral("Fenster"), QStringLiteral("Freie Position")});
    Bearbeiten(0);
    Eintrag_Waehlen(Suchen<QComboBox>(*Editor(), "CBC_Holz"), QStringLiteral("Fichte"));
    QTest::mouseClick(Suchen<QPushButton>(*Editor(), "BitBtn1"), Qt::LeftButton);
    const QByteArray Holz = Datei();
    QTest::keyClicks(Suchen<QLineEdit>(Haupt(), "Edit_Telefon"), QStringLiteral("0351"));
    Zeile_Anklicken(Raster(), 1);
    QTest::mouseClick(Suchen<QPushButton>(Haupt(), "Button_Position_Loeschen"), Qt::LeftButton);
    EXPECT_EQ(Haupt().statusBar()->currentMessage(), QStringLiteral("Pos. 2 gelöscht – Strg+Z stellt sie wieder her"));
    const QByteArray Ende = Datei();

    const struct
    {
        const char* Rueckgaengig;
        int Zeile;
    } Schritte[] = {
        {"&Rückgängig: Pos. 2 gelöscht", 1},
        {"&Rückgängig: Telefon", 0},
        {"&Rückgängig: Holzart von Pos. 1", 0},
        {"&Rückgängig: Neue Position „Freie Position“", 0},
        {"&Rückgängig: Neue Position „Fenster“", 0},
    };
    for (const auto& Schritt : Schritte) {
        EXPECT_EQ(Aktion("Rueckgaengig1")->text(), QString::fromUtf8(Schritt.Rueckgaengig));
        QTest::keyClick(Raster(), Qt::Key_Z, Qt::ControlModifier);
        if (B().Anzahl_Positionen() > 0) {
            EXPECT_EQ(Haupt().Ausgewaehlte_Zeile(), Schritt.Zeile) << Schritt.Rueckgaengig;
        }
        if (QByteArray(Schritt.Rueckgaengig).contains("Holzart")) {
            EXPECT_NE(Datei(), Holz);
        }
    }
    EXPECT_EQ(Datei(), Leer);
    EXPECT_FALSE(Aktion("Rueckgaengig1")->isEnabled());
    EXPECT_FALSE(Haupt().Ungesichert()) << "undone back to the state begun with";
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(Raster(), i % 2 ? Qt::Key_Y : Qt::Key_Z, i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Datei(), Ende);
    EXPECT_TRUE(Haupt().windowTitle().startsWith(QStringLiteral("Unbenannt[*]")));
    EXPECT_TRUE(Haupt().isWindowModified());
}

// Abbrechen after many edits, the special colour's position among them, leaves the order as it was.
TEST_F(BearbeitenTest, AbbrechenImEditorStelltDiePositionWiederHer)
{
    Anlegen({QStringLiteral("Freie Position"), QStringLiteral("Fenster"), QStringLiteral("Fenster")});
    const QByteArray Vorher = Datei();
    const int Schritte = Haupt().Verlauf().Stapel().count();
    Bearbeiten(2);
    Eintrag_Waehlen(Suchen<QComboBox>(*Editor(), "CBC_Holz"), QStringLiteral("Fichte"));
    QTest::mouseClick(Suchen<QCheckBox>(*Editor(), "CheckBox_Sonderfarbe"), Qt::LeftButton);
    ASSERT_TRUE(B().Typ_Vorhanden(Positionstyp::Sonderfarbe));
    auto* Breite = Suchen<QLineEdit>(*Editor(), "EditA_Breite");
    Breite->selectAll();
    QTest::keyClicks(Breite, QStringLiteral("1500"));
    QTest::keyClick(Breite, Qt::Key_Tab);
    ASSERT_NE(Datei(), Vorher);
    EXPECT_EQ(Haupt().Verlauf().Stapel().count(), Schritte + 1) << "one step for the editing session";

    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_EQ(Datei(), Vorher);
    EXPECT_EQ(Raster()->model()->rowCount(), 3);

    // OK keeps what was done.
    Bearbeiten(1);
    Eintrag_Waehlen(Suchen<QComboBox>(*Editor(), "CBC_Holz"), QStringLiteral("Fichte"));
    QTest::mouseClick(Suchen<QPushButton>(*Editor(), "BitBtn1"), Qt::LeftButton);
    EXPECT_NE(Datei(), Vorher);
}

// Positions travel between two programs' orders; damaged clipboard content is refused.
TEST_F(BearbeitenTest, KopierenUndEinfuegenZwischenBestellungen)
{
    Anlegen({QStringLiteral("Fenster"), QStringLiteral("Freie Position"), QStringLiteral("Zulage m2")});
    B().Eintrag(2).Als<TPosition_Freie_Zulage_M2>()->Bez = QStringLiteral("Bank");
    Zeile_Anklicken(Raster(), 0);
    QTest::mouseClick(Raster()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      Raster()->visualRect(Raster()->model()->index(2, 0)).center());
    EXPECT_EQ(Haupt().Markierte_Zeilen(), (std::vector<int>{0, 2}));
    Aktion("Kopieren1")->trigger();
    const QMimeData* Daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(Zwischenablage::Enthaelt_Positionen(Daten));
    EXPECT_TRUE(Daten->text().startsWith(QStringLiteral("Pos.\tBez.\tStück\tBeschreibung\tEinzelpreis\tGesamtpreis\n1\t")));
    EXPECT_TRUE(Daten->text().contains(QStringLiteral("\n3\tBank\t1\t")));

    TForm_Haupt Anderes;
    QAbstractItemModelTester Pruefer(Suchen<QTableView>(Anderes, "StringGrid1")->model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    Suchen<QAction>(Anderes, "Einfuegen1")->trigger();
    Suchen<QAction>(Anderes, "Einfuegen1")->trigger();
    ASSERT_EQ(Anderes.Bestellung().Anzahl_Positionen(), 4);
    EXPECT_EQ(Anderes.Bestellung().Eintrag(1).Bez(), QStringLiteral("Bank"));
    EXPECT_EQ(Anderes.Markierte_Zeilen(), (std::vector<int>{2, 3})) << "the pasted positions are selected";
    Suchen<QAction>(Anderes, "Rueckgaengig1")->trigger();
    EXPECT_EQ(Anderes.Bestellung().Anzahl_Positionen(), 2);

    // Cut: copied and gone, back with undo.
    Aktion("Ausschneiden1")->trigger();
    EXPECT_EQ(B().Anzahl_Positionen(), 1);
    Aktion("Rueckgaengig1")->trigger();
    EXPECT_EQ(B().Anzahl_Positionen(), 3);

    const QByteArray Vorher = Dateitext(Anderes.Bestellung());
    for (const QByteArray& Kaputt : {QByteArray("[Version]\r\nInfo=1.2\r\n"),
                                     QByteArray("[Bestellung]\r\nlengthPositionen=1\r\n"),
                                     QByteArray("[Bestellung]\r\nlengthPositionen=1\r\n[Bestellung/Positionen0]\r\nPositionstyp=2\r\n")}) {
        auto* Falsch = new QMimeData;
        Falsch->setData(Zwischenablage::Mimetyp, Kaputt);
        QGuiApplication::clipboard()->setMimeData(Falsch);
        Suchen<QAction>(Anderes, "Einfuegen1")->trigger();
        ASSERT_FALSE(Dienste.Meldungen.empty());
        EXPECT_EQ(Dienste.Meldungen.back().Art, QStringLiteral("Fehler"));
        EXPECT_EQ(Dateitext(Anderes.Bestellung()), Vorher);
    }
}

TEST_F(BearbeitenTest, DuplizierenSetztDieKopieDarunterUndWaehltSie)
{
    QAbstractItemModelTester Pruefer(Raster()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    Anlegen({QStringLiteral("Fenster"), QStringLiteral("Freie Position")});
    Zeile_Anklicken(Raster(), 0);
    QTest::keyClick(Raster(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(B().Anzahl_Positionen(), 3);
    EXPECT_EQ(B().Eintrag(1).Positionstyp(), Positionstyp::Fenster);
    EXPECT_NE(B().Eintrag(1).Als<TPosition>(), B().Eintrag(0).Als<TPosition>());
    EXPECT_EQ(Haupt().Ausgewaehlte_Zeile(), 1);
    EXPECT_EQ(Zelle(Raster(), 2, 0), QStringLiteral("3"));
    EXPECT_EQ(Aktion("Rueckgaengig1")->text(), QStringLiteral("&Rückgängig: Pos. 1 dupliziert"));
}

// One choice goes to every window in one step; where a window's rules forbid
// it, that window keeps its own and is named. The special colour regroups.
TEST_F(BearbeitenTest, FuerAlleFensterUebernehmenIstEinSchritt)
{
    Anlegen({QStringLiteral("Fenster"), QStringLiteral("Freie Position"), QStringLiteral("Fenster")});
    Bearbeiten(0);
    Eintrag_Waehlen(Suchen<QComboBox>(*Editor(), "CBC_Holz"), QStringLiteral("Fichte"));
    auto* Rolladen = Suchen<QComboBox>(*Editor(), "CBC_Rolladen");
    Eintrag_Waehlen(Rolladen, Rolladen->itemText(1));
    auto* Bank = Suchen<QComboBox>(*Editor(), "CBC_Bank");
    Eintrag_Waehlen(Bank, Bank->itemText(1));
    QTest::keyClick(Editor(), Qt::Key_Return);
    const QByteArray Vorher = Datei();
    QUndoStack& Stapel = Haupt().Verlauf().Stapel();
    const int Anfang = Stapel.index();
    Bearbeiten(0);
    const auto Uebernehmen = [this](const char* Anfang) {
        QMenu* Menue = Suchen<QPushButton>(*Editor(), "Button_Fuer_Alle")->menu();
        emit Menue->aboutToShow();
        for (QAction* Punkt : Menue->actions())
            if (Punkt->text().startsWith(QString::fromUtf8(Anfang)))
                return Punkt->trigger();
        ADD_FAILURE() << "kein Menüpunkt " << Anfang;
    };
    const struct
    {
        const char* Punkt;
        const char* Meldung;
    } Faelle[] = {
        {"Holzart „Fichte“", "Holzart „Fichte“ wurde für 2 Fenster übernommen."},
        {"Bank", "wurde für 1 Fenster übernommen.\n\nNicht möglich bei Pos. 3: dort lassen die Regeln diese Wahl nicht zu."},
        {"Sonderfarbe „ja“", "Sonderfarbe „ja“ wurde für 2 Fenster übernommen."},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Punkt);
        if (QByteArray(F.Punkt).startsWith("Sonderfarbe"))
            QTest::mouseClick(Suchen<QCheckBox>(*Editor(), "CheckBox_Sonderfarbe"), Qt::LeftButton);
        const std::size_t Meldungen = Dienste.Meldungen.size();
        Uebernehmen(F.Punkt);
        ASSERT_EQ(Dienste.Meldungen.size(), Meldungen + 1);
        EXPECT_TRUE(Dienste.Meldungen.back().Text.endsWith(QString::fromUtf8(F.Meldung))) << Dienste.Meldungen.back().Text.toStdString();
        EXPECT_EQ(Aktion("Rueckgaengig1")->text(), QStringLiteral("&Rückgängig: Für alle Fenster: ") + Dienste.Meldungen.back().Text.section(QStringLiteral(" wurde"), 0, 0));
    }
    const auto& Hinten = B().Eintrag(3);
    EXPECT_EQ(Hinten.Positionstyp(), Positionstyp::Sonderfarbe) << "the special colour's position comes last";
    EXPECT_EQ(B().Eintrag(2).Als<TPosition>()->Hoelzer.ItemIndex_Lesen(), B().Eintrag(0).Als<TPosition>()->Hoelzer.ItemIndex_Lesen());
    EXPECT_EQ(B().Eintrag(2).Als<TPosition>()->Rolladen.ItemIndex_Lesen(TRolladen::Bank), 0);
    EXPECT_EQ(Haupt().Ausgewaehlte_Zeile(), 0);
    const QByteArray Nachher = Datei();
    const int Ende = Stapel.index();
    EXPECT_EQ(Ende - Anfang, 4) << "each command a step, and the editing session one";
    while (Stapel.index() > Anfang)
        Aktion("Rueckgaengig1")->trigger();
    EXPECT_EQ(Datei(), Vorher);
    while (Stapel.index() < Ende)
        Aktion("Wiederholen1")->trigger();
    EXPECT_EQ(Datei(), Nachher);
}
