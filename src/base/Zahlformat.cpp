#include "base/Zahlformat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace Zahlformat {

namespace {

int Ziffernwert(QChar Zeichen, int Basis)
{
    const char16_t c = Zeichen.unicode();
    int Wert = -1;
    if (c >= u'0' && c <= u'9')
        Wert = c - u'0';
    else if (c >= u'a' && c <= u'f')
        Wert = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        Wert = c - u'A' + 10;
    return Wert < Basis ? Wert : -1;
}

// The magnitude of the digits from Anfang to the end of Text, or nothing for
// no digit, a character that is not one, or a magnitude above Grenze.
std::optional<std::int64_t> Betrag_Deuten(const QString& Text, qsizetype Anfang, int Basis, std::int64_t Grenze)
{
    if (Anfang >= Text.size())
        return std::nullopt;
    std::int64_t Betrag = 0;
    for (qsizetype i = Anfang; i < Text.size(); ++i) {
        const int Ziffer = Ziffernwert(Text[i], Basis);
        if (Ziffer < 0)
            return std::nullopt;
        Betrag = Betrag * Basis + Ziffer;
        if (Betrag > Grenze)
            return std::nullopt;
    }
    return Betrag;
}

// The digits from Anfang on as a signed 32-bit value; nothing outside its range.
std::optional<std::int32_t> Int32_Deuten(const QString& Text, qsizetype Anfang, int Basis, bool Negativ)
{
    // One more than the largest magnitude, so that -2147483648 still fits.
    constexpr std::int64_t Grenze = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    const auto Betrag = Betrag_Deuten(Text, Anfang, Basis, Grenze);
    if (!Betrag)
        return std::nullopt;
    const std::int64_t Wert = Negativ ? -*Betrag : *Betrag;
    if (Wert > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(Wert);
}

} // namespace

QString Festkomma(long double Wert, int Nachkommastellen, const QLocale& Gebietsschema)
{
    if (!std::isfinite(Wert))
        return QString::number(static_cast<double>(Wert));

    long double Skala = 1.0L;
    for (int i = 0; i < Nachkommastellen; ++i)
        Skala *= 10.0L;
    // Half away from zero, on the extended value, like the price list rounds.
    const long double Gerundet = std::round(std::fabs(Wert) * Skala);
    if (Gerundet >= static_cast<long double>(std::numeric_limits<std::uint64_t>::max())) {
        QLocale L(Gebietsschema);
        L.setNumberOptions(QLocale::OmitGroupSeparator);
        return L.toString(static_cast<double>(Wert), 'f', Nachkommastellen);
    }
    const auto Einheiten = static_cast<std::uint64_t>(Gerundet);
    QString Ziffern = QString::number(Einheiten);
    if (Ziffern.size() <= Nachkommastellen)
        Ziffern = QString(Nachkommastellen + 1 - Ziffern.size(), QLatin1Char('0')) + Ziffern;

    QString Text;
    if (Wert < 0 && Einheiten != 0)
        Text += Gebietsschema.negativeSign();
    Text += Ziffern.left(Ziffern.size() - Nachkommastellen);
    if (Nachkommastellen > 0) {
        Text += Gebietsschema.decimalPoint();
        Text += Ziffern.right(Nachkommastellen);
    }
    return Text;
}

QString Allgemein(long double Wert, const QLocale& Gebietsschema)
{
    QLocale L(Gebietsschema);
    L.setNumberOptions(QLocale::OmitGroupSeparator);
    return L.toString(static_cast<double>(Wert), 'g', 15);
}

std::optional<std::int32_t> Ganzzahl_Deuten(const QString& Text)
{
    const QString T = Text.trimmed();
    qsizetype i = 0;
    bool Negativ = false;
    if (i < T.size() && (T[i] == u'-' || T[i] == u'+')) {
        Negativ = T[i] == u'-';
        ++i;
    }
    int Basis = 10;
    if (i + 1 < T.size() && T[i] == u'0' && (T[i + 1] == u'x' || T[i + 1] == u'X')) {
        Basis = 16;
        i += 2;
    }
    const auto Betrag = Betrag_Deuten(T, i, Basis, std::int64_t(1) << 32);
    if (!Betrag)
        return std::nullopt;
    const std::int64_t Wert = Negativ ? -*Betrag : *Betrag;
    if (Basis == 16 && !Negativ && Wert <= 0xFFFFFFFFLL && Wert > INT32_MAX)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(Wert)); // 0xFFFFFFFF is -1
    if (Wert < INT32_MIN || Wert > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(Wert);
}

std::optional<std::int32_t> Ganzzahl_Eingabe_Deuten(const QString& Text)
{
    qsizetype i = 0;
    const qsizetype n = Text.size();
    while (i < n && (Text[i] == u' ' || Text[i] == u'\t'))
        ++i;
    bool Negativ = false;
    if (i < n && (Text[i] == u'+' || Text[i] == u'-')) {
        Negativ = Text[i] == u'-';
        ++i;
    }
    int Basis = 10;
    if (i < n && Text[i] == u'$') {
        Basis = 16;
        ++i;
    } else if (i + 1 < n && Text[i] == u'0' && (Text[i + 1] == u'x' || Text[i + 1] == u'X')) {
        Basis = 16;
        i += 2;
    }
    return Int32_Deuten(Text, i, Basis, Negativ);
}

std::optional<std::int32_t> Dezimalzahl_Deuten(const QString& Text)
{
    const QString T = Text.trimmed();
    const bool Negativ = T.startsWith(u'-');
    return Int32_Deuten(T, Negativ || T.startsWith(u'+') ? 1 : 0, 10, Negativ);
}

std::optional<double> Zahl_Deuten(const QString& Text)
{
    // Only digits, one decimal separator of either kind, sign and exponent:
    // a file means the same under every locale, and a second separator (a
    // group separator) makes the text unreadable.
    const QString T = Text.trimmed();
    QByteArray C;
    C.reserve(T.size());
    bool Ziffer = false;
    bool Trenner = false;
    bool Exponent = false;
    for (qsizetype i = 0; i < T.size(); ++i) {
        const QChar c = T.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            Ziffer = true;
            C += char(c.unicode());
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !Trenner && !Exponent) {
            Trenner = true;
            C += '.';
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && Ziffer && !Exponent) {
            Exponent = true;
            C += 'e';
            if (i + 1 < T.size() && (T.at(i + 1) == QLatin1Char('+') || T.at(i + 1) == QLatin1Char('-')))
                C += char(T.at(++i).unicode());
            if (i + 1 >= T.size())
                return std::nullopt;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) && i == 0) {
            C += char(c.unicode());
        } else {
            return std::nullopt;
        }
    }
    if (!Ziffer)
        return std::nullopt;
    bool Ok = false;
    const double Wert = C.toDouble(&Ok);
    if (!Ok || !std::isfinite(Wert))
        return std::nullopt;
    return Wert;
}

