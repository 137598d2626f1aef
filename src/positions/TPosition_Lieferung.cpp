#include "positions/TPosition_Lieferung.h"

const TPosition_Lieferung::TTabelle& TPosition_Lieferung::Katalog()
{
    static const TTabelle Tabelle = {{
        {QStringLiteral("Lieferung in Sachsen"),         220.00L,  4200.00L},
        {QStringLiteral("Lieferung bundesweit"),         470.00L,  8000.00L},
        {QStringLiteral("Lieferung Österreich/Schweiz"), 720.00L, 10000.00L},
    }};
    return Tabelle;
}

long double TPosition_Lieferung::Einzelpreis(long double Summe_Waren) const
{
    const TLieferung_Eintrag& Eintrag = Gewaehlt();
    return Summe_Waren >= Eintrag.Frei_Ab ? 0 : Eintrag.Preis;
}

bool TPosition_Lieferung::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    Kopf_Speichern(Ini, Praefix);
    return true;
}

bool TPosition_Lieferung::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    Kopf_Laden(Ini, Praefix);
    return true;
}
