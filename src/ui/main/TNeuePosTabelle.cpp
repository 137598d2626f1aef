#include "ui/main/TNeuePosTabelle.h"

#include "positions/Positionstyp.h"
#include "ui/shared/TComboBoxColor.h"

void TNeuePosTabelle::Zuruecksetzen()
{
    using namespace Positionstyp;
    const QColor Weiss(255, 255, 255);
    m_Eintraege = {{
        {QStringLiteral("Bitte wählen ..."),                              0,                    true, Weiss},
        {QStringLiteral("Fenster"),                                       Fenster,              true, Weiss},
        {QStringLiteral("Freie Position"),                                Freie,                true, Weiss},
        {QStringLiteral("Zulage Umlfm"),                                  Freie_Zulage_Umlfm,   true, Weiss},
        {QStringLiteral("Zulage m2"),                                     Freie_Zulage_M2,      true, Weiss},
        {QStringLiteral("Zulage Stueck"),                                 Freie_Zulage_Stueck,  true, Weiss},
        {QStringLiteral("Zulage Fenster"),                                Freie_Zulage_Fenster, true, Weiss},
        {QStringLiteral("Jetzt im Angebot: Aidol-Induline Pflegebalsam"), Zulage1,              true, QColor(148, 255, 155)},
    }};
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
