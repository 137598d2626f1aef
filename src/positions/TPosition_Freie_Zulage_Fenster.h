#pragma once

#include "positions/Positionstyp.h"
#include "positions/TFreie_Art.h"

#include <QString>

#include <cstdint>

// A free surcharge per running metre of one window, whose running metres the
// user types in; never discounted.
class TPosition_Freie_Zulage_Fenster : public TFreie_Art<TPosition_Freie_Zulage_Fenster>
{
public:
    TPosition_Freie_Zulage_Fenster() = default;
    // A known preset key sets text and price; any other text keeps the defaults.
    explicit TPosition_Freie_Zulage_Fenster(const QString& Vorlage) { Vorlage_Anwenden(Vorlage); }

    long double Einzelpreis() const { return Meterpreis * Umlfm; }
    QString Beschreibung() const;

    QString Bez;
    long double Meterpreis = 0;
    std::int32_t Anzahl = 1;
    long double Umlfm = 0;

    static constexpr TMerkmale Merkmale = {
        .Typ = Positionstyp::Freie_Zulage_Fenster,
        .Vorgabetext = "Freie Zulage Fenster Position",
        .Tabellenname = "TPosition_Freie_Zulage_Fenster",
        .Abschnitt = "PositionFreieZulageFenster",
        .Preis = &TPosition_Freie_Zulage_Fenster::Meterpreis,
        .Preisschluessel = "Meterpreis",
        .Menge = &TPosition_Freie_Zulage_Fenster::Umlfm,
        .Mengenschluessel = "Umlfm",
    };
};