namespace {

// The typed text with the other decimal separator ("180.50" under German,
// "180,50" under English) turned into the locale's one, where it cannot be a
// group separator: it stands once, the locale's own is absent, and one or two
// digits follow it, never the three of a thousands group.
QString Eingabe_Angleichen(const QString& Text, const QLocale& Gebietsschema)
{
    QString T = Text.trimmed();
    const QString Eigener = Gebietsschema.decimalPoint();
    const QString Anderer = Eigener == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
    if (T.contains(Eigener) || T.count(Anderer) != 1)
        return T;
    const qsizetype Stelle = T.indexOf(Anderer);
    qsizetype Ziffern = 0;
    while (Stelle + 1 + Ziffern < T.size() && T[Stelle + 1 + Ziffern].isDigit())
        ++Ziffern;
    if (Ziffern >= 1 && Ziffern <= 2)
        T.replace(Stelle, 1, Eigener);
    return T;
}

} // namespace

std::optional<double> Zahl_Eingabe_Deuten(const QString& Text, const QLocale& Gebietsschema)
{
    QLocale L(Gebietsschema);
    L.setNumberOptions(QLocale::RejectGroupSeparator);
    bool Ok = false;
    const double Wert = L.toDouble(Eingabe_Angleichen(Text, Gebietsschema), &Ok);
    if (!Ok || !std::isfinite(Wert))
        return std::nullopt;
    return Wert;
}

std::optional<long double> Zahl_Eingabe_Erweitert_Deuten(const QString& Text, const QLocale& Gebietsschema)
{
    const auto Gepruefte = Zahl_Eingabe_Deuten(Text, Gebietsschema);
    if (!Gepruefte)
        return std::nullopt;
    QString C = Eingabe_Angleichen(Text, Gebietsschema);
    C.replace(Gebietsschema.decimalPoint(), QLatin1String("."));
    C.replace(Gebietsschema.negativeSign(), QLatin1String("-"));
    C.replace(Gebietsschema.positiveSign(), QString());
    C.replace(Gebietsschema.exponential(), QLatin1String("e"), Qt::CaseInsensitive);
    const QByteArray Zeichen = C.toLatin1();
    long double Wert = 0;
    const auto [Ende, Fehler] = std::from_chars(Zeichen.constData(), Zeichen.constData() + Zeichen.size(), Wert);
    if (Fehler != std::errc() || Ende != Zeichen.constData() + Zeichen.size() || !std::isfinite(Wert))
        return static_cast<long double>(*Gepruefte);
    return Wert;
}

QString Dateitext(long double Wert, QChar Dezimaltrenner)
{
    const double D = static_cast<double>(Wert);
    if (D == 0.0)
        return QStringLiteral("0");
    char Puffer[64];
    std::snprintf(Puffer, sizeof Puffer, "%.15G", D);
    QString Text = QString::fromLatin1(Puffer);
    // "1E+20" and "1E-05" read more plainly as "1E20" and "1E-5".
    const qsizetype E = Text.indexOf(QLatin1Char('E'));
    if (E >= 0) {
        QString Mantisse = Text.left(E);
        QString Hochzahl = Text.mid(E + 1);
        QString Vorzeichen;
        if (Hochzahl.startsWith(QLatin1Char('+')) || Hochzahl.startsWith(QLatin1Char('-'))) {
            if (Hochzahl.front() == QLatin1Char('-'))
                Vorzeichen = QStringLiteral("-");
            Hochzahl.remove(0, 1);
        }
        while (Hochzahl.size() > 1 && Hochzahl.front() == QLatin1Char('0'))
            Hochzahl.remove(0, 1);
        Text = Mantisse + QLatin1Char('E') + Vorzeichen + Hochzahl;
    }
    Text.replace(QLatin1Char('.'), Dezimaltrenner);
    return Text;
}

} // namespace Zahlformat
