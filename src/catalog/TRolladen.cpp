#include "catalog/TRolladen.h"

const TRolladen::TTabelle& TRolladen::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "kein Rolladen",      .ProMeterHoehe = 0, .Ohne_Zusatzkosten = true},
            {.Name = "16mm Nut",           .ProMeterHoehe = 27},
            {.Name = "Aluschiene 25 x 22", .ProMeterHoehe = 35},
        }},
        {{
            {.Name = "1-teilig, RA",  .ProMeterUmlauf = 42},
            {.Name = "1-teilig, RAE", .ProMeterUmlauf = 48},
            {.Name = "2-teilig, RA",  .ProMeterUmlauf = 52},
            {.Name = "2-teilig, RAE", .ProMeterUmlauf = 60},
            {.Name = "3-teilig, RA",  .ProMeterUmlauf = 60},
            {.Name = "3-teilig, RAE", .ProMeterUmlauf = 69},
        }},
        {{
            {},
            {.Name = "Montage am Fenster bzw. Fenstertür", .ProMeterUmlauf = 8},
        }},
        {{
            {},
            {.Name = "Zulage Alupanzer", .ProMeterUmlauf = 13.8L},
        }},
        {{
            {},
            {.Name = "Schallschutzausführung", .ProMeterUmlauf = 7},
        }},
        {{
            {},
            {.Name = "Außen Putzträger", .ProMeterUmlauf = 5},
        }},
        {{
            {},
            {.Name = "Zulage Insektenschutzrollo", .ProMeterUmlauf = 32},
        }},
        {{
            {.Name = "Alubank", .Ohne_Zusatzkosten = true},
            {.Name = "Steinbank", .Ohne_Zusatzkosten = true},
        }},
    }};
    return Tabelle;
}

TRolladen::TRolladen()
    : TOptionsgruppe(Katalog(), "/Rolladen", "TRolladen")
{
}

QString TRolladen::Beschreibung() const
{
    if (Name_Von(Fuehrung) == QStringLiteral("kein Rolladen"))
        return {};
    return QStringLiteral("Rolladen: ") + Name_Von(Fuehrung) + QStringLiteral(" (") + Name_Von(Bank)
         + QStringLiteral("); ");
}
