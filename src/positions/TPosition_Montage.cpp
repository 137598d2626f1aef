#include "positions/TPosition_Montage.h"

#include "base/Lesegrenzen.h"

const TPosition_Montage::TTabelle& TPosition_Montage::Katalog()
{
    static const TTabelle Tabelle = {{
        {.Name = "Montage"},
    }};
    return Tabelle;
}

bool TPosition_Montage::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString A = Kopf_Speichern(Ini, Praefix);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Anzahl"), Anzahl);
    // A new installation starts at price 0, so a file without the price reads the same.
    if (Preis != 0)
        Ini.Zahl_Schreiben(A + QLatin1String("/Preis"), QStringLiteral("Preis"), Preis);
    return true;
}

bool TPosition_Montage::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString A = Kopf_Laden(Ini, Praefix);
    Anzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Anzahl"), Anzahl, 0, Lesegrenzen::Anzahl_Max);
    Preis = Ini.Zahl_Lesen(A + QLatin1String("/Preis"), QStringLiteral("Preis"), Preis, -Lesegrenzen::Preis_Max,
                          Lesegrenzen::Preis_Max);
    return true;
}
