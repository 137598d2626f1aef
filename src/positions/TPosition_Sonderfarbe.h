#pragma once

#include "catalog/TOptionseintrag.h"
#include "base/TIniDatei.h"
#include "positions/TKatalogart.h"

#include <QString>

#include <array>

using TSonderfarbe_Eintrag = TOptionseintrag<struct TSonderfarbe_Eintrag_Marke>;

// The special-colour surcharge, charged once per order while some window has
// the special colour; the order adds and removes it by itself.
class TPosition_Sonderfarbe : public TKatalogart<TPosition_Sonderfarbe>
{
public:
    using TTabelle = std::array<TSonderfarbe_Eintrag, 1>;
    static const TTabelle& Katalog();

    // Takes the choice only; label and colour stay.
    void Kopieren_Von(const TPosition_Sonderfarbe& Andere) { m_Auswahl = Andere.m_Auswahl; }

    long double Einzelpreis() const { return Gewaehlt().ProStueck; }
    long double Gesamtpreis() const { return Einzelpreis(); }
    long double Gesamtpreis_Nicht_Rabattfaehig() const { return 0; }
    QString Beschreibung() const { return QStringLiteral("Sonderfarbe: ") + Sonderfarbe; }

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);

    QString Bez;
    // The colour the customer names.
    QString Sonderfarbe;

    static constexpr const char* Tabellenname = "TPosition_Sonderfarbe";
    static constexpr const char* Abschnittsname = "PositionSonderfarbe";
};
