#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// Value-added tax shown on top of an order's net total. The rate is kept in
// hundredths of a percent (19 % is 1900), so no rate is ever approximated.
struct TUmsatzsteuer
{
    static constexpr std::int32_t Regelsatz = 1900;
    std::int32_t Satz_Hundertstel = Regelsatz;

    struct TBetraege
    {
        std::int64_t Netto_Cent = 0;
        std::int64_t Steuer_Cent = 0;
        std::int64_t Brutto_Cent = 0;
    };
    // The net total rounded to the cent half away from zero, as the sheet shows
    // it; the tax on that rounded total, rounded the same way; their sum.
    TBetraege Berechnen(long double Netto) const;

    // "19", "7,5": the rate as texts show it, without trailing zeros.
    QString Satztext(const QLocale& Gebietsschema = QLocale()) const;
    // A rate as the user types it: 0 to 100 with at most two decimals, the
    // locale's decimal separator or a point.
    static std::optional<std::int32_t> Satz_Deuten(const QString& Text, const QLocale& Gebietsschema = QLocale());
};
