#include "TAufzeichner.h"

#include "base/TIniDatei.h"
#include "positions/TPosition.h"
#include "sketch/TSkizze.h"
#include "sketch/TSonderformumriss.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

const QRectF Ziel(0, 0, 400, 400);

TPosition Fenster(int Typ, int Breite, int Hoehe, const QString& Drehrichtung = QString(), int Oberlicht = 0)
{
    TPosition P;
    P.Abmessungen.Fenstertyp_Setzen(Typ);
    P.Abmessungen.Breite_Setzen(Breite);
    P.Abmessungen.Hoehe_Setzen(Hoehe);
    if (Oberlicht)
        P.Abmessungen.HoeheOberlicht_Setzen(Oberlicht);
    P.Abmessungen.Drehrichtung = Drehrichtung;
    return P;
}

struct TGezeichnet
{
    TSkizzenplan Plan;
    QTransform T;
    TAufzeichner Geraet;
};

std::unique_ptr<TGezeichnet> Zeichnen(const TPosition& P)
{
    auto G = std::make_unique<TGezeichnet>();
    G->Plan = TSkizze::Planen(P);
    G->T = TSkizze::Abbildung(G->Plan, Ziel, TSkizze::Schrifthoehe(Ziel, 96));
    QPainter Maler(&G->Geraet);
    TSkizze::Zeichnen(Maler, P, Ziel);
    return G;
}

bool Nahe(const QPointF& a, const QPointF& b)
{
    return std::abs(a.x() - b.x()) < 0.01 && std::abs(a.y() - b.y()) < 0.01;
}
bool Nahe(const QRectF& a, const QRectF& b)
{
    return Nahe(a.topLeft(), b.topLeft()) && Nahe(a.bottomRight(), b.bottomRight());
}

int Anzahl_Linien(const TAufzeichner& G, const QLineF& L)
{
    const auto Linien = G.Linien();
    return int(std::count_if(Linien.begin(), Linien.end(), [&](const QLineF& X) {
        return (Nahe(X.p1(), L.p1()) && Nahe(X.p2(), L.p2())) || (Nahe(X.p1(), L.p2()) && Nahe(X.p2(), L.p1()));
    }));
}

bool Gezeichnet(const TAufzeichner& G, const QRectF& R)
{
    const auto Alle = G.Rechtecke();
    return std::any_of(Alle.begin(), Alle.end(), [&](const QRectF& X) { return Nahe(X, R); });
}

// Frame 70 mm wide, sash frames 60 mm: the fields of every window type at
// 1200 x 1500 with a 400 mm top light, in millimetres.
TEST(TSkizze, Fluegel_jedes_Fenstertyps)
{
    struct TTyp
    {
        int Typ;
        int Fluegel;
        bool Oberlicht;
    };
    const TTyp Typen[] = {{0, 1, false}, {1, 1, false}, {2, 1, true}, {3, 2, false}, {4, 2, true},
                          {5, 3, false}, {6, 3, true},  {7, 4, false}, {8, 5, false}, {9, 6, false}};
    for (const TTyp& Typ : Typen) {
        SCOPED_TRACE(Typ.Typ);
        const auto G = Zeichnen(Fenster(Typ.Typ, 1200, 1500, QString(), 400));
        const TSkizzenplan& Plan = G->Plan;
        ASSERT_EQ(int(Plan.Felder.size()), Typ.Fluegel + (Typ.Oberlicht ? 1 : 0));
        EXPECT_EQ(Plan.Kaempfer.has_value(), Typ.Oberlicht);
        std::size_t i = 0;
        const qreal Unten_Oben = Typ.Oberlicht ? 435 : 70;
        if (Typ.Oberlicht) {
            EXPECT_TRUE(Plan.Felder[0].istOberlicht);
            EXPECT_TRUE(Nahe(Plan.Felder[0].Rahmen, QRectF(70, 70, 1060, 295)));
            EXPECT_TRUE(Nahe(*Plan.Kaempfer, QRectF(70, 365, 1060, 70)));
            EXPECT_EQ(Plan.HoeheOberlicht, 400);
            i = 1;
        }
        for (int n = 0; n < Typ.Fluegel; ++n, ++i) {
            const TSkizzenplan::TFeld& F = Plan.Felder[i];
            const QRectF Erwartet(70 + n * 1060.0 / Typ.Fluegel, Unten_Oben, 1060.0 / Typ.Fluegel, 1430 - Unten_Oben);
            EXPECT_TRUE(Nahe(F.Rahmen, Erwartet)) << n;
            EXPECT_EQ(F.hatFluegelrahmen, Typ.Typ != 0);
            const qreal Fluegelrahmen = Typ.Typ == 0 ? 0 : std::min(60.0, Erwartet.width() / 5);
            EXPECT_TRUE(Nahe(F.Glas, Erwartet.adjusted(Fluegelrahmen, Fluegelrahmen, -Fluegelrahmen, -Fluegelrahmen)));
            // What is painted is the plan, mapped into the target.
            EXPECT_TRUE(Gezeichnet(G->Geraet, G->T.mapRect(F.Glas))) << n;
            if (F.hatFluegelrahmen) {
                EXPECT_TRUE(Gezeichnet(G->Geraet, G->T.mapRect(F.Rahmen))) << n;
            }
        }
        EXPECT_TRUE(Gezeichnet(G->Geraet, G->T.mapRect(QRectF(0, 0, 1200, 1500))));
    }
}

