#pragma once

#include "base/TIniDatei.h"

#include <QString>

#include <cstdint>

// The care-product offer: a fixed text and price, counted by the user; never discounted.
class TPosition_Zulage1
{
public:
    TPosition_Zulage1();

    // What the offer is, as the new-position list and the offer's dialog name it.
    static constexpr const char* Angebot = "Jetzt im Angebot: Aidol-Induline Pflegebalsam";

    // Takes text, price and label; the count stays.
    void Kopieren_Von(const TPosition_Zulage1& Andere);

    long double Einzelpreis() const { return Preis; }
    long double Gesamtpreis() const { return Einzelpreis() * Anzahl; }
    long double Gesamtpreis_Nicht_Rabattfaehig() const { return Gesamtpreis(); }
    QString Beschreibung() const { return Text; }

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    // The offer has no choice that a file could set wrongly.
    void Auswahl_Pruefen(const QString&) const {}

    QString Text;
    long double Preis = 19.99L;
    std::int32_t Anzahl = 0;
    QString Bez;

private:
    static QString Abschnitt(const QString& Praefix) { return Praefix + QLatin1String("/PositionZulage1"); }
};
