#include "sheet/TUmsatzsteuer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The tax is taken on the net total as rounded to the cent, both half away
// from zero; the cases are exact in binary so the ties are real ties.
TEST(TUmsatzsteuer, SteuerAufDenGerundetenNettobetrag)
{
    const struct
    {
        long double Netto;
        std::int32_t Satz;
        std::int64_t Netto_Cent, Steuer_Cent, Brutto_Cent;
    } Faelle[] = {
        {100.0L, 1900, 10000, 1900, 11900},
        {0.5L, 1900, 50, 10, 60},            // 9,5 cents: a tie, away from zero
        {-0.5L, 1900, -50, -10, -60},
        {0.125L, 1900, 13, 2, 15},           // the net total's own tie: 12,5 cents become 13
        {-0.125L, 1900, -13, -2, -15},
        {0.0625L, 800, 6, 0, 6},             // on the exact 6,25 cents the tax would be a tie and 1 cent
        {10.0L, 750, 1000, 75, 1075},
        {0.25L, 1000, 25, 3, 28},            // 2,5 cents
        {1234.5L, 0, 123450, 0, 123450},
        {0.0L, 1900, 0, 0, 0},
        {1e12L, 1900, 100000000000000, 19000000000000, 119000000000000},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(static_cast<double>(F.Netto));
        const TUmsatzsteuer::TBetraege B = TUmsatzsteuer{F.Satz}.Berechnen(F.Netto);
        EXPECT_EQ(B.Netto_Cent, F.Netto_Cent);
        EXPECT_EQ(B.Steuer_Cent, F.Steuer_Cent);
        EXPECT_EQ(B.Brutto_Cent, F.Brutto_Cent);
    }
}

TEST(TUmsatzsteuer, SatzLesenUndZeigen)
{
    const QLocale Deutsch(QLocale::German, QLocale::Germany);
    const struct
    {
        const char* Eingabe;
        std::optional<std::int32_t> Satz;
        const char* Text;
    } Faelle[] = {
        {"19", 1900, "19"},     {" 7,5 ", 750, "7,5"}, {"7.5", 750, "7,5"},     {"16,25", 1625, "16,25"},
        {"16,00", 1600, "16"},  {"0", 0, "0"},         {"100", 10000, "100"},  {"100,01", {}, ""},
        {"1,234", {}, ""},      {"-5", {}, ""},        {"", {}, ""},           {"19 %", {}, ""},
        {"7,", {}, ""},         {",5", {}, ""},        {"1e2", {}, ""},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Eingabe);
        const auto Satz = TUmsatzsteuer::Satz_Deuten(QString::fromUtf8(F.Eingabe), Deutsch);
        EXPECT_EQ(Satz, F.Satz);
        if (Satz) {
            EXPECT_EQ(TUmsatzsteuer{*Satz}.Satztext(Deutsch), QLatin1String(F.Text));
        }
    }
}

} // namespace
