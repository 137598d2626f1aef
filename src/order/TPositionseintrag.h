#pragma once

#include "positions/Positionstyp.h"
#include "positions/TPosition.h"
#include "positions/TPosition_Freie.h"
#include "positions/TPosition_Freie_Zulage_Fenster.h"
#include "positions/TPosition_Freie_Zulage_M2.h"
#include "positions/TPosition_Freie_Zulage_Stueck.h"
#include "positions/TPosition_Freie_Zulage_Umlfm.h"
#include "positions/TPosition_Lieferung.h"
#include "positions/TPosition_Montage.h"
#include "positions/TPosition_Sonderfarbe.h"
#include "positions/TPosition_Zulage1.h"
#include "positions/TPosition_Zulage2.h"

#include <cstdint>
#include <memory>
#include <variant>

// The position objects are shared: a snapshot of the order and the order it
// was taken from refer to the same objects, and neither frees what the other holds.
using TPositionsobjekt = std::variant<std::monostate,
                                      std::shared_ptr<TPosition>,
                                      std::shared_ptr<TPosition_Sonderfarbe>,
                                      std::shared_ptr<TPosition_Freie>,
                                      std::shared_ptr<TPosition_Lieferung>,
                                      std::shared_ptr<TPosition_Montage>,
                                      std::shared_ptr<TPosition_Zulage1>,
                                      std::shared_ptr<TPosition_Zulage2>,
                                      std::shared_ptr<TPosition_Freie_Zulage_Umlfm>,
                                      std::shared_ptr<TPosition_Freie_Zulage_M2>,
                                      std::shared_ptr<TPosition_Freie_Zulage_Stueck>,
                                      std::shared_ptr<TPosition_Freie_Zulage_Fenster>>;

// One entry of the order's list: a kind number and the object of that kind's
// class (none for a number without a class, which only a damaged file brings).
class TPositionseintrag
{
public:
    // A fresh object of the kind with its defaults; Vorlage is the preset text of kinds 9 to 12.
    static TPositionseintrag Erzeugen(std::uint32_t Typ, const QString& Vorlage = QString());

    std::uint32_t Positionstyp() const { return m_Typ; }
    bool hatObjekt() const { return !std::holds_alternative<std::monostate>(m_Objekt); }

    // The object if it is of class T, else nullptr; read-only through a const entry.
    template <class T>
    const T* Als() const
    {
        const auto* Zeiger = std::get_if<std::shared_ptr<T>>(&m_Objekt);
        return Zeiger ? Zeiger->get() : nullptr;
    }
    template <class T>
    T* Als()
    {
        const auto* Zeiger = std::get_if<std::shared_ptr<T>>(&m_Objekt);
        return Zeiger ? Zeiger->get() : nullptr;
    }

    // Copies what the kind's own copy rule takes from an earlier position of the same kind.
    void Kopieren_Von(const TPositionseintrag& Vorgaenger);
    // A copy with an object of its own, equal in every field.
    TPositionseintrag Klonen() const;
    // True when both entries hold the very same object (or both none of the same kind).
    bool Selbes_Objekt(const TPositionseintrag& Anderer) const;

    // What the grid and the sheet show. Kind 9 is evaluated at the order's
    // window running metres, kind 5 at its goods total.
    QString Bez() const;
    std::int32_t Anzahl() const;
    QString Beschreibung() const;
    long double Einzelpreis(long double Gesamt_UM_Fenster, long double Summe_Waren) const;
    long double Gesamtpreis(long double Gesamt_UM_Fenster, long double Summe_Waren) const;
    long double Gesamtpreis_Nicht_Rabattfaehig(long double Gesamt_UM_Fenster) const;
    // True where the typed price is missing and the grid shows "Bitte anfragen".
    bool Preis_Anfragen() const;

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    void Auswahl_Pruefen(const QString& Praefix) const;

private:
    std::uint32_t m_Typ = Positionstyp::Fenster;
    TPositionsobjekt m_Objekt;
};
