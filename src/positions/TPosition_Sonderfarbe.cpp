#include "positions/TPosition_Sonderfarbe.h"

const TPosition_Sonderfarbe::TTabelle& TPosition_Sonderfarbe::Katalog()
{
    static const TTabelle Tabelle = {{
        {.Name = "Sonderfarbe", .ProStueck = 204.00L},
    }};
    return Tabelle;
}

TPosition_Sonderfarbe::TPosition_Sonderfarbe()
    : m_Auswahl(std::int32_t(Katalog().size()), "TPosition_Sonderfarbe")
{
}

bool TPosition_Sonderfarbe::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString A = Abschnitt(Praefix);
    m_Auswahl.Kopf_Speichern(Ini, A, Bez);
    Ini.Text_Schreiben(A, QStringLiteral("Sonderfarbe"), Sonderfarbe);
    return true;
}

bool TPosition_Sonderfarbe::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString A = Abschnitt(Praefix);
    m_Auswahl.Kopf_Laden(Ini, A, Bez);
    Sonderfarbe = Ini.Text_Lesen(A, QStringLiteral("Sonderfarbe"), Sonderfarbe);
    return true;
}
