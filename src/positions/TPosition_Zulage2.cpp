#include "positions/TPosition_Zulage2.h"

#include "base/Lesegrenzen.h"

// The names end in "flüglig", unlike the dialog's items; the sheet and grid show these.
const TPosition_Zulage2::TTabelle& TPosition_Zulage2::Katalog()
{
    static const TTabelle Tabelle = {{
        {.Name = "SFT 3 dreiflüglig",  .ProStueck = 299.00L},
        {.Name = "SFT 4 vierflüglig",  .ProStueck = 499.00L},
        {.Name = "SFT 5 fünfflüglig",  .ProStueck = 599.00L},
        {.Name = "SFT 6 sechsflüglig", .ProStueck = 699.00L},
    }};
    return Tabelle;
}

void TPosition_Zulage2::Kopieren_Von(const TPosition_Zulage2& Andere)
{
    m_Auswahl = Andere.m_Auswahl;
    Anzahl = Andere.Anzahl;
    Bez = Andere.Bez;
}

bool TPosition_Zulage2::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    Ini.Ganzzahl_Schreiben(Kopf_Speichern(Ini, Praefix), QStringLiteral("Anzahl"), Anzahl);
    return true;
}

bool TPosition_Zulage2::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString A = Kopf_Laden(Ini, Praefix);
    Anzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Anzahl"), Anzahl, 0, Lesegrenzen::Anzahl_Max);
    return true;
}
