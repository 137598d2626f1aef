#pragma once

#include <QString>

#include <cstdint>
#include <span>

// A ready-made free surcharge: the kind it belongs to, the key that selects
// it when a position of that kind is made, and the description text and price
// it sets there.
class TZulagevorlage
{
public:
    // Every preset by name, in the order of Alle(). The options menu offers
    // all of them but the running-metre variant of "Ohne Fensterflügel".
    enum class TGriff {
        Meranti,
        Laerche,
        Ohne_Fensterfluegel_Umlfm,
        Fensterbaenke_Leimholzplatte,
        Fensterbaenke_Plattenwerkstoff,
        Nach_Aussen_Oeffnend,
        Regel_Air,
        Ohne_Fensterfluegel,
        Fenster_V1,
        Fenster_V2,
    };

    std::uint32_t Typ;
    QString Schluessel;
    QString Text;
    long double Preis;

    static std::span<const TZulagevorlage> Alle();
    static const TZulagevorlage& Von(TGriff Griff);
    // The preset of kind Typ whose key equals Schluessel exactly (case and umlauts included), or none.
    static const TZulagevorlage* Suchen(std::uint32_t Typ, const QString& Schluessel);
};
