#include "positions/TPosition_Freie_Zulage_M2.h"

#include "base/Lesegrenzen.h"
#include "positions/Positionstyp.h"
#include "positions/TZulagevorlage.h"

#include "base/Zahlformat.h"

TPosition_Freie_Zulage_M2::TPosition_Freie_Zulage_M2()
    : TPosition_Freie_Zulage_M2(QString())
{
}

TPosition_Freie_Zulage_M2::TPosition_Freie_Zulage_M2(const QString& Vorlage)
    : m_Text(QStringLiteral("Freie Zulage m2 Position"), "TPosition_Freie_Zulage_M2")
{
    if (const TZulagevorlage* V = TZulagevorlage::Suchen(Positionstyp::Freie_Zulage_M2, Vorlage)) {
        m_Text.Text_Setzen(V->Text);
        M2preis = V->Preis;
    }
}

QString TPosition_Freie_Zulage_M2::Beschreibung() const
{
    return m_Text.Gewaehlter_Text() + QLatin1String(" (") + Zahlformat::Betrag(M2preis) + QLatin1String(" EUR/m2 x ")
         + Zahlformat::Betrag(M2) + QLatin1String(" m2)");
}

bool TPosition_Freie_Zulage_M2::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString A = Abschnitt(Praefix);
    m_Text.Kopf_Speichern(Ini, A, Bez);
    Ini.Zahl_Schreiben(A, QStringLiteral("M2"), M2);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Anzahl"), Anzahl);
    Ini.Zahl_Schreiben(A + QLatin1String("/Preis"), QStringLiteral("M2preis"), M2preis);
    m_Text.Text_Speichern(Ini, A);
    return true;
}

bool TPosition_Freie_Zulage_M2::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString A = Abschnitt(Praefix);
    m_Text.Kopf_Laden(Ini, A, Bez);
    M2 = Ini.Zahl_Lesen(A, QStringLiteral("M2"), M2, -Lesegrenzen::Menge_Max, Lesegrenzen::Menge_Max);
    Anzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Anzahl"), Anzahl, 0, Lesegrenzen::Anzahl_Max);
    M2preis = Ini.Zahl_Lesen(A + QLatin1String("/Preis"), QStringLiteral("M2preis"), M2preis, -Lesegrenzen::Preis_Max,
                          Lesegrenzen::Preis_Max);
    m_Text.Text_Laden(Ini, A);
    return true;
}
