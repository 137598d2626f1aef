#pragma once

#include "positions/Positionsarten.h"

#include <cstdint>
#include <memory>
#include <variant>

// One entry of the order's list: an object of one position kind's class, or
// none (for a number without a class, which only a damaged file brings).
class TPositionseintrag
{
public:
    // A fresh object of the kind with its defaults; Vorlage is the preset text of kinds 9 to 12.
    static TPositionseintrag Erzeugen(std::uint32_t Typ, const QString& Vorlage = QString());

    // The kind of the object's class; 0 without an object.
    std::uint32_t Positionstyp() const
    {
        return m_Objekt.index() == 0 ? 0 : Positionsarten::Typen[m_Objekt.index() - 1];
    }
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
    TPositionsobjekt m_Objekt;
};
