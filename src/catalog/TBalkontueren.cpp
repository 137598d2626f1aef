#include "catalog/TBalkontueren.h"

const TBalkontueren::TTabelle& TBalkontueren::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "Balkontür mit Bodenschwelle begehbar nur 1-teilig", .ProMeterUmlauf = 61.6L},
            {.Name = "Balkontür nach außen öffnend",                      .ProMeterUmlauf = 59},
        }},
        {{
            {},
            {.Name = "Zulage - innen und außen abschließbar", .ProStueck = 131},
        }},
    }};
    return Tabelle;
}

TBalkontueren::TBalkontueren()
    : TOptionsgruppe(Katalog(), "/Balkon", "TBalkontueren")
{
}

QString TBalkontueren::Beschreibung() const
{
    QString Text = QStringLiteral("Sonderausführung ") + Name_Von(Art);
    if (!Name_Von(Zulage_Abschliessbar).isEmpty())
        Text += QStringLiteral(" (") + Name_Von(Zulage_Abschliessbar) + QLatin1Char(')');
    return Text + QStringLiteral("; ");
}
