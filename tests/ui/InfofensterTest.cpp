#include "base/Version.h"
#include "sheet/Herstellerdaten.h"
#include "ui/info/TAboutBox_Drehrichtungen.h"
#include "ui/info/TAboutBox_Quadrolis.h"
#include "ui/info/TAboutBox_Talvern.h"
#include "ui/info/TAboutBox_Werkzeuggutschein.h"
#include "ui/info/TAboutBox_abrechnungsvorschlag.h"
#include "ui/info/TBildflaeche.h"
#include "ui/shared/TDienste.h"
#include "ui/info/TForm_Einfuehrungspreise.h"
#include "ui/info/TForm_Holzarten.h"
#include "ui/info/TForm_Profilskizzen.h"
#include "ui/info/TForm_Sonderformen.h"
#include "ui/info/TWeblink.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <memory>

namespace {

class TFalscheDienste final : public TDienste
{
public:
    bool Information(QWidget*, const QString&, bool) override { return true; }
    void Fehler(QWidget*, const QString&) override {}
    QString Datei_Oeffnen(QWidget*, const TDateiwahl&) override { return {}; }
    QString Datei_Speichern(QWidget*, const TDateiwahl&) override { return {}; }
    void Oeffnen(const QUrl& Ziel) override { Geoeffnet.append(Ziel); }

    QList<QUrl> Geoeffnet;
};

class Infofenster : public ::testing::Test
{
protected:
    void SetUp() override { TDienste::Installieren(&Dienste); }
    void TearDown() override { TDienste::Installieren(nullptr); }

    TFalscheDienste Dienste;
};

struct TFensterart
{
    const char* Klasse;
    std::function<QWidget*()> Erzeugen;
    QString Titel;
    QSize Flaeche;
    bool Dialog;
};

const std::vector<TFensterart>& Fensterarten()
{
    static const std::vector<TFensterart> Arten = {
        {"TAboutBox_Talvern", [] { return new TAboutBox_Talvern; }, QStringLiteral("Informationen"), {352, 272}, true},
        {"TAboutBox_Quadrolis", [] { return new TAboutBox_Quadrolis; }, QStringLiteral("Info"), {225, 161}, true},
        {"TAboutBox_Drehrichtungen", [] { return new TAboutBox_Drehrichtungen; }, QStringLiteral("Info über"),
         {489, 487}, true},
        {"TAboutBox_abrechnungsvorschlag", [] { return new TAboutBox_abrechnungsvorschlag; },
         QStringLiteral("Info über"), {994, 645}, true},
        {"TAboutBox_Werkzeuggutschein", [] { return new TAboutBox_Werkzeuggutschein; }, QStringLiteral("Info über"),
         {856, 642}, true},
        {"TForm_Holzarten", [] { return new TForm_Holzarten; }, QStringLiteral("Holzarten"), {417, 351}, false},
        {"TForm_Sonderformen", [] { return new TForm_Sonderformen; },
         QStringLiteral("Berechnungstabelle Sonderformen"), {616, 233}, false},
        {"TForm_Profilskizzen", [] { return new TForm_Profilskizzen; }, QStringLiteral("Profilskizzen"), {309, 464},
         false},
        {"TForm_Einfuehrungspreise", [] { return new TForm_Einfuehrungspreise; }, QStringLiteral("Einführungspreise"),
         {447, 317}, false},
    };
    return Arten;
}

QStringList Zeilen(const QPlainTextEdit* Text)
{
    return Text->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

TEST_F(Infofenster, TitelGroesseRahmenUndBilder)
{
    for (const TFensterart& Art : Fensterarten()) {
        SCOPED_TRACE(Art.Klasse);
        std::unique_ptr<QWidget> Fenster(Art.Erzeugen());
        EXPECT_FALSE(Fenster->isVisible());
        Fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenster.get()));
        EXPECT_TRUE(Fenster->isWindow());
        EXPECT_EQ(Fenster->windowTitle(), Art.Titel);
        EXPECT_EQ(Fenster->size(), Art.Flaeche);
        EXPECT_EQ(Fenster->minimumSize(), Art.Flaeche);
        EXPECT_EQ(Fenster->maximumSize(), Art.Flaeche);
        EXPECT_FALSE(Fenster->isModal());
        EXPECT_EQ(Fenster->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), !Art.Dialog);

