#pragma once

#include "positions/Positionstyp.h"
#include "positions/TFreie_Art.h"

#include <QString>

#include <cstdint>

// A position whose text and piece price the user types in; never discounted.
class TPosition_Freie : public TFreie_Art<TPosition_Freie>
{
public:
    long double Einzelpreis() const { return Stueckpreis; }
    QString Beschreibung() const { return Gewaehlter_Text(); }

    QString Bez;
    long double Stueckpreis = 0;
    std::int32_t Anzahl = 1;

    static constexpr TMerkmale Merkmale = {
        .Typ = Positionstyp::Freie,
        .Vorgabetext = "Freie Position",
        .Tabellenname = "TPosition_Freie",
        .Abschnitt = "PositionFreie",
        .Preis = &TPosition_Freie::Stueckpreis,
        .Preisschluessel = "Stueckpreis",
    };
};
