#pragma once

#include "positions/Positionstyp.h"
#include "positions/TFreie_Art.h"

#include <QString>

#include <cstdint>

// A free surcharge per piece; never discounted.
class TPosition_Freie_Zulage_Stueck : public TFreie_Art<TPosition_Freie_Zulage_Stueck>
{
public:
    TPosition_Freie_Zulage_Stueck() = default;
    // A known preset key sets text and price; any other text keeps the defaults.
    explicit TPosition_Freie_Zulage_Stueck(const QString& Vorlage) { Vorlage_Anwenden(Vorlage); }

    long double Einzelpreis() const { return Stueckpreis; }
    QString Beschreibung() const { return Gewaehlter_Text(); }

    QString Bez;
    long double Stueckpreis = 0;
    std::int32_t Anzahl = 1;

    static constexpr TMerkmale Merkmale = {
        .Typ = Positionstyp::Freie_Zulage_Stueck,
        .Vorgabetext = "Freie Zulage Stueck Position",
        .Tabellenname = "TPosition_Freie_Zulage_Stueck",
        .Abschnitt = "PositionFreieZulageStueck",
        .Preis = &TPosition_Freie_Zulage_Stueck::Stueckpreis,
        .Preisschluessel = "Stueckpreis",
    };
};
