#include "base/Fehler.h"
#include "ui/shared/TComboBoxColor.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QColor Himmelblau(166, 202, 240);

// A top-level box of 65 pixels with three items, item 0 on sky blue.
struct TBox
{
    QWidget Fenster;
    TComboBoxColor* Box;

    TBox()
        : Box(new TComboBoxColor(&Fenster))
    {
        Fenster.resize(400, 200);
        Box->setGeometry(10, 10, 65, 22);
        Box->addItems({QStringLiteral("Fichte"), QStringLiteral("Kiefer"), QStringLiteral("Eiche")});
        Box->Farben_Zuruecksetzen();
        Box->Hintergrund_Setzen(0, Himmelblau);
        Fenster.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    }
};

QImage Eintrag_Bild(const TComboBoxColor& Box, int Index, QStyle::State Zustand, const QSize& Groesse)
{
    QImage Bild(Groesse, QImage::Format_RGB32);
    Bild.fill(Qt::magenta);
    QPainter Flaeche(&Bild);
    Box.Eintrag_Zeichnen(Flaeche, Index, Zustand, QRect(QPoint(0, 0), Groesse));
    return Bild;
}

// The colour at the right end of a row of the open list, away from the text and the focus frame.
QColor Listenfarbe(QAbstractItemView* Liste, int Zeile)
{
    const QRect Rechteck = Liste->visualRect(Liste->model()->index(Zeile, 0));
    const QImage Bild = Liste->viewport()->grab().toImage();
    const qreal Faktor = Bild.devicePixelRatio();
    return Bild.pixelColor(int((Rechteck.right() - 4) * Faktor), int(Rechteck.center().y() * Faktor));
}

} // namespace

TEST(TComboBoxColor, NeueBoxHaeltSchwarzInBeidenTabellen)
{
    TComboBoxColor Box;
    for (int i = 0; i < TComboBoxColor::Farbanzahl; ++i) {
        EXPECT_EQ(Box.Schriftfarben()[std::size_t(i)], QColor(Qt::black)) << i;
        EXPECT_EQ(Box.Hintergrundfarben()[std::size_t(i)], QColor(Qt::black)) << i;
    }
}

TEST(TComboBoxColor, ZuruecksetzenUndSetzenGeltenFuerIndizesNichtFuerTexte)
{
    TComboBoxColor Box;
    Box.addItems({QStringLiteral("a"), QStringLiteral("b")});
    Box.Farben_Zuruecksetzen();
    Box.Hintergrund_Setzen(100, Himmelblau);
    EXPECT_EQ(Box.Hintergrundfarben()[100], Himmelblau);
    EXPECT_EQ(Box.Hintergrundfarben()[99], QColor(Qt::white));
    EXPECT_EQ(Box.Schriftfarben()[100], QColor(Qt::black));

    Box.Hintergrund_Setzen(1, Himmelblau);
    Box.clear();
    Box.addItems({QStringLiteral("x"), QStringLiteral("y")});
    EXPECT_EQ(Box.Hintergrundfarben()[1], Himmelblau);
}

TEST(TComboBoxColor, IndexAusserhalbIstBereichsfehlerAberWirdLeerGezeichnet)
{
    TComboBoxColor Box;
    Box.addItems({QStringLiteral("Fenster")});
    EXPECT_THROW(Box.Hintergrund_Setzen(101, Qt::red), EBereichsfehler);
    EXPECT_THROW(Box.Hintergrund_Setzen(-1, Qt::red), EBereichsfehler);
    QImage Bild(20, 16, QImage::Format_RGB32);
    Bild.fill(Qt::green);
    const QImage Vorher = Bild;
    {
        QPainter Flaeche(&Bild);
        for (int Index : {101, 1, -1})
            EXPECT_NO_THROW(Box.Eintrag_Zeichnen(Flaeche, Index, {}, Bild.rect())) << Index;
    }
    EXPECT_EQ(Bild, Vorher);
}

