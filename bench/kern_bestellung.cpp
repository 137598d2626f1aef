#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "base/TIniDatei.h"
#include "sheet/THtmlDatei.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// An order of mixed kinds, the way a large job looks: mostly windows, with
// free positions, per-metre surcharges, deliveries and installations between.
TBestellung Gemischte_Bestellung(int Anzahl)
{
    TBestellung B;
    for (int i = 0; i < Anzahl; ++i) {
        switch (i % 10) {
        case 0: B.Position_Anfuegen(Positionstyp::Freie); break;
        case 1: B.Position_Anfuegen(Positionstyp::Freie_Zulage_Umlfm, QStringLiteral("Meranti")); break;
        case 2: B.Position_Anfuegen(Positionstyp::Lieferung); break;
        case 3: B.Position_Anfuegen(Positionstyp::Montage); break;
        case 4: B.Position_Anfuegen(Positionstyp::Freie_Zulage_M2, QStringLiteral("Fensterbänke aus Plattenwerkstoff")); break;
        default: {
            B.Position_Anfuegen(Positionstyp::Fenster);
            auto* F = B.Eintrag(i).Als<TPosition>();
            F->Abmessungen.Fenstertyp_Setzen(i % 10);
            F->Abmessungen.Breite_Setzen(800 + i % 700);
            F->Glaeser.ItemIndex_Setzen(0, i % 17);
            F->Bez = QStringLiteral("Pos %1").arg(i);
            break;
        }
        }
    }
    return B;
}

void Oeffnen_Summen_Blatt(benchmark::State& State)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    TBestellung Quelle = Gemischte_Bestellung(int(State.range(0)));
    Bestelldatei::Bestellung_Speichern(Pfad, Quelle);
    for (auto _ : State) {
        TBestellung B;
        Bestelldatei::Bestellung_Laden(Pfad, B);
        benchmark::DoNotOptimize(B.Summen());
        THtmlDatei Blatt;
        benchmark::DoNotOptimize(Blatt.Html_Erzeugen(B));
    }
    State.SetComplexityN(State.range(0));
}
BENCHMARK(Oeffnen_Summen_Blatt)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void Speichern(benchmark::State& State)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    TBestellung B = Gemischte_Bestellung(int(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(Bestelldatei::Bestellung_Speichern(Pfad, B));
}
BENCHMARK(Speichern)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void Summen(benchmark::State& State)
{
    const TBestellung B = Gemischte_Bestellung(int(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(B.Summen());
}
BENCHMARK(Summen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
