#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "ui/main/TProgrammfenster.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/main/TVerlauf.h"
#include "ui/shared/TDienste.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QCoreApplication>
#include <QPushButton>
#include <QWindow>

#include <malloc.h>
#include <memory>

namespace {

void Warten_Bis_Gezeigt(QWidget& Fenster)
{
    while (!Fenster.windowHandle() || !Fenster.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// The whole program with an order of Anzahl positions, every fifth a free one,
// the editor open on the window in the middle.
struct TProgramm
{
    explicit TProgramm(int Anzahl)
    {
        Anwendung.Starten();
        TForm_Haupt& Haupt = Anwendung.Hauptfenster();
        for (int i = 0; i < Anzahl; ++i)
            Haupt.Bestellung().Position_Anfuegen(i % 5 == 3 ? Positionstyp::Freie : Positionstyp::Fenster);
        Haupt.Hauptfenster_Aktualisieren();
        Warten_Bis_Gezeigt(Haupt);
        Haupt.Zeile_Waehlen(Anzahl / 2);
        Haupt.findChild<QPushButton*>(QStringLiteral("Button_Position_Bearbeiten"))->click();
        for (const auto& F : Anwendung.Fenster())
            if (qstrcmp(F->metaObject()->className(), "TForm_Positionen") == 0)
                Editor = F.get();
        Warten_Bis_Gezeigt(*Editor);
        Holz = Editor->findChild<QComboBox*>(QStringLiteral("CBC_Holz"));
    }

    // What the wood list does when the user picks an item.
    void Holz_Waehlen(int Eintrag)
    {
        Holz->setCurrentIndex(Eintrag);
        emit Holz->activated(Eintrag);
        QCoreApplication::processEvents();
    }

    TProgrammfenster Anwendung;
    QWidget* Editor = nullptr;
    QComboBox* Holz = nullptr;
};

// One choice in the editor: the position, its step in the history, the grid row, the sketch and the totals.
void BM_Editor_Aenderung_Mit_Raster(benchmark::State& Zustand)
{
    TProgramm Programm(int(Zustand.range(0)));
    int Eintrag = 0;
    for (auto _ : Zustand)
        Programm.Holz_Waehlen(Eintrag = 1 - Eintrag);
}
BENCHMARK(BM_Editor_Aenderung_Mit_Raster)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Undo and redo of that step, each with the window shown anew.
void BM_Rueckgaengig_Wiederholen(benchmark::State& Zustand)
{
    TProgramm Programm(int(Zustand.range(0)));
    Programm.Holz_Waehlen(1);
    TForm_Haupt& Haupt = Programm.Anwendung.Hauptfenster();
    QAction* Rueckgaengig = Haupt.findChild<QAction*>(QStringLiteral("Rueckgaengig1"));
    QAction* Wiederholen = Haupt.findChild<QAction*>(QStringLiteral("Wiederholen1"));
    bool Zurueck = true;
    for (auto _ : Zustand) {
        (Zurueck ? Rueckgaengig : Wiederholen)->trigger();
        QCoreApplication::processEvents();
        Zurueck = !Zurueck;
    }
}
BENCHMARK(BM_Rueckgaengig_Wiederholen)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The message after "Für alle Fenster übernehmen" is answered at once.
class TStille_Dienste : public TDienste
{
public:
    bool Information(QWidget*, const QString&, bool) override { return true; }
    void Fehler(QWidget*, const QString&) override {}
    QString Datei_Oeffnen(QWidget*, const TDateiwahl&) override { return {}; }
    QString Datei_Speichern(QWidget*, const TDateiwahl&) override { return {}; }
    void Oeffnen(const QUrl&) override {}
};

// "Für alle Fenster übernehmen" of the wood: every window of the order, one step, grid and totals.
void BM_Fuer_Alle_Fenster(benchmark::State& Zustand)
{
    TStille_Dienste Dienste;
    TDienste::Installieren(&Dienste);
    {
        TProgramm Programm(int(Zustand.range(0)));
        QMenu* Menue = Programm.Editor->findChild<QPushButton*>(QStringLiteral("Button_Fuer_Alle"))->menu();
        int Eintrag = 0;
        for (auto _ : Zustand) {
            Programm.Holz_Waehlen(Eintrag = 1 - Eintrag);
            emit Menue->aboutToShow();
            for (QAction* Punkt : Menue->actions())
                if (Punkt->text().startsWith(QStringLiteral("Holzart")))
                    Punkt->trigger();
            QCoreApplication::processEvents();
        }
    }
    TDienste::Installieren(nullptr);
}
BENCHMARK(BM_Fuer_Alle_Fenster)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The heap in use, as the C library counts it.
long Speicher_Bytes()
{
    const struct mallinfo2 Info = mallinfo2();
    return long(Info.uordblks + Info.hblkhd);
}

// Memory of 1000 steps, each a change of one window of a 1000-position order (counter MB).
void BM_Speicher_1000_Schritte(benchmark::State& Zustand)
{
    for (auto _ : Zustand) {
        Zustand.PauseTiming();
        auto Bestellung = std::make_unique<TBestellung>();
        for (int i = 0; i < 1000; ++i)
            Bestellung->Position_Anfuegen(Positionstyp::Fenster);
        auto Verlauf = std::make_unique<TVerlauf>(*Bestellung, TVerlauf::TRueckrufe{});
        const long Vorher = Speicher_Bytes();
        Zustand.ResumeTiming();
        for (int Schritt = 0; Schritt < 1000; ++Schritt) {
            const int Zeile = (Schritt * 37) % 1000;
            Verlauf->Zum_Aendern_Freigeben(Zeile);
            TPosition* P = Bestellung->Eintrag(Zeile).Als<TPosition>();
            P->Abmessungen.Breite_Setzen(std::int32_t(800 + Schritt % 700));
            P->Hoelzer.ItemIndex_Setzen(Schritt % 2);
            Verlauf->Festhalten({});
        }
        Zustand.PauseTiming();
        Zustand.counters["MB"] = double(Speicher_Bytes() - Vorher) / (1024.0 * 1024.0);
        Zustand.counters["Schritte"] = Verlauf->Stapel().count();
        Verlauf.reset();
        Bestellung.reset();
        Zustand.ResumeTiming();
    }
}
BENCHMARK(BM_Speicher_1000_Schritte)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
