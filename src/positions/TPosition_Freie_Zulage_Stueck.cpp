#include "positions/TPosition_Freie_Zulage_Stueck.h"

#include "base/Lesegrenzen.h"
#include "positions/Positionstyp.h"
#include "positions/TZulagevorlage.h"

TPosition_Freie_Zulage_Stueck::TPosition_Freie_Zulage_Stueck()
    : TPosition_Freie_Zulage_Stueck(QString())
{
}

TPosition_Freie_Zulage_Stueck::TPosition_Freie_Zulage_Stueck(const QString& Vorlage)
    : m_Text(QStringLiteral("Freie Zulage Stueck Position"), "TPosition_Freie_Zulage_Stueck")
{
    if (const TZulagevorlage* V = TZulagevorlage::Suchen(Positionstyp::Freie_Zulage_Stueck, Vorlage)) {
        m_Text.Text_Setzen(V->Text);
        Stueckpreis = V->Preis;
    }
}

bool TPosition_Freie_Zulage_Stueck::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString A = Abschnitt(Praefix);
    m_Text.Kopf_Speichern(Ini, A, Bez);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Anzahl"), Anzahl);
    Ini.Zahl_Schreiben(A + QLatin1String("/Preis"), QStringLiteral("Stueckpreis"), Stueckpreis);
    m_Text.Text_Speichern(Ini, A);
    return true;
}

bool TPosition_Freie_Zulage_Stueck::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString A = Abschnitt(Praefix);
    m_Text.Kopf_Laden(Ini, A, Bez);
    Anzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Anzahl"), Anzahl, 0, Lesegrenzen::Anzahl_Max);
    Stueckpreis = Ini.Zahl_Lesen(A + QLatin1String("/Preis"), QStringLiteral("Stueckpreis"), Stueckpreis, -Lesegrenzen::Preis_Max,
                          Lesegrenzen::Preis_Max);
    m_Text.Text_Laden(Ini, A);
    return true;
}
