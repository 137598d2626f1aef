#include "catalog/TRegenschienen.h"

const TRegenschienen::TTabelle& TRegenschienen::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "EV1"},
            {.Name = "C 33"},
            {.Name = "C 34"},
            {.Name = "weiß"},
        }},
        {{
            {.Name = "generell EV1"},
            {.Name = "Regel-air(R)"},
        }},
        {{
            {.Name = "keine", .ProFluegel = 0},
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
