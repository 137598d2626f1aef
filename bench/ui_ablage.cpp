#include "Ablage_Bestand.h"

#include "ui/main/TAblageanbindung.h"
#include "ui/main/TForm_Ablage.h"
#include "ui/main/TForm_Haupt.h"

#include <QAction>
#include <QCoreApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

// "Ablage…" over 100 000 orders: the window shown with the newest orders
// listed; the model reads further rows only as the list scrolls.
void BM_Ablagefenster_Oeffnen(benchmark::State& Zustand)
{
    const QString Pfad = Ablage_Mit_Bestand(100000);
    TForm_Haupt Haupt;
    Haupt.Ablage_Anbinden(new TAblageanbindung(Pfad, &Haupt));
    auto* Fenster = Haupt.findChild<TForm_Ablage*>();
    for (auto _ : Zustand) {
        Fenster->Zeigen();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(Fenster->Modell().rowCount());
        Zustand.PauseTiming();
        Fenster->hide();
        Zustand.ResumeTiming();
    }
}
BENCHMARK(BM_Ablagefenster_Oeffnen)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
