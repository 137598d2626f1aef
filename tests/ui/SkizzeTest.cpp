#include "Hauptfenster_Testhilfen.h"

#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "ui/editor/TForm_Positionen.h"
#include "ui/main/TProgrammfenster.h"
#include "ui/shared/TDialogkontext.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/info/TForm_Skizze.h"
#include "ui/shared/TSkizzenflaeche.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

using namespace Hauptfenster_Test;

namespace {

class TKontext : public TDialogkontext
{
public:
    TBestellung& Bestellung() override { return m_Bestellung; }
    int Ausgewaehlte_Zeile() const override { return 0; }
    void Zeile_Waehlen(int) override {}
    void Hauptfenster_Aktualisieren() override { ++Aufrufe; }
    void Infofenster_Zeigen(const char*) override {}
    int Aufrufe = 0;

private:
    TBestellung m_Bestellung;
};

class SkizzeImEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Kontext.Bestellung().Position_Anfuegen(Positionstyp::Fenster);
        Form = std::make_unique<TForm_Positionen>(Kontext);
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Suchen<QPushButton>(*Form, "BitBtn1")->setFocus();
        Skizze = Suchen<TSkizzenflaeche>(*Form, "Skizze_Position");
    }

    TPosition& Fenster() { return *Kontext.Bestellung().Eintrag(0).Als<TPosition>(); }

    void Eingeben(const char* Name, const QString& Text)
    {
        QLineEdit* E = Suchen<QLineEdit>(*Form, Name);
        E->setFocus();
        E->selectAll();
        QTest::keyClicks(E, Text);
        QTest::keyClick(E, Qt::Key_Tab);
    }
    void Waehlen(const char* Name, int Index)
    {
        QComboBox* Box = Suchen<QComboBox>(*Form, Name);
        Box->setFocus(Qt::MouseFocusReason);
        Box->showPopup();
        Box->view()->setCurrentIndex(Box->model()->index(Index, 0));
        QTest::keyClick(Box->view(), Qt::Key_Return);
        ASSERT_EQ(Box->currentIndex(), Index) << Name;
    }

    TKontext Kontext;
    std::unique_ptr<TForm_Positionen> Form;
    TSkizzenflaeche* Skizze = nullptr;
};

TEST_F(SkizzeImEditorTest, zeigt_die_Position_beim_Oeffnen)
{
    ASSERT_TRUE(Skizze->hatSkizze());
    EXPECT_EQ(Skizze->Plan().Breite, 1000);
    EXPECT_EQ(Skizze->Plan().Hoehe, 2000);
    EXPECT_EQ(Skizze->Plan().Felder.size(), 1u);
    // Beside the controls, not over them.
    for (QWidget* Kind : Form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (Kind != Skizze && Kind->isVisible()) {
            EXPECT_FALSE(Kind->geometry().intersects(Skizze->geometry())) << Kind->objectName().toStdString();
        }
    const QImage Bild = Skizze->grab().toImage();
    EXPECT_EQ(Bild.pixelColor(Bild.rect().center()), QColor(216, 235, 249)); // glass in the middle
}

TEST_F(SkizzeImEditorTest, folgt_Fenstertyp_und_Breite_im_selben_Ereignis)
{
    Waehlen("CBC_Fluegel", 3); // type 4, two sashes with top light
    EXPECT_EQ(Skizze->Plan().Felder.size(), 3u);
    EXPECT_TRUE(Skizze->Plan().Kaempfer.has_value());

    Eingeben("EditA_Breite", QStringLiteral("1500"));
    EXPECT_EQ(Fenster().Abmessungen.Breite(), 1500);
    EXPECT_EQ(Skizze->Plan().Breite, 1500);
    EXPECT_NEAR(Skizze->Plan().Felder.back().Rahmen.right(), 1430, 1e-9);

    Eingeben("EditA_HoeheOberlicht", QStringLiteral("600"));
    EXPECT_EQ(Skizze->Plan().HoeheOberlicht, 600);
}

TEST_F(SkizzeImEditorTest, folgt_Drehrichtung_Form_Sprossen_und_Rolladen)
{
    Eingeben("EditA_Drehrichtung", QStringLiteral("DK links"));
    ASSERT_EQ(Skizze->Plan().Felder.size(), 1u);
    EXPECT_EQ(Skizze->Plan().Felder[0].Symbol.size(), 4u);

    Eingeben("EditA_Drehrichtung", QStringLiteral("irgendwie"));
    EXPECT_TRUE(Skizze->Plan().Felder[0].Symbol.empty());
    EXPECT_EQ(Skizze->Plan().Unlesbare_Drehrichtung, QStringLiteral("irgendwie"));

    Waehlen("CBE_Sonderformen", 7);
    EXPECT_EQ(Skizze->Plan().Form, 7);

    Waehlen("CBC_Sprossen", 1);
    Waehlen("CBC_Felder", 2); // 3 fields: 1 x 3 in a tall sash
    EXPECT_EQ(Skizze->Plan().Felder[0].Sprossen.size(), 2u);

    Waehlen("CBC_Rolladen", 1);
    EXPECT_TRUE(Skizze->Plan().Rolladenkasten.has_value());
}

class SkizzenfensterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Ordner.isValid());
        Anwendung.Starten();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Haupt()));
    }
    TForm_Haupt& Haupt() { return Anwendung.Hauptfenster(); }

    TTestdienste Dienste;
    QTemporaryDir Ordner;
    TProgrammfenster Anwendung;
};

