#include "base/TIniDatei.h"
#include "positions/TPosition.h"

#include <gtest/gtest.h>

namespace {

constexpr long double Cent = 0.000001L;

TPosition Zwei_Fluegel_1200x1400()
{
    TPosition P;
    P.Abmessungen.Fenstertyp_Setzen(3);
    P.Abmessungen.Breite_Setzen(1200);
    P.Abmessungen.Hoehe_Setzen(1400);
    P.Hoelzer.ItemIndex_Setzen(1);   // Fichte
    P.Profile.ItemIndex_Setzen(0, 1); // Denkmalschutz
    P.Glaeser.ItemIndex_Setzen(0, 2); // 3-fach Verglasung
    P.Profile.ItemIndex_Setzen(3, 2); // Konterholz 2 Stück
    P.Beschlaege.ItemIndex_Setzen(0, 1); // Roto Royal NT
    return P;
}

} // namespace

TEST(TPositionPreis, NeuePositionKostet396)
{
    const TPosition P;
    EXPECT_EQ(P.Meterpreis(), 66.0L);
    EXPECT_EQ(P.Abmessungen.UM(), 6.0L);
    EXPECT_EQ(P.Stueckpreis(), 0.0L);
    EXPECT_EQ(P.Einzelpreis_Nicht_Rabattfaehig(), 0.0L);
    EXPECT_EQ(P.Einzelpreis(), 396.0L);
    EXPECT_EQ(P.Gesamtpreis(), 396.0L);
}

TEST(TPositionPreis, ZweiFluegelBeispiel)
{
    TPosition P = Zwei_Fluegel_1200x1400();
    EXPECT_EQ(P.Abmessungen.UM(), 8.0L);
    EXPECT_EQ(P.Meterpreis(), 88.0L);
    EXPECT_EQ(P.Stueckpreis(), 144.0L);
    EXPECT_EQ(P.Einzelpreis(), 848.0L);
    P.Abmessungen.Anzahl_Setzen(3);
    EXPECT_EQ(P.Gesamtpreis(), 2544.0L);
}

TEST(TPositionPreis, FestImRahmenSenktMeterpreis)
{
    TPosition P;
    P.Abmessungen.Fenstertyp_Setzen(0);
    P.Abmessungen.Hoehe_Setzen(1000);
    EXPECT_EQ(P.Meterpreis(), 47.0L);
    EXPECT_EQ(P.Abmessungen.UM(), 4.0L);
    EXPECT_EQ(P.Einzelpreis(), 188.0L);
}

TEST(TPositionPreis, BalkontuerZaehltNurAlsBalkontuer)
{
    TIniDatei Ini(QLatin1Char(','));
    TPosition P;
    P.Balkontueren.ItemIndex_Setzen(1, 1);
    const long double Meter_Ohne = P.Meterpreis();
    const long double Stueck_Ohne = P.Stueckpreis();

    // Only a file or a copy marks a position as balcony door.
    P.Ini_Speichern(Ini, QStringLiteral("P"));
    Ini.Bool_Schreiben(QStringLiteral("P/Position/Abmessungen"), QStringLiteral("istBalkontuer"), true);
    P.Ini_Laden(Ini, QStringLiteral("P"));
    ASSERT_TRUE(P.Abmessungen.istBalkontuer());
    EXPECT_NEAR(double(P.Meterpreis() - Meter_Ohne), 61.6, 1e-9);
    EXPECT_NEAR(double(P.Stueckpreis() - Stueck_Ohne), 131.0, 1e-9);
    EXPECT_EQ(P.Beschreibung().indexOf(QStringLiteral("Sonderausführung ")),
              QStringLiteral("1 Flügel/Fester Flügel; ").size());

    P.Abmessungen.Fenstertyp_Setzen(1); // clears istBalkontuer
    EXPECT_EQ(P.Meterpreis(), Meter_Ohne);
    EXPECT_EQ(P.Stueckpreis(), Stueck_Ohne);
}

