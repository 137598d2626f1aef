#include "fonts/TSchriften.h"

#include <QFontDatabase>
#include <QStringList>

bool TSchriften::Registrieren()
{
    static const bool Registriert = [] {
        bool Alle = true;
        for (const char* Datei : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                  "LiberationSans-Italic.ttf", "LiberationSans-BoldItalic.ttf"}) {
            const QString Pfad = QStringLiteral(":/schriften/") + QLatin1String(Datei);
            if (QFontDatabase::addApplicationFont(Pfad) < 0)
                Alle = false;
        }
        return Alle;
    }();
    return Registriert;
}

QString TSchriften::Familie()
{
    return QStringLiteral("Liberation Sans");
}

QFont TSchriften::Schrift(int Punkte, bool Fett)
{
    Registrieren();
    QFont Ergebnis(Familie());
    Ergebnis.setStyleHint(QFont::SansSerif);
    Ergebnis.setPointSize(Punkte);
    Ergebnis.setBold(Fett);
    return Ergebnis;
}
