#pragma once

#include "catalog/TOptionseintrag.h"
#include "base/TIniDatei.h"
#include "positions/TPositionsauswahl.h"

#include <QString>

#include <array>

using TFreie_Eintrag = TOptionseintrag<struct TFreie_Eintrag_Marke>;

// The description text of a free kind: a table of one option entry whose name
// is the text, the chosen index, and their keys in the order file. The text
// goes into a section of its own after all others of the kind.
class TFreier_Text
{
public:
    TFreier_Text(const QString& Text, const char* Tabellenname);

    QString Text() const { return m_Tabelle[0].Name; }
    void Text_Setzen(const QString& Text) { m_Tabelle[0].Name = Text; }
    // The name of the chosen entry; EBereichsfehler if a loaded index lies outside the table.
    const QString& Gewaehlter_Text() const { return m_Tabelle[m_Auswahl.Index()].Name; }

    void Kopieren_Von(const TFreier_Text& Andere);

    void Kopf_Speichern(TIniDatei& Ini, const QString& Abschnitt, const QString& Bez) const
    {
        m_Auswahl.Kopf_Speichern(Ini, Abschnitt, Bez);
    }
    void Kopf_Laden(const TIniDatei& Ini, const QString& Abschnitt, QString& Bez)
    {
        m_Auswahl.Kopf_Laden(Ini, Abschnitt, Bez);
    }
    // Abschnitt is the kind's main section; the text goes below it.
    void Text_Speichern(TIniDatei& Ini, const QString& Abschnitt) const;
    void Text_Laden(const TIniDatei& Ini, const QString& Abschnitt);
    void Auswahl_Pruefen(const QString& Abschnitt) const { m_Auswahl.Pruefen(Abschnitt); }

private:
    std::array<TFreie_Eintrag, 1> m_Tabelle;
    TPositionsauswahl m_Auswahl;
};