TEST(TPositionPreis, Rahmenverbreiterung)
{
    TPosition P;
    P.Abmessungen.HoeheOberlicht_Setzen(400);
    P.Zierprofile.ItemIndex_Setzen(4, 3); // 80mm
    P.Zierprofile.ItemIndex_Setzen(5, 3); // links
    EXPECT_NEAR(double(P.Stueckpreis()), 78.0, 1e-9);
    P.Zierprofile.ItemIndex_Setzen(5, 8); // umlaufend
    EXPECT_NEAR(double(P.Stueckpreis()), 221.0, 1e-9);
}

TEST(TPositionPreis, Sonderformen)
{
    struct Fall
    {
        int Fenstertyp;
        int Form;
        long double Erwartet;
    };
    const Fall Faelle[] = {
        {3, 7, 940.0L}, // Rundbogen, factor 2
        {0, 7, 235.0L}, // halved for type 0
        {5, 4, 891.0L}, // schräg 3 Wkl, factor 3
        {0, 4, 148.5L},
    };
    for (const Fall& F : Faelle) {
        TPosition P;
        P.Abmessungen.Fenstertyp_Setzen(F.Fenstertyp);
        const long double Ohne = P.Stueckpreis();
        P.Sonderformen.ItemIndex_Setzen(F.Form);
        EXPECT_NEAR(double(P.Stueckpreis() - Ohne), double(F.Erwartet), 1e-9)
            << "Typ " << F.Fenstertyp << " Form " << F.Form;
    }
}

TEST(TPositionPreis, SchiebeelementNurImNichtRabattfaehigenAnteil)
{
    TPosition P;
    P.Ergaenzungen.ItemIndex_Setzen(7, 6); // Schiebe-Falt-Tür 599
    EXPECT_EQ(P.Stueckpreis(), 0.0L);
    EXPECT_EQ(P.Einzelpreis_Nicht_Rabattfaehig(), 599.0L);
    EXPECT_EQ(P.Einzelpreis(), 396.0L + 599.0L);
    P.Abmessungen.Anzahl_Setzen(2);
    EXPECT_EQ(P.Gesamtpreis_Nicht_Rabattfaehig(), 1198.0L);
}

TEST(TPositionPreis, RolladenNachHoeheUndSchwelleNachBreite)
{
    TPosition P;
    P.Rolladen.ItemIndex_Setzen(0, 1); // 16mm Nut, 27 per metre of height
    P.Rolladen.ItemIndex_Setzen(1, 5);
    EXPECT_NEAR(double(P.Stueckpreis()), 54.0, 1e-9);
    P.Rolladen.ItemIndex_Setzen(0, 0);
    EXPECT_EQ(P.Stueckpreis(), 0.0L);

    P.Abmessungen.Breite_Setzen(1200);
    P.Sonderausfuehrungen.ItemIndex_Setzen(0, 1); // begehbar 25mm hoch
    EXPECT_NEAR(double(P.Stueckpreis()), 119.88, 1e-9);
}

TEST(TPositionPreis, GeladenerUmlaufGiltStattNeuBerechnetem)
{
    TIniDatei Ini(QLatin1Char(','));
    TPosition P;
    P.Ini_Speichern(Ini, QStringLiteral("P"));
    Ini.Zahl_Schreiben(QStringLiteral("P/Position/Abmessungen"), QStringLiteral("UM"), 10.0L);
    TPosition Q;
    Q.Ini_Laden(Ini, QStringLiteral("P"));
    EXPECT_EQ(Q.Einzelpreis(), 660.0L);
}

TEST(TPositionPreis, UngueltigerIndexIstBereichsfehler)
{
    TPosition P;
    P.Glaeser.ItemIndex_Setzen(0, 17);
    EXPECT_THROW(P.Einzelpreis(), EBereichsfehler);
    EXPECT_THROW(P.Beschreibung(), EBereichsfehler);
}

