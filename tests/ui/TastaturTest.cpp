#include "Hauptfenster_Testhilfen.h"

#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "ui/main/TProgrammfenster.h"
#include "ui/main/TForm_Haupt.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

using namespace Hauptfenster_Test;

namespace {

class TastaturTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Anwendung.Starten();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Haupt()));
    }

    TForm_Haupt& Haupt() { return Anwendung.Hauptfenster(); }
    QWidget* Fenster_Der_Klasse(const char* Klasse)
    {
        for (const auto& F : Anwendung.Fenster())
            if (qstrcmp(F->metaObject()->className(), Klasse) == 0)
                return F.get();
        throw std::runtime_error(std::string("kein Fenster ") + Klasse);
    }
    static QWidget* Fokus() { return QApplication::focusWidget(); }
    // A key as the keyboard sends it: to whatever has the focus.
    static void Taste(int Key, Qt::KeyboardModifiers Umschalter = Qt::NoModifier)
    {
        ASSERT_NE(Fokus(), nullptr);
        QTest::keyClick(Fokus(), Qt::Key(Key), Umschalter);
        QCoreApplication::processEvents();
    }
    static void Tab_Bis(const char* Name, Qt::KeyboardModifiers Umschalter = Qt::NoModifier)
    {
        for (int i = 0; i < 120 && Fokus() && Fokus()->objectName() != QLatin1String(Name); ++i)
            Taste(Qt::Key_Tab, Umschalter);
        ASSERT_NE(Fokus(), nullptr);
        ASSERT_EQ(Fokus()->objectName(), QLatin1String(Name));
    }
    static void Eintippen(const QString& Text)
    {
        auto* Feld = qobject_cast<QLineEdit*>(Fokus());
        ASSERT_NE(Feld, nullptr);
        Feld->selectAll();
        QTest::keyClicks(Feld, Text);
        Taste(Qt::Key_Return);
    }

    TTestdienste Dienste;
    TProgrammfenster Anwendung;
};

// A whole new window position with the keyboard alone: the new-position list,
// Tab into the grid, Enter opens the editor, the sizes, count and label with
// Enter from field to field, and Enter on OK.
TEST_F(TastaturTest, NeueFensterpositionNurMitDerTastatur)
{
    Tab_Bis("CBC_Haupt_NeuePos");
    Taste(Qt::Key_Down, Qt::AltModifier);
    auto* Liste = Suchen<QComboBox>(Haupt(), "CBC_Haupt_NeuePos");
    ASSERT_TRUE(Liste->view()->isVisible());
    QTest::keyClick(Liste->view(), Qt::Key_Down);
    QTest::keyClick(Liste->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(&Haupt());
    ASSERT_EQ(Haupt().Bestellung().Anzahl_Positionen(), 1);

    Tab_Bis("StringGrid1");
    Taste(Qt::Key_Return);
    QWidget* Editor = Fenster_Der_Klasse("TForm_Positionen");
    ASSERT_TRUE(Editor->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Editor));
    Tab_Bis("EditA_Breite");
    Eintippen(QStringLiteral("1230"));
    ASSERT_EQ(Fokus()->objectName(), QStringLiteral("EditA_Hoehe"));
    Eintippen(QStringLiteral("1410"));
    ASSERT_EQ(Fokus()->objectName(), QStringLiteral("EditA_Anzahl"));
    Eintippen(QStringLiteral("3"));
    Tab_Bis("Edit_Bez");
    Eintippen(QStringLiteral("Bad"));
    ASSERT_EQ(Fokus()->objectName(), QStringLiteral("BitBtn1"));
    Taste(Qt::Key_Return);
    EXPECT_FALSE(Editor->isVisible());

    const TPosition* P = Haupt().Bestellung().Eintrag(0).Als<TPosition>();
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(P->Abmessungen.Breite(), 1230);
    EXPECT_EQ(P->Abmessungen.Hoehe(), 1410);
    EXPECT_EQ(P->Abmessungen.Anzahl(), 3);
    EXPECT_EQ(P->Bez, QStringLiteral("Bad"));
    auto* Raster = Suchen<QTableView>(Haupt(), "StringGrid1");
    EXPECT_EQ(Zelle(Raster, 0, 1), QStringLiteral("Bad"));
    EXPECT_EQ(Zelle(Raster, 0, 2), QStringLiteral("3"));
}

