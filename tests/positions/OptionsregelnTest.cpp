#include "positions/TPosition.h"
#include "positions/TOptionsregeln.h"
#include "base/TIniDatei.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr int Oeffner = TSonderausfuehrungen::Oberlichtoeffner;
constexpr int Dichtung = TSonderausfuehrungen::Zweite_Dichtung;
constexpr int Schere = TBeschlaege::PutzFangschere;
constexpr int Schiebeelement = TErgaenzungen::Schiebeelement;

TPosition Mit_Oberlicht_Und_Zubehoer()
{
    TPosition P;
    P.Abmessungen.Fenstertyp_Setzen(2);
    P.Abmessungen.HoeheOberlicht_Setzen(400);
    P.Sonderausfuehrungen.ItemIndex_Setzen(Oeffner, 2);
    P.Beschlaege.ItemIndex_Setzen(Schere, 1);
    P.Ergaenzungen.ItemIndex_Setzen(Schiebeelement, 1);
    return P;
}

} // namespace

TEST(Optionsregeln, OberlichtsteuerungenFolgenDemFenstertyp)
{
    struct TFall
    {
        int Typ;
        bool Hoehe, Oeffner, Schere;
    };
    const TFall Faelle[] = {
        {0, false, true, true},   {1, false, false, false}, {2, true, true, true},
        {3, false, false, false}, {4, true, true, true},    {5, false, false, false},
        {6, true, true, true},    {7, false, false, false}, {8, false, false, false},
        {9, false, false, false},
    };
    for (const TFall& F : Faelle) {
        TAbmessungen A(1000, 2000);
        A.Fenstertyp_Setzen(F.Typ);
        const auto Frei = TOptionsregeln::Oberlicht_Freigabe(A);
        EXPECT_EQ(Frei.Hoehe, F.Hoehe) << "Typ " << F.Typ;
        EXPECT_EQ(Frei.Oeffner, F.Oeffner) << "Typ " << F.Typ;
        EXPECT_EQ(Frei.PutzFangschere, F.Schere) << "Typ " << F.Typ;
    }
}

TEST(Optionsregeln, GespeicherteOberlichthoeheGibtDieSteuerungenFrei)
{
    TAbmessungen A(1000, 2000);
    A.Fenstertyp_Setzen(3);
    A.HoeheOberlicht_Setzen(500);
    EXPECT_TRUE(TOptionsregeln::Oberlicht_Freigabe(A).Hoehe);
    EXPECT_TRUE(TOptionsregeln::Oberlicht_Freigabe(A).PutzFangschere);
}

TEST(Optionsregeln, WechselOhneOberlichtLeertOberlichtOeffnerUndSchere)
{
    TPosition P = Mit_Oberlicht_Und_Zubehoer();
    TOptionsregeln::Fluegel_Wechseln(P, 3);
    EXPECT_EQ(P.Abmessungen.Fenstertyp_Lesen(), 3);
    EXPECT_FALSE(P.Abmessungen.hatOberlicht());
    EXPECT_EQ(P.Abmessungen.HoeheOberlicht(), 0);
    EXPECT_EQ(P.Sonderausfuehrungen.ItemIndex_Lesen(Oeffner), 0);
    EXPECT_EQ(P.Beschlaege.ItemIndex_Lesen(Schere), 0);
    EXPECT_EQ(P.Ergaenzungen.ItemIndex_Lesen(Schiebeelement), 0);
    EXPECT_EQ(P.Abmessungen.Breite(), 1000);
    EXPECT_EQ(P.Abmessungen.Hoehe(), 2000);
}

TEST(Optionsregeln, WechselMitOberlichtBehaeltOberlichtAberNieDasSchiebeelement)
{
    for (int Typ : {2, 4, 6}) {
        TPosition P = Mit_Oberlicht_Und_Zubehoer();
        TOptionsregeln::Fluegel_Wechseln(P, Typ);
        EXPECT_EQ(P.Abmessungen.HoeheOberlicht(), 400) << Typ;
        EXPECT_EQ(P.Sonderausfuehrungen.ItemIndex_Lesen(Oeffner), 2) << Typ;
        EXPECT_EQ(P.Beschlaege.ItemIndex_Lesen(Schere), 1) << Typ;
        EXPECT_EQ(P.Ergaenzungen.ItemIndex_Lesen(Schiebeelement), 0) << Typ;
    }
}

TEST(Optionsregeln, WechselLaesstZuGrosseMasseStehen)
{
    TPosition P;
    P.Abmessungen.Breite_Setzen(5000);
    TOptionsregeln::Fluegel_Wechseln(P, 0);
    EXPECT_EQ(P.Abmessungen.Breite(), 5000);
    EXPECT_EQ(P.Abmessungen.MaxBreite(), 1400);
}

TEST(Optionsregeln, SonderfarbeSperrtDieListeUndKehrtZuEintragNullZurueck)
{
    TOberflaechen O;
    O.ItemIndex_Setzen(7);
    auto Anzeige = TOptionsregeln::Oberflaeche_Anzeigen(O);
    EXPECT_EQ(Anzeige.Listeneintrag, 7);
    EXPECT_TRUE(Anzeige.Liste_Frei);
    EXPECT_FALSE(Anzeige.Sonderfarbe_Gewaehlt);

    TOptionsregeln::Sonderfarbe_Setzen(O, true);
    EXPECT_EQ(O.ItemIndex_Lesen(), 8);
    Anzeige = TOptionsregeln::Oberflaeche_Anzeigen(O);
    EXPECT_EQ(Anzeige.Listeneintrag, 0);
    EXPECT_FALSE(Anzeige.Liste_Frei);
    EXPECT_TRUE(Anzeige.Sonderfarbe_Gewaehlt);
    EXPECT_EQ(O.ItemIndex_Lesen(), 8) << "showing must not change the surface";

    TOptionsregeln::Sonderfarbe_Setzen(O, false);
    EXPECT_EQ(O.ItemIndex_Lesen(), 0);
}

