#include "catalog/TRegenschienen.h"

const TRegenschienen::TTabelle& TRegenschienen::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "EV1", .Ohne_Zusatzkosten = true},
            {.Name = "C 33", .Ohne_Zusatzkosten = true},
            {.Name = "C 34", .Ohne_Zusatzkosten = true},
            {.Name = "weiß", .Ohne_Zusatzkosten = true},
        }},
        {{
            {.Name = "generell EV1"},
            {.Name = "Regel-air(R)"},
        }},
        {{
            {.Name = "keine", .ProFluegel = 0, .Ohne_Zusatzkosten = true},
            {.Name = "EV1",   .ProFluegel = 15},
            {.Name = "C 33",  .ProFluegel = 15},
            {.Name = "C 34",  .ProFluegel = 15},
            {.Name = "weiß",  .ProFluegel = 15},
        }},
    }};
    return Tabelle;
}

TRegenschienen::TRegenschienen()
    : TOptionsgruppe(Katalog(), "/Regenschienen", "TRegenschienen")
{
}

QString TRegenschienen::Beschreibung() const
{
    return QStringLiteral("Regenschiene Fenster: ") + Name_Von(Fenster) + QStringLiteral("; Flügelabdeckung: ")
         + Name_Von(Fluegelabdeckung) + QStringLiteral("; ");
}
