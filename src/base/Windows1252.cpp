#include "base/Windows1252.h"

#include <algorithm>

namespace Windows1252 {

namespace {

// Windows-1252 is ISO-8859-1 but for 0x80..0x9F.
constexpr char16_t Block_80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool Im_Block_80(char16_t Code)
{
    return std::find(std::begin(Block_80), std::end(Block_80), Code) != std::end(Block_80);
}

} // namespace

QString Text(const QByteArray& Bytes)
{
    QString Text = QString::fromLatin1(Bytes);
    for (QChar& c : Text)
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(Block_80[c.unicode() - 0x80]);
    return Text;
}

bool Kodierbar(QChar Zeichen)
{
    const char16_t Code = Zeichen.unicode();
    if (Code < 0x80 || (Code >= 0xA0 && Code <= 0xFF))
        return true;
    return Im_Block_80(Code);
}

bool Kodierbar(QStringView Text)
{
    return std::all_of(Text.begin(), Text.end(), [](QChar Zeichen) { return Kodierbar(Zeichen); });
}

bool Darstellbar(QChar Zeichen)
{
    const char16_t Code = Zeichen.unicode();
    return Kodierbar(Zeichen) && !(Code >= 0x80 && Code <= 0x9F);
}

bool Darstellbar(QStringView Text)
{
    return std::all_of(Text.begin(), Text.end(), [](QChar Zeichen) { return Darstellbar(Zeichen); });
}

} // namespace Windows1252
