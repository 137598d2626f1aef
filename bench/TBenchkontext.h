#pragma once

#include "order/TBestellung.h"
#include "ui/editor/TForm_Positionen.h"
#include "ui/shared/TDialogkontext.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWindow>

// The editor's side of the main window. Its refresh reads from the order what
// the grid and the totals show, so the cost of recomputing every position is
// part of the measurement; only the grid widgets themselves are left out.
class TBenchkontext : public TDialogkontext
{
public:
    TBestellung& Bestellung() override { return m_Bestellung; }
    int Ausgewaehlte_Zeile() const override { return Zeile; }
    void Hauptfenster_Aktualisieren() override
    {
        const TSummen Summen = m_Bestellung.Summen();
        long double Preise = 0;
        qsizetype Zeichen = 0;
        for (const TPositionseintrag& E : m_Bestellung.Positionen()) {
            Zeichen += E.Beschreibung().size() + E.Bez().size();
            Preise += E.Gesamtpreis(Summen.Gesamt_UM_Fenster, Summen.Summe_Waren);
        }
        benchmark::DoNotOptimize(Preise);
        benchmark::DoNotOptimize(Zeichen);
    }
    void Zeile_Waehlen(int Neue_Zeile) override
    {
        Zeile = Neue_Zeile;
        Hauptfenster_Aktualisieren();
    }
    void Infofenster_Zeigen(const char*) override {}

    // Anzahl positions, every fifth a free one, the middle one selected.
    void Bestellung_Anlegen(int Anzahl)
    {
        for (int i = 0; i < Anzahl; ++i)
            m_Bestellung.Position_Anfuegen(i % 5 == 3 ? Positionstyp::Freie : Positionstyp::Fenster);
        Zeile = Anzahl / 2;
    }

    int Zeile = 0;

private:
    TBestellung m_Bestellung;
};

// Shows the editor on the selected position, as the main window opens it.
inline void Editor_Zeigen(TForm_Positionen& Editor)
{
    Editor.show();
    while (!Editor.windowHandle() || !Editor.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    Editor.Focus_Form_Positionen();
    QCoreApplication::processEvents();
}
