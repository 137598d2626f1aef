#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

class TComboBoxColor;

// The entries of the main window's new-position list: text, whether it is
// offered, and its background. The list is always built from this table.
class TNeuePosTabelle
{
public:
    struct TEintrag
    {
        QString Text;
        bool Sichtbar = true;
        QColor Hintergrund;
    };
    static constexpr int Eintragszahl = 8;

    static const QString Bitte_Waehlen;
    static const QString Angebot;

    TNeuePosTabelle() { Zuruecksetzen(); }

    void Zuruecksetzen();
    // A text that is not in the table changes nothing.
    void Sichtbar(const QString& Text, bool Sichtbar);
    // Clears the box, appends every visible entry with its background and selects item 0.
    void Aufbauen(TComboBoxColor& Box) const;

    const std::array<TEintrag, Eintragszahl>& Eintraege() const { return m_Eintraege; }

    // The position kind an entry appends, 0 for "Bitte wählen ..." and unknown texts.
    static std::uint32_t Positionstyp_Von(const QString& Text);

private:
    std::array<TEintrag, Eintragszahl> m_Eintraege;
};
