#pragma once

#include "base/TIniDatei.h"

#include <QString>

#include <cstddef>
#include <cstdint>

// The one choice of a simple position kind: an index into the kind's table,
// stored under "ItemIndex0" ahead of the label "Bez". Setting and loading
// keep any value; using it, or checking it after loading, reports a value
// outside the table.
class TPositionsauswahl
{
public:
    TPositionsauswahl(std::int32_t Eintraege, const char* Tabellenname);

    void Setzen(std::int32_t Wert) { m_ItemIndex = Wert; }
    std::int32_t Lesen() const { return m_ItemIndex; }
    // The chosen table position; EBereichsfehler outside the table.
    std::size_t Index() const;

    void Kopf_Speichern(TIniDatei& Ini, const QString& Abschnitt, const QString& Bez) const;
    void Kopf_Laden(const TIniDatei& Ini, const QString& Abschnitt, QString& Bez);
    // ELadefehler naming the section, "ItemIndex0" and the stored value.
    void Pruefen(const QString& Abschnitt) const;

private:
    std::int32_t m_Eintraege;
    const char* m_Tabellenname;
    std::int32_t m_ItemIndex = 0;
};
