#include "base/Windows1252.h"
#include "base/Zahlformat.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

struct TFestkommafall
{
    long double Wert;
    int Stellen;
    const char* Deutsch;
    const char* C;
};

TEST(Zahlformat, FestkommaRundetHalbeVonNullWegOhneTausendertrenner)
{
    const TFestkommafall Faelle[] = {
        {1046.0L, 2, "1046,00", "1046.00"},
        {-54.0L, 2, "-54,00", "-54.00"},
        // Half cents, exact in binary, go away from zero.
        {10.125L, 2, "10,13", "10.13"},
        {10.375L, 2, "10,38", "10.38"},
        {-10.125L, 2, "-10,13", "-10.13"},
        {0.125L, 2, "0,13", "0.13"},
        {1.5L, 0, "2", "2"},
        {-2.5L, 0, "-3", "-3"},
        {0.015625L, 4, "0,0156", "0.0156"},
        {0.0625L, 3, "0,063", "0.063"},
        // A negative zero, and a negative value that rounds to zero, show no sign.
        {-0.0L, 2, "0,00", "0.00"},
        {-0.001L, 2, "0,00", "0.00"},
        {-0.004L, 2, "0,00", "0.00"},
        {0.0L, 0, "0", "0"},
        {7.0L, 1, "7,0", "7.0"},
        // 10^12 and above: every digit, no group separator, no exponent.
        {1e12L, 2, "1000000000000,00", "1000000000000.00"},
        {-1e12L, 2, "-1000000000000,00", "-1000000000000.00"},
        {1234567890123.455L, 2, "1234567890123,46", "1234567890123.46"},
        {1e15L, 2, "1000000000000000,00", "1000000000000000.00"},
        // Beyond 64-bit cents the double's own fixed-point text takes over.
        {1e18L, 2, "1000000000000000000,00", "1000000000000000000.00"},
        {-1e18L, 2, "-1000000000000000000,00", "-1000000000000000000.00"},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Deutsch);
        EXPECT_EQ(Zahlformat::Festkomma(F.Wert, F.Stellen, Deutsch), QString::fromUtf8(F.Deutsch));
        EXPECT_EQ(Zahlformat::Festkomma(F.Wert, F.Stellen, QLocale::c()), QString::fromUtf8(F.C));
    }
    EXPECT_EQ(Zahlformat::Betrag(-54.0L, Deutsch), QStringLiteral("-54,00"));
}

TEST(Zahlformat, AllgemeinKuerzestMitFuenfzehnStellen)
{
    const struct
    {
        long double Wert;
        const char* Deutsch;
    } Faelle[] = {
        {6.0L, "6"},
        {8.4L, "8,4"},
        {0.1L + 0.2L, "0,3"},
        {1234567.125L, "1234567,125"},
        {123456789012345.0L, "123456789012345"},
        {-2.5L, "-2,5"},
    };
    for (const auto& F : Faelle)
        EXPECT_EQ(Zahlformat::Allgemein(F.Wert, Deutsch), QString::fromUtf8(F.Deutsch));
    EXPECT_EQ(Zahlformat::Allgemein(8.4L, QLocale::c()), QStringLiteral("8.4"));
}

TEST(Zahlformat, GanzzahlAusDateiUndAusEingabe)
{
    const struct
    {
        const char* Text;
        std::optional<std::int32_t> Datei;
        std::optional<std::int32_t> Eingabe;
        std::optional<std::int32_t> Dezimal; // a measure typed into the editor
    } Faelle[] = {
        {"800", 800, 800, 800},
        {"0800", 800, 800, 800},
        {"+800", 800, 800, 800},
        {"-800", -800, -800, -800},
        {"  12", 12, 12, 12},
        {"12  ", 12, std::nullopt, 12},
        {"0x1F", 31, 31, std::nullopt},
        {"0X1f", 31, 31, std::nullopt},
        {"$1F", std::nullopt, 31, std::nullopt},
        {"0xFFFFFFFF", -1, std::nullopt, std::nullopt},
        {"2147483647", 2147483647, 2147483647, 2147483647},
        {"-2147483648", INT32_MIN, INT32_MIN, INT32_MIN},
        {"2147483648", std::nullopt, std::nullopt, std::nullopt},
        {"-2147483649", std::nullopt, std::nullopt, std::nullopt},
        {"99999999999999999999", std::nullopt, std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt, std::nullopt},
        {"0x", std::nullopt, std::nullopt, std::nullopt},
        {"1a", std::nullopt, std::nullopt, std::nullopt},
        {"1.000", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Text);
        EXPECT_EQ(Zahlformat::Ganzzahl_Deuten(QString::fromLatin1(F.Text)), F.Datei);
        EXPECT_EQ(Zahlformat::Ganzzahl_Eingabe_Deuten(QString::fromLatin1(F.Text)), F.Eingabe);
        EXPECT_EQ(Zahlformat::Dezimalzahl_Deuten(QString::fromLatin1(F.Text)), F.Dezimal);
    }
}

