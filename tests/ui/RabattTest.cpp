#include "Hauptfenster_Testhilfen.h"

#include "order/TBestellung.h"
#include "ui/shared/TComboBoxColor.h"
#include "ui/main/TForm_Haupt.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace Hauptfenster_Test;

namespace {

class RabattTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Fenster.show();
        QApplication::setActiveWindow(&Fenster);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenster));
        // A free position of 100,00: the general discount reaches it.
        Eintrag_Waehlen(Suchen<QComboBox>(Fenster, "CBC_Haupt_NeuePos"), QStringLiteral("Freie Position"));
        B().Eintrag(0).Als<TPosition_Freie>()->Stueckpreis = 100;
        Fenster.Hauptfenster_Aktualisieren();
        QTest::mouseClick(Haken(), Qt::LeftButton);
    }

    TBestellung& B() { return Fenster.Bestellung(); }
    QCheckBox* Haken() { return Suchen<QCheckBox>(Fenster, "CB_Rabatt"); }
    QLineEdit* Rabatt() { return Suchen<QLineEdit>(Fenster, "Edit_Rabatt"); }
    QLineEdit* Anderes() { return Suchen<QLineEdit>(Fenster, "Edit_Telefon"); }
    QString Summe() { return Suchen<QLineEdit>(Fenster, "Edit_Summe")->text(); }
    QColor Schriftfarbe() { return Rabatt()->palette().color(QPalette::Text); }

    void Eingeben(const QString& Text)
    {
        Rabatt()->setFocus();
        Rabatt()->clear();
        QTest::keyClicks(Rabatt(), Text);
    }
    void Verlassen() { Anderes()->setFocus(); }

    TTestdienste Dienste;
    TForm_Haupt Fenster;
};

TEST_F(RabattTest, EingabeBeimVerlassen)
{
    const struct
    {
        QString Eingabe;
        std::int32_t Prozent;
        QString Feld;
        QString Summe;
    } Faelle[] = {
        {QStringLiteral("15"), 15, QStringLiteral("15"), QStringLiteral("85,00")},
        // refused: the discount stays, and a note beside the field says so
        {QStringLiteral("150"), 33, QStringLiteral("33"), QStringLiteral("67,00")},
        {QStringLiteral("100"), 100, QStringLiteral("100"), QStringLiteral("0,00")},
        {QStringLiteral("-5"), 33, QStringLiteral("33"), QStringLiteral("67,00")},
        {QStringLiteral("zehn"), 33, QStringLiteral("33"), QStringLiteral("67,00")},
        {QStringLiteral("7,5"), 33, QStringLiteral("33"), QStringLiteral("67,00")},
        {QStringLiteral("007"), 7, QStringLiteral("7"), QStringLiteral("93,00")},
        {QString(), 0, QString(), QStringLiteral("100,00")},
    };
    for (const auto& Fall : Faelle) {
        B().Rabatt = 33;
        Fenster.Hauptfenster_Aktualisieren();
        Eingeben(Fall.Eingabe);
        Verlassen();
        EXPECT_EQ(B().Rabatt, Fall.Prozent) << Fall.Eingabe.toStdString();
        EXPECT_EQ(Rabatt()->text(), Fall.Feld) << Fall.Eingabe.toStdString();
        EXPECT_EQ(Summe(), Fall.Summe) << Fall.Eingabe.toStdString();
        auto* Hinweis = Fenster.findChild<QLabel*>(QStringLiteral("Eingabehinweis"));
        const bool Abgelehnt = Fall.Prozent == 33;
        EXPECT_EQ(Hinweis && Hinweis->isVisible(), Abgelehnt) << Fall.Eingabe.toStdString();
        if (Hinweis && Abgelehnt) {
            EXPECT_TRUE(Hinweis->text().startsWith(QStringLiteral("Der Rabatt"))) << Hinweis->text().toStdString();
            EXPECT_TRUE(Hinweis->text().endsWith(QStringLiteral("; 33 bleibt."))) << Hinweis->text().toStdString();
        }
        if (Hinweis)
            Hinweis->hide();
    }
    EXPECT_EQ(Fenster.findChild<QLabel*>(QStringLiteral("Eingabehinweis"))->text(),
              QStringLiteral("Der Rabatt „7,5“ ist keine ganze Zahl; 33 bleibt."));
}

TEST_F(RabattTest, EnterSpeichertUndBehaeltDenFokus)
{
    Eingeben(QStringLiteral("20"));
    EXPECT_EQ(B().Rabatt, 0) << "typing alone stores nothing";
    QTest::keyClick(Rabatt(), Qt::Key_Return);
    EXPECT_EQ(B().Rabatt, 20);
    EXPECT_EQ(Summe(), QStringLiteral("80,00"));
    EXPECT_TRUE(Rabatt()->hasFocus());
}

TEST_F(RabattTest, UngueltigerTextIstRot)
{
    const QColor Rot(255, 0, 0);
    Eingeben(QStringLiteral("15"));
    EXPECT_NE(Schriftfarbe(), Rot);
    QTest::keyClick(Rabatt(), Qt::Key_0);
    EXPECT_EQ(Rabatt()->text(), QStringLiteral("150"));
    EXPECT_EQ(Schriftfarbe(), Rot);
    QTest::keyClick(Rabatt(), Qt::Key_Backspace);
    EXPECT_NE(Schriftfarbe(), Rot);
}

