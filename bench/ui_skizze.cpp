#include "TBenchkontext.h"
#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "sketch/TSkizze.h"
#include "ui/editor/TForm_Positionen.h"
#include "ui/shared/TSkizzenflaeche.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWindow>

namespace {

TPosition Fenster(int Typ, int Form, bool Sprossen)
{
    TPosition P;
    P.Abmessungen.Fenstertyp_Setzen(Typ);
    P.Abmessungen.Breite_Setzen(1400);
    P.Abmessungen.Hoehe_Setzen(2100);
    P.Abmessungen.HoeheOberlicht_Setzen(500);
    P.Abmessungen.Drehrichtung = QStringLiteral("OL K / DK li / DK re");
    P.Sonderformen.ItemIndex_Setzen(Form);
    if (Sprossen) {
        P.Sprossen.ItemIndex_Setzen(0, 1);
        P.Sprossen.ItemIndex_Setzen(1, 5);
    }
    return P;
}

// Reading the position and painting one sketch into a 400 x 400 image.
void BM_Skizze_Zeichnen(benchmark::State& Zustand)
{
    const TPosition P = Fenster(4, int(Zustand.range(0)), true);
    QImage Bild(400, 400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : Zustand) {
        Bild.fill(Qt::white);
        QPainter Maler(&Bild);
        TSkizze::Zeichnen(Maler, P, QRectF(0, 0, 400, 400));
    }
    benchmark::DoNotOptimize(Bild.constBits());
}
// A rectangle, and a round arch whose fields are cut to the outline.
BENCHMARK(BM_Skizze_Zeichnen)->Arg(0)->Arg(7)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// A choice in the editor of a 1000-position order that changes the sketch
// (the window type), with the sketch beside the controls painted each time.
void BM_Editor_Fenstertyp_Waehlen_mit_Skizze(benchmark::State& Zustand)
{
    TBenchkontext Kontext;
    Kontext.Bestellung_Anlegen(int(Zustand.range(0)));
    TForm_Positionen Editor(Kontext);
    Editor_Zeigen(Editor);

    auto* Fluegel = Editor.findChild<QComboBox*>(QStringLiteral("CBC_Fluegel"));
    auto* Skizze = Editor.findChild<TSkizzenflaeche*>(QStringLiteral("Skizze_Position"));
    if (!Fluegel || !Skizze || !Skizze->isVisible()) {
        Zustand.SkipWithError("no sketch in the editor");
        return;
    }
    int Eintrag = 2;
    for (auto _ : Zustand) {
        Eintrag = Eintrag == 2 ? 5 : 2;
        Fluegel->setCurrentIndex(Eintrag);
        emit Fluegel->activated(Eintrag);
        Skizze->repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Editor_Fenstertyp_Waehlen_mit_Skizze)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
