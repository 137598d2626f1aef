#include "base/Zahlformat.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace Zahlformat {

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

} // namespace Zahlformat
