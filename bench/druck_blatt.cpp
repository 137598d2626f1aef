#include "order/TBestellung.h"
#include "print/TDruckblatt.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// Mostly windows, with free positions, surcharges, deliveries and installations between.
TBestellung Gemischte_Bestellung(int Anzahl)
{
    TBestellung B;
    B.Datum = QStringLiteral("2026-12-08");
    B.Rabatt = 4;
    for (int i = 0; i < Anzahl; ++i) {
        switch (i % 10) {
        case 0: B.Position_Anfuegen(Positionstyp::Freie); break;
        case 1: B.Position_Anfuegen(Positionstyp::Freie_Zulage_Umlfm, QStringLiteral("Meranti")); break;
        case 2: B.Position_Anfuegen(Positionstyp::Lieferung); break;
        case 3: B.Position_Anfuegen(Positionstyp::Montage); break;
        default: {
            B.Position_Anfuegen(Positionstyp::Fenster);
            auto* F = B.Eintrag(i).Als<TPosition>();
            F->Abmessungen.Fenstertyp_Setzen(i % 10);
            F->Abmessungen.Breite_Setzen(800 + i % 700);
            F->Bez = QStringLiteral("Pos %1").arg(i);
            break;
        }
        }
    }
    return B;
}

// The whole PDF of an order: content, layout, fonts and the document bytes.
void Pdf_Erzeugen(benchmark::State& State)
{
    const TBestellung B = Gemischte_Bestellung(int(State.range(0)));
    for (auto _ : State) {
        const TDruckblatt Blatt(B);
        benchmark::DoNotOptimize(Blatt.Pdf());
    }
    State.SetComplexityN(State.range(0));
}
BENCHMARK(Pdf_Erzeugen)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A contact and a window label of N characters without a blank: the label's
// narrow column runs over many pages, the worst case for breaking and cutting.
void Pdf_Langer_Text(benchmark::State& State)
{
    const QString Text(int(State.range(0)), QLatin1Char('B'));
    TBestellung B = Gemischte_Bestellung(10);
    B.Ansprechpartner = Text;
    B.Eintrag(4).Als<TPosition>()->Bez = Text;
    for (auto _ : State) {
        const TDruckblatt Blatt(B);
        benchmark::DoNotOptimize(Blatt.Pdf());
    }
    State.SetComplexityN(State.range(0));
}
BENCHMARK(Pdf_Langer_Text)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication Anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
