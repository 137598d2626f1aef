#include "order/TBestellung.h"
#include "positions/TZulagevorlage.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct TFreieZulage
{
    std::uint32_t Typ;
    QString Text;
    long double Preis;
};

TFreieZulage Gelesen(const TPositionseintrag& E)
{
    if (const auto* P = E.Als<TPosition_Freie_Zulage_Umlfm>())
        return {E.Positionstyp(), P->Text(), P->Meterpreis};
    if (const auto* P = E.Als<TPosition_Freie_Zulage_M2>())
        return {E.Positionstyp(), P->Text(), P->M2preis};
    if (const auto* P = E.Als<TPosition_Freie_Zulage_Stueck>())
        return {E.Positionstyp(), P->Text(), P->Stueckpreis};
    if (const auto* P = E.Als<TPosition_Freie_Zulage_Fenster>())
        return {E.Positionstyp(), P->Text(), P->Meterpreis};
    return {E.Positionstyp(), {}, -1};
}

QString Vorgabetext(std::uint32_t Typ)
{
    switch (Typ) {
    case Positionstyp::Freie_Zulage_Umlfm: return u"Freie Zulage Umlfm Position"_s;
    case Positionstyp::Freie_Zulage_M2: return u"Freie Zulage m2 Position"_s;
    case Positionstyp::Freie_Zulage_Stueck: return u"Freie Zulage Stueck Position"_s;
    default: return u"Freie Zulage Fenster Position"_s;
    }
}

// A key that differs from Schluessel in the case of its first letter.
QString Andere_Schreibung(const QString& Schluessel)
{
    QString Ergebnis = Schluessel;
    const QChar Erstes = Ergebnis.at(0);
    Ergebnis[0] = Erstes.isUpper() ? Erstes.toLower() : Erstes.toUpper();
    return Ergebnis;
}

} // namespace

TEST(Zulagevorlagen, JedeVorlageLegtIhreArtMitTextUndPreisAn)
{
    using enum TZulagevorlage::TGriff;
    const QString Ohne_Fluegel =
        u"Ohne Fensterflügel bei Fensterkombinationen Fest im Rahmen mit DK oder Dreh oder FF"_s;
    struct TFall
    {
        TZulagevorlage::TGriff Griff;
        QString Schluessel;
        TFreieZulage Erwartet;
    };
    const std::vector<TFall> Faelle = {
        {Meranti, u"Meranti"_s, {9, u"Meranti"_s, 15}},
        {Laerche, u"Lärche"_s, {9, u"Lärche"_s, 15}},
        {Ohne_Fensterfluegel_Umlfm, u"Ohne Fensterflügel"_s, {9, Ohne_Fluegel, -11}},
        {Fensterbaenke_Leimholzplatte, u"Fensterbänke aus Leimholzplatte"_s,
         {10,
          u"Fensterbänke aus Leimholzplatte 27mm stark, Kiefer, 2 Stirnseiten und eine Vorderkante profiliert, "
          u"Kante abgerundet und vorlackiert. "_s,
          230}},
        {Fensterbaenke_Plattenwerkstoff, u"Fensterbänke aus Plattenwerkstoff"_s,
         {10,
          u"Fensterbänke aus Plattenwerkstoff Mdf 28mm stark, 2 Stirnseiten und eine Vorderkante profiliert, "
          u"Kante abgerundet und vorlackiert. "_s,
          190}},
        {Nach_Aussen_Oeffnend, u"Nach außen öffnend"_s, {11, u"Nach außen öffnend"_s, 350}},
        {Regel_Air, u"Regel air"_s, {11, u"Regel air"_s, 64}},
        {Ohne_Fensterfluegel, u"Ohne Fensterflügel"_s, {12, Ohne_Fluegel, -11}},
        {Fenster_V1, u"V1"_s, {12, u"Fenster V1 (Kunststoff Design)"_s, 0}},
        {Fenster_V2, u"V2"_s, {12, u"Fenster V2 (Kunststoff AKF)"_s, 0}},
    };
    ASSERT_EQ(Faelle.size(), TZulagevorlage::Alle().size());

    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Schluessel.toStdString());
        const TZulagevorlage& V = TZulagevorlage::Von(F.Griff);
        EXPECT_EQ(V.Typ, F.Erwartet.Typ);
        EXPECT_EQ(V.Schluessel, F.Schluessel);

        TBestellung B;
        B.Position_Anfuegen(V.Typ, V.Schluessel);
        B.Position_Anfuegen(V.Typ, Andere_Schreibung(V.Schluessel));
        ASSERT_EQ(B.Anzahl_Positionen(), 2);
        const TFreieZulage Mit = Gelesen(B.Eintrag(0));
        EXPECT_EQ(Mit.Typ, F.Erwartet.Typ);
        EXPECT_EQ(Mit.Text, F.Erwartet.Text);
        EXPECT_EQ(Mit.Preis, F.Erwartet.Preis);

        const TFreieZulage Ohne = Gelesen(B.Eintrag(1));
        EXPECT_EQ(Ohne.Typ, F.Erwartet.Typ);
        EXPECT_EQ(Ohne.Text, Vorgabetext(F.Erwartet.Typ));
        EXPECT_EQ(Ohne.Preis, 0);
    }
}

TEST(Zulagevorlagen, SchluesselGiltNurFuerSeineArt)
{
    EXPECT_EQ(TZulagevorlage::Suchen(Positionstyp::Freie_Zulage_Stueck, u"Meranti"_s), nullptr);
    EXPECT_EQ(TZulagevorlage::Suchen(Positionstyp::Freie, u"Meranti"_s), nullptr);

    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_Stueck, u"V1"_s);
    EXPECT_EQ(Gelesen(B.Eintrag(0)).Text, u"Freie Zulage Stueck Position"_s);
    EXPECT_EQ(Gelesen(B.Eintrag(0)).Preis, 0);
    // The same key names a preset of kind 9 and one of kind 12; each kind takes its own.
    EXPECT_EQ(TZulagevorlage::Suchen(Positionstyp::Freie_Zulage_Umlfm, u"Ohne Fensterflügel"_s),
              &TZulagevorlage::Von(TZulagevorlage::TGriff::Ohne_Fensterfluegel_Umlfm));
    EXPECT_EQ(TZulagevorlage::Suchen(Positionstyp::Freie_Zulage_Fenster, u"Ohne Fensterflügel"_s),
              &TZulagevorlage::Von(TZulagevorlage::TGriff::Ohne_Fensterfluegel));
}
