#include "ui/main/TNeuePosTabelle.h"

#include "positions/Positionsarten.h"
#include "ui/shared/TComboBoxColor.h"

void TNeuePosTabelle::Zuruecksetzen()
{
    const QColor Weiss(255, 255, 255);
    const QColor Angebot(148, 255, 155);
    m_Eintraege[0] = {QStringLiteral("Bitte wählen ..."), 0, true, Weiss};
    Positionsarten::Fuer_Jede([&](const auto& Art) {
        if (Art.Neu_Text)
            m_Eintraege[std::size_t(Art.Neu_Platz)] = {QString::fromUtf8(Art.Neu_Text), Art.Typ, true,
                                                       Art.Angebot ? Angebot : Weiss};
    });
}

void TNeuePosTabelle::Sichtbar(std::uint32_t Typ, bool Sichtbar)
{
    for (TEintrag& Eintrag : m_Eintraege) {
        if (Typ != 0 && Eintrag.Typ == Typ)
            Eintrag.Sichtbar = Sichtbar;
    }
}

void TNeuePosTabelle::Aufbauen(TComboBoxColor& Box) const
{
    Box.clear();
    for (const TEintrag& Eintrag : m_Eintraege) {
        if (!Eintrag.Sichtbar)
            continue;
        Box.addItem(Eintrag.Text, QVariant::fromValue(Eintrag.Typ));
        Box.Hintergrund_Setzen(Box.count() - 1, Eintrag.Hintergrund);
    }
    Box.setCurrentIndex(0);
}

std::uint32_t TNeuePosTabelle::Typ_Des_Eintrags(const TComboBoxColor& Box, int Index)
{
    return Box.itemData(Index).value<std::uint32_t>();
}
