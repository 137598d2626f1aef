#include "ui/main/TQuadrolisApp.h"

#include "base/Fehler.h"
#include "ui/main/TDienste.h"

#include <exception>

TQuadrolisApp::TQuadrolisApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool TQuadrolisApp::notify(QObject* Empfaenger, QEvent* Ereignis)
{
    return Zustellen(Empfaenger, Ereignis);
}

bool TQuadrolisApp::Zustellen(QObject* Empfaenger, QEvent* Ereignis)
{
    return Geschuetzt([&] {
        // The base implementation, also when the instance is a TQuadrolisApp.
        return static_cast<QApplication*>(QCoreApplication::instance())->QApplication::notify(Empfaenger, Ereignis);
    });
}

bool TQuadrolisApp::Geschuetzt(const std::function<bool()>& Handler)
{
    try {
        return Handler();
    } catch (const EFehler& F) {
        Fehler_Melden(F.Meldung());
    } catch (const std::exception& F) {
        Fehler_Melden(QString::fromLocal8Bit(F.what()));
    } catch (...) {
        Fehler_Melden(QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}

void TQuadrolisApp::Fehler_Melden(const QString& Meldung)
{
    TDienste::Aktuell().Fehler(QApplication::activeWindow(), Meldung);
}
