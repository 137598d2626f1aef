#include "base/Fehler.h"
#include "base/TIniDatei.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

TIniDatei Gelesen(const QByteArray& Text, QChar Trenner = QLatin1Char(','))
{
    TIniDatei Ini(Trenner);
    Ini.Bytes_Lesen(Text);
    return Ini;
}

} // namespace

TEST(TIniDateiSchreiben, AbschnitteUndSchluesselInErsterReihenfolgeMitCrLf)
{
    TIniDatei Ini(QLatin1Char(','));
    Ini.Text_Schreiben(QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("1"));
    Ini.Text_Schreiben(QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("2"));
    Ini.Text_Schreiben(QStringLiteral("b"), QStringLiteral("Z"), QStringLiteral("3"));
    Ini.Text_Schreiben(QStringLiteral("B"), QStringLiteral("X"), QStringLiteral("4")); // replaces x in place
    EXPECT_EQ(Ini.Bytes(), QByteArray("[B]\r\nx=4\r\nZ=3\r\n\r\n[A]\r\ny=2\r\n\r\n"));
}

TEST(TIniDateiSchreiben, ZahlenKuerzesteFormMitKomma)
{
    TIniDatei Ini(QLatin1Char(','));
    struct Fall
    {
        long double Wert;
        const char* Text;
    };
    const Fall Faelle[] = {
        {12.5L, "12,5"}, {0, "0"}, {-11, "-11"}, {19.99L, "19,99"}, {1.0L / 3, "0,333333333333333"},
        {1e20L, "1E20"}, {1234567.0L, "1234567"}, {-0.0L, "0"},
    };
    for (const Fall& F : Faelle)
        EXPECT_EQ(Ini.Zahl_Text(F.Wert), QString::fromLatin1(F.Text));
}

TEST(TIniDateiSchreiben, Windows1252UndNichtDarstellbareTexte)
{
    TIniDatei Ini(QLatin1Char(','));
    Ini.Text_Schreiben(QStringLiteral("Ä"), QStringLiteral("k"), QStringLiteral("Größe 5 €"));
    EXPECT_EQ(Ini.Bytes(), QByteArray("[\xC4]\r\nk=Gr\xF6\xDF" "e 5 \x80\r\n\r\n"));

    Ini.Text_Schreiben(QStringLiteral("Ä"), QStringLiteral("j"), QStringLiteral("Fenster 漢"));
    try {
        (void)Ini.Bytes();
        FAIL() << "no error for a text outside Windows-1252";
    } catch (const EKonvertierungsfehler& F) {
        EXPECT_TRUE(F.Meldung().contains(QStringLiteral("Fenster 漢")));
    }
}

TEST(TIniDateiLesen, ZeilenregelnUndGrossKleinschreibung)
{
    const TIniDatei Ini = Gelesen("vorher=1\r\n"
                                  "; Kommentar\r\n"
                                  "  [ Bestellung ]  \r\n"
                                  "\r\n"
                                  "  Datum =  2011-03-07  \r\n"
                                  "ohne Gleichheitszeichen\r\n"
                                  "Bez=a=b\n"
                                  "Datum=spaeter\r\n");
    EXPECT_EQ(Ini.Text_Lesen(QStringLiteral("BESTELLUNG"), QStringLiteral("datum"), QString()),
              QStringLiteral("2011-03-07"));
    EXPECT_EQ(Ini.Text_Lesen(QStringLiteral("Bestellung"), QStringLiteral("Bez"), QString()), QStringLiteral("a=b"));
    EXPECT_FALSE(Ini.Wert(QStringLiteral("Bestellung"), QStringLiteral("vorher")).has_value());
    EXPECT_EQ(Ini.Abschnitte(), QStringList{QStringLiteral("Bestellung")});
}

TEST(TIniDateiLesen, GanzzahlenDezimalHexOderVorgabe)
{
    struct Fall
    {
        const char* Text;
        std::int32_t Erwartet;
    };
    const Fall Faelle[] = {
        {"42", 42}, {"-7", -7}, {"+3", 3}, {"0x1F", 31}, {"0XfF", 255}, {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", 99}, {"12a", 99}, {"", 99}, {"0x", 99}, {"1.5", 99}, {"- 1", 99},
    };
    for (const Fall& F : Faelle) {
        const TIniDatei Ini = Gelesen(QByteArray("[A]\r\nk=") + F.Text + "\r\n");
        EXPECT_EQ(Ini.Ganzzahl_Lesen(QStringLiteral("A"), QStringLiteral("k"), 99), F.Erwartet) << F.Text;
    }
    const TIniDatei Ini = Gelesen("[A]\r\nwahr=2\r\nfalsch=0\r\nkaputt=x\r\n");
    EXPECT_TRUE(Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("wahr"), false));
    EXPECT_FALSE(Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("falsch"), true));
    EXPECT_TRUE(Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("kaputt"), true));
    EXPECT_TRUE(Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("fehlt"), true));
}

TEST(TIniDateiLesen, ZahlenNurMitDemEigenenTrenner)
{
    struct Fall
    {
        const char* Text;
        char Trenner;
        double Erwartet;
    };
    const Fall Faelle[] = {
        {"12,5", ',', 12.5}, {"-11", ',', -11}, {"1E20", ',', 1e20}, {"3,5e-2", ',', 0.035},
        {"12.5", ',', -1},   // the other separator is no separator: default, never 125
        {"1.000,5", ',', -1}, // group separators are refused
        {"12.5", '.', 12.5}, {"12,5", '.', -1},
        {"nan", ',', -1}, {"inf", ',', -1}, {"1e999", ',', -1}, {"", ',', -1}, {",", ',', -1}, {"1e", ',', -1},
    };
    for (const Fall& F : Faelle) {
        const TIniDatei Ini = Gelesen(QByteArray("[A]\r\nk=") + F.Text + "\r\n", QLatin1Char(F.Trenner));
        EXPECT_EQ(double(Ini.Zahl_Lesen(QStringLiteral("A"), QStringLiteral("k"), -1.0L)), F.Erwartet) << F.Text;
    }
}

TEST(TIniDateiLesen, RundreiseUeberGeraet)
{
    TIniDatei Ini(QLatin1Char(','));
    Ini.Zahl_Schreiben(QStringLiteral("Preis"), QStringLiteral("Stueckpreis"), 0.1L);
    Ini.Text_Schreiben(QStringLiteral("Text"), QStringLiteral("Bez"), QStringLiteral("  Küche – Süd  "));
    QBuffer Puffer;
    Puffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(Ini.Schreiben(Puffer));
    Puffer.close();
    Puffer.open(QIODevice::ReadOnly);
    TIniDatei Zurueck(QLatin1Char(','));
    ASSERT_TRUE(Zurueck.Lesen(Puffer));
    // Floats are kept with double precision.
    EXPECT_EQ(Zurueck.Zahl_Lesen(QStringLiteral("Preis"), QStringLiteral("Stueckpreis"), 0), static_cast<long double>(0.1));
    // Surrounding blanks do not survive the trimming of the reader.
    EXPECT_EQ(Zurueck.Text_Lesen(QStringLiteral("Text"), QStringLiteral("Bez"), QString()), QStringLiteral("Küche – Süd"));
}
