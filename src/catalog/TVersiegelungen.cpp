#include "catalog/TVersiegelungen.h"

const TVersiegelungen::TTabelle& TVersiegelungen::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "transparent", .ProMeterUmlauf = 0, .Ohne_Zusatzkosten = true},
            {.Name = "weiß",        .ProMeterUmlauf = 4},
        }},
    }};
    return Tabelle;
}

TVersiegelungen::TVersiegelungen()
    : TOptionsgruppe(Katalog(), "/Versiegelung", "TVersiegelungen")
{
}

QString TVersiegelungen::Beschreibung() const
{
    return QStringLiteral("Versiegelung: ") + Name_Von() + QStringLiteral("; ");
}
