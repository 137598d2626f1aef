#pragma once

#include "catalog/TOptionseintrag.h"
#include "base/TIniDatei.h"
#include "positions/TKatalogart.h"

#include <QString>

#include <array>
#include <cstdint>

using TMontage_Eintrag = TOptionseintrag<struct TMontage_Eintrag_Marke>;

// The installation, at a unit price typed in once; it enters the delivery and
// installation sum.
class TPosition_Montage : public TKatalogart<TPosition_Montage>
{
public:
    using TTabelle = std::array<TMontage_Eintrag, 1>;
    static const TTabelle& Katalog();

    // Takes the choice only: a second installation starts with count 1, price 0 and no label.
    void Kopieren_Von(const TPosition_Montage& Andere) { m_Auswahl = Andere.m_Auswahl; }

    long double Einzelpreis() const { return Preis; }
    long double Gesamtpreis() const { return Einzelpreis() * Anzahl; }
    // The installation is outside the goods sums; no share of it is exempt from discounts.
    long double Gesamtpreis_Nicht_Rabattfaehig() const { return 0; }
    QString Beschreibung() const { return Gewaehlt().Name; }

    // The unit price goes into a section of its own after all others; a file without that section reads with the price 0.
    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);

    QString Bez;
    std::int32_t Anzahl = 1;
    long double Preis = 0;

    static constexpr const char* Tabellenname = "TPosition_Montage";
    static constexpr const char* Abschnittsname = "PositionMontage";
};
