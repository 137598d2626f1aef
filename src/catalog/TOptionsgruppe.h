#pragma once

#include "base/Fehler.h"
#include "base/Ganzzahl.h"
#include "base/TIniDatei.h"

#include <QString>

#include <array>
#include <cstdint>

// What the sixteen option groups share: a constant table of rows of entries
// (one table for the whole program), one chosen index per row, range-checked
// access and the "ItemIndex" keys of the order file. Each group derives from
// it with its own entry type, table, section suffix and description fragment.
template <class Eintrag, int Zeilen, int Spalten>
class TOptionsgruppe
{
public:
    using TEintrag = Eintrag;
    using TZeile = std::array<Eintrag, Spalten>;
    using TTabelle = std::array<TZeile, Zeilen>;
    static constexpr int Zeilenzahl = Zeilen;
    static constexpr int Eintraege_Je_Zeile = Spalten;

    // Stores the chosen index of a row; the value itself is not tested here.
    void ItemIndex_Setzen(int Zeile, std::int32_t Wert)
    {
        Zeile_Pruefen(Zeile);
        m_ItemIndex[std::size_t(Zeile)] = Wert;
    }
    std::int32_t ItemIndex_Lesen(int Zeile) const
    {
        Zeile_Pruefen(Zeile);
        return m_ItemIndex[std::size_t(Zeile)];
    }
    // The chosen entry of the program's table; a range error if the stored index lies outside the row.
    const Eintrag& Eintrag_Lesen(int Zeile) const { return Gewaehlt(Zeile); }

    // The one-row groups take no row.
    void ItemIndex_Setzen(std::int32_t Wert)
        requires(Zeilen == 1)
    {
        m_ItemIndex[0] = Wert;
    }
    std::int32_t ItemIndex_Lesen() const
        requires(Zeilen == 1)
    {
        return m_ItemIndex[0];
    }
    const Eintrag& Eintrag_Lesen() const
        requires(Zeilen == 1)
    {
        return Gewaehlt();
    }

    const TTabelle& Tabelle() const { return *m_Tabelle; }
    QString Abschnitt(const QString& Praefix) const { return Praefix + QLatin1String(m_Suffix); }

    static const QString& Schluessel(int Zeile)
    {
        static const std::array<QString, Zeilen> Namen = [] {
            std::array<QString, Zeilen> N;
            for (int z = 0; z < Zeilen; ++z)
                N[std::size_t(z)] = Zeilen == 1 ? QStringLiteral("ItemIndex") : QStringLiteral("ItemIndex%1").arg(z);
            return N;
        }();
        return Namen[std::size_t(Zeile)];
    }

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
    {
        const QString A = Abschnitt(Praefix);
        for (int Zeile = 0; Zeile < Zeilen; ++Zeile)
            Ini.Ganzzahl_Schreiben(A, Schluessel(Zeile), m_ItemIndex[std::size_t(Zeile)]);
        return true;
    }

    // Each key is read with the current value as default; values are stored unchecked.
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
    {
        const QString A = Abschnitt(Praefix);
        for (int Zeile = 0; Zeile < Zeilen; ++Zeile)
            m_ItemIndex[std::size_t(Zeile)] =
                Ini.Ganzzahl_Lesen(A, Schluessel(Zeile), m_ItemIndex[std::size_t(Zeile)]);
        return true;
    }

    // After loading an order file: every chosen index must lie inside its row,
    // else ELadefehler names the section, key and value.
    void Auswahl_Pruefen(const QString& Praefix) const
    {
        for (int Zeile = 0; Zeile < Zeilen; ++Zeile) {
            const std::int32_t Index = m_ItemIndex[std::size_t(Zeile)];
            if (Index < 0 || Index >= Spalten)
                throw ELadefehler(Abschnitt(Praefix), Schluessel(Zeile), QString::number(Index));
        }
    }

protected:
    TOptionsgruppe(const TTabelle& Tabelle, const char* Suffix, const char* Name)
        : m_Tabelle(&Tabelle)
        , m_Suffix(Suffix)
        , m_Name(Name)
    {
    }

    const Eintrag& Gewaehlt(int Zeile) const
    {
        Zeile_Pruefen(Zeile);
        const std::int32_t Index = m_ItemIndex[std::size_t(Zeile)];
        Ganzzahl::Index_Pruefen(Index, Spalten, m_Name);
        return (*m_Tabelle)[std::size_t(Zeile)][std::size_t(Index)];
    }
    const QString& Name_Von(int Zeile) const { return Gewaehlt(Zeile).Name; }
    const Eintrag& Gewaehlt() const
        requires(Zeilen == 1)
    {
        return Gewaehlt(0);
    }
    const QString& Name_Von() const
        requires(Zeilen == 1)
    {
        return Gewaehlt(0).Name;
    }

    // The table is shared; copying takes over the chosen indices.
    void Auswahl_Kopieren_Von(const TOptionsgruppe& Andere) { m_ItemIndex = Andere.m_ItemIndex; }

private:
    void Zeile_Pruefen(int Zeile) const { Ganzzahl::Index_Pruefen(Zeile, Zeilen, m_Name); }

    const TTabelle* m_Tabelle;
    const char* m_Suffix;
    const char* m_Name;
    std::array<std::int32_t, Zeilen> m_ItemIndex{};
};
