#include "positions/TPosition_Sonderfarbe.h"

const TPosition_Sonderfarbe::TTabelle& TPosition_Sonderfarbe::Katalog()
{
    static const TTabelle Tabelle = {{
        {.Name = "Sonderfarbe", .ProStueck = 204.00L},
    }};
    return Tabelle;
}

bool TPosition_Sonderfarbe::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    Ini.Text_Schreiben(Kopf_Speichern(Ini, Praefix), QStringLiteral("Sonderfarbe"), Sonderfarbe);
    return true;
}

bool TPosition_Sonderfarbe::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString A = Kopf_Laden(Ini, Praefix);
    Sonderfarbe = Ini.Text_Lesen(A, QStringLiteral("Sonderfarbe"), Sonderfarbe);
    return true;
}
