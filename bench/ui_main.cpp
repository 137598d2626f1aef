// The one main of bench_ui: the widget benchmarks need an application object
// on the offscreen platform before any benchmark runs.
#include "ui/main/TProgramm.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Copies of unsaved orders go to a folder of their own, never the user's.
    QTemporaryDir Datenordner;
    qputenv("XDG_DATA_HOME", Datenordner.path().toLocal8Bit());
    TProgramm Anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
