#include "base/Version.h"
#include "ui/main/TProgrammfenster.h"
#include "ui/main/TProgramm.h"

#include <QIcon>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

const char* const Hilfetext =
    "Aufruf: quadrolis-c2 [BESTELLUNG.dat]\n"
    "\n"
    "Startet Quadrolis C2 und öffnet die Bestelldatei BESTELLUNG.dat, wenn sie\n"
    "angegeben ist.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help      zeigt diese Hilfe\n"
    "  -V, --version   zeigt die Version\n";

} // namespace

int main(int argc, char** argv)
{
    // Answered before the window system is needed, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
            std::fputs("Quadrolis C2 " QUADROLIS_VERSION "\n", stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Hilfetext, stdout);
            return 0;
        }
    }

    TProgramm Anwendung(argc, argv);
    TProgramm::setApplicationName(QStringLiteral("Quadrolis C2"));
    TProgramm::setApplicationVersion(QStringLiteral(QUADROLIS_VERSION));
    TProgramm::setDesktopFileName(QStringLiteral("quadrolis-c2"));
    TProgramm::setWindowIcon(QIcon(QStringLiteral(":/bilder/quadrolis_symbol.jpg")));

    // Qt has taken its own options (-platform, -style, ...); the first argument left is the order file.
    const QStringList Argumente = TProgramm::arguments().mid(1);
    TProgrammfenster Fenster;
    Fenster.Starten(Argumente.isEmpty() ? QString() : Argumente.front());
    return TProgramm::exec();
}
