#include "ui/shared/TWindows1252Validator.h"

#include <algorithm>
#include <array>

namespace {

// The characters that Windows-1252 places at 0x80..0x9F; the five unassigned
// codes of that block are absent, and so are the C1 control characters.
constexpr std::array<char16_t, 27> Zusatzzeichen = {
    0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
    0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178,
};

} // namespace

TWindows1252Validator::TWindows1252Validator(QObject* Eltern)
    : QValidator(Eltern)
{
}

QValidator::State TWindows1252Validator::validate(QString& Text, int& Position) const
{
    Einzeilig_Machen(Text, Position);
    return Darstellbar(Text) ? Acceptable : Invalid;
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

bool TWindows1252Validator::Darstellbar(QChar Zeichen)
{
    const char16_t Code = Zeichen.unicode();
    if (Code < 0x80 || (Code >= 0xA0 && Code <= 0xFF))
        return true;
    return std::find(Zusatzzeichen.begin(), Zusatzzeichen.end(), Code) != Zusatzzeichen.end();
}

bool TWindows1252Validator::Darstellbar(QStringView Text)
{
    return std::all_of(Text.begin(), Text.end(), [](QChar Zeichen) { return Darstellbar(Zeichen); });
}
