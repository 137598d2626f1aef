#pragma once

#include <QFont>
#include <QString>

// The interface font travels with the program, so every machine lays the
// windows, the sketches and the printed sheet out with the same metrics.
class TSchriften
{
public:
    // Registers the embedded faces once; later calls only report the result.
    static bool Registrieren();

    static QString Familie();
    static QFont Schrift(int Punkte, bool Fett = false);
};
