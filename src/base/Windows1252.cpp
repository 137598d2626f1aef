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

const char* const Utf8_Bom = "\xEF\xBB\xBF";

// Well-formed UTF-8 from Ab on: no overlong form, no surrogate, nothing
// above U+10FFFF, and no C1 control character, which no one types but which
// Windows-1252 text read as UTF-8 gives.
bool Utf8_Ohne_C1(const QByteArray& Bytes, qsizetype Ab)
{
    const auto* b = reinterpret_cast<const unsigned char*>(Bytes.constData());
    const qsizetype n = Bytes.size();
    for (qsizetype i = Ab; i < n;) {
        const unsigned char Erstes = b[i];
        if (Erstes < 0x80) {
            ++i;
            continue;
        }
        int Folgebytes = 0;
        char32_t Code = 0;
        char32_t Kleinster = 0;
        if (Erstes >= 0xC2 && Erstes <= 0xDF) {
            Folgebytes = 1;
            Code = Erstes & 0x1F;
            Kleinster = 0xA0; // below are the C1 controls
        } else if ((Erstes & 0xF0) == 0xE0) {
            Folgebytes = 2;
            Code = Erstes & 0x0F;
            Kleinster = 0x800;
        } else if (Erstes >= 0xF0 && Erstes <= 0xF4) {
            Folgebytes = 3;
            Code = Erstes & 0x07;
            Kleinster = 0x10000;
        } else {
            return false;
        }
        if (n - i <= Folgebytes)
            return false;
        for (int k = 1; k <= Folgebytes; ++k) {
            if ((b[i + k] & 0xC0) != 0x80)
                return false;
            Code = (Code << 6) | (b[i + k] & 0x3F);
        }
        if (Code < Kleinster || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
            return false;
        i += Folgebytes + 1;
    }
    return true;
}

} // namespace

bool Als_Utf8_Gelesen(const QByteArray& Bytes)
{
    if (Bytes.startsWith(Utf8_Bom))
        return true;
    const auto Hoch = std::find_if(Bytes.begin(), Bytes.end(), [](char c) { return (c & 0x80) != 0; });
    return Hoch != Bytes.end() && Utf8_Ohne_C1(Bytes, Hoch - Bytes.begin());
}

QString Dateitext(const QByteArray& Bytes)
{
    if (!Als_Utf8_Gelesen(Bytes))
        return Text(Bytes);
    const qsizetype Ab = Bytes.startsWith(Utf8_Bom) ? 3 : 0;
    return QString::fromUtf8(Bytes.constData() + Ab, Bytes.size() - Ab).normalized(QString::NormalizationForm_C);
}

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
