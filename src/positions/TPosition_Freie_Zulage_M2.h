#pragma once

#include "positions/Positionstyp.h"
#include "positions/TFreie_Art.h"

#include <QString>

#include <cstdint>

// A free surcharge per square metre; never discounted.
class TPosition_Freie_Zulage_M2 : public TFreie_Art<TPosition_Freie_Zulage_M2>
{
public:
    TPosition_Freie_Zulage_M2() = default;
    // A known preset key sets text and price; any other text keeps the defaults.
    explicit TPosition_Freie_Zulage_M2(const QString& Vorlage) { Vorlage_Anwenden(Vorlage); }

    long double Einzelpreis() const { return M2preis * M2; }
    QString Beschreibung() const;

    QString Bez;
    long double M2preis = 0;
    std::int32_t Anzahl = 1;
    long double M2 = 0;

    static constexpr TMerkmale Merkmale = {
        .Typ = Positionstyp::Freie_Zulage_M2,
        .Vorgabetext = "Freie Zulage m2 Position",
        .Tabellenname = "TPosition_Freie_Zulage_M2",
        .Abschnitt = "PositionFreieZulageM2",
        .Preis = &TPosition_Freie_Zulage_M2::M2preis,
        .Preisschluessel = "M2preis",
        .Menge = &TPosition_Freie_Zulage_M2::M2,
        .Mengenschluessel = "M2",
        .Menge_Vor_Anzahl = true,
    };
};
