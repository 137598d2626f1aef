#include "positions/TZulagevorlage.h"

#include "base/Ganzzahl.h"
#include "positions/Positionstyp.h"

#include <array>

// One row per TGriff, in its order. The sill texts end in a blank on purpose:
// it is part of the text. The menu passes "V1" and "V2" for the two
// plastic-window entries.
std::span<const TZulagevorlage> TZulagevorlage::Alle()
{
    using namespace Qt::StringLiterals;
    using namespace Positionstyp;
    static const QString Ohne_Fensterfluegel_Text =
        u"Ohne Fensterflügel bei Fensterkombinationen Fest im Rahmen mit DK oder Dreh oder FF"_s;
    static const std::array<TZulagevorlage, 10> Tabelle = {{
        {Freie_Zulage_Umlfm,   u"Meranti"_s,                           u"Meranti"_s,                       15.00L},
        {Freie_Zulage_Umlfm,   u"Lärche"_s,                            u"Lärche"_s,                        15.00L},
        {Freie_Zulage_Umlfm,   u"Ohne Fensterflügel"_s,                Ohne_Fensterfluegel_Text,           -11.00L},
        {Freie_Zulage_M2,      u"Fensterbänke aus Leimholzplatte"_s,
         u"Fensterbänke aus Leimholzplatte 27mm stark, Kiefer, 2 Stirnseiten und eine Vorderkante profiliert, "
         u"Kante abgerundet und vorlackiert. "_s,                                                          230.00L},
        {Freie_Zulage_M2,      u"Fensterbänke aus Plattenwerkstoff"_s,
         u"Fensterbänke aus Plattenwerkstoff Mdf 28mm stark, 2 Stirnseiten und eine Vorderkante profiliert, "
         u"Kante abgerundet und vorlackiert. "_s,                                                          190.00L},
        {Freie_Zulage_Stueck,  u"Nach außen öffnend"_s,                u"Nach außen öffnend"_s,            350.00L},
        {Freie_Zulage_Stueck,  u"Regel air"_s,                         u"Regel air"_s,                     64.00L},
        {Freie_Zulage_Fenster, u"Ohne Fensterflügel"_s,                Ohne_Fensterfluegel_Text,           -11.00L},
        {Freie_Zulage_Fenster, u"V1"_s,                                u"Fenster V1 (Kunststoff Design)"_s, 0.00L},
        {Freie_Zulage_Fenster, u"V2"_s,                                u"Fenster V2 (Kunststoff AKF)"_s,   0.00L},
    }};
    return Tabelle;
}

const TZulagevorlage& TZulagevorlage::Von(TGriff Griff)
{
    const auto Zeile = static_cast<std::int64_t>(Griff);
    Ganzzahl::Index_Pruefen(Zeile, std::int64_t(Alle().size()), "TZulagevorlage");
    return Alle()[std::size_t(Zeile)];
}

const TZulagevorlage* TZulagevorlage::Suchen(std::uint32_t Typ, const QString& Schluessel)
{
    for (const TZulagevorlage& V : Alle())
        if (V.Typ == Typ && V.Schluessel == Schluessel)
            return &V;
    return nullptr;
}
