#include "TBenchkontext.h"
#include "ui/editor/TForm_Positionen.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QWindow>

namespace {

void BM_Editor_Holzart_Waehlen(benchmark::State& Zustand)
{
    TBenchkontext Kontext;
    Kontext.Bestellung_Anlegen(int(Zustand.range(0)));
    TForm_Positionen Editor(Kontext);
    Editor_Zeigen(Editor);

    auto* Holz = Editor.findChild<QComboBox*>(QStringLiteral("CBC_Holz"));
    int Eintrag = 0;
    for (auto _ : Zustand) {
        Eintrag = 1 - Eintrag;
        // What the box does when the user picks an item.
        Holz->setCurrentIndex(Eintrag);
        emit Holz->activated(Eintrag);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Editor_Holzart_Waehlen)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
