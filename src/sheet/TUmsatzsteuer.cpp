#include "sheet/TUmsatzsteuer.h"

#include <cmath>
#include <limits>

namespace {

// Magnitude of Zaehler / Nenner rounded half away from zero, both not negative.
std::int64_t Geteilt_Gerundet(std::uint64_t Zaehler, std::uint64_t Nenner)
{
    return std::int64_t((Zaehler + Nenner / 2) / Nenner);
}

} // namespace

TUmsatzsteuer::TBetraege TUmsatzsteuer::Berechnen(long double Netto) const
{
    TBetraege B;
    const long double Cent = std::round(std::fabs(Netto) * 100.0L);
    const auto Maximum = static_cast<long double>(std::numeric_limits<std::int64_t>::max() / 2);
    if (!std::isfinite(Cent) || Cent > Maximum)
        return B;
    const auto Netto_Betrag = static_cast<std::uint64_t>(Cent);
    const auto Satz = static_cast<std::uint64_t>(Satz_Hundertstel < 0 ? 0 : Satz_Hundertstel);
    std::uint64_t Produkt = 0;
    std::int64_t Steuer = 0;
    if (!__builtin_mul_overflow(Netto_Betrag, Satz, &Produkt) && Produkt <= std::numeric_limits<std::uint64_t>::max() - 5000)
        Steuer = Geteilt_Gerundet(Produkt, 10000);
    else
        Steuer = static_cast<std::int64_t>(std::round(static_cast<long double>(Netto_Betrag) * Satz / 10000.0L));
    const int Vorzeichen = Netto < 0 ? -1 : 1;
    B.Netto_Cent = Vorzeichen * std::int64_t(Netto_Betrag);
    B.Steuer_Cent = Vorzeichen * Steuer;
    B.Brutto_Cent = B.Netto_Cent + B.Steuer_Cent;
    return B;
}

QString TUmsatzsteuer::Satztext(const QLocale& Gebietsschema) const
{
    const std::int32_t Ganz = Satz_Hundertstel / 100;
    std::int32_t Rest = Satz_Hundertstel % 100;
    if (Rest == 0)
        return QString::number(Ganz);
    QString Nachkomma = QString::number(Rest).rightJustified(2, QLatin1Char('0'));
    if (Nachkomma.endsWith(QLatin1Char('0')))
        Nachkomma.chop(1);
    return QString::number(Ganz) + Gebietsschema.decimalPoint() + Nachkomma;
}

std::optional<std::int32_t> TUmsatzsteuer::Satz_Deuten(const QString& Text, const QLocale& Gebietsschema)
{
    const QString T = Text.trimmed();
    qsizetype Trenner = -1;
    for (qsizetype i = 0; i < T.size(); ++i) {
        if (T[i].isDigit() && T[i].unicode() < 0x80)
            continue;
        if (Trenner < 0 && (T.mid(i, 1) == Gebietsschema.decimalPoint() || T[i] == QLatin1Char('.')))
            Trenner = i;
        else
            return std::nullopt;
    }
    const QString Ganz = Trenner < 0 ? T : T.left(Trenner);
    const QString Nachkomma = Trenner < 0 ? QString() : T.mid(Trenner + 1);
    if (Ganz.isEmpty() || Ganz.size() > 3 || Nachkomma.size() > 2 || (Trenner >= 0 && Nachkomma.isEmpty()))
        return std::nullopt;
    const std::int32_t Wert = Ganz.toInt() * 100 + Nachkomma.leftJustified(2, QLatin1Char('0')).toInt();
    if (Wert > 10000)
        return std::nullopt;
    return Wert;
}