TEST(TSkizze, Massstab_Seitenverhaeltnis_und_Mitte)
{
    for (const QSize Groesse : {QSize(600, 1800), QSize(3000, 800), QSize(1000, 1000)}) {
        const auto G = Zeichnen(Fenster(1, Groesse.width(), Groesse.height()));
        const QRectF R = G->T.mapRect(QRectF(0, 0, Groesse.width(), Groesse.height()));
        EXPECT_NEAR(R.width() / R.height(), qreal(Groesse.width()) / Groesse.height(), 1e-9);
        EXPECT_TRUE(Ziel.contains(R));
        // Fills the free room in one direction.
        EXPECT_TRUE(R.width() > 300 || R.height() > 300);
    }
}

TEST(TSkizze, Oberlicht_im_richtigen_Verhaeltnis)
{
    const auto G = Zeichnen(Fenster(4, 1400, 2100, QString(), 700));
    const QRectF Rahmen = G->T.mapRect(QRectF(0, 0, 1400, 2100));
    const QRectF Kaempfer = G->T.mapRect(*G->Plan.Kaempfer);
    EXPECT_TRUE(Gezeichnet(G->Geraet, Kaempfer));
    EXPECT_NEAR((Kaempfer.center().y() - Rahmen.top()) / Rahmen.height(), 700.0 / 2100, 1e-9);
    const auto Texte = G->Geraet.Texte();
    for (const char* Mass : {"1400", "2100", "700"})
        EXPECT_NE(std::find(Texte.begin(), Texte.end(), QString::fromLatin1(Mass)), Texte.end()) << Mass;
}

// One sash 1200 x 1500: glass from (130, 130) to (1070, 1370).
TEST(TSkizze, Oeffnungslinien_treffen_sich_an_der_Bandseite)
{
    const QPointF LO(130, 130), RO(1070, 130), LU(130, 1370), RU(1070, 1370);
    const QPointF Links(130, 750), Rechts(1070, 750), Unten(600, 1370);
    struct TFall
    {
        const char* Text;
        std::vector<QLineF> Linien;
    };
    const TFall Faelle[] = {
        {"DK links", {{RO, Links}, {RU, Links}, {LO, Unten}, {RO, Unten}}},
        {"DK rechts", {{LO, Rechts}, {LU, Rechts}, {LO, Unten}, {RO, Unten}}},
        {"D links", {{RO, Links}, {RU, Links}}},
        {"K", {{LO, Unten}, {RO, Unten}}},
        {"fest", {}},
        {"", {}},
    };
    const auto Masslinien = Zeichnen(Fenster(1, 1200, 1500))->Geraet.Linien().size();
    for (const TFall& Fall : Faelle) {
        SCOPED_TRACE(Fall.Text);
        const auto G = Zeichnen(Fenster(1, 1200, 1500, QString::fromUtf8(Fall.Text)));
        EXPECT_EQ(G->Plan.Felder[0].Symbol.size(), Fall.Linien.size());
        for (const QLineF& L : Fall.Linien)
            EXPECT_EQ(Anzahl_Linien(G->Geraet, G->T.map(L)), 1);
        EXPECT_EQ(G->Geraet.Linien().size(), Masslinien + Fall.Linien.size());
        EXPECT_TRUE(G->Plan.Unlesbare_Drehrichtung.isEmpty());
    }
}

