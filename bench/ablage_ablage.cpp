#include "Ablage_Bestand.h"

#include "archive/Ablageimport.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Bestand = 100000;

// One keystroke: the search for the text typed so far, and the rows the list
// fetches first (the model reads 256 at a time).
void Suche_Je_Tastendruck(benchmark::State& State, const char* Text)
{
    TAblage A(Ablage_Mit_Bestand(Bestand));
    TAblage::TSuche Suche;
    Suche.Text = QString::fromUtf8(Text);
    for (auto _ : State) {
        QSqlQuery Treffer = A.Suchen(Suche);
        int Zeilen = 0;
        while (Zeilen < 256 && Treffer.next())
            ++Zeilen;
        benchmark::DoNotOptimize(Zeilen);
    }
}
BENCHMARK_CAPTURE(Suche_Je_Tastendruck, haeufig_mueller, "mueller")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suche_Je_Tastendruck, zwei_woerter, "muller am hang")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suche_Je_Tastendruck, selten_telefon, "0351 19999")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Suche_Je_Tastendruck, kein_treffer, "qqqq")->Unit(benchmark::kMillisecond);

TBestellung Grosse_Bestellung(int Anzahl)
{
    TBestellung B;
    for (int i = 0; i < Anzahl; ++i) {
        B.Position_Anfuegen(i % 5 == 0 ? Positionstyp::Freie : Positionstyp::Fenster);
        if (auto* F = B.Eintrag(i).Als<TPosition>())
            F->Abmessungen.Breite_Setzen(800 + i % 700);
    }
    B.Rechnungsempfaenger = QStringLiteral("Müller & Söhne GbR");
    return B;
}

// What a save of a 1000-position order adds: the listed fields and one version
// written in its transaction, on a disk-synchronised archive.
void Ablegen_1000_Positionen(benchmark::State& State)
{
    QTemporaryDir Ordner;
    TAblage A(Ordner.filePath(QStringLiteral("a.sqlite")));
    TBestellung B = Grosse_Bestellung(1000);
    QByteArray Bytes;
    Bestelldatei::Bytes_Erzeugen(B, Bytes);
    const QString Kennung = TAblage::Neue_Kennung();
    int n = 0;
    for (auto _ : State) {
        Bytes += ' '; // every save different, as a real one is
        A.Ablegen(Kennung, {Bytes, QStringLiteral("/a.dat"), QDateTime::currentDateTime(), QStringLiteral("b"),
                            TAblagefelder::Von(B)});
        ++n;
    }
    State.counters["Bytes"] = double(Bytes.size());
}
BENCHMARK(Ablegen_1000_Positionen)->Unit(benchmark::kMillisecond);

// "quadrolis-ablage import" of a folder of distinct order files into a fresh archive.
void Import(benchmark::State& State)
{
    const int Anzahl = int(State.range(0));
    QTemporaryDir Ordner;
    TBestellung B = Grosse_Bestellung(10);
    for (int i = 0; i < 50; ++i)
        QDir().mkpath(Ordner.filePath(QStringLiteral("b/%1").arg(i)));
    for (int i = 0; i < Anzahl; ++i) {
        B.Bauvorhaben = QStringLiteral("Haus %1").arg(i);
        Bestelldatei::Bestellung_Speichern(Ordner.filePath(QStringLiteral("b/%1/b%2.dat").arg(i % 50).arg(i)), B);
    }
    int Lauf = 0;
    for (auto _ : State) {
        TAblage A(Ordner.filePath(QStringLiteral("ablage%1.sqlite").arg(Lauf++)));
        const Ablageimport::TErgebnis E = Ablageimport::Importieren(A, Ablageimport::Dateien({Ordner.filePath("b")}));
        if (E.Aufgenommen != Anzahl)
            State.SkipWithError("nicht alle aufgenommen");
    }
    State.SetItemsProcessed(State.iterations() * Anzahl);
}
BENCHMARK(Import)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication Anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