TEST(TPositionBeschreibung, NeuePosition)
{
    const TPosition P;
    EXPECT_EQ(P.Beschreibung(),
              QStringLiteral("1 Flügel/Fester Flügel; Profile: Neubau, Fensterbankanschluss o-o; Fichte keilgezinkt; "
                             "1 farbig nach RAL-Standard; Versiegelung: transparent; "
                             "Regenschiene Fenster: EV1; Flügelabdeckung: keine; Beschläge: Roto NT Standard; "
                             "Glas: Standard 32 dB 4-16-4 b Ug-Wert 1,1; "));
}

TEST(TPositionKopie, KopieIstUnabhaengig)
{
    TPosition Quelle = Zwei_Fluegel_1200x1400();
    Quelle.Bez = QStringLiteral("Küche");
    Quelle.Zierprofile.Anschlag = QStringLiteral("innen");
    TPosition Kopie;
    Kopie.Kopieren_Von(Quelle);
    EXPECT_EQ(Kopie.Einzelpreis(), 848.0L);
    EXPECT_EQ(Kopie.Bez, QStringLiteral("Küche"));
    EXPECT_EQ(Kopie.Zierprofile.Anschlag, QStringLiteral("innen"));

    Kopie.Hoelzer.ItemIndex_Setzen(0);
    Kopie.Abmessungen.Breite_Setzen(2000);
    EXPECT_EQ(Quelle.Hoelzer.ItemIndex_Lesen(), 1);
    EXPECT_EQ(Quelle.Abmessungen.Breite(), 1200);
}

TEST(TPositionDatei, RundreiseBehaeltAlles)
{
    TPosition P = Zwei_Fluegel_1200x1400();
    P.Abmessungen.Fenstertyp_Setzen(4);
    P.Abmessungen.HoeheOberlicht_Setzen(350);
    P.Abmessungen.Anzahl_Setzen(7);
    P.Abmessungen.Drehrichtung = QStringLiteral("DIN links");
    P.Bez = QStringLiteral("Wohnzimmer");
    P.Lagen.Text = QStringLiteral("EG Süd");
    P.Zierprofile.Anschlag = QStringLiteral("aufliegend");
    P.Sonderformen.ItemIndex_Setzen(11);
    P.Rolladen.ItemIndex_Setzen(7, 1);
    P.Ergaenzungen.ItemIndex_Setzen(8, 30);

    TIniDatei Ini(QLatin1Char(','));
    P.Ini_Speichern(Ini, QStringLiteral("Bestellung/Positionen0"));
    TIniDatei Gelesen(QLatin1Char(','));
    Gelesen.Bytes_Lesen(Ini.Bytes());
    TPosition Q;
    Q.Ini_Laden(Gelesen, QStringLiteral("Bestellung/Positionen0"));

    EXPECT_EQ(Q.Beschreibung(), P.Beschreibung());
    // The file holds the running metres narrowed to double precision.
    EXPECT_EQ(Q.Abmessungen.UM(), static_cast<long double>(static_cast<double>(P.Abmessungen.UM())));
    EXPECT_NEAR(double(Q.Einzelpreis()), double(P.Einzelpreis()), 1e-9);
    EXPECT_EQ(Q.Abmessungen.Anzahl(), 7);
    EXPECT_EQ(Q.Abmessungen.Drehrichtung, QStringLiteral("DIN links"));
    EXPECT_EQ(Q.Bez, QStringLiteral("Wohnzimmer"));
    EXPECT_EQ(Q.Zierprofile.Anschlag, QStringLiteral("aufliegend"));
    EXPECT_TRUE(Q.Abmessungen.hatOberlicht());
    EXPECT_TRUE(Gelesen.Abschnitt_Vorhanden(QStringLiteral("Bestellung/Positionen0/Position/Glaeser")));
}
