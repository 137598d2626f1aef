#include "catalog/THoelzer.h"

const THoelzer::TTabelle& THoelzer::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "Fichte keilgezinkt", .ProMeterUmlauf = 0, .Ohne_Zusatzkosten = true},
            {.Name = "Fichte",             .ProMeterUmlauf = 9},
        }},
    }};
    return Tabelle;
}

THoelzer::THoelzer()
    : TOptionsgruppe(Katalog(), "/Hoelzer", "THoelzer")
{
}

QString THoelzer::Beschreibung() const
{
    return Name_Von() + QStringLiteral("; ");
}
