#pragma once

#include "base/TIniDatei.h"
#include "positions/TFreier_Text.h"

#include <QString>

#include <cstdint>

// A free surcharge per square metre; never discounted.
class TPosition_Freie_Zulage_M2
{
public:
    TPosition_Freie_Zulage_M2();
    // A known preset key sets text and price; any other text keeps the defaults.
    explicit TPosition_Freie_Zulage_M2(const QString& Vorlage);

    // Takes the description text and the choice; label, price, area and count stay.
    void Kopieren_Von(const TPosition_Freie_Zulage_M2& Andere) { m_Text.Kopieren_Von(Andere.m_Text); }

    QString Text() const { return m_Text.Text(); }
    void Text_Setzen(const QString& Text) { m_Text.Text_Setzen(Text); }

    long double Einzelpreis() const { return M2preis * M2; }
    long double Gesamtpreis() const { return Einzelpreis() * Anzahl; }
    long double Gesamtpreis_Nicht_Rabattfaehig() const { return Gesamtpreis(); }
    QString Beschreibung() const;

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    void Auswahl_Pruefen(const QString& Praefix) const { m_Text.Auswahl_Pruefen(Abschnitt(Praefix)); }

    QString Bez;
    long double M2preis = 0;
    std::int32_t Anzahl = 1;
    long double M2 = 0;

private:
    static QString Abschnitt(const QString& Praefix) { return Praefix + QLatin1String("/PositionFreieZulageM2"); }

    TFreier_Text m_Text;
};
