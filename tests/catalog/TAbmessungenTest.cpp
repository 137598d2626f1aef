#include "catalog/TAbmessungen.h"

#include "base/Fehler.h"
#include "base/TIniDatei.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& Text, std::ostream* Aus)
{
    *Aus << '"' << Text.toStdString() << '"';
}

namespace {

const QString Praefix = QStringLiteral("Position1/Position");
const QString Abschnitt = Praefix + QStringLiteral("/Abmessungen");

TEST(Abmessungen, NeuePositionHatSechsLaufmeter)
{
    const TAbmessungen A(1000, 2000);
    EXPECT_EQ(A.Fenstertyp_Lesen(), 1);
    EXPECT_EQ(A.UM(), 6.0L);
    EXPECT_EQ(A.UM_Montage(), 6.0L);
    EXPECT_EQ(A.Fluegelanzahl(), 1);
    EXPECT_EQ(A.Anzahl(), 1);
    EXPECT_FALSE(A.istSondergroesse());
    EXPECT_FALSE(A.hatOberlicht());
    EXPECT_EQ(A.MinAnzahl(), 0);
    EXPECT_EQ(A.MaxAnzahl(), 10000);
    EXPECT_EQ(A.Beschreibung(), QStringLiteral("1 Flügel/Fester Flügel; "));
}

// At 1300 × 2300 with a 500 top light no minimum applies, so each row shows
// the type's own running-metre formula.
TEST(Abmessungen, LaufmeterUndGrenzenJeFenstertyp)
{
    struct TFall
    {
        int Typ;
        const char* Name;
        long double UM;
        std::int32_t Fluegel;
        bool Oberlicht;
        std::int32_t MaxBreite;
        std::int32_t MaxHoehe;
    };
    const TFall Faelle[] = {
        {0, "0 Flügel/Fest im Rahmen", 7.2L,  1, false, 1400, 2400},
        {1, "1 Flügel/Fester Flügel",  7.2L,  1, false, 6000, 5000},
        {2, "1 Flügel mit Oberlicht",  9.8L,  2, true,  6000, 5000},
        {3, "2 Flügel",                11.8L, 2, false, 6000, 5000},
        {4, "2 Flügel mit Oberlicht",  13.4L, 3, true,  6000, 5000},
        {5, "3 Flügel",                16.4L, 3, false, 6000, 5000},
        {6, "3 Flügel mit Oberlicht",  17.0L, 4, true,  6000, 5000},
        {7, "4 Flügel",                14.4L, 4, false, 6000, 5000},
        {8, "5 Flügel",                25.6L, 5, false, 6000, 5000},
        {9, "6 Flügel",                25.6L, 6, false, 6000, 5000},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Name);
        TAbmessungen A(1000, 2000);
        A.Fenstertyp_Setzen(F.Typ);
        EXPECT_EQ(A.Fluegelanzahl(), F.Fluegel);
        EXPECT_EQ(A.hatOberlicht(), F.Oberlicht);
        EXPECT_EQ(A.MinBreite(), 300);
        EXPECT_EQ(A.MaxBreite(), F.MaxBreite);
        EXPECT_EQ(A.MinHoehe(), 300);
        EXPECT_EQ(A.MaxHoehe(), F.MaxHoehe);
        EXPECT_EQ(A.Beschreibung(), QString::fromUtf8(F.Name) + QStringLiteral("; "));

        A.HoeheOberlicht_Setzen(500);
        A.Breite_Setzen(1300);
        A.Hoehe_Setzen(2300);
        EXPECT_EQ(A.UM(), F.UM);
        EXPECT_EQ(A.UM_Montage(), 7.2L);
        EXPECT_EQ(A.Eintrag_Lesen().ProMeterUmlauf, F.Typ == 0 ? -19.0L : 0.0L);
    }
}

TEST(Abmessungen, MindestLaufmeter)
{
    struct TFall
    {
        int Typ;
        std::int32_t Breite, Hoehe, Oberlicht;
        long double UM, UM_Montage;
    };
    const TFall Faelle[] = {
        {1, 500, 500, 0, 3.0L, 3.0L},
        {0, 300, 300, 0, 3.0L, 3.0L},
        {3, 500, 500, 0, 6.0L, 3.0L},
        {2, 400, 400, 0, 6.0L, 3.0L},
        {5, 500, 500, 0, 9.0L, 3.0L},
        {7, 500, 500, 0, 12.0L, 3.0L},
        {6, 500, 500, 200, 12.0L, 3.0L},
        {4, 1000, 2000, 500, 11.0L, 6.0L},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Typ);
        TAbmessungen A(1000, 2000);
        A.Fenstertyp_Setzen(F.Typ);
        A.Breite_Setzen(F.Breite);
        A.Hoehe_Setzen(F.Hoehe);
        A.HoeheOberlicht_Setzen(F.Oberlicht);
        EXPECT_EQ(A.UM(), F.UM);
        EXPECT_EQ(A.UM_Montage(), F.UM_Montage);
    }
}

