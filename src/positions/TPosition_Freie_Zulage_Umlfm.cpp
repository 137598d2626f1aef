#include "positions/TPosition_Freie_Zulage_Umlfm.h"

#include "base/Lesegrenzen.h"
#include "positions/Positionstyp.h"
#include "positions/TZulagevorlage.h"

#include "base/Zahlformat.h"

TPosition_Freie_Zulage_Umlfm::TPosition_Freie_Zulage_Umlfm()
    : TPosition_Freie_Zulage_Umlfm(QString())
{
}

TPosition_Freie_Zulage_Umlfm::TPosition_Freie_Zulage_Umlfm(const QString& Vorlage)
    : m_Text(QStringLiteral("Freie Zulage Umlfm Position"), "TPosition_Freie_Zulage_Umlfm")
{
    if (const TZulagevorlage* V = TZulagevorlage::Suchen(Positionstyp::Freie_Zulage_Umlfm, Vorlage)) {
        m_Text.Text_Setzen(V->Text);
        Meterpreis = V->Preis;
    }
}

QString TPosition_Freie_Zulage_Umlfm::Beschreibung() const
{
    return m_Text.Gewaehlter_Text() + QLatin1String(" (") + Zahlformat::Betrag(Meterpreis)
         + QLatin1String(" EUR/umlfm)");
}

bool TPosition_Freie_Zulage_Umlfm::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString A = Abschnitt(Praefix);
    m_Text.Kopf_Speichern(Ini, A, Bez);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Anzahl"), Anzahl);
    Ini.Zahl_Schreiben(A + QLatin1String("/Preis"), QStringLiteral("Meterpreis"), Meterpreis);
    m_Text.Text_Speichern(Ini, A);
    return true;
}

bool TPosition_Freie_Zulage_Umlfm::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString A = Abschnitt(Praefix);
    m_Text.Kopf_Laden(Ini, A, Bez);
    Anzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Anzahl"), Anzahl, 0, Lesegrenzen::Anzahl_Max);
    Meterpreis = Ini.Zahl_Lesen(A + QLatin1String("/Preis"), QStringLiteral("Meterpreis"), Meterpreis, -Lesegrenzen::Preis_Max,
                          Lesegrenzen::Preis_Max);
    m_Text.Text_Laden(Ini, A);
    return true;
}
