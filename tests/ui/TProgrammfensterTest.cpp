#include "Hauptfenster_Testhilfen.h"

#include "ui/main/TProgrammfenster.h"
#include "ui/main/TForm_Haupt.h"

#include <QAction>
#include <QPushButton>

using namespace Hauptfenster_Test;

namespace {

TEST(TProgrammfenster, StartZeigtNurDasHauptfenster)
{
    TTestdienste Dienste;
    TProgrammfenster Anwendung;
    const auto& Fenster = Anwendung.Fenster();
    ASSERT_FALSE(Fenster.empty());
    EXPECT_EQ(Fenster.front().get(), &Anwendung.Hauptfenster());
    for (const auto& F : Fenster)
        EXPECT_FALSE(F->isVisible()) << F->metaObject()->className();

    QStringList Klassen;
    for (const auto& F : Fenster)
        Klassen << QLatin1String(F->metaObject()->className());
    EXPECT_EQ(Klassen, QStringList({"TForm_Haupt", "TForm_Profilskizzen", "TAboutBox_Talvern", "TAboutBox_Quadrolis",
                                    "TForm_Sonderformen", "TForm_Holzarten", "TForm_Positionen", "TForm_Lieferung",
                                    "TForm_Freie", "TForm_Montage", "TForm_Zulage1", "TForm_Zulage2",
                                    "TForm_Sonderfarbe", "TForm_Einfuehrungspreise", "TAboutBox_Drehrichtungen",
                                    "TAboutBox_Werkzeuggutschein", "TForm_Freie_Zulage_Umlfm", "TForm_Freie_Zulage_M2",
                                    "TForm_Freie_Zulage_Stueck", "TForm_Freie_Zulage_Fenster",
                                    "TAboutBox_abrechnungsvorschlag", "TForm_Skizze"}));

    Anwendung.Starten();
    EXPECT_TRUE(Anwendung.Hauptfenster().isVisible());
    for (std::size_t i = 1; i < Fenster.size(); ++i)
        EXPECT_FALSE(Fenster[i]->isVisible()) << Fenster[i]->metaObject()->className();
}

TEST(TProgrammfenster, MenuesOeffnenDieInformationsfenster)
{
    TTestdienste Dienste;
    TProgrammfenster Anwendung;
    Anwendung.Starten();
    const struct
    {
        const char* Punkt;
        const char* Klasse;
    } Faelle[] = {
        {"Profilskizzen1", "TForm_Profilskizzen"},
        {"Sonderformen1", "TForm_Sonderformen"},
        {"Holzarten1", "TForm_Holzarten"},
        {"Skizze1", "TForm_Skizze"},
        {"TalvernFensterGmbH1", "TAboutBox_Talvern"},
        {"berQuadrolis2", "TAboutBox_Quadrolis"},
        {"Drehrichtungen1", "TAboutBox_Drehrichtungen"},
        {"Abrechnungsvorschlag1", "TAboutBox_abrechnungsvorschlag"},
    };
    for (const auto& Fall : Faelle) {
        Suchen<QAction>(Anwendung.Hauptfenster(), Fall.Punkt)->trigger();
        int Offen = 0;
        for (const auto& F : Anwendung.Fenster()) {
            if (F.get() == &Anwendung.Hauptfenster() || !F->isVisible())
                continue;
            ++Offen;
            EXPECT_STREQ(F->metaObject()->className(), Fall.Klasse) << Fall.Punkt;
            F->hide();
        }
        EXPECT_EQ(Offen, 1) << Fall.Punkt;
    }
    QAction* Einfuehrung = Suchen<QAction>(Anwendung.Hauptfenster(), "Einfuehrungspreise1");
    EXPECT_FALSE(Einfuehrung->isVisible());
    EXPECT_FALSE(Einfuehrung->isEnabled());
}

TEST(TProgrammfenster, PositionsdialogeSindGekoppelt)
{
    TTestdienste Dienste;
    TProgrammfenster Anwendung;
    Anwendung.Starten();
    TForm_Haupt& Haupt = Anwendung.Hauptfenster();
    const auto Dialog = [&](const char* Klasse) -> QWidget* {
        for (const auto& F : Anwendung.Fenster())
            if (qstrcmp(F->metaObject()->className(), Klasse) == 0)
                return F.get();
        return nullptr;
    };
    auto* Liste = Suchen<QComboBox>(Haupt, "CBC_Haupt_NeuePos");
    Eintrag_Waehlen(Liste, QStringLiteral("Freie Position"));
    Eintrag_Waehlen(Liste, QStringLiteral("Fenster"));
    Eintrag_Waehlen(Liste, QStringLiteral("Zulage Stueck"));
    EXPECT_FALSE(Dialog("TForm_Freie_Zulage_Stueck")->isVisible());

    QTest::mouseClick(Suchen<QPushButton>(Haupt, "Button_Position_Bearbeiten"), Qt::LeftButton);
    EXPECT_TRUE(Dialog("TForm_Freie_Zulage_Stueck")->isVisible());

    auto* Raster = Suchen<QTableView>(Haupt, "StringGrid1");
    Zeile_Anklicken(Raster, 1);
    EXPECT_FALSE(Dialog("TForm_Freie_Zulage_Stueck")->isVisible());
    EXPECT_TRUE(Dialog("TForm_Positionen")->isVisible());
    Zeile_Anklicken(Raster, 0);
    EXPECT_FALSE(Dialog("TForm_Positionen")->isVisible());
    EXPECT_TRUE(Dialog("TForm_Freie")->isVisible());
}

} // namespace
