#include "order/TBestellung.h"
#include "ui/main/TProgrammfenster.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/main/TSicherung.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWindow>

#include <memory>

namespace {

// Mostly windows, as real orders are, with every kind the main window offers.
void Bestellung_Fuellen(TBestellung& Bestellung, int Anzahl)
{
    static const std::uint32_t Folge[] = {
        Positionstyp::Fenster, Positionstyp::Fenster, Positionstyp::Fenster, Positionstyp::Freie,
        Positionstyp::Fenster, Positionstyp::Freie_Zulage_Umlfm, Positionstyp::Fenster,
        Positionstyp::Freie_Zulage_M2, Positionstyp::Freie_Zulage_Stueck, Positionstyp::Freie_Zulage_Fenster,
    };
    for (int i = 0; i < Anzahl; ++i)
        Bestellung.Position_Anfuegen(Folge[i % std::size(Folge)]);
}

void Warten_Bis_Gezeigt(QWidget& Fenster)
{
    while (!Fenster.windowHandle() || !Fenster.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// One refresh and the repaint it causes, with the grid in the middle of the order.
void BM_Hauptfenster_Aktualisieren(benchmark::State& Zustand)
{
    TForm_Haupt Fenster;
    Bestellung_Fuellen(Fenster.Bestellung(), int(Zustand.range(0)));
    Fenster.show();
    Warten_Bis_Gezeigt(Fenster);
    Fenster.Zeile_Waehlen(int(Zustand.range(0) / 2));
    QCoreApplication::processEvents();
    for (auto _ : Zustand) {
        Fenster.Hauptfenster_Aktualisieren();
        QCoreApplication::processEvents();
    }
    Zustand.SetItemsProcessed(Zustand.iterations() * Zustand.range(0));
}
BENCHMARK(BM_Hauptfenster_Aktualisieren)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// From nothing to the shown main window, every other window created hidden.
void BM_Programmstart(benchmark::State& Zustand)
{
    for (auto _ : Zustand) {
        auto Anwendung = std::make_unique<TProgrammfenster>();
        Anwendung->Starten();
        Warten_Bis_Gezeigt(Anwendung->Hauptfenster());
        Zustand.PauseTiming();
        Anwendung.reset();
        QCoreApplication::processEvents();
        Zustand.ResumeTiming();
    }
}
// Writing the copy of an unsaved order, which the program does at most every half minute.
void BM_Sicherung_Schreiben(benchmark::State& Zustand)
{
    TForm_Haupt Fenster;
    Bestellung_Fuellen(Fenster.Bestellung(), int(Zustand.range(0)));
    TSicherung& Sicherung = Fenster.Sicherung();
    for (auto _ : Zustand) {
        // A new contact each time, so every round writes.
        Fenster.Bestellung().Telefon = QString::number(Zustand.iterations());
        Sicherung.Jetzt_Schreiben();
    }
    Sicherung.Beenden();
    Zustand.SetItemsProcessed(Zustand.iterations() * Zustand.range(0));
}
BENCHMARK(BM_Sicherung_Schreiben)
    ->Arg(100)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_Programmstart)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