TEST(TSkizze, zwei_Fluegel_von_links_nach_rechts)
{
    // Sashes 530 wide: glass 130..540 and 660..1070.
    const auto G = Zeichnen(Fenster(3, 1200, 1500, QStringLiteral("D rechts / DK links")));
    EXPECT_EQ(Anzahl_Linien(G->Geraet, G->T.map(QLineF(130, 130, 540, 750))), 1);
    EXPECT_EQ(Anzahl_Linien(G->Geraet, G->T.map(QLineF(1070, 130, 660, 750))), 1);
    EXPECT_EQ(Anzahl_Linien(G->Geraet, G->T.map(QLineF(660, 130, 865, 1370))), 1);
    EXPECT_EQ(G->Plan.Felder[0].Symbol.size(), 2u);
    EXPECT_EQ(G->Plan.Felder[1].Symbol.size(), 4u);
}

TEST(TSkizze, unlesbare_Drehrichtung_steht_unter_der_Skizze_ohne_Symbole)
{
    for (const auto& [Typ, Text] : {std::pair{1, "Stulp links"}, {3, "DK links"}, {0, "DK links"}}) {
        SCOPED_TRACE(Text);
        const auto G = Zeichnen(Fenster(Typ, 1200, 1500, QString::fromUtf8(Text)));
        for (const auto& F : G->Plan.Felder)
            EXPECT_TRUE(F.Symbol.empty());
        const auto Texte = G->Geraet.Texte();
        const auto Hinweis = std::find_if(Texte.begin(), Texte.end(),
                                          [](const QString& T) { return T.startsWith(QStringLiteral("Drehrichtung")); });
        ASSERT_NE(Hinweis, Texte.end());
        EXPECT_EQ(*Hinweis, QStringLiteral("Drehrichtung nicht lesbar: ") + QString::fromUtf8(Text));
        const QRectF Rahmen = G->T.mapRect(G->Plan.Ausdehnung());
        for (const auto& B : G->Geraet.Befehle)
            if (B.Art == TAufzeichner::TBefehl::TArt::Text && B.Text == *Hinweis) {
                EXPECT_GT(B.Textpunkt.y(), Rahmen.bottom());
            }
    }
}

TEST(TSkizze, Sonderformen_als_Umriss)
{
    // Points of the 1000 x 1000 box inside and outside each outline.
    struct TForm
    {
        int Index;
        QPointF Innen, Aussen;
    };
    const TForm Formen[] = {
        {0, {5, 5}, {-5, 5}},        {1, {5, 5}, {990, 300}},     {2, {100, 900}, {900, 100}},
        {3, {5, 5}, {990, 10}},      {4, {500, 10}, {10, 300}},   {5, {318, 10}, {10, 400}},
        {6, {500, 5}, {10, 500}},    {7, {500, 5}, {30, 100}},    {8, {500, 5}, {10, 200}},
        {9, {500, 5}, {20, 100}},    {10, {500, 5}, {50, 100}},   {11, {500, 500}, {30, 30}},
    };
    for (const TForm& F : Formen) {
        SCOPED_TRACE(F.Index);
        TPosition P = Fenster(1, 1000, 1000);
        P.Sonderformen.ItemIndex_Setzen(F.Index);
        const auto G = Zeichnen(P);
        const QPainterPath& U = G->Plan.Umriss;
        EXPECT_TRUE(Nahe(U.boundingRect(), QRectF(0, 0, 1000, 1000)));
        EXPECT_TRUE(U.contains(F.Innen));
        EXPECT_FALSE(U.contains(F.Aussen));
        // The same outline the shape list shows, scaled from its 22-pixel box.
        const QPainterPath Bild = TSonderformumriss::Umriss(F.Index, QRectF(3, 3, 22, 22));
        QTransform Auf;
        Auf.translate(-3, -3);
        QTransform Skala = Auf * QTransform::fromScale(1000.0 / 22, 1000.0 / 22);
        EXPECT_TRUE(Skala.map(Bild).contains(F.Innen));
        EXPECT_FALSE(Skala.map(Bild).contains(F.Aussen));
        if (F.Index == 0)
            continue;
        // The outline is painted as a path, the fields are cut to the opening.
        const QPainterPath Erwartet = G->T.map(U);
        const auto Pfad = std::find_if(G->Geraet.Befehle.begin(), G->Geraet.Befehle.end(),
                                       [](const auto& B) { return B.Art == TAufzeichner::TBefehl::TArt::Pfad; });
        ASSERT_NE(Pfad, G->Geraet.Befehle.end());
        EXPECT_TRUE(Nahe(Pfad->Pfad.boundingRect(), Erwartet.boundingRect()));
        EXPECT_EQ(Pfad->Pfad.elementCount(), Erwartet.elementCount());
        const QRectF Innen = G->T.mapRect(G->Plan.Innen.boundingRect());
        for (const auto& B : G->Geraet.Befehle)
            if (B.Art == TAufzeichner::TBefehl::TArt::Pfad) {
                EXPECT_TRUE(B.Pfad.boundingRect().adjusted(-0.5, -0.5, 0.5, 0.5).intersects(Innen));
            }
    }
}

