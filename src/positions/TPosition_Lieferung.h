#pragma once

#include "base/TIniDatei.h"
#include "positions/TKatalogart.h"

#include <QString>

#include <array>
#include <cstdint>

// A delivery region: its flat price and the goods total from which delivery is free.
struct TLieferung_Eintrag
{
    QString Name;
    long double Preis;
    long double Frei_Ab;
};

// The delivery; it enters the delivery and installation sum, priced at the
// order's goods total.
class TPosition_Lieferung : public TKatalogart<TPosition_Lieferung>
{
public:
    using TTabelle = std::array<TLieferung_Eintrag, 3>;
    static const TTabelle& Katalog();

    // Takes the choice only; the label stays.
    void Kopieren_Von(const TPosition_Lieferung& Andere) { m_Auswahl = Andere.m_Auswahl; }

    // Stores the region; the value is checked where it is used.
    void ItemIndex_Setzen(std::int32_t Wert) { m_Auswahl.Setzen(Wert); }
    std::int32_t ItemIndex_Lesen() const { return m_Auswahl.Lesen(); }

    long double Einzelpreis(long double Summe_Waren) const;
    long double Gesamtpreis(long double Summe_Waren) const { return Einzelpreis(Summe_Waren); }
    // The delivery is outside the goods sums; no share of it is exempt from discounts.
    long double Gesamtpreis_Nicht_Rabattfaehig() const { return 0; }
    QString Beschreibung() const { return Gewaehlt().Name; }

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);

    QString Bez;

    static constexpr const char* Tabellenname = "TPosition_Lieferung";
    static constexpr const char* Abschnittsname = "PositionLieferung";
};
