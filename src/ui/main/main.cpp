#include "ui/main/TAnwendung.h"
#include "ui/main/TQuadrolisApp.h"

int main(int argc, char** argv)
{
    TQuadrolisApp Anwendung(argc, argv);
    TQuadrolisApp::setApplicationName(QStringLiteral("Quadrolis C2"));
    TAnwendung Fenster;
    Fenster.Starten();
    return TQuadrolisApp::exec();
}