TEST(TSkizze, Rundbogen_bleibt_rund_und_beschneidet_die_Symbole)
{
    TPosition P = Fenster(1, 1000, 2000, QStringLiteral("DK links"));
    P.Sonderformen.ItemIndex_Setzen(7);
    const TSkizzenplan Plan = TSkizze::Planen(P);
    // Springing line half the width below the top.
    EXPECT_TRUE(Plan.Umriss.contains(QPointF(2, 505)));
    EXPECT_FALSE(Plan.Umriss.contains(QPointF(2, 440)));
    for (const QLineF& L : Plan.Felder[0].Symbol) {
        EXPECT_TRUE(Plan.Innen.controlPointRect().adjusted(-1, -1, 1, 1).contains(L.p1()));
        EXPECT_GE(L.p1().y(), 0);
    }
    // The line from the upper right corner to the hinge side now starts on the arch.
    EXPECT_EQ(Plan.Felder[0].Symbol.size(), 4u);
    EXPECT_GT(Plan.Felder[0].Symbol[0].p1().y(), 130);
}

TEST(TSkizze, Bogen_mit_Oberlicht_umrandet_jeden_Fluegel_ringsum)
{
    // Every outline a pen draws is closed, so no side of a sash or a pane goes missing.
    for (const int Typ : {2, 4, 6})
        for (const int Form : {7, 8, 9, 10}) {
            SCOPED_TRACE(QStringLiteral("Typ %1, Form %2").arg(Typ).arg(Form).toStdString());
            TPosition P = Fenster(Typ, 1400, 2100, QString(), 900);
            P.Sonderformen.ItemIndex_Setzen(Form);
            const auto G = Zeichnen(P);
            int Pfade = 0;
            for (const auto& B : G->Geraet.Befehle) {
                if (B.Art != TAufzeichner::TBefehl::TArt::Pfad || B.Stift.style() == Qt::NoPen)
                    continue;
                ++Pfade;
                for (const QPolygonF& Teil : B.Pfad.toSubpathPolygons())
                    EXPECT_TRUE(Teil.isClosed()) << Teil.first().x() << "," << Teil.first().y();
            }
            // Outline and opening, then per field its sash frame and its glass.
            EXPECT_EQ(Pfade, 2 + 2 * int(G->Plan.Felder.size()) + (G->Plan.Kaempfer ? 1 : 0));
        }
}

