#include "archive/Suchtext.h"

namespace Suchtext {

QString Normalisieren(const QString& Text)
{
    const QString Zerlegt = Text.toLower().normalized(QString::NormalizationForm_KD);
    QString Ascii;
    Ascii.reserve(Zerlegt.size());
    for (const QChar c : Zerlegt) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x00DF))
            Ascii += QLatin1String("ss");
        else if (c.isSpace())
            Ascii += QLatin1Char(' ');
        else
            Ascii += c;
    }
    // "ue" after the accents are gone: "Müller" became "muller" above, "Mueller" becomes it here.
    QString Ergebnis;
    Ergebnis.reserve(Ascii.size());
    for (qsizetype i = 0; i < Ascii.size(); ++i) {
        const QChar c = Ascii[i];
        Ergebnis += c;
        if ((c == QLatin1Char('a') || c == QLatin1Char('o') || c == QLatin1Char('u')) && i + 1 < Ascii.size()
            && Ascii[i + 1] == QLatin1Char('e'))
            ++i;
    }
    return Ergebnis;
}

} // namespace Suchtext