TEST(Abmessungen, OberlichtTypHebtAufSechsAuchMitEinemFluegel)
{
    TIniDatei Ini;
    Ini.Ganzzahl_Schreiben(Abschnitt, QStringLiteral("ItemIndex"), 2);
    Ini.Ganzzahl_Schreiben(Abschnitt, QStringLiteral("Breite"), 400);
    Ini.Ganzzahl_Schreiben(Abschnitt, QStringLiteral("Hoehe"), 400);
    Ini.Ganzzahl_Schreiben(Abschnitt, QStringLiteral("Fluegelanzahl"), 1);
    TAbmessungen A(1000, 2000);
    A.Ini_Laden(Ini, Praefix);
    A.UM_Berechnen();
    EXPECT_EQ(A.UM(), 6.0L);
}

TEST(Abmessungen, Sondergroesse)
{
    struct TFall
    {
        int Typ;
        std::int32_t Breite, Hoehe;
        bool Sondergroesse;
    };
    const TFall Faelle[] = {
        {0, 1500, 1000, true}, {1, 1500, 1000, false}, {0, 1400, 2400, false}, {0, 1000, 2401, true},
        {1, 6001, 1000, true}, {1, 1000, 5001, true},
    };
    for (const TFall& F : Faelle) {
        TAbmessungen A(1000, 2000);
        A.Fenstertyp_Setzen(F.Typ);
        A.Breite_Setzen(F.Breite);
        A.Hoehe_Setzen(F.Hoehe);
        EXPECT_EQ(A.istSondergroesse(), F.Sondergroesse) << F.Typ << ": " << F.Breite << " x " << F.Hoehe;
    }
}

TEST(Abmessungen, TextSetzer)
{
    TAbmessungen A(1000, 2000);
    A.HoeheOberlicht_Setzen(QStringLiteral("0"));
    EXPECT_TRUE(A.hatOberlicht());
    EXPECT_EQ(A.HoeheOberlicht(), 0);

    TAbmessungen B(1000, 2000);
    B.HoeheOberlicht_Setzen(QStringLiteral("300"));
    EXPECT_EQ(B.HoeheOberlicht(), 300);
    B.HoeheOberlicht_Setzen(QString());
    EXPECT_EQ(B.HoeheOberlicht(), 0);
    EXPECT_TRUE(B.hatOberlicht());

    TAbmessungen C(1000, 2000);
    C.HoeheOberlicht_Setzen(QString());
    EXPECT_FALSE(C.hatOberlicht());

    TAbmessungen D(1000, 2000);
    D.Breite_Setzen(QStringLiteral("1200"));
    D.Hoehe_Setzen(QStringLiteral("1800"));
    EXPECT_EQ(D.UM(), 6.0L);
    D.Breite_Setzen(QString());
    EXPECT_EQ(D.Breite(), 0);
    EXPECT_EQ(D.UM(), 3.6L);
    D.Hoehe_Setzen(QString());
    EXPECT_EQ(D.Hoehe(), 0);
    EXPECT_EQ(D.UM(), 3.0L);

    D.Anzahl_Setzen(QStringLiteral("4"));
    EXPECT_EQ(D.Anzahl(), 4);
    D.Anzahl_Setzen(QString());
    EXPECT_EQ(D.Anzahl(), 1);
}

TEST(Abmessungen, UngueltigerTextBehaeltDenAltenWert)
{
    TAbmessungen A(1000, 2000);
    EXPECT_THROW(A.Breite_Setzen(QStringLiteral("12a")), EKonvertierungsfehler);
    EXPECT_THROW(A.Hoehe_Setzen(QStringLiteral("1,5")), EKonvertierungsfehler);
    EXPECT_THROW(A.Anzahl_Setzen(QStringLiteral("zwei")), EKonvertierungsfehler);
    EXPECT_EQ(A.Breite(), 1000);
    EXPECT_EQ(A.Hoehe(), 2000);
    EXPECT_EQ(A.Anzahl(), 1);
    EXPECT_EQ(A.UM(), 6.0L);

    TAbmessungen B(1000, 2000);
    EXPECT_THROW(B.HoeheOberlicht_Setzen(QStringLiteral("3x")), EKonvertierungsfehler);
    EXPECT_TRUE(B.hatOberlicht());
    EXPECT_EQ(B.HoeheOberlicht(), 0);
}

