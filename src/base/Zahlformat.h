#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// Every way the program reads and writes a number as text.
namespace Zahlformat {

// Fixed-point display of money and running metres: rounded only here, with the
// locale's decimal separator and no group separator ("1046,00", "-54,00").
QString Festkomma(long double Wert, int Nachkommastellen, const QLocale& Gebietsschema = QLocale());

inline QString Betrag(long double Wert, const QLocale& Gebietsschema = QLocale())
{
    return Festkomma(Wert, 2, Gebietsschema);
}

// The shortest text of up to 15 significant digits in the locale, without a
// group separator ("6", "8,4").
QString Allgemein(long double Wert, const QLocale& Gebietsschema = QLocale());

// An integer as an order file stores it: blanks around it, an optional sign,
// decimal digits or hexadecimal ones after "0x"; "0xFFFFFFFF" is -1.
std::optional<std::int32_t> Ganzzahl_Deuten(const QString& Text);

// An integer as a user types it: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$" or "0x"; nothing after them.
std::optional<std::int32_t> Ganzzahl_Eingabe_Deuten(const QString& Text);

// An integer as decimal text: blanks around it, an optional sign, decimal digits only.
std::optional<std::int32_t> Dezimalzahl_Deuten(const QString& Text);

// A float as an order file stores it, the same under every locale: digits,
// "," or "." as the one decimal separator, sign and exponent; finite only.
std::optional<double> Zahl_Deuten(const QString& Text);

// A finite float as a user types it: the locale's decimal separator and no group
// separator; the other separator counts as decimal one where it cannot group ("180.50").
std::optional<double> Zahl_Eingabe_Deuten(const QString& Text, const QLocale& Gebietsschema = QLocale());

// Zahl_Eingabe_Deuten read into the full extended precision instead of through double.
std::optional<long double> Zahl_Eingabe_Erweitert_Deuten(const QString& Text, const QLocale& Gebietsschema = QLocale());

// A float for an order file: up to 15 significant digits, the exponent as
// "1E20" or "1E-5", Dezimaltrenner between the integer and the fraction.
QString Dateitext(long double Wert, QChar Dezimaltrenner);

} // namespace Zahlformat
