#include "ui/main/TAnwendung.h"
#include "ui/main/TQuadrolisApp.h"

#include <QIcon>

int main(int argc, char** argv)
{
    TQuadrolisApp Anwendung(argc, argv);
    TQuadrolisApp::setApplicationName(QStringLiteral("Quadrolis C2"));
    TQuadrolisApp::setDesktopFileName(QStringLiteral("quadrolis-c2"));
    TQuadrolisApp::setWindowIcon(QIcon(QStringLiteral(":/bilder/quadrolis_symbol.jpg")));
    TAnwendung Fenster;
    Fenster.Starten();
    return TQuadrolisApp::exec();
}
