#include "order/TBestellung.h"
#include "ui/editor/TForm_Positionen.h"
#include "ui/shared/TDialogkontext.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QWindow>

namespace {

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
