#pragma once

#include "positions/Positionstyp.h"
#include "positions/TFreie_Art.h"

#include <QString>

#include <cstdint>

// A free surcharge per running metre of all windows of the order; never
// discounted. Its prices take the order's window running metres at the moment
// of evaluation.
class TPosition_Freie_Zulage_Umlfm : public TFreie_Art<TPosition_Freie_Zulage_Umlfm>
{
public:
    TPosition_Freie_Zulage_Umlfm() = default;
    // A known preset key sets text and price; any other text keeps the defaults.
    explicit TPosition_Freie_Zulage_Umlfm(const QString& Vorlage) { Vorlage_Anwenden(Vorlage); }

    long double Einzelpreis(long double Gesamt_UM_Fenster) const { return Meterpreis * Gesamt_UM_Fenster; }
    QString Beschreibung() const;

    QString Bez;
    long double Meterpreis = 0;
    std::int32_t Anzahl = 1;

    static constexpr TMerkmale Merkmale = {
        .Typ = Positionstyp::Freie_Zulage_Umlfm,
        .Vorgabetext = "Freie Zulage Umlfm Position",
        .Tabellenname = "TPosition_Freie_Zulage_Umlfm",
        .Abschnitt = "PositionFreieZulageUmlfm",
        .Preis = &TPosition_Freie_Zulage_Umlfm::Meterpreis,
        .Preisschluessel = "Meterpreis",
    };
};
