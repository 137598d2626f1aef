#pragma once

#include "positions/Positionsarten.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

class TComboBoxColor;

// The entries of the main window's new-position list: text, the position
// kind it appends (0 for none), whether it is offered, and its background.
// The list is always built from this table.
class TNeuePosTabelle
{
public:
    struct TEintrag
    {
        QString Text;
        std::uint32_t Typ = 0;
        bool Sichtbar = true;
        QColor Hintergrund;
    };
    // "Bitte wählen ..." and every kind the list offers.
    static constexpr int Eintragszahl = 1 + Positionsarten::Neu_Angeboten;

    TNeuePosTabelle() { Zuruecksetzen(); }

    void Zuruecksetzen();
    // A kind that no entry appends changes nothing.
    void Sichtbar(std::uint32_t Typ, bool Sichtbar);
    // Clears the box, appends every visible entry with its kind as item data
    // and its background, and selects item 0.
    void Aufbauen(TComboBoxColor& Box) const;

    const std::array<TEintrag, Eintragszahl>& Eintraege() const { return m_Eintraege; }

    // The kind an item of a box built by Aufbauen appends, 0 for none.
    static std::uint32_t Typ_Des_Eintrags(const TComboBoxColor& Box, int Index);

private:
    std::array<TEintrag, Eintragszahl> m_Eintraege;
};