TEST(Optionsregeln, ZweiteDichtungAbSchallschutzglasNeun)
{
    for (int Glas = 0; Glas < 17; ++Glas) {
        TPosition P;
        P.Glaeser.ItemIndex_Setzen(0, Glas);
        const bool Erwartet = Glas >= 9;
        EXPECT_EQ(TOptionsregeln::Zweite_Dichtung_Erzwungen(P.Glaeser), Erwartet) << "Glas " << Glas;
        EXPECT_EQ(TOptionsregeln::Zweite_Dichtung_Anwenden(P), Erwartet) << "Glas " << Glas;
        EXPECT_EQ(P.Sonderausfuehrungen.ItemIndex_Lesen(Dichtung), Erwartet ? 1 : 0) << "Glas " << Glas;
    }
}

TEST(Optionsregeln, DichtungBleibtNachRueckkehrZuEinfachemGlas)
{
    TPosition P;
    P.Glaeser.ItemIndex_Setzen(0, 9);
    TOptionsregeln::Zweite_Dichtung_Anwenden(P);
    P.Glaeser.ItemIndex_Setzen(0, 8);
    EXPECT_FALSE(TOptionsregeln::Zweite_Dichtung_Anwenden(P));
    EXPECT_EQ(P.Sonderausfuehrungen.ItemIndex_Lesen(Dichtung), 1);
}

TEST(Optionsregeln, BankNurMitRolladenfuehrung)
{
    TRolladen R;
    R.ItemIndex_Setzen(7, 1);
    EXPECT_FALSE(TOptionsregeln::Bank_Frei(R));
    for (int Fuehrung : {1, 2}) {
        R.ItemIndex_Setzen(0, Fuehrung);
        EXPECT_TRUE(TOptionsregeln::Bank_Frei(R));
    }
}

// A choice given to another window arrives with what follows from it, or not
// at all where that window's rules would not let the user make it.
TEST(Optionsregeln, UebernehmenFolgtDenRegelnDesZiels)
{
    using O = TOptionsregeln::TOption;
    TPosition Quelle = Mit_Oberlicht_Und_Zubehoer();
    Quelle.Hoelzer.ItemIndex_Setzen(3);
    Quelle.Glaeser.ItemIndex_Setzen(TGlaeser::Isolierglas, TOptionsregeln::Erstes_Schallschutzglas_Mit_Dichtung);
    Quelle.Rolladen.ItemIndex_Setzen(TRolladen::Fuehrung, 1);
    Quelle.Rolladen.ItemIndex_Setzen(TRolladen::Bank, 2);
    TOptionsregeln::Sonderfarbe_Setzen(Quelle.Oberflaechen, true);

    const auto Text = [](const TPosition& P) {
        TIniDatei Ini(QLatin1Char(','));
        P.Ini_Speichern(Ini, QStringLiteral("P"));
        return Ini.Text().toStdString();
    };
    TPosition Einfach; // a single sash: no top light, no shutter guide
    Einfach.Abmessungen.Fenstertyp_Setzen(1);
    const struct
    {
        O Option;
        bool Moeglich;
        std::function<bool(const TPosition&)> Angekommen;
    } Faelle[] = {
        {O::Holz, true, [](const TPosition& P) { return P.Hoelzer.ItemIndex_Lesen() == 3; }},
        {O::Glas_1, true, [](const TPosition& P) {
             return P.Sonderausfuehrungen.ItemIndex_Lesen(Dichtung) == 1
                    && P.Glaeser.ItemIndex_Lesen(TGlaeser::Isolierglas) == TOptionsregeln::Erstes_Schallschutzglas_Mit_Dichtung;
         }},
        {O::Fluegel, true, [](const TPosition& P) { return P.Abmessungen.Fenstertyp_Lesen() == 2; }},
        {O::Sonderfarbe, true, [](const TPosition& P) {
             return TOptionsregeln::Oberflaeche_Anzeigen(P.Oberflaechen).Sonderfarbe_Gewaehlt;
         }},
        {O::Rolladen, true, [](const TPosition& P) { return P.Rolladen.ItemIndex_Lesen(TRolladen::Fuehrung) == 1; }},
        {O::Bank, false, nullptr},
        {O::Oberlichtoeffner, false, nullptr},
        {O::PutzFangschere, false, nullptr},
        {O::Oberflaeche, false, nullptr}, // the source's surface is the special colour
    };
    TPosition Ganz_Rahmen = Quelle;
    Ganz_Rahmen.Abmessungen.Fenstertyp_Setzen(0);
    TPosition Ziel = Einfach;
    EXPECT_FALSE(TOptionsregeln::Uebernehmen(Ziel, Ganz_Rahmen, O::Fluegel)) << "not in the editor's sash list";
    EXPECT_EQ(Text(Ziel), Text(Einfach));
    for (const auto& F : Faelle) {
        SCOPED_TRACE(int(F.Option));
        TPosition Ziel = Einfach;
        const bool Gegeben = TOptionsregeln::Uebernehmen(Ziel, Quelle, F.Option);
        EXPECT_EQ(Gegeben, F.Moeglich);
        if (F.Angekommen)
            EXPECT_TRUE(F.Angekommen(Ziel));
        else
            EXPECT_EQ(Text(Ziel), Text(Einfach));
    }
}