TForm_Skizze* Fenster_Suchen(const TProgrammfenster& A)
{
    for (const auto& F : A.Fenster())
        if (auto* S = qobject_cast<TForm_Skizze*>(F.get()))
            return S;
    return nullptr;
}

TEST_F(SkizzenfensterTest, folgt_Auswahl_und_Bearbeitung)
{
    TForm_Skizze* Skizze = Fenster_Suchen(Anwendung);
    ASSERT_NE(Skizze, nullptr);
    Haupt().NeuePosition_Anlegen(Positionstyp::Fenster);
    Haupt().Bestellung().Eintrag(0).Als<TPosition>()->Abmessungen.Breite_Setzen(1200);
    Haupt().NeuePosition_Anlegen(Positionstyp::Freie);
    Haupt().NeuePosition_Anlegen(Positionstyp::Fenster);
    Haupt().Bestellung().Eintrag(2).Als<TPosition>()->Abmessungen.Fenstertyp_Setzen(3);

    Suchen<QAction>(Haupt(), "Skizze1")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Skizze));
    EXPECT_EQ(Skizze->windowTitle(), QStringLiteral("Skizze"));
    const TSkizzenflaeche& F = Skizze->Flaeche();
    auto* Raster = Suchen<QTableView>(Haupt(), "StringGrid1");

    // The newest row is selected: the second window.
    EXPECT_TRUE(F.hatSkizze());
    EXPECT_EQ(F.Plan().Felder.size(), 2u);
    EXPECT_EQ(Suchen<QLabel>(*Skizze, "Label_Position")->text(), QStringLiteral("Position 3"));

    Zeile_Anklicken(Raster, 1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(F.hatSkizze());
    EXPECT_TRUE(F.Hinweis().contains(QStringLiteral("keine Fensterposition")));
    EXPECT_FALSE(Suchen<QPushButton>(*Skizze, "Button_Speichern")->isEnabled());

    Zeile_Anklicken(Raster, 0);
    QCoreApplication::processEvents();
    ASSERT_TRUE(F.hatSkizze());
    EXPECT_EQ(F.Plan().Breite, 1200);

    // An edit in the editor reaches the open sketch window.
    Zeile_Doppelklicken(Raster, 0);
    QCoreApplication::processEvents();
    QWidget* Positionen = Anwendung.Fenster()[6].get();
    ASSERT_NE(qobject_cast<TForm_Positionen*>(Positionen), nullptr);
    ASSERT_TRUE(Positionen->isVisible());
    QLineEdit* Breite = Suchen<QLineEdit>(*Positionen, "EditA_Breite");
    Breite->setFocus();
    Breite->selectAll();
    QTest::keyClicks(Breite, QStringLiteral("900"));
    QTest::keyClick(Breite, Qt::Key_Tab);
    EXPECT_EQ(F.Plan().Breite, 900);

    // Resizable and modeless.
    Skizze->resize(700, 500);
    EXPECT_EQ(Skizze->size(), QSize(700, 500));
    EXPECT_FALSE(Skizze->isModal());
}

