#include "Hauptfenster_Testhilfen.h"

#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "ui/main/TProgrammfenster.h"
#include "ui/main/TForm_Haupt.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Hauptfenster_Test;

namespace {

// The editor working inside the program: the main window's grid, its
// selection and the special-colour position the order adds and removes.
class EditorImHauptfensterTest : public ::testing::Test
{
protected:
    void SetUp() override { Anwendung.Starten(); }

    TForm_Haupt& Haupt() { return Anwendung.Hauptfenster(); }
    QTableView* Raster() { return Suchen<QTableView>(Haupt(), "StringGrid1"); }
    QWidget* Editor()
    {
        for (const auto& F : Anwendung.Fenster())
            if (qstrcmp(F->metaObject()->className(), "TForm_Positionen") == 0)
                return F.get();
        throw std::runtime_error("kein Editor");
    }
    TPosition* Fenster_In(int Zeile) { return Haupt().Bestellung().Eintrag(Zeile).Als<TPosition>(); }

    void Anlegen(const QStringList& Arten)
    {
        for (const QString& Art : Arten)
            Eintrag_Waehlen(Suchen<QComboBox>(Haupt(), "CBC_Haupt_NeuePos"), Art);
    }

    void Bearbeiten(int Zeile)
    {
        Zeile_Anklicken(Raster(), Zeile);
        QTest::mouseClick(Suchen<QPushButton>(Haupt(), "Button_Position_Bearbeiten"), Qt::LeftButton);
        ASSERT_TRUE(Editor()->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Editor()));
    }

    // Ticks and unticks "Sonderfarbe" of the window in the editor.
    void Sonderfarbe_Hin_Und_Zurueck()
    {
        auto* Sonderfarbe = Suchen<QCheckBox>(*Editor(), "CheckBox_Sonderfarbe");
        QTest::mouseClick(Sonderfarbe, Qt::LeftButton);
        ASSERT_TRUE(Haupt().Bestellung().Typ_Vorhanden(Positionstyp::Sonderfarbe));
        QTest::mouseClick(Sonderfarbe, Qt::LeftButton);
        ASSERT_FALSE(Haupt().Bestellung().Typ_Vorhanden(Positionstyp::Sonderfarbe));
    }

    void Breite_Eingeben(const QString& Text)
    {
        auto* Breite = Suchen<QLineEdit>(*Editor(), "EditA_Breite");
        Breite->setFocus();
        Breite->selectAll();
        QTest::keyClicks(Breite, Text);
        QTest::keyClick(Breite, Qt::Key_Tab);
    }

    void Umgruppieren_Pruefen(const QStringList& Arten)
    {
        Anlegen(Arten);
        TPosition* A = Fenster_In(1);
        ASSERT_NE(A, nullptr);
        A->Bez = QStringLiteral("A");
        const int Anzahl = Haupt().Bestellung().Anzahl_Positionen();
        Bearbeiten(1);

        Sonderfarbe_Hin_Und_Zurueck();
        ASSERT_NE(Haupt().Bestellung().Eintrag(0).Als<TPosition>(), nullptr);
        ASSERT_EQ(Haupt().Bestellung().Eintrag(0).Als<TPosition>()->Bez, QStringLiteral("A")) << "the windows come first now";
        EXPECT_EQ(Haupt().Ausgewaehlte_Zeile(), 0);
        EXPECT_EQ(Ausgewaehlt(Raster()), 0);
        EXPECT_EQ(Raster()->model()->rowCount(), Anzahl) << "no row of the removed position is left";
        EXPECT_EQ(Zelle(Raster(), 0, 1), QStringLiteral("A"));
        EXPECT_EQ(Haupt().Bestellung().Eintrag(Anzahl - 1).Positionstyp(), Positionstyp::Freie);
        EXPECT_TRUE(Editor()->isVisible());

        Breite_Eingeben(QStringLiteral("1234"));
        EXPECT_EQ(Haupt().Bestellung().Eintrag(0).Als<TPosition>()->Abmessungen.Breite(), 1234);
        if (Anzahl == 3) {
            EXPECT_EQ(Fenster_In(1)->Abmessungen.Breite(), 1000) << "B keeps its width";
        }
        EXPECT_TRUE(Zelle(Raster(), 0, 3).contains(QStringLiteral("1234x"))) << Zelle(Raster(), 0, 3).toStdString();
    }

    TTestdienste Dienste;
    TProgrammfenster Anwendung;
};

} // namespace

// [free, A, B] and [free, A] with A selected: removing the special colour
// moves the free position behind the windows; A stays the edited window.
TEST_F(EditorImHauptfensterTest, NachDemUmgruppierenBleibtDasBearbeiteteFensterGewaehlt_ZweiFenster)
{
    Umgruppieren_Pruefen({QStringLiteral("Freie Position"), QStringLiteral("Fenster"), QStringLiteral("Fenster")});
}

TEST_F(EditorImHauptfensterTest, NachDemUmgruppierenBleibtDasBearbeiteteFensterGewaehlt_EinFenster)
{
    Umgruppieren_Pruefen({QStringLiteral("Freie Position"), QStringLiteral("Fenster")});
}

TEST_F(EditorImHauptfensterTest, KlickInsHauptfensterSpeichertDieGetippteBreite)
{
    Anlegen({QStringLiteral("Fenster"), QStringLiteral("Freie Position")});
    Bearbeiten(0);
    auto* Breite = Suchen<QLineEdit>(*Editor(), "EditA_Breite");
    Breite->setFocus();
    Breite->selectAll();
    QTest::keyClicks(Breite, QStringLiteral("1500"));

    QApplication::setActiveWindow(&Haupt());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Haupt()));
    EXPECT_EQ(Fenster_In(0)->Abmessungen.Breite(), 1500);
    EXPECT_TRUE(Zelle(Raster(), 0, 3).contains(QStringLiteral("1500x"))) << Zelle(Raster(), 0, 3).toStdString();

    // Choosing another row right after the click does not carry the entry there.
    Zeile_Anklicken(Raster(), 1);
    EXPECT_EQ(Fenster_In(0)->Abmessungen.Breite(), 1500);
    EXPECT_FALSE(Editor()->isVisible());
}
