#include "ui/shared/TZahleingabe.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include <limits>

namespace {

using TZahlart = TZahleingabe::TZahlart;

struct TFall
{
    QString Text;
    TZahlart Art;
    std::int64_t Unten;
    std::int64_t Oben;
    QString Ergebnis;
};

constexpr std::int64_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Max32 = std::numeric_limits<std::int32_t>::max();

TEST(TZahleingabe, PruefenNachTabelle)
{
    const TFall Faelle[] = {
        // whole numbers
        {QStringLiteral(""), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("15"), TZahlart::Integer, 0, 100, QStringLiteral("15")},
        {QStringLiteral("0"), TZahlart::Integer, 0, 100, QStringLiteral("0")},
        {QStringLiteral("100"), TZahlart::Integer, 0, 100, QStringLiteral("100")},
        {QStringLiteral("101"), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("-1"), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("-5"), TZahlart::Integer, -10, 10, QStringLiteral("-5")},
        {QStringLiteral("0800"), TZahlart::Integer, 300, 5000, QStringLiteral("800")},
        {QStringLiteral("+800"), TZahlart::Integer, 300, 5000, QStringLiteral("800")},
        {QStringLiteral("  42"), TZahlart::Integer, 0, 100, QStringLiteral("42")},
        {QStringLiteral("42 "), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("4 2"), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("$1F"), TZahlart::Integer, 0, 100, QStringLiteral("31")},
        {QStringLiteral("0x1f"), TZahlart::Integer, 0, 100, QStringLiteral("31")},
        {QStringLiteral("-$A"), TZahlart::Integer, -100, 100, QStringLiteral("-10")},
        {QStringLiteral("0x"), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("$"), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("-"), TZahlart::Integer, -100, 100, QString()},
        {QStringLiteral("1F"), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("zehn"), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("7,5"), TZahlart::Integer, 0, 100, QString()},
        {QStringLiteral("1e2"), TZahlart::Integer, 0, 1000, QString()},
        {QStringLiteral("2147483647"), TZahlart::Integer, Min32, Max32, QStringLiteral("2147483647")},
        {QStringLiteral("2147483648"), TZahlart::Integer, Min32, Max32 + 1, QString()},
        {QStringLiteral("-2147483648"), TZahlart::Integer, Min32, Max32, QStringLiteral("-2147483648")},
        {QStringLiteral("-2147483649"), TZahlart::Integer, Min32 - 1, Max32, QString()},
        {QStringLiteral("99999999999999999999"), TZahlart::Integer, 0, Max32, QString()},
        // floating point, German locale
        {QStringLiteral("7,5"), TZahlart::Extended, 0, 100, QStringLiteral("7,5")},
        {QStringLiteral("12,50"), TZahlart::Extended, 0, 100, QStringLiteral("12,5")},
        {QStringLiteral(" 3 "), TZahlart::Extended, 0, 100, QStringLiteral("3")},
        // the other separator, where it cannot group thousands
        {QStringLiteral("7.5"), TZahlart::Extended, 0, 100, QStringLiteral("7,5")},
        {QStringLiteral("180.50"), TZahlart::Extended, 0, 1000, QStringLiteral("180,5")},
        {QStringLiteral("1.000"), TZahlart::Extended, 0, 10000, QString()},
        {QStringLiteral("1.5.5"), TZahlart::Extended, 0, 100, QString()},
        {QStringLiteral("1.000,5"), TZahlart::Extended, 0, 10000, QString()},
        {QStringLiteral("1000"), TZahlart::Extended, 0, 10000, QStringLiteral("1000")},
        {QStringLiteral("1,5e3"), TZahlart::Extended, 0, 10000, QStringLiteral("1500")},
        {QStringLiteral("100,01"), TZahlart::Extended, 0, 100, QString()},
        {QStringLiteral("-0"), TZahlart::Extended, 0, 100, QStringLiteral("0")},
        {QStringLiteral("0,1"), TZahlart::Extended, 0, 100, QStringLiteral("0,1")},
        {QStringLiteral("inf"), TZahlart::Extended, 0, Max32, QString()},
        {QStringLiteral("nan"), TZahlart::Extended, 0, Max32, QString()},
        {QStringLiteral("abc"), TZahlart::Extended, 0, 100, QString()},
    };
    const QLocale Deutsch(QLocale::German, QLocale::Germany);
    for (const TFall& Fall : Faelle) {
        const QString Ergebnis = TZahleingabe::Eingabe_Pruefen(Fall.Text, Fall.Art, Fall.Unten, Fall.Oben, Deutsch);
        EXPECT_EQ(Ergebnis, Fall.Ergebnis) << '"' << Fall.Text.toStdString() << '"';
        EXPECT_EQ(TZahleingabe::Eingabe_Gueltig(Fall.Text, Fall.Art, Fall.Unten, Fall.Oben, Deutsch),
                  !Fall.Ergebnis.isEmpty())
            << '"' << Fall.Text.toStdString() << '"';
    }
}

TEST(TZahleingabe, GleitkommaFolgtDemGebietsschema)
{
    const QLocale Englisch(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(TZahleingabe::Eingabe_Pruefen(QStringLiteral("7.5"), TZahlart::Extended, 0, 100, Englisch),
              QStringLiteral("7.5"));
    EXPECT_EQ(TZahleingabe::Eingabe_Pruefen(QStringLiteral("7,5"), TZahlart::Extended, 0, 100, Englisch),
              QStringLiteral("7.5"));
    EXPECT_EQ(TZahleingabe::Eingabe_Pruefen(QStringLiteral("7,500"), TZahlart::Extended, 0, 10000, Englisch), QString());
    EXPECT_EQ(TZahleingabe::Eingabe_Pruefen(QStringLiteral("7,5"), TZahlart::Extended, 0, 100), QStringLiteral("7,5"))
        << "the default is the program's locale, German in the tests";
}

TEST(TZahleingabe, FaerbenMachtUngueltigesRot)
{
    QLineEdit Feld;
    const QColor Normal = Feld.palette().color(QPalette::Text);
    ASSERT_NE(Normal, QColor(255, 0, 0));
    Feld.setText(QStringLiteral("299"));
    EXPECT_FALSE(TZahleingabe::Eingabe_Faerben(Feld, TZahlart::Integer, 300, 6000));
    EXPECT_EQ(Feld.palette().color(QPalette::Text), QColor(255, 0, 0));
    Feld.setText(QStringLiteral("300"));
    EXPECT_TRUE(TZahleingabe::Eingabe_Faerben(Feld, TZahlart::Integer, 300, 6000));
    EXPECT_EQ(Feld.palette().color(QPalette::Text), Normal);
}

} // namespace
