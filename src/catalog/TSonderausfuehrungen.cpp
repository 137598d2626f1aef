#include "catalog/TSonderausfuehrungen.h"

const TSonderausfuehrungen::TTabelle& TSonderausfuehrungen::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "keine",              .ProMeterBreite = 0, .Ohne_Zusatzkosten = true},
            {.Name = "begehbar 25mm hoch", .ProMeterBreite = 99.9L},
        }},
        {{
            {.Name = "keine",                                   .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "mit Gestänge",                            .ProStueck = 142},
            {.Name = "mit Kurbel",                              .ProStueck = 224},
            {.Name = "mit Motor 24 V (ohne Steurung/Schaler)",  .ProStueck = 478},
            {.Name = "mit Motor 230 V (ohne Steurung/Schaler)", .ProStueck = 478},
        }},
        {{
            {},
            {.Name = "Regel-air(R)", .ProStueck = 64},
        }},
        {{
            {},
            {.Name = "2. Dichtung", .ProMeterUmlauf = 5},
        }},
        {{
            {},
            {.Name = "innen abschließbar", .ProStueck = 299.9L},
        }},
        {{
            {},
            {.Name = "nach außen öffnend", .ProStueck = 350},
        }},
    }};
    return Tabelle;
}

TSonderausfuehrungen::TSonderausfuehrungen()
    : TOptionsgruppe(Katalog(), "/Sonderausfuehrungen", "TSonderausfuehrungen")
{
}

QString TSonderausfuehrungen::Beschreibung() const
{
    const QString Keine = QStringLiteral("keine");
    QString Innen;
    if (Name_Von(Bodenschwelle) != Keine)
        Innen += QStringLiteral("Bodenschwelle: ") + Name_Von(Bodenschwelle);
    if (Name_Von(Oberlichtoeffner) != Keine)
        Innen += QStringLiteral(", OL-Öffner:  ") + Name_Von(Oberlichtoeffner);
    for (const int Zeile : {Regelair, Zweite_Dichtung, Abschliessbar, Nach_Aussen_Oeffnend})
        if (!Name_Von(Zeile).isEmpty())
            Innen += QStringLiteral(", ") + Name_Von(Zeile);
    // Without a threshold the inner text keeps its leading ", ".
    if (Innen.isEmpty())
        return {};
    return QStringLiteral("Zubehör/Sonderausführung: ") + Innen + QStringLiteral("; ");
}
