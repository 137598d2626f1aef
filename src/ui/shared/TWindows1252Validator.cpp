#include "ui/shared/TWindows1252Validator.h"

#include "base/Windows1252.h"

#include <QLineEdit>

#include <algorithm>
#include <limits>

TWindows1252Validator::TWindows1252Validator(QObject* Eltern)
    : QValidator(Eltern)
{
}

void TWindows1252Validator::Textfeld_Einrichten(QLineEdit& Feld)
{
    Feld.setValidator(new TWindows1252Validator(&Feld));
    Feld.setMaxLength(std::numeric_limits<int>::max());
}

QValidator::State TWindows1252Validator::validate(QString& Text, int& Position) const
{
    Einzeilig_Machen(Text, Position);
    return Windows1252::Darstellbar(Text) ? Acceptable : Invalid;
}

void TWindows1252Validator::Einzeilig_Machen(QString& Text, int& Position)
{
    const auto Steuerzeichen = [](char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); };
    if (std::none_of(Text.begin(), Text.end(), [&](QChar c) { return Steuerzeichen(c.unicode()); }))
        return;
    QString Ergebnis;
    Ergebnis.reserve(Text.size());
    int Neue_Position = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char16_t c = Text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            // CR LF, and a run of line breaks, is one break: one blank.
            qsizetype Ende = i;
            while (Ende + 1 < Text.size() && (Text[Ende + 1] == QLatin1Char('\r') || Text[Ende + 1] == QLatin1Char('\n')))
                ++Ende;
            Ergebnis += QLatin1Char(' ');
            if (i < Position)
                Neue_Position += 1;
            i = Ende;
        } else if (!Steuerzeichen(c)) {
            Ergebnis += Text[i];
            if (i < Position)
                ++Neue_Position;
        }
    }
    Text = Ergebnis;
    Position = std::min(Neue_Position, int(Text.size()));
}
