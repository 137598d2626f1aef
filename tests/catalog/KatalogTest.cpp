#include "catalog/TBalkontueren.h"
#include "catalog/TBeschlaege.h"
#include "catalog/TErgaenzungen.h"
#include "catalog/TGlaeser.h"
#include "catalog/THoelzer.h"
#include "catalog/TOberflaechen.h"
#include "catalog/TProfile.h"
#include "catalog/TRegenschienen.h"
#include "catalog/TRolladen.h"
#include "catalog/TSonderausfuehrungen.h"
#include "catalog/TSonderformen.h"
#include "catalog/TSprossen.h"
#include "catalog/TVersiegelungen.h"
#include "catalog/TZierprofile.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& Text, std::ostream* Aus)
{
    *Aus << '"' << Text.toStdString() << '"';
}

namespace {

enum Feld { ProStueck, ProFluegel, ProMenge, ProMeterSeiten, ProMeterBreite, ProMeterHoehe, ProMeterUmlauf,
            FestProMeterBreite, FestProStueck, Feldzahl };

// Any group's entry, reduced to what the checks compare.
struct TFlach
{
    QString Name;
    QString Zusatztext;
    std::int32_t Menge = 0;
    std::int32_t Felder = 0;
    std::array<long double, Feldzahl> Preise{};
};

template <class G>
TFlach Gewaehlt(int Zeile, int Index)
{
    G Gruppe;
    Gruppe.ItemIndex_Setzen(Zeile, Index);
    const auto E = Gruppe.Eintrag_Lesen(Zeile);
    return {E.Name, E.Zusatztext, E.Menge, E.Felder,
            {E.ProStueck, E.ProFluegel, E.ProMenge, E.ProMeterSeiten, E.ProMeterBreite, E.ProMeterHoehe,
             E.ProMeterUmlauf, E.FestProMeterBreite, E.FestProStueck}};
}

struct TGruppe
{
    const char* Name;
    TFlach (*Eintrag)(int Zeile, int Index);
    int Zeilen;
    int Spalten;
};

template <class G>
constexpr TGruppe Gruppe(const char* Name)
{
    return {Name, &Gewaehlt<G>, G::Zeilenzahl, G::Eintraege_Je_Zeile};
}

constexpr TGruppe Hoelzer = Gruppe<THoelzer>("THoelzer");
constexpr TGruppe Profile = Gruppe<TProfile>("TProfile");
constexpr TGruppe Oberflaechen = Gruppe<TOberflaechen>("TOberflaechen");
constexpr TGruppe Versiegelungen = Gruppe<TVersiegelungen>("TVersiegelungen");
constexpr TGruppe Beschlaege = Gruppe<TBeschlaege>("TBeschlaege");
constexpr TGruppe Glaeser = Gruppe<TGlaeser>("TGlaeser");
constexpr TGruppe Sprossen = Gruppe<TSprossen>("TSprossen");
constexpr TGruppe Rolladen = Gruppe<TRolladen>("TRolladen");
constexpr TGruppe Ergaenzungen = Gruppe<TErgaenzungen>("TErgaenzungen");
constexpr TGruppe Balkontueren = Gruppe<TBalkontueren>("TBalkontueren");
constexpr TGruppe Regenschienen = Gruppe<TRegenschienen>("TRegenschienen");
constexpr TGruppe Sonderausfuehrungen = Gruppe<TSonderausfuehrungen>("TSonderausfuehrungen");
constexpr TGruppe Zierprofile = Gruppe<TZierprofile>("TZierprofile");
constexpr TGruppe Sonderformen = Gruppe<TSonderformen>("TSonderformen");

TEST(Katalog, ZeilenMalEintraegeJeGruppe)
{
    const std::pair<const TGruppe*, std::pair<int, int>> Formen[] = {
        {&Hoelzer, {1, 8}},        {&Profile, {5, 5}},        {&Oberflaechen, {1, 9}},  {&Versiegelungen, {1, 2}},
        {&Beschlaege, {5, 4}},     {&Glaeser, {4, 17}},       {&Sprossen, {2, 30}},     {&Rolladen, {8, 6}},
        {&Ergaenzungen, {9, 31}},  {&Balkontueren, {2, 2}},   {&Regenschienen, {3, 5}}, {&Sonderausfuehrungen, {6, 5}},
        {&Zierprofile, {10, 9}},   {&Sonderformen, {1, 12}},
    };
    for (const auto& [Gruppe, Form] : Formen)
        EXPECT_EQ(std::make_pair(Gruppe->Zeilen, Gruppe->Spalten), Form) << Gruppe->Name;
}

// Per row: the one price field the row uses and the price of every entry the
// price list fills. Every other price field must be 0 and every entry after
// them blank.
struct TPreiszeile
{
    const TGruppe* Gruppe;
    int Zeile;
    Feld Preisfeld;
    std::vector<long double> Preise;
};

const TPreiszeile Preiszeilen[] = {
    {&Hoelzer,             0, ProMeterUmlauf, {0, 9}},
    {&Profile,             0, ProMeterUmlauf, {66, 66}},
    {&Profile,             1, ProMeterUmlauf, {0, 0}},
    {&Profile,             2, ProMeterUmlauf, {0, 47}},
    {&Profile,             3, ProStueck,      {0, 36, 72, 108, 144}},
    {&Profile,             4, ProStueck,      {0, 0, 0, 0, 19.9L}},
    {&Oberflaechen,        0, ProMeterUmlauf, {0, 9, 9, 9, 9, 9, 0, 18, 0}},
    {&Versiegelungen,      0, ProMeterUmlauf, {0, 4}},
    {&Beschlaege,          0, ProFluegel,     {0, 36}},
    {&Beschlaege,          1, ProFluegel,     {0, 2.5L, 9.9L, 15.1L}},
    {&Beschlaege,          2, ProFluegel,     {0, 3}},
    {&Beschlaege,          3, ProFluegel,     {0, 7.4L}},
    {&Beschlaege,          4, ProStueck,      {0, 36}},
    {&Glaeser,             0, ProMeterUmlauf, {0, 3, 13, 2, 5, 4, 7, 6, 9, 8, 11, 13, 16, 15, 18, 23, 26}},
    {&Glaeser,             1, ProMeterUmlauf, {0, 6, 6, 6, 12, 29}},
    {&Glaeser,             2, ProMeterUmlauf, {0, 2, 4}},
    {&Glaeser,             3, ProMeterUmlauf, {0, 8, 10, 12, 12, 11, 20, 20}},
    {&Sprossen,            0, ProMenge,       {0, 25, 25, 35, 45, 45, 55}},
    {&Rolladen,            0, ProMeterHoehe,  {0, 27, 35}},
    {&Rolladen,            1, ProMeterUmlauf, {42, 48, 52, 60, 60, 69}},
    {&Rolladen,            2, ProMeterUmlauf, {0, 8}},
    {&Rolladen,            3, ProMeterUmlauf, {0, 13.8L}},
    {&Rolladen,            4, ProMeterUmlauf, {0, 7}},
    {&Rolladen,            5, ProMeterUmlauf, {0, 5}},
    {&Rolladen,            6, ProMeterUmlauf, {0, 32}},
    {&Rolladen,            7, ProStueck,      {0, 0}},
    {&Ergaenzungen,        0, ProMenge,       {0, 117, 234, 351, 192, 384, 576, 192, 384, 576}},
    {&Ergaenzungen,        1, ProStueck,      {0, 75, 97, 113}},
    {&Ergaenzungen,        2, ProFluegel,     {0, 4, 5}},
    {&Ergaenzungen,        3, ProFluegel,     {0, 15}},
    {&Ergaenzungen,        4, ProStueck,      {0, 64}},
    {&Ergaenzungen,        5, ProStueck,      {0, 19.9L}},
    {&Ergaenzungen,        6, ProStueck,      {0, 6.7L, 6.7L}},
    {&Ergaenzungen,        7, FestProStueck,  {0, 299, 349, 699, 399, 499, 599, 699}},
    {&Balkontueren,        0, ProMeterUmlauf, {61.6L, 59}},
    {&Balkontueren,        1, ProStueck,      {0, 131}},
    {&Regenschienen,       0, ProFluegel,     {0, 0, 0, 0}},
    {&Regenschienen,       1, ProFluegel,     {0, 0}},
    {&Regenschienen,       2, ProFluegel,     {0, 15, 15, 15, 15}},
    {&Sonderausfuehrungen, 0, ProMeterBreite, {0, 99.9L}},
    {&Sonderausfuehrungen, 1, ProStueck,      {0, 142, 224, 478, 478}},
    {&Sonderausfuehrungen, 2, ProStueck,      {0, 64}},
    {&Sonderausfuehrungen, 3, ProMeterUmlauf, {0, 5}},
    {&Sonderausfuehrungen, 4, ProStueck,      {0, 299.9L}},
    {&Sonderausfuehrungen, 5, ProStueck,      {0, 350}},
    {&Zierprofile,         0, ProStueck,      {0, 0, 0, 0}},
    {&Zierprofile,         1, ProStueck,      {0, 0, 0, 0, 0}},
    {&Zierprofile,         2, ProMenge,       {0, 25, 35}},
    {&Zierprofile,         3, ProStueck,      {0, 0, 0, 0, 0, 0}},
    {&Zierprofile,         4, ProMeterSeiten, {0, 19.7L, 21.9L, 32.5L, 43}},
    {&Zierprofile,         5, ProStueck,      {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {&Zierprofile,         6, ProMeterSeiten, {0, 83.2L, 43.8L, 52.6L}},
    {&Zierprofile,         7, ProStueck,      {0, 0, 0, 0, 0, 0, 0}},
    {&Zierprofile,         8, ProMeterSeiten, {0, 5.8L, 6.6L, 8.7L, 9.5L, 15.3L}},
    {&Zierprofile,         9, ProStueck,      {0, 0, 0, 0, 0, 0, 0, 0}},
    {&Sonderformen,        0, ProStueck,      {0, 198, 198, 198, 297, 297, 396, 470, 470, 594, 594, 792}},
};

TEST(Katalog, PreiseJeZeileUndLeereEintraegeDahinter)
{
    for (const TPreiszeile& P : Preiszeilen)
        for (int Index = 0; Index < P.Gruppe->Spalten; ++Index) {
            SCOPED_TRACE(QStringLiteral("%1 Zeile %2 Index %3").arg(P.Gruppe->Name).arg(P.Zeile).arg(Index)
                             .toStdString());
            const TFlach E = P.Gruppe->Eintrag(P.Zeile, Index);
            const bool Benutzt = Index < int(P.Preise.size());
            for (int F = 0; F < Feldzahl; ++F)
                EXPECT_EQ(E.Preise[std::size_t(F)], Benutzt && F == P.Preisfeld ? P.Preise[std::size_t(Index)] : 0)
                    << "Preisfeld " << F;
            if (!Benutzt) {
                EXPECT_TRUE(E.Name.isEmpty());
                EXPECT_TRUE(E.Zusatztext.isEmpty());
                EXPECT_EQ(E.Menge, 0);
            }
        }
}

// Labels that the fragment and side-length tests do not already spell out.
TEST(Katalog, Bezeichnungen)
{
    const struct
    {
        const TGruppe* Gruppe;
        int Zeile, Index;
        const char* Name;
    } Faelle[] = {
        {&Glaeser, 0, 1, "GEWEtherm ONE 4-16-4 Ug 1,0"},
        {&Glaeser, 0, 3, "Schallschutz 36dB 6-16-4 Ug 1,1"},
        {&Glaeser, 0, 8, "Schallschutz 38dB 10-16-4 Ug 1,0"},
        {&Glaeser, 0, 13, "Schallschutz 42dB VSG SI 8-16-6 Ug 1,1"},
        {&Glaeser, 0, 15, "Schallschutz 44dB 10-16-VSG 6 SI Ug 1,1"},
        {&Glaeser, 1, 4, "Ornamentglas Chinchilla weiß"},
        {&Glaeser, 3, 3, "4/16/VSG 6*"},
        {&Glaeser, 3, 5, "P2A/16/4*"},
        {&Sprossen, 0, 2, "glasteilend oder aufgesiegelt 20 Grad Schräge ohne Wiener Sprosse"},
        {&Rolladen, 1, 5, "3-teilig, RAE"},
        {&Rolladen, 2, 1, "Montage am Fenster bzw. Fenstertür"},
        {&Rolladen, 4, 1, "Schallschutzausführung"},
        {&Rolladen, 5, 1, "Außen Putzträger"},
        {&Ergaenzungen, 0, 9, "Verbretterung 3/3"},
        {&Ergaenzungen, 6, 1, "Schraubenmontage"},
        {&Ergaenzungen, 7, 3, "Parallel-Schiebe-Kipp-Element"},
        {&Ergaenzungen, 7, 7, "Schiebe-Falt-Tür"},
        {&Regenschienen, 1, 1, "Regel-air(R)"},
        {&Sonderausfuehrungen, 1, 4, "mit Motor 230 V (ohne Steurung/Schaler)"},
        {&Zierprofile, 1, 4, "K 5-7"},
        {&Zierprofile, 3, 2, "S 2-5"},
        {&Zierprofile, 6, 3, "30°/45°"},
        {&Sonderformen, 0, 5, "schräg 3 Wkl"},
        {&Sonderformen, 0, 6, "schräg 4 Wkl"},
        {&Sonderformen, 0, 8, "Segmentbg."},
    };
    for (const auto& F : Faelle)
        EXPECT_EQ(F.Gruppe->Eintrag(F.Zeile, F.Index).Name, QString::fromUtf8(F.Name))
            << F.Gruppe->Name << " Zeile " << F.Zeile << " Index " << F.Index;
}

TEST(Katalog, ZaehlendeZeilenTragenIhreZahlImNamen)
{
    EXPECT_EQ(Sprossen.Eintrag(1, 0).Name, QStringLiteral("keine Sprossen"));
    EXPECT_EQ(Sprossen.Eintrag(1, 0).Felder, 0);
    for (int k = 1; k < 30; ++k) {
        const TFlach E = Sprossen.Eintrag(1, k);
        EXPECT_EQ(E.Name, QString::number(k + 1));
        EXPECT_EQ(E.Felder, k + 1);
        EXPECT_EQ(E.Preise, (std::array<long double, Feldzahl>{}));
    }

    EXPECT_EQ(Ergaenzungen.Eintrag(8, 0).Name, QStringLiteral("keine Füllung"));
    EXPECT_EQ(Ergaenzungen.Eintrag(8, 0).Menge, 0);
    for (int k = 1; k <= 30; ++k) {
        const TFlach E = Ergaenzungen.Eintrag(8, k);
        EXPECT_EQ(E.Name, QString::number(k));
        EXPECT_EQ(E.Menge, k);
        EXPECT_EQ(E.Preise, (std::array<long double, Feldzahl>{}));
    }
}

TEST(Katalog, SonderformFaktorenJeFormUndFenstertyp)
{
    const std::int32_t Erwartet[12][10] = {
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 2, 1, 3, 1, 4, 5, 6}, {1, 1, 2, 2, 3, 3, 4, 4, 5, 6},
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 2, 1, 3, 1, 4, 5, 6}, {1, 1, 1, 2, 1, 3, 1, 4, 5, 6},
        {1, 1, 2, 2, 3, 2, 4, 2, 2, 2}, {1, 1, 1, 2, 1, 3, 1, 4, 5, 6}, {1, 1, 1, 2, 1, 3, 1, 4, 5, 6},
        {1, 1, 1, 2, 1, 3, 1, 4, 5, 6}, {1, 1, 2, 2, 3, 3, 3, 4, 5, 6}, {1, 1, 2, 2, 3, 3, 3, 4, 5, 6},
    };
    const TSonderformen S;
    for (int Form = 0; Form < 12; ++Form)
        for (int Typ = 0; Typ < 10; ++Typ)
            EXPECT_EQ(S.Faktor_Lesen(Form, Typ), Erwartet[Form][Typ]) << "Form " << Form << ", Typ " << Typ;
}

TEST(Katalog, SonderformFaktorAusserhalbDerTabelleIstBereichsfehler)
{
    const TSonderformen S;
    EXPECT_THROW(S.Faktor_Lesen(-1, 0), EBereichsfehler);
    EXPECT_THROW(S.Faktor_Lesen(12, 0), EBereichsfehler);
    EXPECT_THROW(S.Faktor_Lesen(0, -1), EBereichsfehler);
    EXPECT_THROW(S.Faktor_Lesen(0, 10), EBereichsfehler);
    EXPECT_EQ(S.Faktor_Lesen(11, 9), 6);
}

// ---------------------------------------------------------------- description fragments

template <class G>
QString Fragment(std::initializer_list<std::pair<int, int>> Wahl)
{
    G Gruppe;
    for (const auto& [Zeile, Index] : Wahl)
        Gruppe.ItemIndex_Setzen(Zeile, Index);
    return Gruppe.Beschreibung();
}

struct TFragment
{
    QString Ist;
    const char* Soll;
};

TEST(Beschreibung, FragmentJeGruppeUndAuswahl)
{
    const TFragment Faelle[] = {
        {Fragment<THoelzer>({}), "Fichte keilgezinkt; "},
        {Fragment<THoelzer>({{0, 2}}), "; "},

        {Fragment<TProfile>({}), "Profile: Neubau, Fensterbankanschluss o-o; "},
        {Fragment<TProfile>({{0, 1}, {2, 1}, {3, 2}, {4, 3}}),
         "Profile: Denkmalschutz (+Feststehende Elemente) (+Konterholz 2 Stück), Fensterbankanschluss a-i; "},
        {Fragment<TProfile>({{1, 1}, {3, 4}, {4, 4}}),
         "Profile: Neubau (+Festeingeschraubter Flügel (DKF)) (+Konterholz 4 Stück), Fensterbankanschluss sonder; "},

        {Fragment<TOberflaechen>({{0, 0}}), "1 farbig nach RAL-Standard; "},
        {Fragment<TOberflaechen>({{0, 2}}), "1 farbig nach Farbkarte (2) Mahagoni; "},
        {Fragment<TOberflaechen>({{0, 5}}), "1 farbig nach Farbkarte (5) Grün; "},
        {Fragment<TOberflaechen>({{0, 6}}), "1 farbig nach Farbkarte (6) Weiß; "},
        {Fragment<TOberflaechen>({{0, 7}}), "2 farbig nach RAL-Standard; "},
        {Fragment<TOberflaechen>({{0, 8}}), "Sonderfarbe; "},

        {Fragment<TVersiegelungen>({}), "Versiegelung: transparent; "},
        {Fragment<TVersiegelungen>({{0, 1}}), "Versiegelung: weiß; "},

        {Fragment<TBeschlaege>({}), "Beschläge: Roto NT Standard; "},
        {Fragment<TBeschlaege>({{4, 1}}), "Beschläge: Roto NT Standard (+OL mit Putz- u. Fangschere); "},
        {Fragment<TBeschlaege>({{0, 1}, {1, 3}, {2, 1}, {3, 1}, {4, 1}}),
         "Beschläge: Roto Royal NT Sicherheitsstufe III (+Abdeckkappen weiß/braun) (+Variable Griffhöhe)"
         " (+OL mit Putz- u. Fangschere); "},

        {Fragment<TGlaeser>({}), "Glas: Standard 32 dB 4-16-4 b Ug-Wert 1,1; "},
        {Fragment<TGlaeser>({{0, 2}, {3, 6}}), "Glas: 3-fach Verglasung 4-10-4-10-4 Ug 0,8, P4A/16/4*; "},
        {Fragment<TGlaeser>({{0, 16}, {1, 5}, {2, 2}, {3, 7}}),
         "Glas: Schallschutz 44dB 10-16-VSG 6 SI Ug 1,0, Ornamentglas Satinato weiß, warme Kante 3-fach ISO,"
         " VSG 8/16/VSG 8; "},
        {Fragment<TGlaeser>({{1, 6}}), "Glas: Standard 32 dB 4-16-4 b Ug-Wert 1,1, ; "},

        {Fragment<TSprossen>({}), ""},
        {Fragment<TSprossen>({{0, 6}, {1, 5}}),
         "Sprossen: glasteilend oder aufgesiegelt profiliert mit Thermixsprosse (6 Felder); "},
        {Fragment<TSprossen>({{0, 1}}), ""},
        {Fragment<TSprossen>({{1, 3}}), ""},

        {Fragment<TRolladen>({{1, 3}, {7, 1}}), ""},
        {Fragment<TRolladen>({{0, 2}, {1, 3}, {6, 1}, {7, 1}}), "Rolladen: Aluschiene 25 x 22 (Steinbank); "},

        {Fragment<TErgaenzungen>({}), ""},
        {Fragment<TErgaenzungen>({{0, 5}, {8, 3}}), "Zierprofile: Füllung: 3x Kassette 2/3; "},
        {Fragment<TErgaenzungen>({{0, 5}}), ""},
        {Fragment<TErgaenzungen>({{8, 3}}), ""},
        {Fragment<TErgaenzungen>({{1, 2}}), "Zierprofile: OL-Öffner:  Fenster schräg; "},
        {Fragment<TErgaenzungen>({{2, 2}, {3, 1}}),
         "Zierprofile: , Oliven: Hoppe weiß abschließbare Oliven 055 SEW U34-1; "},
        {Fragment<TErgaenzungen>({{4, 1}, {5, 1}, {6, 2}}),
         "Zierprofile: , Regel-air(R), Rahmen absägen oder fälzen, Dübelbohrung: Dübelmontage; "},
        {Fragment<TErgaenzungen>({{7, 4}}), "Zulage: Schiebe-Falt-Tür; "},
        {Fragment<TErgaenzungen>({{0, 1}, {8, 30}, {1, 1}, {7, 1}}),
         "Zierprofile: Füllung: 30x Sandwichplatte 1/3OL-Öffner:  Fenster rechtwinklig; "
         "Zulage: Parallel-Schiebe-Kipp-Element; "},

        {Fragment<TBalkontueren>({}), "Sonderausführung Balkontür mit Bodenschwelle begehbar nur 1-teilig; "},
        {Fragment<TBalkontueren>({{0, 1}, {1, 1}}),
         "Sonderausführung Balkontür nach außen öffnend (Zulage - innen und außen abschließbar); "},

        {Fragment<TRegenschienen>({}), "Regenschiene Fenster: EV1; Flügelabdeckung: keine; "},
        {Fragment<TRegenschienen>({{0, 3}, {1, 1}, {2, 2}}), "Regenschiene Fenster: weiß; Flügelabdeckung: C 33; "},

        {Fragment<TSonderausfuehrungen>({}), ""},
        {Fragment<TSonderausfuehrungen>({{0, 1}}), "Zubehör/Sonderausführung: Bodenschwelle: begehbar 25mm hoch; "},
        {Fragment<TSonderausfuehrungen>({{1, 3}}),
         "Zubehör/Sonderausführung: , OL-Öffner:  mit Motor 24 V (ohne Steurung/Schaler); "},
        {Fragment<TSonderausfuehrungen>({{0, 1}, {1, 2}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}),
         "Zubehör/Sonderausführung: Bodenschwelle: begehbar 25mm hoch, OL-Öffner:  mit Kurbel, Regel-air(R),"
         " 2. Dichtung, innen abschließbar, nach außen öffnend; "},

        {Fragment<TZierprofile>({{2, 2}}), ""},
        {Fragment<TZierprofile>({{0, 2}}), "Zierprofile: Regenschienenabdeckung R 1-3; "},
        {Fragment<TZierprofile>({{3, 5}}), "Zierprofile: , Schlagleisten: S 8; "},
        {Fragment<TZierprofile>({{4, 3}, {5, 3}}), "Zierprofile: , Rahmenverbreiterung: 80mm(links); "},
        {Fragment<TZierprofile>({{4, 3}}), ""},
        {Fragment<TZierprofile>({{5, 3}, {7, 6}, {9, 7}}), ""},
        {Fragment<TZierprofile>({{0, 1}, {6, 1}, {7, 6}, {8, 5}, {9, 7}}),
         "Zierprofile: Regenschienenabdeckung R 5, Ecksteher: Außeneck(umlaufend), Deckleisten: 100/11 mm(umlaufend); "},

        {Fragment<TSonderformen>({}), ""},
        {Fragment<TSonderformen>({{0, 2}}), "Sonderform: schräg 2 Wkl (#2); "},
    };
    for (const TFragment& F : Faelle)
        EXPECT_EQ(F.Ist, QString::fromUtf8(F.Soll));
}

} // namespace
