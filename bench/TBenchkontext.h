#pragma once

#include "order/TBestellung.h"
#include "ui/shared/TDialogkontext.h"

#include <benchmark/benchmark.h>

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

    int Zeile = 0;

private:
    TBestellung m_Bestellung;
};