TEST(Zahlformat, KommazahlAusDateiUnabhaengigVomGebietsschema)
{
    const struct
    {
        const char* Text;
        std::optional<double> Datei;
        std::optional<double> Eingabe; // German
    } Faelle[] = {
        {"8,4", 8.4, 8.4},
        {"8.4", 8.4, 8.4},
        {"180.50", 180.5, 180.5},
        {"1.000", 1.0, std::nullopt},
        {"1.5.5", std::nullopt, std::nullopt},
        {"-0,5", -0.5, -0.5},
        {"1E20", 1e20, 1e20},
        {"1,5e-3", 1.5e-3, 1.5e-3},
        {"1.000,5", std::nullopt, std::nullopt},
        {"1e", std::nullopt, std::nullopt},
        {"1e999", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Text);
        EXPECT_EQ(Zahlformat::Zahl_Deuten(QString::fromLatin1(F.Text)), F.Datei);
        EXPECT_EQ(Zahlformat::Zahl_Eingabe_Deuten(QString::fromLatin1(F.Text), Deutsch), F.Eingabe);
    }
    EXPECT_EQ(Zahlformat::Dateitext(1e20L, QLatin1Char(',')), QStringLiteral("1E20"));
    EXPECT_EQ(Zahlformat::Dateitext(8.4L, QLatin1Char(',')), QStringLiteral("8,4"));
}

TEST(Zahlformat, EingabeInVollerGenauigkeit)
{
    // Through double, 0,1 would carry double's rounding error into every price it multiplies.
    EXPECT_EQ(Zahlformat::Zahl_Eingabe_Erweitert_Deuten(QStringLiteral("0,1"), Deutsch), 0.1L);
    EXPECT_NE(static_cast<long double>(0.1), 0.1L);
    EXPECT_EQ(Zahlformat::Zahl_Eingabe_Erweitert_Deuten(QStringLiteral("-12,5"), Deutsch), -12.5L);
    EXPECT_EQ(Zahlformat::Zahl_Eingabe_Erweitert_Deuten(QStringLiteral("1,5E3"), Deutsch), 1500.0L);
    EXPECT_EQ(Zahlformat::Zahl_Eingabe_Erweitert_Deuten(QStringLiteral("0.1"), QLocale::c()), 0.1L);
    EXPECT_EQ(Zahlformat::Zahl_Eingabe_Erweitert_Deuten(QStringLiteral("0.1"), Deutsch), 0.1L);
    EXPECT_EQ(Zahlformat::Zahl_Eingabe_Erweitert_Deuten(QStringLiteral("180,50"), QLocale::c()), 180.5L);
    for (const char* Falsch : {"12.500", "1.000,5", "abc", "", "1e999"})
        EXPECT_EQ(Zahlformat::Zahl_Eingabe_Erweitert_Deuten(QString::fromLatin1(Falsch), Deutsch), std::nullopt) << Falsch;
}

TEST(Windows1252, KodierbarGenauWasDerKonverterSchreibenKann)
{
    int Kodierbare = 0;
    for (char32_t Code = 0; Code < 0x10000; ++Code) {
        if (Code >= 0xD800 && Code <= 0xDFFF)
            continue;
        const QChar Zeichen{char16_t(Code)};
        QStringEncoder Kodierer("windows-1252");
        const QByteArray Bytes = Kodierer.encode(QStringView(&Zeichen, 1));
        const bool Konverter = !Kodierer.hasError();
        ASSERT_EQ(Windows1252::Kodierbar(Zeichen), Konverter) << std::hex << unsigned(Code);
        if (Konverter) {
            ++Kodierbare;
            ASSERT_EQ(Windows1252::Text(Bytes), QString(Zeichen)) << std::hex << unsigned(Code);
        }
        const bool C1 = Code >= 0x80 && Code <= 0x9F;
        ASSERT_EQ(Windows1252::Darstellbar(Zeichen), Konverter && !C1) << std::hex << unsigned(Code);
    }
    EXPECT_EQ(Kodierbare, 256);
    EXPECT_TRUE(Windows1252::Darstellbar(QStringLiteral("Größe 5 € – „Tür“")));
    EXPECT_FALSE(Windows1252::Darstellbar(QStringLiteral("Tür \u0081")));
    EXPECT_TRUE(Windows1252::Kodierbar(QStringLiteral("Tür \u0081")));
    EXPECT_FALSE(Windows1252::Kodierbar(QStringLiteral("Fenster \u2192")));
}

} // namespace
