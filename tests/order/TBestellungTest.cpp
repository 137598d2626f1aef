#include "order/TBestellung.h"
#include "base/TIniDatei.h"
#include "positions/TPosition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>
#include <utility>
#include <vector>

// A position read through a const order is const; an order is copied only on purpose.
static_assert(std::is_same_v<decltype(std::declval<const TBestellung&>().Eintrag(0).Als<TPosition>()), const TPosition*>);
static_assert(std::is_same_v<decltype(std::declval<TBestellung&>().Eintrag(0).Als<TPosition>()), TPosition*>);
static_assert(!std::is_copy_constructible_v<TBestellung> && !std::is_copy_assignable_v<TBestellung>);

namespace {

std::vector<std::uint32_t> Typen(const TBestellung& B)
{
    std::vector<std::uint32_t> T;
    for (const TPositionseintrag& E : B.Positionen())
        T.push_back(E.Positionstyp());
    return T;
}

// A window whose price is exactly 1000: 100 per running metre over 10 metres.
void Fenster_Zu_1000_Anfuegen(TBestellung& B)
{
    B.Position_Anfuegen(Positionstyp::Fenster);
    auto* F = B.Eintrag(B.Letzter_Index(Positionstyp::Fenster)).Als<TPosition>();
    F->Abmessungen.Breite_Setzen(2000);
    F->Abmessungen.Hoehe_Setzen(3000);
    F->Hoelzer.ItemIndex_Setzen(1);      // + 9
    F->Glaeser.ItemIndex_Setzen(0, 2);   // + 13
    F->Glaeser.ItemIndex_Setzen(1, 1);   // + 6
    F->Glaeser.ItemIndex_Setzen(2, 1);   // + 2
    F->Versiegelungen.ItemIndex_Setzen(1); // + 4
    ASSERT_EQ(F->Einzelpreis(), 1000.0L);
}

void Freie_Anfuegen(TBestellung& B, long double Preis, std::int32_t Anzahl = 1)
{
    B.Position_Anfuegen(Positionstyp::Freie);
    auto* P = B.Eintrag(B.Letzter_Index(Positionstyp::Freie)).Als<TPosition_Freie>();
    P->Stueckpreis = Preis;
    P->Anzahl = Anzahl;
}

} // namespace

TEST(TBestellungNeu, LeereBestellung)
{
    const TBestellung B;
    const TSummen S = B.Summen();
    EXPECT_EQ(B.Anzahl_Positionen(), 0);
    EXPECT_EQ(S.Gesamtsumme, 0.0L);
    EXPECT_EQ(S.Gesamt_UM_Fenster, 0.0L);
    EXPECT_EQ(S.Gesamt_UM_Montage, 0.0L);
    EXPECT_EQ(S.Zwischensumme(), 0.0L);
    EXPECT_TRUE(B.wurdeGeandert);
    EXPECT_TRUE(B.MitNachtext);
    EXPECT_EQ(B.RabattMax, 100);
    EXPECT_EQ(B.Datum.size(), 10);
}

TEST(TBestellungListe, AnfuegenKopiertVorgaengerGleicherArt)
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Eintrag(0).Als<TPosition>()->Abmessungen.Breite_Setzen(1234);
    B.Eintrag(0).Als<TPosition>()->Bez = QStringLiteral("F1");
    B.Position_Anfuegen(Positionstyp::Freie);
    auto* Frei = B.Eintrag(1).Als<TPosition_Freie>();
    Frei->Text_Setzen(QStringLiteral("Fensterbank"));
    Frei->Stueckpreis = 50;
    Frei->Anzahl = 4;
    Frei->Bez = QStringLiteral("X");
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Position_Anfuegen(Positionstyp::Freie);

    const TPosition* Zweites_Fenster = B.Eintrag(2).Als<TPosition>();
    EXPECT_EQ(Zweites_Fenster->Abmessungen.Breite(), 1234);
    EXPECT_EQ(Zweites_Fenster->Bez, QStringLiteral("F1"));

    const auto* Zweite_Freie = B.Eintrag(3).Als<TPosition_Freie>();
    EXPECT_EQ(Zweite_Freie->Text(), QStringLiteral("Fensterbank"));
    EXPECT_EQ(Zweite_Freie->Stueckpreis, 0.0L);
    EXPECT_EQ(Zweite_Freie->Anzahl, 1);
    EXPECT_TRUE(Zweite_Freie->Bez.isEmpty());
}

