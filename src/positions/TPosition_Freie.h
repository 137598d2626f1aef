#pragma once

#include "base/TIniDatei.h"
#include "positions/TFreier_Text.h"

#include <QString>

#include <cstdint>

// A position whose text and piece price the user types in; never discounted.
class TPosition_Freie
{
public:
    TPosition_Freie();

    // Takes the description text and the choice; label, price and count stay.
    void Kopieren_Von(const TPosition_Freie& Andere) { m_Text.Kopieren_Von(Andere.m_Text); }

    QString Text() const { return m_Text.Text(); }
    void Text_Setzen(const QString& Text) { m_Text.Text_Setzen(Text); }

    long double Einzelpreis() const { return Stueckpreis; }
    long double Gesamtpreis() const { return Einzelpreis() * Anzahl; }
    long double Gesamtpreis_Nicht_Rabattfaehig() const { return Gesamtpreis(); }
    QString Beschreibung() const { return m_Text.Gewaehlter_Text(); }

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    void Auswahl_Pruefen(const QString& Praefix) const { m_Text.Auswahl_Pruefen(Abschnitt(Praefix)); }

    QString Bez;
    long double Stueckpreis = 0;
    std::int32_t Anzahl = 1;

private:
    static QString Abschnitt(const QString& Praefix) { return Praefix + QLatin1String("/PositionFreie"); }

    TFreier_Text m_Text;
};
