// Replays every file of a folder through the fuzz target's entry point, as an
// ordinary test: what the fuzzer found once keeps being checked on every build.
#include "base/Fehler.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse);

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s ORDNER\n", argv[0]);
        return 2;
    }
    const QDir Ordner(QString::fromLocal8Bit(argv[1]));
    const QStringList Dateien = Ordner.entryList(QDir::Files, QDir::Name);
    if (Dateien.isEmpty()) {
        std::fprintf(stderr, "Keine Dateien in %s\n", argv[1]);
        return 1;
    }
    int Fehler = 0;
    for (const QString& Name : Dateien) {
        QFile Datei(Ordner.filePath(Name));
        if (!Datei.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: nicht lesbar\n", qPrintable(Name));
            ++Fehler;
            continue;
        }
        const QByteArray Bytes = Datei.readAll();
        try {
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(Bytes.constData()), std::size_t(Bytes.size()));
        } catch (const EFehler& F) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(Name), qPrintable(F.Meldung()));
            ++Fehler;
        } catch (const std::exception& F) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(Name), F.what());
            ++Fehler;
        }
    }
    std::printf("%lld Dateien abgespielt, %d Fehler\n", static_cast<long long>(Dateien.size()), Fehler);
    return Fehler == 0 ? 0 : 1;
}
