#include "catalog/TSprossen.h"

const TSprossen::TTabelle& TSprossen::Katalog()
{
    static const TTabelle Tabelle = [] {
        TTabelle T = {{
            {{
                {.Name = "keine",                                                              .ProMenge = 0, .Ohne_Zusatzkosten = true},
                {.Name = "glasteilend oder aufgesiegelt 20 Grad Schräge mit Wiener Sprosse",  .ProMenge = 25},
                {.Name = "glasteilend oder aufgesiegelt 20 Grad Schräge ohne Wiener Sprosse", .ProMenge = 25},
                {.Name = "glasteilend oder aufgesiegelt 20 Grad Schräge mit Thermixsprosse",  .ProMenge = 35},
                {.Name = "glasteilend oder aufgesiegelt profiliert mit Wiener Sprosse",        .ProMenge = 45},
                {.Name = "glasteilend oder aufgesiegelt profiliert ohne Wiener Sprosse",       .ProMenge = 45},
                {.Name = "glasteilend oder aufgesiegelt profiliert mit Thermixsprosse",        .ProMenge = 55},
            }},
            {{
                {.Name = "keine Sprossen", .Felder = 0, .Ohne_Zusatzkosten = true},
            }},
        }};
        // "2" to "30" fields: the entry's label is its field count.
        for (int k = 1; k < Eintraege_Je_Zeile; ++k)
            T[1][std::size_t(k)] = {.Name = QString::number(k + 1), .Felder = k + 1};
        return T;
    }();
    return Tabelle;
}

TSprossen::TSprossen()
    : TOptionsgruppe(Katalog(), "/Sprossen", "TSprossen")
{
}

QString TSprossen::Beschreibung() const
{
    if (Name_Von(Art) == QStringLiteral("keine") || Name_Von(Felder) == QStringLiteral("keine Sprossen"))
        return {};
    return QStringLiteral("Sprossen: ") + Name_Von(Art) + QStringLiteral(" (") + Name_Von(Felder)
         + QStringLiteral(" Felder); ");
}
