#include "ui/main/TProgramm.h"

#include "fonts/TSchriften.h"
#include "ui/shared/Slotschutz.h"
#include "ui/shared/TDienste.h"

#include <QLibraryInfo>
#include <QTranslator>

TProgramm::TProgramm(int& argc, char** argv)
    : QApplication(argc, argv)
{
    Oberflaeche_Einrichten();
}

bool TProgramm::Oberflaeche_Einrichten()
{
    const bool Schrift_Da = TSchriften::Registrieren();
    const QFont Schrift = TSchriften::Schrift(8);
    QApplication::setFont(Schrift);
    // Desktop themes give menus and tooltips their own, larger font.
    for (const char* Klasse : {"QMenu", "QMenuBar", "QToolTip", "QMessageBox", "QFileDialog"})
        QApplication::setFont(Schrift, Klasse);

    static QTranslator* Uebersetzung = nullptr;
    if (Uebersetzung == nullptr) {
        Uebersetzung = new QTranslator(QCoreApplication::instance());
        if (!Uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
            !QCoreApplication::installTranslator(Uebersetzung)) {
            delete Uebersetzung;
            Uebersetzung = nullptr;
        }
    }
    return Schrift_Da && Uebersetzung != nullptr;
}

bool TProgramm::notify(QObject* Empfaenger, QEvent* Ereignis)
{
    return Zustellen(Empfaenger, Ereignis);
}

bool TProgramm::Zustellen(QObject* Empfaenger, QEvent* Ereignis)
{
    return Geschuetzt([&] {
        // The base implementation, also when the instance is a TProgramm.
        return static_cast<QApplication*>(QCoreApplication::instance())->QApplication::notify(Empfaenger, Ereignis);
    });
}

bool TProgramm::Geschuetzt(const std::function<bool()>& Handler)
{
    try {
        return Handler();
    } catch (...) {
        Fehler_Melden(Slotschutz::Meldung(std::current_exception()));
    }
    return false;
}

void TProgramm::Fehler_Melden(const QString& Meldung)
{
    TDienste::Aktuell().Fehler(QApplication::activeWindow(), Meldung);
}
