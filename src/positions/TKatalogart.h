#pragma once

#include "base/TIniDatei.h"
#include "positions/TPositionsauswahl.h"

#include <QString>

#include <cstdint>

// What the kinds share that choose one entry of a fixed table of their own
// (delivery, installation, special colour, sliding-folding door): the choice
// of an entry of T::Katalog(), kept with the kind's label Bez at the head of
// its section T::Abschnittsname below the position's prefix. Each kind
// declares its label itself, so that it is a member of its own class.
template <class T>
class TKatalogart
{
public:
    void Auswahl_Pruefen(const QString& Praefix) const { m_Auswahl.Pruefen(Abschnitt(Praefix)); }

protected:
    TKatalogart()
        : m_Auswahl(std::int32_t(T::Katalog().size()), T::Tabellenname)
    {
    }

    // The chosen entry; EBereichsfehler for a choice outside the table.
    const auto& Gewaehlt() const { return T::Katalog()[m_Auswahl.Index()]; }

    // Write and read the choice and the label; the kind's section, for what the kind keeps there besides.
    QString Kopf_Speichern(TIniDatei& Ini, const QString& Praefix) const
    {
        const QString A = Abschnitt(Praefix);
        m_Auswahl.Kopf_Speichern(Ini, A, static_cast<const T&>(*this).Bez);
        return A;
    }
    QString Kopf_Laden(const TIniDatei& Ini, const QString& Praefix)
    {
        const QString A = Abschnitt(Praefix);
        m_Auswahl.Kopf_Laden(Ini, A, static_cast<T&>(*this).Bez);
        return A;
    }

    TPositionsauswahl m_Auswahl;

private:
    static QString Abschnitt(const QString& Praefix)
    {
        return Praefix + QLatin1Char('/') + QLatin1String(T::Abschnittsname);
    }
};
