#pragma once

#include <QApplication>

#include <functional>

// The application object with the program's last-resort error handler: an
// exception that escapes an event handler is shown in the "Fehler" dialog and
// the event loop goes on. Slots have their own guard (Slotschutz).
class TProgramm : public QApplication
{
    Q_OBJECT

public:
    TProgramm(int& argc, char** argv);

    // The program's own font for every window, menu and tooltip, and Qt's
    // German texts for the standard dialogs and shortcuts, whatever the
    // machine's fonts and locale; false if either is missing.
    static bool Oberflaeche_Einrichten();

    bool notify(QObject* Empfaenger, QEvent* Ereignis) override;

    // Delivers the event the standard way under the default error handler;
    // usable with any QApplication, so tests can drive it as well.
    static bool Zustellen(QObject* Empfaenger, QEvent* Ereignis);
    // Runs Handler; an escaping exception is reported and false returned.
    static bool Geschuetzt(const std::function<bool()>& Handler);
    static void Fehler_Melden(const QString& Meldung);
};