TEST(TBestellungListe, ZulagenWerdenNieKopiert)
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_Umlfm, QStringLiteral("Lärche"));
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_Umlfm, QStringLiteral("Meranti"));
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_Umlfm);
    EXPECT_EQ(B.Eintrag(1).Beschreibung(), QStringLiteral("Meranti (15,00 EUR/umlfm)"));
    EXPECT_EQ(B.Eintrag(2).Als<TPosition_Freie_Zulage_Umlfm>()->Text(), QStringLiteral("Freie Zulage Umlfm Position"));
}

TEST(TBestellungListe, LoeschenGruppiertStabil)
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Freie);
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Position_Anfuegen(Positionstyp::Lieferung);
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Eintrag(1).Als<TPosition>()->Bez = QStringLiteral("erstes");
    B.Eintrag(3).Als<TPosition>()->Bez = QStringLiteral("zweites");
    B.Position_Loeschen(2);
    EXPECT_EQ(Typen(B), (std::vector<std::uint32_t>{1, 1, 4}));
    EXPECT_EQ(B.Eintrag(0).Bez(), QStringLiteral("erstes"));
    EXPECT_EQ(B.Eintrag(1).Bez(), QStringLiteral("zweites"));
}

TEST(TBestellungListe, TauschenUndSuchen)
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_M2);
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_M2);
    B.Positionen_Tauschen(0, 1);
    B.Positionen_Tauschen(2, 2);
    EXPECT_EQ(Typen(B), (std::vector<std::uint32_t>{1, 10, 10}));
    EXPECT_EQ(B.Erster_Index(10), 1);
    EXPECT_EQ(B.Letzter_Index(10), 2);
    EXPECT_EQ(B.Letzter_Index(7), -1);
    EXPECT_FALSE(B.Typ_Vorhanden(7));
    EXPECT_THROW(B.Positionen_Tauschen(0, 3), EBereichsfehler);
}

TEST(TBestellungListe, SonderfarbeFolgtDenFenstern)
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Position_Anfuegen(Positionstyp::Freie);
    B.Sonderfarbe_Abgleichen();
    EXPECT_FALSE(B.Typ_Vorhanden(Positionstyp::Sonderfarbe));

    B.Eintrag(0).Als<TPosition>()->Oberflaechen.ItemIndex_Setzen(8);
    B.Sonderfarbe_Abgleichen();
    B.Sonderfarbe_Abgleichen();
    EXPECT_EQ(Typen(B), (std::vector<std::uint32_t>{1, 4, 3}));
    EXPECT_EQ(B.Summen().Gesamtsumme, 396.0L + 204.0L);

    B.Eintrag(0).Als<TPosition>()->Oberflaechen.ItemIndex_Setzen(0);
    B.Sonderfarbe_Abgleichen();
    EXPECT_EQ(Typen(B), (std::vector<std::uint32_t>{1, 4}));
}

TEST(TBestellungSummen, RabatteWieImBeispiel)
{
    TBestellung B;
    Fenster_Zu_1000_Anfuegen(B);
    Freie_Anfuegen(B, 200);
    B.RabattAuswahl = 10;
    B.Rabatt = 5;
    const TSummen S = B.Summen();
    EXPECT_EQ(S.Summe_Rabattfaehig, 1000.0L);
    EXPECT_EQ(S.Summe_Nicht_Rabattfaehig, 200.0L);
    EXPECT_EQ(S.Betrag_RabattAuswahl, -100.0L);
    EXPECT_EQ(S.Betrag_Rabatt, -54.0L);
    EXPECT_EQ(S.Betrag_RabattObjekt, 0.0L);
    EXPECT_EQ(S.Summe_Waren, 1046.0L);
    EXPECT_EQ(S.Zwischensumme(), 1200.0L);
    EXPECT_EQ(B.Summe_Waren(), 1046.0L);

    B.RabattObjekt = 10;
    EXPECT_EQ(B.Summen().Betrag_RabattObjekt, 1000.0L * 90 / 100 * 95 / 100 * -10 / 100);
}

TEST(TBestellungSummen, RsgIstEinAufschlag)
{
    TBestellung B;
    Fenster_Zu_1000_Anfuegen(B);
    B.RabattAuswahl = -15;
    EXPECT_EQ(B.Betrag_RabattAuswahl(), 150.0L);
    EXPECT_EQ(B.Gesamtsumme(), 1150.0L);
}

