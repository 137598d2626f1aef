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
    for (int i = 0; i < Zustand.range(0); ++i)
        Kontext.Bestellung().Position_Anfuegen(i % 5 == 3 ? Positionstyp::Freie : Positionstyp::Fenster);
    Kontext.Zeile = int(Zustand.range(0) / 2);

    TForm_Positionen Editor(Kontext);
    Editor.show();
    while (!Editor.windowHandle() || !Editor.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    Editor.Focus_Form_Positionen();
    QCoreApplication::processEvents();

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
