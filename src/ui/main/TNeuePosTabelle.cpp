#include "ui/main/TNeuePosTabelle.h"

#include "order/TPositionseintrag.h"
#include "ui/shared/TComboBoxColor.h"

const QString TNeuePosTabelle::Bitte_Waehlen = QStringLiteral("Bitte wählen ...");
const QString TNeuePosTabelle::Angebot = QStringLiteral("Jetzt im Angebot: Aidol-Induline Pflegebalsam");

namespace {

struct TZuordnung
{
    QString Text;
    std::uint32_t Typ;
};

const std::array<TZuordnung, 7>& Zuordnungen()
{
    static const std::array<TZuordnung, 7> Tabelle = {{
        {QStringLiteral("Fenster"),        Positionstyp::Fenster},
        {QStringLiteral("Freie Position"), Positionstyp::Freie},
        {QStringLiteral("Zulage Umlfm"),   Positionstyp::Freie_Zulage_Umlfm},
        {QStringLiteral("Zulage m2"),      Positionstyp::Freie_Zulage_M2},
        {QStringLiteral("Zulage Stueck"),  Positionstyp::Freie_Zulage_Stueck},
        {QStringLiteral("Zulage Fenster"), Positionstyp::Freie_Zulage_Fenster},
        {TNeuePosTabelle::Angebot,         Positionstyp::Zulage1},
    }};
    return Tabelle;
}

} // namespace

void TNeuePosTabelle::Zuruecksetzen()
{
    const QColor Weiss(255, 255, 255);
    m_Eintraege = {{
        {Bitte_Waehlen,                     true, Weiss},
        {QStringLiteral("Fenster"),         true, Weiss},
        {QStringLiteral("Freie Position"),  true, Weiss},
        {QStringLiteral("Zulage Umlfm"),    true, Weiss},
        {QStringLiteral("Zulage m2"),       true, Weiss},
        {QStringLiteral("Zulage Stueck"),   true, Weiss},
        {QStringLiteral("Zulage Fenster"),  true, Weiss},
        {Angebot,                           true, QColor(148, 255, 155)},
    }};
}

void TNeuePosTabelle::Sichtbar(const QString& Text, bool Sichtbar)
{
    for (TEintrag& Eintrag : m_Eintraege) {
        if (Eintrag.Text == Text)
            Eintrag.Sichtbar = Sichtbar;
    }
}

void TNeuePosTabelle::Aufbauen(TComboBoxColor& Box) const
{
    Box.clear();
    for (const TEintrag& Eintrag : m_Eintraege) {
        if (!Eintrag.Sichtbar)
            continue;
        Box.addItem(Eintrag.Text);
        Box.Hintergrund_Setzen(Box.count() - 1, Eintrag.Hintergrund);
    }
    Box.setCurrentIndex(0);
}

std::uint32_t TNeuePosTabelle::Positionstyp_Von(const QString& Text)
{
    for (const TZuordnung& Z : Zuordnungen()) {
        if (Z.Text == Text)
            return Z.Typ;
    }
    return 0;
}
