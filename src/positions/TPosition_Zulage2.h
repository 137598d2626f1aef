#pragma once

#include "catalog/TOptionseintrag.h"
#include "base/TIniDatei.h"
#include "positions/TKatalogart.h"

#include <QString>

#include <array>
#include <cstdint>

using TZulage2_Eintrag = TOptionseintrag<struct TZulage2_Eintrag_Marke>;

// The sliding-folding door surcharge; it is shown but enters no sum of the order.
class TPosition_Zulage2 : public TKatalogart<TPosition_Zulage2>
{
public:
    using TTabelle = std::array<TZulage2_Eintrag, 4>;
    static const TTabelle& Katalog();

    // Takes the choice, the count and the label.
    void Kopieren_Von(const TPosition_Zulage2& Andere);

    // Stores the door variant; the value is checked where it is used.
    void ItemIndex_Setzen(std::int32_t Wert) { m_Auswahl.Setzen(Wert); }
    std::int32_t ItemIndex_Lesen() const { return m_Auswahl.Lesen(); }

    long double Einzelpreis() const { return Gewaehlt().ProStueck; }
    long double Gesamtpreis() const { return Einzelpreis() * Anzahl; }
    // The surcharge is in no sum; no share of it is exempt from discounts.
    long double Gesamtpreis_Nicht_Rabattfaehig() const { return 0; }
    QString Beschreibung() const { return Gewaehlt().Name; }

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);

    QString Bez;
    std::int32_t Anzahl = 1;

    static constexpr const char* Tabellenname = "TPosition_Zulage2";
    static constexpr const char* Abschnittsname = "PositionZulage2";
};