TEST(TBestellungSummen, LieferungAbWarenwertFrei)
{
    struct Fall
    {
        std::int32_t Lieferung;
        long double Warenwert;
        long double Lieferpreis;
    };
    const Fall Faelle[] = {
        {0, 4200.0L, 0}, {0, 4199.99L, 220}, {1, 7999.99L, 470}, {1, 8000.0L, 0}, {2, 9999.0L, 720}, {2, 10000.0L, 0},
    };
    for (const Fall& F : Faelle) {
        TBestellung B;
        Freie_Anfuegen(B, F.Warenwert);
        B.Position_Anfuegen(Positionstyp::Lieferung);
        B.Eintrag(1).Als<TPosition_Lieferung>()->ItemIndex_Setzen(F.Lieferung);
        B.Position_Anfuegen(Positionstyp::Montage);
        auto* M = B.Eintrag(2).Als<TPosition_Montage>();
        M->Anzahl = 3;
        M->Preis = 150;
        const TSummen S = B.Summen();
        EXPECT_EQ(S.Summe_Lieferung_Montage, F.Lieferpreis + 450) << double(F.Warenwert);
        EXPECT_EQ(S.Gesamtsumme, F.Warenwert + F.Lieferpreis + 450);
        EXPECT_EQ(S.Summe_Waren, F.Warenwert);
    }
}

TEST(TBestellungSummen, UmlfmZulageMitAktuellenMetern)
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_Umlfm, QStringLiteral("Meranti"));
    EXPECT_EQ(B.Gesamtsumme(), 0.0L);
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Eintrag(1).Als<TPosition>()->Abmessungen.Anzahl_Setzen(2);
    const TSummen S = B.Summen();
    EXPECT_EQ(S.Gesamt_UM_Fenster, 12.0L);
    EXPECT_EQ(S.Summe_Nicht_Rabattfaehig, 15.0L * 12);
    EXPECT_EQ(S.Gesamtsumme, 2 * 396.0L + 15.0L * 12);
}

TEST(TBestellungSummen, SchiebetuerZulageZaehltNicht)
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Zulage2);
    auto* Z = B.Eintrag(0).Als<TPosition_Zulage2>();
    Z->ItemIndex_Setzen(2);
    Z->Anzahl = 2;
    EXPECT_EQ(B.Eintrag(0).Gesamtpreis(0, 0), 1198.0L);
    EXPECT_EQ(B.Gesamtsumme(), 0.0L);
}

TEST(TBestellungKopie, PositionenWerdenGeteilt)
{
    auto Quelle = std::make_unique<TBestellung>();
    Quelle->Position_Anfuegen(Positionstyp::Fenster);
    Quelle->Ansprechpartner = QStringLiteral("Frau Berg");
    Quelle->wurdeGeandert = false;
    TBestellung Ziel;
    Ziel.Kopieren_Von(*Quelle);
    EXPECT_EQ(Ziel.Ansprechpartner, QStringLiteral("Frau Berg"));
    EXPECT_TRUE(Ziel.wurdeGeandert);
    EXPECT_EQ(Ziel.Eintrag(0).Als<TPosition>(), Quelle->Eintrag(0).Als<TPosition>());
    Quelle.reset(); // the discarded source frees nothing the target holds
    EXPECT_EQ(Ziel.Eintrag(0).Als<TPosition>()->Einzelpreis(), 396.0L);
}

namespace {

// Every row of the kinds table makes an object of its class that reports the
// row's number; a number without a row makes none.
TEST(Positionsarten, JedeZeileErzeugtIhreKlasseMitIhrerNummer)
{
    std::vector<std::uint32_t> Nummern;
    Positionsarten::Fuer_Jede([&](const auto& Art) {
        using T = typename std::decay_t<decltype(Art)>::Klasse;
        const TPositionseintrag E = TPositionseintrag::Erzeugen(Art.Typ);
        EXPECT_NE(E.Als<T>(), nullptr) << Art.Typ;
        EXPECT_EQ(E.Positionstyp(), Art.Typ);
        EXPECT_EQ(Positionsarten::Titel(Art.Typ), QString::fromUtf8(Art.Titel));
        Nummern.push_back(Art.Typ);
    });
    EXPECT_TRUE(std::is_sorted(Nummern.begin(), Nummern.end()));
    EXPECT_EQ(std::adjacent_find(Nummern.begin(), Nummern.end()), Nummern.end());
    for (const std::uint32_t Ohne : {0u, 2u, 13u}) {
        EXPECT_FALSE(TPositionseintrag::Erzeugen(Ohne).hatObjekt()) << Ohne;
        EXPECT_EQ(TPositionseintrag::Erzeugen(Ohne).Positionstyp(), 0u) << Ohne;
    }
}

} // namespace