TEST_F(RabattTest, VerborgenerRabattZaehltWeiter)
{
    ASSERT_TRUE(Suchen<QLabel>(Fenster, "Label_Rabatt")->isVisibleTo(&Fenster));
    Eingeben(QStringLiteral("10"));
    Verlassen();
    ASSERT_EQ(Summe(), QStringLiteral("90,00"));
    QTest::mouseClick(Haken(), Qt::LeftButton);
    EXPECT_FALSE(B().RabattChecked);
    EXPECT_FALSE(Rabatt()->isVisibleTo(&Fenster));
    EXPECT_FALSE(Suchen<QLabel>(Fenster, "Label_Rabatt")->isVisibleTo(&Fenster));
    EXPECT_EQ(B().Rabatt, 10);
    EXPECT_EQ(Summe(), QStringLiteral("90,00"));
    QTest::mouseClick(Haken(), Qt::LeftButton);
    EXPECT_TRUE(Rabatt()->isVisibleTo(&Fenster));
    EXPECT_EQ(Rabatt()->text(), QStringLiteral("10"));
}

TEST_F(RabattTest, RabattauswahlSetztKennungUndProzent)
{
    auto* Liste = Suchen<TComboBoxColor>(Fenster, "CBC_RabattAuswahl");
    ASSERT_EQ(Liste->count(), 4);
    EXPECT_EQ(Liste->itemText(1), QStringLiteral("RSG Zadazu System Garantie + 15 %  (falls möglich)"));
    const struct
    {
        int Index;
        QString Kennung;
        std::int32_t Prozent;
    } Faelle[] = {
        {1, QStringLiteral("RSG"), -15},
        {2, QStringLiteral("TFS"), 5},
        {3, QStringLiteral("TGF"), 10},
        {0, QString(), 0},
    };
    for (const auto& Fall : Faelle) {
        Liste->setCurrentIndex(Fall.Index);
        EXPECT_EQ(B().RabattAuswahlText, Fall.Kennung) << Fall.Index;
        EXPECT_EQ(B().RabattAuswahl, Fall.Prozent) << Fall.Index;
    }
}

TEST_F(RabattTest, ZwischensummeIstDieSummeVorRabatt)
{
    Eingeben(QStringLiteral("25"));
    Verlassen();
    EXPECT_EQ(Summe(), QStringLiteral("75,00"));
    EXPECT_EQ(Suchen<QLineEdit>(Fenster, "Edit_Zwischensumme")->text(), QStringLiteral("100,00"));
}

// The object discount is hidden and only an order file sets it; its field
// follows the same two steps as the general discount all the same.
TEST_F(RabattTest, ObjektrabattFaerbtBeimTippenUndSpeichertBeimVerlassenOderEnter)
{
    const QColor Rot(255, 0, 0);
    auto* Objekt = Suchen<QLineEdit>(Fenster, "Edit_RabattObjekt");
    ASSERT_FALSE(Objekt->isVisibleTo(&Fenster));
    ASSERT_FALSE(Objekt->isEnabled());
    Objekt->setEnabled(true);
    Objekt->show();

    Objekt->setFocus();
    QTest::keyClicks(Objekt, QStringLiteral("150"));
    EXPECT_EQ(Objekt->palette().color(QPalette::Text), Rot);
    EXPECT_EQ(B().RabattObjekt, 0) << "typing alone stores nothing";
    Verlassen();
    EXPECT_EQ(B().RabattObjekt, 0);
    EXPECT_EQ(Objekt->text(), QString());
    EXPECT_EQ(Fenster.findChild<QLabel*>(QStringLiteral("Eingabehinweis"))->text(),
              QStringLiteral("Der Objektrabatt 150 % liegt außerhalb 0–100 %; das Feld bleibt leer."));

    Objekt->setFocus();
    QTest::keyClicks(Objekt, QStringLiteral("12"));
    EXPECT_NE(Objekt->palette().color(QPalette::Text), Rot);
    QTest::keyClick(Objekt, Qt::Key_Return);
    EXPECT_EQ(B().RabattObjekt, 12);
    EXPECT_TRUE(Objekt->hasFocus());
    EXPECT_EQ(Objekt->text(), QStringLiteral("12"));

    Objekt->clear();
    QTest::keyClicks(Objekt, QStringLiteral("x"));
    Verlassen();
    EXPECT_EQ(B().RabattObjekt, 12);
    EXPECT_EQ(Objekt->text(), QStringLiteral("12"));
}

// With the discounts shown, "Rabatt [%]:" stands in the row of "Bemerkungen"
// and its field keeps clear of the remarks field below.
TEST_F(RabattTest, RabattfeldStehtInDerZeileDerBemerkungen)
{
    auto* Label = Suchen<QLabel>(Fenster, "Label_Rabatt");
    auto* Bemerkungen = Suchen<QLabel>(Fenster, "Label_Bemerkungen");
    auto* Feld_Bemerkungen = Suchen<QLineEdit>(Fenster, "Edit_Bemerkungen");
    ASSERT_TRUE(Label->isVisibleTo(&Fenster));
    EXPECT_EQ(Label->geometry().top(), Bemerkungen->geometry().top());
    EXPECT_EQ(Label->geometry().bottom(), Bemerkungen->geometry().bottom());
    for (const char* Name : {"Edit_Rabatt", "Edit_RabattObjekt"}) {
        const QRect Feld = Suchen<QLineEdit>(Fenster, Name)->geometry();
        EXPECT_LT(Feld.bottom() + 1, Feld_Bemerkungen->geometry().top()) << Name << ": touches the remarks field";
        EXPECT_LE(Feld.top(), Label->geometry().top()) << Name;
        EXPECT_GE(Feld.bottom(), Label->geometry().bottom()) << Name;
    }
    EXPECT_GE(Label->width(), Label->fontMetrics().horizontalAdvance(Label->text()));
}

} // namespace