TEST(Abmessungen, UeberlaufIstFehler)
{
    TAbmessungen A(1000, 2000);
    EXPECT_THROW(A.Breite_Setzen(1'100'000'000), EUeberlauffehler);
    TAbmessungen B(1000, 2000);
    B.Fenstertyp_Setzen(8);
    EXPECT_THROW(B.Hoehe_Setzen(300'000'000), EUeberlauffehler);
}

TEST(Abmessungen, FenstertypSetzen)
{
    TIniDatei Ini;
    Ini.Bool_Schreiben(Abschnitt, QStringLiteral("istBalkontuer"), true);
    TAbmessungen A(1000, 2000);
    A.Ini_Laden(Ini, Praefix);
    ASSERT_TRUE(A.istBalkontuer());
    A.Fenstertyp_Setzen(1);
    EXPECT_FALSE(A.istBalkontuer());

    A.Fenstertyp_Setzen(5);
    A.Fenstertyp_Setzen(12);
    EXPECT_EQ(A.Fenstertyp_Lesen(), 12);
    EXPECT_EQ(A.Fluegelanzahl(), 3);
    EXPECT_EQ(A.UM(), 14.0L);
    EXPECT_THROW((void)A.Eintrag_Lesen(), EBereichsfehler);
    EXPECT_THROW((void)A.Beschreibung(), EBereichsfehler);
}

TEST(Abmessungen, SpeichernUndLadenNimmtDieGespeichertenWerte)
{
    TAbmessungen Quelle(1000, 2000);
    Quelle.Fenstertyp_Setzen(4);
    Quelle.HoeheOberlicht_Setzen(500);
    Quelle.Anzahl_Setzen(3);
    Quelle.Drehrichtung = QStringLiteral("DIN links");
    TIniDatei Ini;
    EXPECT_TRUE(Quelle.Ini_Speichern(Ini, Praefix));
    // A file whose running metres and flags disagree with the rules keeps them.
    Ini.Zahl_Schreiben(Abschnitt, QStringLiteral("UM"), 7.5L);
    Ini.Bool_Schreiben(Abschnitt, QStringLiteral("istSondergroesse"), true);

    TIniDatei Gelesen;
    Gelesen.Bytes_Lesen(Ini.Bytes());
    TAbmessungen Ziel(800, 800);
    Ziel.Fenstertyp_Setzen(0);
    EXPECT_TRUE(Ziel.Ini_Laden(Gelesen, Praefix));
    EXPECT_EQ(Ziel.Fenstertyp_Lesen(), 4);
    EXPECT_EQ(Ziel.Breite(), 1000);
    EXPECT_EQ(Ziel.Hoehe(), 2000);
    EXPECT_EQ(Ziel.HoeheOberlicht(), 500);
    EXPECT_EQ(Ziel.UM(), 7.5L);
    EXPECT_EQ(Ziel.UM_Montage(), 6.0L);
    EXPECT_EQ(Ziel.Fluegelanzahl(), 3);
    EXPECT_EQ(Ziel.Drehrichtung, QStringLiteral("DIN links"));
    EXPECT_TRUE(Ziel.istSondergroesse());
    EXPECT_TRUE(Ziel.hatOberlicht());
    EXPECT_FALSE(Ziel.istBalkontuer());
    EXPECT_EQ(Ziel.Anzahl(), 3);
    // The bounds are not stored: they stay those of the type set before loading.
    EXPECT_EQ(Ziel.MaxBreite(), 1400);
}

// The bound of a stored measure is tight: just past it, and anywhere up to a
// hundred times it, is damage that names the key; the bound itself loads.
TEST(Abmessungen, MassJenseitsDerLesegrenzeIstBeschaedigt)
{
    const struct
    {
        const char* Schluessel;
        const char* Wert;
        bool Gelesen;
    } Faelle[] = {
        {"Breite", "100000", true},          {"Breite", "100001", false},
        {"Hoehe", "250000", false},          {"HoeheOberlicht", "9999999", false},
        {"Hoehe", "100000", true},           {"HoeheOberlicht", "100000", true},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(std::string(F.Schluessel) + "=" + F.Wert);
        TIniDatei Ini;
        Ini.Bytes_Lesen(QStringLiteral("[%1]\r\n%2=%3\r\n").arg(Abschnitt, F.Schluessel, F.Wert).toLatin1());
        TAbmessungen A(1000, 2000);
        try {
            A.Ini_Laden(Ini, Praefix);
            EXPECT_TRUE(F.Gelesen) << "kein ELadefehler";
        } catch (const ELadefehler& Fehler) {
            EXPECT_FALSE(F.Gelesen);
            EXPECT_EQ(Fehler.Schluessel(), QLatin1String(F.Schluessel));
            EXPECT_EQ(Fehler.Wert(), QLatin1String(F.Wert));
        }
    }
}

} // namespace