TEST(TComboBoxColor, EintragFuelltHintergrundUndSchreibtSchwarzOhneRandOhneHervorhebung)
{
    TComboBoxColor Box;
    Box.addItems({QStringLiteral("Fenster"), QStringLiteral("Zulage m2")});
    Box.Farben_Zuruecksetzen();
    Box.Hintergrund_Setzen(0, Himmelblau);

    // Selected and focused on purpose: the state must not change the colours.
    const QStyle::State Ausgewaehlt = QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Enabled;
    const QImage Bild = Eintrag_Bild(Box, 0, Ausgewaehlt, QSize(120, 16));
    const QColor Hervorhebung = QApplication::palette().color(QPalette::Highlight);

    int Links = Bild.width();
    int Oben = Bild.height();
    bool Dunkel = false;
    for (int y = 0; y < Bild.height(); ++y) {
        for (int x = 0; x < Bild.width(); ++x) {
            const QColor Farbe = Bild.pixelColor(x, y);
            ASSERT_NE(Farbe, QColor(Qt::magenta)) << "not filled at " << x << "," << y;
            ASSERT_NE(Farbe, Hervorhebung) << x << "," << y;
            if (Farbe.lightness() < 80) {
                Dunkel = true;
                Links = std::min(Links, x);
                Oben = std::min(Oben, y);
            }
        }
    }
    EXPECT_EQ(Bild.pixelColor(119, 15), Himmelblau);
    EXPECT_EQ(Bild.pixelColor(0, 0), Himmelblau);
    ASSERT_TRUE(Dunkel) << "no text drawn";
    EXPECT_LE(Links, 2);
    EXPECT_LE(Oben, 6);

    const QImage Weiss = Eintrag_Bild(Box, 1, Ausgewaehlt, QSize(120, 16));
    EXPECT_EQ(Weiss.pixelColor(119, 15), QColor(Qt::white));
}

TEST(TComboBoxColor, GeschlosseneBoxZeigtFarbeDesGewaehltenEintrags)
{
    TBox B;
    const auto Feldfarbe = [&B] {
        QStyleOptionComboBox Option;
        Option.initFrom(B.Box);
        const QRect Feld =
            B.Box->style()->subControlRect(QStyle::CC_ComboBox, &Option, QStyle::SC_ComboBoxEditField, B.Box);
        const QImage Bild = B.Box->grab().toImage();
        const qreal Faktor = Bild.devicePixelRatio();
        return Bild.pixelColor(int((Feld.right() - 2) * Faktor), int((Feld.bottom() - 1) * Faktor));
    };
    B.Box->setCurrentIndex(0);
    EXPECT_EQ(Feldfarbe(), Himmelblau);
    B.Box->setCurrentIndex(2);
    EXPECT_EQ(Feldfarbe(), QColor(Qt::white));
}

TEST(TComboBoxColor, OffeneListeBehaeltEigeneFarbenAuchFuerAuswahl)
{
    TBox B;
    B.Box->setCurrentIndex(1);
    QTest::mouseClick(B.Box, Qt::LeftButton);
    QAbstractItemView* Liste = B.Box->view();
    ASSERT_TRUE(Liste->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Liste->window()));
    EXPECT_EQ(Liste->currentIndex().row(), 1);

    EXPECT_EQ(Listenfarbe(Liste, 0), Himmelblau);
    EXPECT_EQ(Listenfarbe(Liste, 1), QColor(Qt::white));
    EXPECT_EQ(Listenfarbe(Liste, 2), QColor(Qt::white));
    EXPECT_EQ(Liste->visualRect(Liste->model()->index(1, 0)).height(), TComboBoxColor::Eintragshoehe);
    B.Box->hidePopup();
}

