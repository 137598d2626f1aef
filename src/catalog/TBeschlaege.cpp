#include "catalog/TBeschlaege.h"

const TBeschlaege::TTabelle& TBeschlaege::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "Roto NT",       .ProFluegel = 0, .Ohne_Zusatzkosten = true},
            {.Name = "Roto Royal NT", .ProFluegel = 36},
        }},
        {{
            {.Name = "Standard",             .ProFluegel = 0, .Ohne_Zusatzkosten = true},
            {.Name = "Sicherheitsstufe I",   .ProFluegel = 2.5L},
            {.Name = "Sicherheitsstufe II",  .ProFluegel = 9.9L},
            {.Name = "Sicherheitsstufe III", .ProFluegel = 15.1L},
        }},
        {{
            {},
            {.Name = "Abdeckkappen weiß/braun", .ProFluegel = 3},
        }},
        {{
            {},
            {.Name = "Variable Griffhöhe", .ProFluegel = 7.4L},
        }},
        {{
            {},
            {.Name = "OL mit Putz- u. Fangschere", .ProStueck = 36},
        }},
    }};
    return Tabelle;
}

TBeschlaege::TBeschlaege()
    : TOptionsgruppe(Katalog(), "/Beschlaege", "TBeschlaege")
{
}

QString TBeschlaege::Beschreibung() const
{
    QString Text = QStringLiteral("Beschläge: ") + Name_Von(Beschlag) + QLatin1Char(' ') + Name_Von(Sicherheit);
    for (const int Zeile : {Abdeckkappen, Griffhoehe, PutzFangschere})
        if (!Name_Von(Zeile).isEmpty())
            Text += QStringLiteral(" (+") + Name_Von(Zeile) + QLatin1Char(')');
    return Text + QStringLiteral("; ");
}
