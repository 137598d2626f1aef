#include "base/TIniDatei.h"

#include <benchmark/benchmark.h>

namespace {

// One section with many keys, the shape that made each new key cost a search
// through all before it.
void Viele_Schluessel_Lesen(benchmark::State& State)
{
    QByteArray Text = "[A]\r\n";
    for (int i = 0; i < State.range(0); ++i)
        Text += "Schluessel" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
    for (auto _ : State) {
        TIniDatei Ini;
        Ini.Bytes_Lesen(Text);
        benchmark::DoNotOptimize(Ini.Wert(QStringLiteral("A"), QStringLiteral("Schluessel0")));
    }
    State.SetComplexityN(State.range(0));
}
BENCHMARK(Viele_Schluessel_Lesen)->Arg(10000)->Arg(80000)->Unit(benchmark::kMillisecond);

} // namespace
