#include <gtest/gtest.h>

#include <QLocale>
#include <QtGlobal>

#ifdef QT_WIDGETS_LIB
#ifdef QUADROLIS_FENSTERTEST
#include "ui/main/TProgramm.h"
#include "ui/shared/TEinstellungen.h"
#endif

#include <QApplication>
#include <QTemporaryDir>
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#else
#include <QCoreApplication>
#endif

#ifdef QUADROLIS_FENSTERTEST
// Each test starts from no remembered settings: what one test's window keeps
// (its size, the tax, the recent files) is gone before the next one starts.
class TEinstellungen_Leeren : public ::testing::EmptyTestEventListener
{
    void OnTestEnd(const ::testing::TestInfo&) override { TEinstellungen().clear(); }
};
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
    // Nor do they read or change the user's settings.
    QTemporaryDir Einstellungsordner;
    qputenv("XDG_CONFIG_HOME", Einstellungsordner.path().toLocal8Bit());
    QApplication app(argc, argv);
#ifdef QUADROLIS_FENSTERTEST
    TProgramm::Oberflaeche_Einrichten();
    ::testing::UnitTest::GetInstance()->listeners().Append(new TEinstellungen_Leeren);
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
