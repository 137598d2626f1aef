#include "catalog/TOberflaechen.h"

const TOberflaechen::TTabelle& TOberflaechen::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "nach RAL-Standard",              .Zusatztext = "1 farbig",    .ProMeterUmlauf = 0, .Ohne_Zusatzkosten = true},
            {.Name = "nach Farbkarte (1) Eiche hell",  .Zusatztext = "1 farbig",    .ProMeterUmlauf = 9},
            {.Name = "nach Farbkarte (2) Mahagoni",    .Zusatztext = "1 farbig",    .ProMeterUmlauf = 9},
            {.Name = "nach Farbkarte (3) Mittelbraun", .Zusatztext = "1 farbig",    .ProMeterUmlauf = 9},
            {.Name = "nach Farbkarte (4) Dunkelbraun", .Zusatztext = "1 farbig",    .ProMeterUmlauf = 9},
            {.Name = "nach Farbkarte (5) Grün",        .Zusatztext = "1 farbig",    .ProMeterUmlauf = 9},
            {.Name = "nach Farbkarte (6) Weiß",        .Zusatztext = "1 farbig",    .ProMeterUmlauf = 0, .Ohne_Zusatzkosten = true},
            {.Name = "nach RAL-Standard",              .Zusatztext = "2 farbig",    .ProMeterUmlauf = 18},
            {.Name = "",                               .Zusatztext = "Sonderfarbe", .ProStueck = 0},
        }},
    }};
    return Tabelle;
}

TOberflaechen::TOberflaechen()
    : TOptionsgruppe(Katalog(), "/Oberflaechen", "TOberflaechen")
{
}

QString TOberflaechen::Beschreibung() const
{
    if (ItemIndex_Lesen() == Index_Sonderfarbe)
        return QStringLiteral("Sonderfarbe; ");
    const TOberflaeche& Eintrag = Gewaehlt();
    return Eintrag.Zusatztext + QLatin1Char(' ') + Eintrag.Name + QStringLiteral("; ");
}