TEST(TSkizze, Sprossenraster_je_Glasfeld)
{
    struct TFall
    {
        int Typ, Breite, Hoehe, Feldindex, Felder_je_Glas, Sprossen_je_Glas;
    };
    const TFall Faelle[] = {
        {1, 1000, 1000, 3, 4, 2},  // 2 x 2
        {1, 1000, 1000, 1, 2, 1},  // 1 x 2 or 2 x 1
        {3, 1200, 1500, 5, 6, 5},  // narrow tall panes: 1 x 6
        {1, 2000, 1000, 5, 6, 3},  // 3 x 2
        {4, 1400, 2100, 1, 2, 1},  // top light and both sashes, each split once
        {1, 1000, 1000, 0, 0, 0},  // "keine Sprossen"
    };
    for (const TFall& Fall : Faelle) {
        SCOPED_TRACE(Fall.Typ * 1000 + Fall.Feldindex);
        TPosition P = Fenster(Fall.Typ, Fall.Breite, Fall.Hoehe, QString(), 500);
        P.Sprossen.ItemIndex_Setzen(0, 4);
        P.Sprossen.ItemIndex_Setzen(1, Fall.Feldindex);
        const auto G = Zeichnen(P);
        std::size_t Alle = 0;
        for (const auto& F : G->Plan.Felder) {
            EXPECT_EQ(int(F.Sprossen.size()), Fall.Sprossen_je_Glas);
            Alle += F.Sprossen.size();
            for (const QLineF& L : F.Sprossen)
                EXPECT_EQ(Anzahl_Linien(G->Geraet, G->T.map(L)), 1);
        }
        const auto Ohne = Zeichnen(Fenster(Fall.Typ, Fall.Breite, Fall.Hoehe, QString(), 500));
        EXPECT_EQ(G->Geraet.Linien().size(), Ohne->Geraet.Linien().size() + Alle);
    }
    // A bar kind without a field count draws no bars.
    TPosition P = Fenster(1, 1000, 1000);
    P.Sprossen.ItemIndex_Setzen(0, 2);
    EXPECT_TRUE(TSkizze::Planen(P).Felder[0].Sprossen.empty());
}

TEST(TSkizze, Rolladenkasten_und_Schwelle)
{
    TPosition P = Fenster(3, 1200, 1500);
    EXPECT_FALSE(TSkizze::Planen(P).Rolladenkasten);
    P.Rolladen.ItemIndex_Setzen(0, 1);
    {
        const auto G = Zeichnen(P);
        ASSERT_TRUE(G->Plan.Rolladenkasten);
        const QRectF Kasten = G->T.mapRect(*G->Plan.Rolladenkasten);
        EXPECT_TRUE(Gezeichnet(G->Geraet, Kasten));
        EXPECT_NEAR(Kasten.bottom(), G->T.mapRect(QRectF(0, 0, 1200, 1500)).top(), 1e-9);
        EXPECT_NEAR(Kasten.width(), G->T.mapRect(QRectF(0, 0, 1200, 1500)).width(), 1e-9);
    }
    EXPECT_FALSE(TSkizze::Planen(P).Schwelle);
    TIniDatei Ini(QLatin1Char(','));
    P.Ini_Speichern(Ini, QStringLiteral("P"));
    Ini.Bool_Schreiben(QStringLiteral("P/Position/Abmessungen"), QStringLiteral("istBalkontuer"), true);
    TPosition Tuer;
    Tuer.Ini_Laden(Ini, QStringLiteral("P"));
    const auto G = Zeichnen(Tuer);
    ASSERT_TRUE(G->Plan.Schwelle);
    EXPECT_EQ(Anzahl_Linien(G->Geraet, G->T.map(*G->Plan.Schwelle)), 1);
    EXPECT_NEAR(G->Plan.Schwelle->y1(), 1500, 1e-9);
}

TEST(TSkizze, Masse_lesbar_auf_200_mal_200)
{
    EXPECT_GE(TSkizze::Schrifthoehe(QRectF(0, 0, 200, 200), 96), 11);
    EXPECT_LE(TSkizze::Schrifthoehe(QRectF(0, 0, 1400, 1000), 96), 15);
    // On a 1200 dpi printer the texts keep their size on paper.
    EXPECT_NEAR(TSkizze::Schrifthoehe(QRectF(0, 0, 2500, 2500), 1200) / 12.5,
                TSkizze::Schrifthoehe(QRectF(0, 0, 200, 200), 96), 1e-9);
    TAufzeichner Klein(QSize(200, 200));
    QPainter Maler(&Klein);
    const TPosition P = Fenster(4, 1400, 2100, QString(), 700);
    TSkizze::Zeichnen(Maler, P, QRectF(0, 0, 200, 200));
    Maler.end();
    std::vector<QString> Texte = Klein.Texte();
    std::sort(Texte.begin(), Texte.end());
    EXPECT_EQ(Texte, (std::vector<QString>{QStringLiteral("1400"), QStringLiteral("2100"), QStringLiteral("700")}));
    // The width is written horizontally, the heights upwards.
    for (const auto& B : Klein.Befehle)
        if (B.Art == TAufzeichner::TBefehl::TArt::Text) {
            EXPECT_TRUE(B.Text == QLatin1String("1400") ? B.Textrichtung.y() == 0 : B.Textrichtung.x() == 0) << B.Text.toStdString();
        }
}

