#include "positions/TPositionsauswahl.h"

#include "base/Fehler.h"
#include "base/Ganzzahl.h"

namespace {

const QString Schluessel_ItemIndex = QStringLiteral("ItemIndex0");
const QString Schluessel_Bez = QStringLiteral("Bez");

} // namespace

TPositionsauswahl::TPositionsauswahl(std::int32_t Eintraege, const char* Tabellenname)
    : m_Eintraege(Eintraege)
    , m_Tabellenname(Tabellenname)
{
}

std::size_t TPositionsauswahl::Index() const
{
    Ganzzahl::Index_Pruefen(m_ItemIndex, m_Eintraege, m_Tabellenname);
    return static_cast<std::size_t>(m_ItemIndex);
}

void TPositionsauswahl::Kopf_Speichern(TIniDatei& Ini, const QString& Abschnitt, const QString& Bez) const
{
    Ini.Ganzzahl_Schreiben(Abschnitt, Schluessel_ItemIndex, m_ItemIndex);
    Ini.Text_Schreiben(Abschnitt, Schluessel_Bez, Bez);
}

void TPositionsauswahl::Kopf_Laden(const TIniDatei& Ini, const QString& Abschnitt, QString& Bez)
{
    m_ItemIndex = Ini.Ganzzahl_Lesen(Abschnitt, Schluessel_ItemIndex, m_ItemIndex);
    Bez = Ini.Text_Lesen(Abschnitt, Schluessel_Bez, Bez);
}

void TPositionsauswahl::Pruefen(const QString& Abschnitt) const
{
    if (m_ItemIndex < 0 || m_ItemIndex >= m_Eintraege)
        throw ELadefehler(Abschnitt, Schluessel_ItemIndex, QString::number(m_ItemIndex));
}