TEST(TComboBoxColor, OffeneListeIst300PixelBreiterUndDanachWiederSoBreitWieVorher)
{
    TBox B;
    ASSERT_EQ(B.Box->width(), 65);

    // Opened by a click, closed with Escape.
    QTest::mouseClick(B.Box, Qt::LeftButton);
    ASSERT_TRUE(B.Box->view()->isVisible());
    EXPECT_TRUE(B.Box->Aufgeklappt());
    EXPECT_EQ(B.Box->width(), 365);
    EXPECT_GE(B.Box->view()->window()->width(), 365);
    QTest::keyClick(B.Box->view(), Qt::Key_Escape);
    EXPECT_FALSE(B.Box->view()->isVisible());
    EXPECT_FALSE(B.Box->Aufgeklappt());
    EXPECT_EQ(B.Box->width(), 65);

    // Opened again (twice asked), closed by choosing an item with the mouse.
    B.Box->showPopup();
    B.Box->showPopup();
    EXPECT_EQ(B.Box->width(), 365);
    QAbstractItemView* Liste = B.Box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Liste->window()));
    // The list ignores a release that comes sooner than a double-click after opening.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect Zeile = Liste->visualRect(Liste->model()->index(2, 0));
    QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {}, Zeile.center());
    EXPECT_FALSE(Liste->isVisible());
    EXPECT_EQ(B.Box->currentIndex(), 2);
    EXPECT_EQ(B.Box->width(), 65);
}

TEST(TComboBoxColor, VerbreiterungGiltAuchFuerFesteBreite)
{
    TBox B;
    B.Box->setFixedWidth(47);
    B.Box->showPopup();
    EXPECT_EQ(B.Box->width(), 347);
    B.Box->hidePopup();
    EXPECT_EQ(B.Box->width(), 47);
    EXPECT_EQ(B.Box->maximumWidth(), 47);
}

// A closed box too narrow for its items still tells every item from the
// others: blanks are collapsed first, then the text is cut where the items
// of the list do not differ.
TEST(TComboBoxColor, SchmaleBoxKuerztUnterscheidbar)
{
    QWidget Fenster;
    auto* Box = new TComboBoxColor(&Fenster);
    const QString Lang = QStringLiteral("glasteilend oder aufgesiegelt ");
    const QStringList Texte{QStringLiteral("keine"),
                            QStringLiteral("1 farbig") + QString(80, QLatin1Char(' ')) + QStringLiteral("grün"),
                            Lang + QStringLiteral("20 Grad Schräge mit Wiener Sprosse"),
                            Lang + QStringLiteral("profiliert mit Wiener Sprosse"),
                            Lang + QStringLiteral("20 Grad Schräge ohne Wiener Sprosse")};
    Box->addItems(Texte);
    const QFontMetrics Metrik(Box->font());
    // As wide as the glazing-bar list of the editor.
    Box->setGeometry(0, 0, 230, 22);
    ASSERT_GT(Metrik.horizontalAdvance(Texte[1]), 230);
    Fenster.show();

    EXPECT_EQ(Box->Angezeigter_Text(0), QStringLiteral("keine")) << "what fits stays whole";
    EXPECT_EQ(Box->Angezeigter_Text(1), QStringLiteral("1 farbig grün"));
    QStringList Gezeigt;
    for (int i = 2; i < Box->count(); ++i) {
        const QString Kurz = Box->Angezeigter_Text(i);
        EXPECT_LE(Metrik.horizontalAdvance(Kurz), 230) << Kurz.toStdString();
        EXPECT_FALSE(Gezeigt.contains(Kurz)) << Kurz.toStdString();
        Gezeigt << Kurz;
    }
    EXPECT_THROW((void)Box->Angezeigter_Text(Box->count()), EBereichsfehler);

    Box->setCurrentIndex(3);
    EXPECT_EQ(Box->Tooltip_Text(), Texte[3]);
    Box->setToolTip(QStringLiteral("Hinweis"));
    EXPECT_EQ(Box->Tooltip_Text(), Texte[3] + QStringLiteral("\nHinweis"));
}