        // Every picture control holds a decoded picture; "Blatt" shows one of the sheets.
        for (const TBildflaeche* Bild : Fenster->findChildren<TBildflaeche*>())
            EXPECT_FALSE(Bild->Bild().isNull()) << Bild->objectName().toStdString();
    }
}

TEST_F(Infofenster, OKSchliesstDenDialogUndErlaubtWiederoeffnen)
{
    for (const TFensterart& Art : Fensterarten()) {
        if (!Art.Dialog)
            continue;
        SCOPED_TRACE(Art.Klasse);
        std::unique_ptr<QWidget> Fenster(Art.Erzeugen());
        Fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenster.get()));
        ASSERT_NE(Fenster->screen(), nullptr);
        const QRect Bildschirm = Fenster->screen()->availableGeometry();
        // Centred within the width of a window frame the first time, then where the user left it.
        const QPoint Abstand = Fenster->frameGeometry().center() - Bildschirm.center();
        EXPECT_LE(Abstand.manhattanLength(), 8) << Abstand.x() << "," << Abstand.y();
        const QPoint Hingeschoben = Bildschirm.topLeft() + QPoint(37, 23);
        Fenster->move(Hingeschoben);

        auto* OK = Fenster->findChild<QPushButton*>(QStringLiteral("OKButton"));
        ASSERT_NE(OK, nullptr);
        EXPECT_EQ(OK->text(), QStringLiteral("OK"));
        EXPECT_TRUE(OK->isDefault());
        const QRect Lage(OK->mapTo(Fenster.get(), QPoint(0, 0)), OK->size());
        EXPECT_TRUE(Fenster->rect().contains(Lage));
        QTest::mouseClick(OK, Qt::LeftButton);
        EXPECT_FALSE(Fenster->isVisible());
        Fenster->show();
        EXPECT_TRUE(Fenster->isVisible());
        EXPECT_EQ(Fenster->pos(), Hingeschoben);
    }
}