TEST(TSkizze, ohne_Masse_nichts_zu_zeichnen)
{
    TPosition P = Fenster(3, 1200, 1500);
    P.Abmessungen.Breite_Setzen(QString());
    const auto G = Zeichnen(P);
    EXPECT_FALSE(G->Plan.Zeichenbar);
    EXPECT_EQ(G->Geraet.Texte(), std::vector<QString>{QStringLiteral("Keine Maße")});
    EXPECT_TRUE(G->Geraet.Rechtecke().empty());
}

TEST(TSkizze, liest_die_Position_nur)
{
    TPosition P = Fenster(4, 1400, 2100, QStringLiteral("OL K / DK li / DK re"), 700);
    P.Sprossen.ItemIndex_Setzen(0, 1);
    P.Sprossen.ItemIndex_Setzen(1, 3);
    TIniDatei Vorher(QLatin1Char(','));
    P.Ini_Speichern(Vorher, QStringLiteral("P"));
    const long double Preis = P.Einzelpreis();
    Zeichnen(P);
    TIniDatei Nachher(QLatin1Char(','));
    P.Ini_Speichern(Nachher, QStringLiteral("P"));
    EXPECT_EQ(Vorher.Bytes(), Nachher.Bytes());
    EXPECT_EQ(P.Einzelpreis(), Preis);
}

TEST(TSkizze, SVG_enthaelt_Rahmen_Fluegel_und_Masse)
{
    QBuffer Puffer;
    Puffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(TSkizze::Svg_Schreiben(Puffer, Fenster(4, 1400, 2100, QStringLiteral("OL K / DK li / DK re"), 700),
                                       QSize(400, 400), QStringLiteral("Position 1")));
    const QString Svg = QString::fromUtf8(Puffer.data());
    EXPECT_TRUE(Svg.contains(QStringLiteral("<title>Position 1</title>")));
    EXPECT_TRUE(Svg.contains(QStringLiteral("viewBox=\"0 0 400 400\"")));
    for (const char* Mass : {">1400<", ">2100<", ">700<"})
        EXPECT_TRUE(Svg.contains(QString::fromLatin1(Mass))) << Mass;
    // 2 dimension lines with 2 ticks each ... and the symbols: K (2) + DK (4) + DK (4).
    const qsizetype Linien = Svg.count(QRegularExpression(QStringLiteral("<polyline|<line ")));
    EXPECT_GE(Linien, 9 + 10);
}

TEST(TSkizze, SVG_bleibt_bei_jedem_Text_wohlgeformt)
{
    // What a user may type: the document parses, and each character without
    // a place in it stands as U+FFFD.
    const QString Wirr = QStringLiteral("DK\x01li\x1b[2J\u0090 <&>") + QChar(0xD800) + QChar(0xFFFF);
    QBuffer Puffer;
    Puffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(TSkizze::Svg_Schreiben(Puffer, Fenster(1, 1200, 1500, Wirr), QSize(400, 400),
                                       QStringLiteral("Position\x02 1")));
    QXmlStreamReader Leser(Puffer.data());
    while (!Leser.atEnd())
        Leser.readNext();
    EXPECT_FALSE(Leser.hasError()) << qPrintable(Leser.errorString());
    const QString Svg = QString::fromUtf8(Puffer.data());
    EXPECT_TRUE(Svg.contains(QStringLiteral(">Drehrichtung nicht lesbar: DK<")));
    EXPECT_TRUE(Svg.contains(QStringLiteral("<title>Position\uFFFD 1</title>")));
}

} // namespace
