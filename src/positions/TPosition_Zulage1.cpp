#include "positions/TPosition_Zulage1.h"

#include "base/Lesegrenzen.h"

TPosition_Zulage1::TPosition_Zulage1()
    : Text(QString::fromUtf8(Angebot)
           + QStringLiteral(" zum Aktionspreis von 19,99 Euro. "
                            "Zu empfehlen: 2x im Jahr außen auftragen. Fenster pflegen anstatt streichen!"))
{
}

void TPosition_Zulage1::Kopieren_Von(const TPosition_Zulage1& Andere)
{
    Text = Andere.Text;
    Preis = Andere.Preis;
    Bez = Andere.Bez;
}

bool TPosition_Zulage1::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString A = Abschnitt(Praefix);
    Ini.Text_Schreiben(A, QStringLiteral("Bez"), Bez);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Anzahl"), Anzahl);
    return true;
}

bool TPosition_Zulage1::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString A = Abschnitt(Praefix);
    Bez = Ini.Text_Lesen(A, QStringLiteral("Bez"), Bez);
    Anzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Anzahl"), Anzahl, 0, Lesegrenzen::Anzahl_Max);
    return true;
}
