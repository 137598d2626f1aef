#include <gtest/gtest.h>

#include <QLocale>
#include <QtGlobal>

#ifdef QT_WIDGETS_LIB
#include "ui/main/TQuadrolisApp.h"

#include <QApplication>
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
    QApplication app(argc, argv);
    TQuadrolisApp::Oberflaeche_Einrichten();
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
