#include <gtest/gtest.h>

#include <QLocale>
#include <QtGlobal>

#ifdef QT_WIDGETS_LIB
#ifdef QUADROLIS_FENSTERTEST
#include "ui/main/TQuadrolisApp.h"
#endif

#include <QApplication>
#include <QTemporaryDir>
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#else
#include <QCoreApplication>
#endif

// Every test sees the German locale, so "12,50" is what is compared.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
#ifdef QT_WIDGETS_LIB
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    // The program keeps copies of unsaved orders in the user's data folder;
    // tests keep theirs out of the real one.
    QTemporaryDir Datenordner;
    qputenv("XDG_DATA_HOME", Datenordner.path().toLocal8Bit());
    QApplication app(argc, argv);
#ifdef QUADROLIS_FENSTERTEST
    TQuadrolisApp::Oberflaeche_Einrichten();
#endif
#elif defined(QT_GUI_LIB)
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