TEST_F(SkizzenfensterTest, kopiert_und_speichert_PNG_und_SVG)
{
    TForm_Skizze* Skizze = Fenster_Suchen(Anwendung);
    Haupt().NeuePosition_Anlegen(Positionstyp::Fenster);
    Suchen<QAction>(Haupt(), "Skizze1")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Skizze));

    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(Suchen<QPushButton>(*Skizze, "Button_Kopieren"), Qt::LeftButton);
    const QImage Kopie = QGuiApplication::clipboard()->image();
    EXPECT_EQ(Kopie.size(), QSize(800, 800));

    Dienste.Pfade = {Ordner.filePath(QStringLiteral("a.svg")), Ordner.filePath(QStringLiteral("b")),
                     Ordner.filePath(QStringLiteral("fehlt/c.png"))};
    auto* Speichern = Suchen<QPushButton>(*Skizze, "Button_Speichern");
    QTest::mouseClick(Speichern, Qt::LeftButton);
    QFile Svg(Ordner.filePath(QStringLiteral("a.svg")));
    ASSERT_TRUE(Svg.open(QIODevice::ReadOnly));
    const QByteArray Inhalt = Svg.readAll();
    EXPECT_TRUE(Inhalt.contains("<svg"));
    EXPECT_TRUE(Inhalt.contains(">1000</text>"));
    EXPECT_EQ(Dienste.Dateiwahlen.back().Vorschlag, QStringLiteral("Skizze_Position_1"));

    QTest::mouseClick(Speichern, Qt::LeftButton);
    const QImage Png(Ordner.filePath(QStringLiteral("b.png")));
    EXPECT_EQ(Png.size(), QSize(800, 800));
    EXPECT_TRUE(Dienste.Meldungen.empty());

    QTest::mouseClick(Speichern, Qt::LeftButton);
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Fehler"));
    EXPECT_TRUE(Dienste.Meldungen[0].Text.contains(QStringLiteral("fehlt/c.png")));
}

// The standard file dialog: the SVG type chosen and a name typed without a
// suffix give an SVG file.
TEST_F(SkizzenfensterTest, SVG_Typ_ohne_Endung_speichert_SVG)
{
    TForm_Skizze* Skizze = Fenster_Suchen(Anwendung);
    Haupt().NeuePosition_Anlegen(Positionstyp::Fenster);
    Suchen<QAction>(Haupt(), "Skizze1")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Skizze));
    TDienste::Installieren(nullptr);
    bool Gesehen = false;
    QTimer::singleShot(0, [&] {
        auto* Dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!Dialog)
            return;
        Gesehen = true;
        Eintrag_Waehlen(Suchen<QComboBox>(*Dialog, "fileTypeCombo"), QStringLiteral("SVG-Grafik (*.svg)"));
        Suchen<QLineEdit>(*Dialog, "fileNameEdit")->setText(Ordner.filePath(QStringLiteral("skizze")));
        static_cast<QDialog*>(Dialog)->accept();
    });
    QTest::mouseClick(Suchen<QPushButton>(*Skizze, "Button_Speichern"), Qt::LeftButton);
    TDienste::Installieren(&Dienste);
    EXPECT_TRUE(Gesehen);
    QFile Svg(Ordner.filePath(QStringLiteral("skizze.svg")));
    ASSERT_TRUE(Svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(Svg.readAll().contains("<svg"));
    EXPECT_FALSE(QFile::exists(Ordner.filePath(QStringLiteral("skizze.png"))));
    // The position's label is the order's text, never markup.
    EXPECT_EQ(Suchen<QLabel>(*Skizze, "Label_Position")->textFormat(), Qt::PlainText);
}

} // namespace
