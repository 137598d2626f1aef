#pragma once

#include "catalog/TOptionseintrag.h"
#include "base/TIniDatei.h"
#include "positions/TPositionsauswahl.h"

#include <QString>

#include <array>

using TSonderfarbe_Eintrag = TOptionseintrag<struct TSonderfarbe_Eintrag_Marke>;

// The special-colour surcharge, charged once per order while some window has
// the special colour; the order adds and removes it by itself.
class TPosition_Sonderfarbe
{
public:
    using TTabelle = std::array<TSonderfarbe_Eintrag, 1>;

    TPosition_Sonderfarbe();

    static const TTabelle& Katalog();

    // Takes the choice only; label and colour stay.
    void Kopieren_Von(const TPosition_Sonderfarbe& Andere) { m_Auswahl = Andere.m_Auswahl; }

    long double Einzelpreis() const { return Katalog()[m_Auswahl.Index()].ProStueck; }
    long double Gesamtpreis() const { return Einzelpreis(); }
    long double Gesamtpreis_Nicht_Rabattfaehig() const { return 0; }
    QString Beschreibung() const { return QStringLiteral("Sonderfarbe: ") + Sonderfarbe; }

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    void Auswahl_Pruefen(const QString& Praefix) const { m_Auswahl.Pruefen(Abschnitt(Praefix)); }

    QString Bez;
    // The colour the customer names.
    QString Sonderfarbe;

private:
    static QString Abschnitt(const QString& Praefix) { return Praefix + QLatin1String("/PositionSonderfarbe"); }

    TPositionsauswahl m_Auswahl;
};