TEST_F(Infofenster, ProfilskizzenBehaltenDasGewaehlteBlatt)
{
    TForm_Profilskizzen Fenster;
    EXPECT_TRUE(Fenster.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto* Auswahl = Fenster.findChild<QComboBox*>(QStringLiteral("ComboBox_Blatt"));
    auto* Blatt = Fenster.findChild<TBildflaeche*>(QStringLiteral("Blatt"));
    ASSERT_NE(Auswahl, nullptr);
    ASSERT_NE(Blatt, nullptr);
    ASSERT_EQ(Auswahl->count(), 24);
    EXPECT_EQ(Auswahl->itemText(0), QStringLiteral("Blatt  1  (Standardprofil)"));
    EXPECT_EQ(Auswahl->itemText(9), QStringLiteral("Blatt 10 (Pfosten (Setzholz) - Gesamtansicht 175m)"));
    EXPECT_EQ(Auswahl->itemText(18), QStringLiteral("Blatt 19 (Sprossen)"));
    EXPECT_EQ(Auswahl->itemText(23), QStringLiteral("Blatt 24 (Setzholz mit doppelter Führungsschiene)"));
    EXPECT_EQ(Auswahl->width(), Fenster.width());

    const auto Blattbild = [&Fenster](int n) {
        auto* Quelle = Fenster.findChild<TBildflaeche*>(QStringLiteral("Blatt%1").arg(n, 2, 10, QLatin1Char('0')));
        EXPECT_NE(Quelle, nullptr) << n;
        EXPECT_TRUE(Quelle && Quelle->isHidden()) << n;
        return Quelle ? Quelle->Bild() : QImage();
    };
    ASSERT_NE(Blattbild(1), Blattbild(19));

    Fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    EXPECT_EQ(Auswahl->currentIndex(), 0);
    EXPECT_EQ(Blatt->Bild(), Blattbild(1));

    Auswahl->setFocus();
    for (int i = 0; i < 18; ++i)
        QTest::keyClick(Auswahl, Qt::Key_Down);
    ASSERT_EQ(Auswahl->currentText(), QStringLiteral("Blatt 19 (Sprossen)"));
    EXPECT_EQ(Blatt->Bild(), Blattbild(19));

    Fenster.close();
    EXPECT_FALSE(Fenster.isVisible());
    Fenster.show();
    EXPECT_EQ(Auswahl->currentIndex(), 18);
    EXPECT_EQ(Blatt->Bild(), Blattbild(19));
    EXPECT_TRUE(Blatt->isVisible());
}

TEST_F(Infofenster, WerkzeuggutscheinBlaettertUndBehaeltDieSeite)
{
    TAboutBox_Werkzeuggutschein Fenster;
    Fenster.show();
    auto* Seite1 = Fenster.findChild<TBildflaeche*>(QStringLiteral("Image_Seite1"));
    auto* Seite2 = Fenster.findChild<TBildflaeche*>(QStringLiteral("Image_Seite2"));
    auto* Blaettern = Fenster.findChild<QPushButton*>(QStringLiteral("Button_Blaettern"));
    ASSERT_TRUE(Seite1 && Seite2 && Blaettern);
    EXPECT_EQ(Blaettern->text(), QStringLiteral("Blättern"));
    EXPECT_EQ(Seite2->geometry(), Seite1->geometry());
    EXPECT_NE(Seite1->Bild(), Seite2->Bild());

    EXPECT_TRUE(Seite1->isVisible());
    EXPECT_FALSE(Seite2->isVisible());
    QTest::mouseClick(Blaettern, Qt::LeftButton);
    EXPECT_TRUE(Seite2->isVisible());
    EXPECT_TRUE(Seite1->isVisible());
    QTest::mouseClick(Blaettern, Qt::LeftButton);
    EXPECT_FALSE(Seite2->isVisible());
    QTest::mouseClick(Blaettern, Qt::LeftButton);

    Fenster.close();
    Fenster.show();
    EXPECT_TRUE(Seite2->isVisible());
    EXPECT_EQ(Fenster.Blaetterzahl(), 3);
}

TEST_F(Infofenster, EinfuehrungspreiseStehenZeilengenauImGesperrtenText)
{
    TForm_Einfuehrungspreise Fenster;
    Fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    auto* Text = Fenster.findChild<QPlainTextEdit*>(QStringLiteral("Memo_Einfuehrungspreise"));
    ASSERT_NE(Text, nullptr);
    EXPECT_TRUE(Text->isReadOnly());
    EXPECT_FALSE(Text->isEnabled());
    EXPECT_EQ(Text->geometry(), Fenster.rect());
    // Disabled text cannot be scrolled: every line has to be in view.
    EXPECT_EQ(Text->verticalScrollBar()->maximum(), 0);

    const QStringList Z = Zeilen(Text);
    ASSERT_EQ(Z.size(), 22);
    EXPECT_EQ(Z[0], QStringLiteral("Für das Parallel-Schiebe-Kipp-Element (PSK) für 2 flügelige Fenster"));
    EXPECT_EQ(Z[3], QString());
    EXPECT_EQ(Z[4], QStringLiteral("Zur Auswahl klicken Sie bitte in der Maske \"Position bearbeiten\""));
    EXPECT_EQ(Z[5], QStringLiteral("für Ihr Fenster auf die Auswahlbox \"Zulage\". Die passende Schiebe-"));
    EXPECT_EQ(Z[6], QStringLiteral("Falt-Aluschwelle für Ihre SFT finden Sie unter \"Bodenschwelle\"."));
    EXPECT_EQ(Z[12], QStringLiteral("bis 1930 x 2200 nur 299,00 €"));
    EXPECT_EQ(Z[21], QStringLiteral("6 Flügel bis 5450 x 2200 nur 699,00 €"));
}

TEST_F(Infofenster, UeberQuadrolisNenntProduktUndVersion)
{
    TAboutBox_Quadrolis Fenster;
    const auto Text = [&Fenster](const char* Name) {
        auto* Label = Fenster.findChild<QLabel*>(QLatin1String(Name));
        return Label ? Label->text() : QStringLiteral("<fehlt>");
    };
    EXPECT_EQ(Text("ProductName"), QStringLiteral("Quadrolis"));
    // The project's version, the one bestellblatt and the package report too.
    EXPECT_EQ(Text("Version"), QStringLiteral("Version C2 " QUADROLIS_VERSION));
    EXPECT_EQ(Text("Comments"), QStringLiteral("Alle Angaben (Preise etc.) ohne Gewähr. Änderungen vorbehalten."));
    auto* Symbol = Fenster.findChild<TBildflaeche*>(QStringLiteral("ProgramIcon"));
    ASSERT_NE(Symbol, nullptr);
    EXPECT_EQ(Symbol->size(), QSize(33, 33));
}

TEST_F(Infofenster, KontaktboxZeigtHerstellerdaten)
{
    TAboutBox_Talvern Fenster;
    auto* Anschrift = Fenster.findChild<QPlainTextEdit*>(QStringLiteral("Memo_Anschrift"));
    auto* Register = Fenster.findChild<QPlainTextEdit*>(QStringLiteral("Memo_Register"));
    auto* Link = Fenster.findChild<TWeblink*>(QStringLiteral("Memo_Link"));
    ASSERT_TRUE(Anschrift && Register && Link);

    const QStringList A = Zeilen(Anschrift);
    ASSERT_EQ(A.size(), 7);
    EXPECT_EQ(A[0], Herstellerdaten::Firma);
    EXPECT_TRUE(A[1].isEmpty());
    EXPECT_EQ(A[2] + QStringLiteral(", ") + A[3], Herstellerdaten::Anschrift);
    EXPECT_TRUE(A[4].isEmpty());
    EXPECT_TRUE(A[5].endsWith(Herstellerdaten::Telefon));
    EXPECT_TRUE(A[6].endsWith(Herstellerdaten::Fax));

    const QStringList R = Zeilen(Register);
    ASSERT_EQ(R.size(), 6);
    EXPECT_EQ(R[0], QStringLiteral("Geschäftsführer:"));
    EXPECT_EQ(R[1], Herstellerdaten::Geschaeftsfuehrer);
    EXPECT_EQ(R[3], QStringLiteral("Sitz/Registergericht:"));
    EXPECT_TRUE(Herstellerdaten::Registergericht.endsWith(R[4]));
    EXPECT_EQ(R[5], Herstellerdaten::Registernummer);

    EXPECT_EQ(Link->toPlainText(), Herstellerdaten::Webadresse);
    for (const QPlainTextEdit* Text : {Anschrift, Register, static_cast<QPlainTextEdit*>(Link)}) {
        EXPECT_TRUE(Text->isReadOnly());
        EXPECT_EQ(Text->viewport()->cursor().shape(), Qt::ArrowCursor);
        EXPECT_FALSE(Text->textInteractionFlags() & Qt::TextEditable);
    }
}

TEST_F(Infofenster, LinkDerKontaktboxOeffnetDieWebadresse)
{
    TAboutBox_Talvern Fenster;
    Fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    auto* Link = Fenster.findChild<TWeblink*>(QStringLiteral("Memo_Link"));
    ASSERT_NE(Link, nullptr);
    QWidget* Flaeche = Link->viewport();
    EXPECT_EQ(Flaeche->mapTo(Link, QPoint(0, 0)), QPoint(0, 0));

    QTest::mouseMove(Flaeche, QPoint(20, 8));
    EXPECT_TRUE(Link->Unterstrichen());
    EXPECT_EQ(Flaeche->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Link->Schriftfarbe(), QColor(Qt::blue));
    EXPECT_TRUE(Link->font().underline());

    QTest::mousePress(Flaeche, Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(Link->Schriftfarbe(), QColor(Qt::red));
    EXPECT_EQ(Link->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_TRUE(Dienste.Geoeffnet.isEmpty());
    QTest::mouseRelease(Flaeche, Qt::LeftButton, {}, QPoint(20, 8));
    ASSERT_EQ(Dienste.Geoeffnet.size(), 1);
    EXPECT_EQ(Dienste.Geoeffnet.front(), QUrl(Herstellerdaten::Weblink));
    EXPECT_EQ(Link->Schriftfarbe(), QColor(Qt::red));

    // Leaving the area makes it plain and blue again.
    QTest::mouseMove(Flaeche, QPoint(20, 18));
    EXPECT_FALSE(Link->Unterstrichen());
    EXPECT_EQ(Link->Schriftfarbe(), QColor(Qt::blue));
    EXPECT_EQ(Flaeche->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Infofenster, LinkOeffnetNichtsWennDerZeigerVorDemLoslassenWeggeht)
{
    TAboutBox_Talvern Fenster;
    Fenster.show();
    auto* Link = Fenster.findChild<TWeblink*>(QStringLiteral("Memo_Link"));
    ASSERT_NE(Link, nullptr);
    QWidget* Flaeche = Link->viewport();

    QTest::mouseMove(Flaeche, QPoint(30, 9));
    QTest::mousePress(Flaeche, Qt::LeftButton, {}, QPoint(30, 9));
    ASSERT_EQ(Link->Schriftfarbe(), QColor(Qt::red));
    QTest::mouseMove(Flaeche, QPoint(30, 17));
    EXPECT_EQ(Link->Schriftfarbe(), QColor(Qt::blue));
    QTest::mouseRelease(Flaeche, Qt::LeftButton, {}, QPoint(30, 17));
    EXPECT_TRUE(Dienste.Geoeffnet.isEmpty());

    // A press below the area does not arm the link either.
    QTest::mousePress(Flaeche, Qt::LeftButton, {}, QPoint(30, 16));
    QTest::mouseRelease(Flaeche, Qt::LeftButton, {}, QPoint(30, 16));
    EXPECT_TRUE(Dienste.Geoeffnet.isEmpty());
}

TEST_F(Infofenster, BewegungUeberDenAnderenTextenSetztDenLinkZurueck)
{
    TAboutBox_Talvern Fenster;
    Fenster.show();
    auto* Link = Fenster.findChild<TWeblink*>(QStringLiteral("Memo_Link"));
    ASSERT_NE(Link, nullptr);
    for (const char* Name : {"Memo_Anschrift", "Memo_Register"}) {
        SCOPED_TRACE(Name);
        QTest::mouseMove(Link->viewport(), QPoint(10, 8));
        ASSERT_TRUE(Link->Unterstrichen());
        auto* Text = Fenster.findChild<QPlainTextEdit*>(QLatin1String(Name));
        ASSERT_NE(Text, nullptr);
        QTest::mouseMove(Text->viewport(), QPoint(10, 10));
        EXPECT_FALSE(Link->Unterstrichen());
        EXPECT_EQ(Link->viewport()->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST(TWeblink, GrenzenDerBereiche)
{
    const struct
    {
        QPoint Punkt;
        bool Ueber;
        bool Klick;
    } Faelle[] = {
        {{2, 2}, true, true},     {{1, 2}, false, false},   {{2, 1}, false, false},  {{143, 15}, true, true},
        {{144, 15}, false, false}, {{143, 16}, false, false}, {{70, 8}, true, true},
    };
    for (const auto& F : Faelle) {
        EXPECT_EQ(TWeblink::Ueber_Text(F.Punkt), F.Ueber) << F.Punkt.x() << "," << F.Punkt.y();
        EXPECT_EQ(TWeblink::Im_Klickbereich(F.Punkt), F.Klick) << F.Punkt.x() << "," << F.Punkt.y();
    }
}