// Tab and Umschalt+Tab leave the grid; the buttons' letters reach them with Alt.
TEST_F(TastaturTest, TabVerlaesstDasRasterUndKnoepfeHabenBuchstaben)
{
    Eintrag_Waehlen(Suchen<QComboBox>(Haupt(), "CBC_Haupt_NeuePos"), QStringLiteral("Fenster"));
    auto* Raster = Suchen<QTableView>(Haupt(), "StringGrid1");
    for (const Qt::KeyboardModifiers Richtung : {Qt::NoModifier, Qt::ShiftModifier}) {
        Raster->setFocus(Qt::TabFocusReason);
        Taste(Qt::Key_Tab, Richtung);
        EXPECT_NE(Fokus(), Raster);
        EXPECT_EQ(Fokus()->window(), &Haupt());
    }
    const struct
    {
        const char* Knopf;
        const char* Text;
    } Knoepfe[] = {{"Button_Position_Bearbeiten", "&Pos. bearbeiten"},
                   {"Button_Position_Loeschen", "Pos. &löschen"},
                   {"Button_Bestellblatt", "Bes&tellblatt erzeugen"},
                   {"CB_Umsatzsteuer", "&Umsatzsteuer ausweisen"}};
    for (const auto& K : Knoepfe)
        EXPECT_EQ(Suchen<QAbstractButton>(Haupt(), K.Knopf)->text(), QString::fromUtf8(K.Text));
    // A letter that two of them share (a button and a menu) reaches neither.
    std::map<QKeySequence, QString> Buchstaben;
    const auto Merken = [&Buchstaben](const QString& Text) {
        const QKeySequence Taste = QKeySequence::mnemonic(Text);
        if (!Taste.isEmpty()) {
            EXPECT_TRUE(Buchstaben.emplace(Taste, Text).second) << Text.toStdString() << " / " << Buchstaben[Taste].toStdString();
        }
    };
    for (QAction* Menue : Haupt().menuBar()->actions())
        Merken(Menue->text());
    for (QAbstractButton* Knopf : Haupt().centralWidget()->findChildren<QAbstractButton*>())
        Merken(Knopf->text());
    QTest::keyClick(&Haupt(), Qt::Key_P, Qt::AltModifier);
    QWidget* Editor = Fenster_Der_Klasse("TForm_Positionen");
    EXPECT_TRUE(QTest::qWaitFor([Editor] { return Editor->isVisible(); }, 2000)) << "the button is pressed with a short delay";
}

// Every position dialog has a default button; Enter on its list presses it.
TEST_F(TastaturTest, PositionsdialogeHabenEinenStandardknopf)
{
    int Dialoge = 0;
    for (const auto& F : Anwendung.Fenster()) {
        if (auto* OK = F->findChild<QPushButton*>(QStringLiteral("BitBtn1"), Qt::FindDirectChildrenOnly)) {
            ++Dialoge;
            EXPECT_TRUE(OK->isDefault()) << F->metaObject()->className();
        }
    }
    EXPECT_EQ(Dialoge, 11);
    Haupt().Bestellung().Position_Anfuegen(Positionstyp::Zulage2);
    Haupt().Hauptfenster_Aktualisieren();
    QTest::mouseClick(Suchen<QPushButton>(Haupt(), "Button_Position_Bearbeiten"), Qt::LeftButton);
    QWidget* Tuer = Fenster_Der_Klasse("TForm_Zulage2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Tuer));
    Suchen<QComboBox>(*Tuer, "CBC_SFT")->setFocus(Qt::TabFocusReason);
    Taste(Qt::Key_Return);
    EXPECT_FALSE(Tuer->isVisible());
}

} // namespace
