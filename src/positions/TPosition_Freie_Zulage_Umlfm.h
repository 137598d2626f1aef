#pragma once

#include "base/TIniDatei.h"
#include "positions/TFreier_Text.h"

#include <QString>

#include <cstdint>

// A free surcharge per running metre of all windows of the order; never
// discounted. Its prices take the order's window running metres at the moment
// of evaluation.
class TPosition_Freie_Zulage_Umlfm
{
public:
    TPosition_Freie_Zulage_Umlfm();
    // A known preset key sets text and price; any other text keeps the defaults.
    explicit TPosition_Freie_Zulage_Umlfm(const QString& Vorlage);

    // Takes the description text and the choice; label, price and count stay.
    void Kopieren_Von(const TPosition_Freie_Zulage_Umlfm& Andere) { m_Text.Kopieren_Von(Andere.m_Text); }

    QString Text() const { return m_Text.Text(); }
    void Text_Setzen(const QString& Text) { m_Text.Text_Setzen(Text); }

    long double Einzelpreis(long double Gesamt_UM_Fenster) const { return Meterpreis * Gesamt_UM_Fenster; }
    long double Gesamtpreis(long double Gesamt_UM_Fenster) const { return Einzelpreis(Gesamt_UM_Fenster) * Anzahl; }
    long double Gesamtpreis_Nicht_Rabattfaehig(long double Gesamt_UM_Fenster) const
    {
        return Gesamtpreis(Gesamt_UM_Fenster);
    }
    QString Beschreibung() const;

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    void Auswahl_Pruefen(const QString& Praefix) const { m_Text.Auswahl_Pruefen(Abschnitt(Praefix)); }

    QString Bez;
    long double Meterpreis = 0;
    std::int32_t Anzahl = 1;

private:
    static QString Abschnitt(const QString& Praefix) { return Praefix + QLatin1String("/PositionFreieZulageUmlfm"); }

    TFreier_Text m_Text;
};
