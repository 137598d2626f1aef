#pragma once

#include <QLocale>
#include <QString>

// Fixed-point display of money and running metres: rounded only here, with the
// locale's decimal separator and no group separator ("1046,00", "-54,00").
namespace Zahlformat {

QString Festkomma(long double Wert, int Nachkommastellen, const QLocale& Gebietsschema = QLocale());

inline QString Betrag(long double Wert, const QLocale& Gebietsschema = QLocale())
{
    return Festkomma(Wert, 2, Gebietsschema);
}

} // namespace Zahlformat
