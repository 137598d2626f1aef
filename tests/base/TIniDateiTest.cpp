#include "base/Fehler.h"
#include "base/TIniDatei.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

TIniDatei Gelesen(const QByteArray& Text, QChar Trenner = QLatin1Char(','))
{
    TIniDatei Ini(Trenner);
    Ini.Bytes_Lesen(Text);
    return Ini;
}

// The message of the ELadefehler that Lesen throws, or nothing.
template <typename F>
std::optional<QString> Ladefehler(F Lesen)
{
    try {
        Lesen();
    } catch (const ELadefehler& E) {
        return E.Meldung();
    }
    return std::nullopt;
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

TEST(TIniDateiLesen, GanzzahlenDezimalHexLeerOderSchaden)
{
    // nullopt: not an integer, which is damage naming section, key and text.
    struct Fall
    {
        const char* Text;
        std::optional<std::int32_t> Erwartet;
    };
    const Fall Faelle[] = {
        {"42", 42}, {"-7", -7}, {"+3", 3}, {"0x1F", 31}, {"0XfF", 255}, {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"", 99}, {"  ", 99},
        {"2147483648", {}}, {"99999999999", {}}, {"1e5", {}}, {"nan", {}}, {"12a", {}}, {"0x", {}},
        {"1.5", {}}, {"- 1", {}},
    };
    for (const Fall& F : Faelle) {
        const TIniDatei Ini = Gelesen(QByteArray("[A]\r\nk=") + F.Text + "\r\n");
        std::int32_t Gelesen = 0;
        const auto Meldung = Ladefehler([&] { Gelesen = Ini.Ganzzahl_Lesen(QStringLiteral("A"), QStringLiteral("k"), 99); });
        if (F.Erwartet) {
            EXPECT_EQ(Gelesen, *F.Erwartet) << F.Text;
            EXPECT_FALSE(Meldung) << F.Text;
        } else {
            EXPECT_EQ(Meldung, QStringLiteral("Abschnitt [A], Schlüssel \"k\": ungültiger Wert \"%1\"").arg(QLatin1String(F.Text)));
            EXPECT_TRUE(Ladefehler([&] { (void)Ini.Ganzzahl_Lesen(QStringLiteral("A"), QStringLiteral("k"), 0, 0, 10); }))
                << F.Text;
        }
    }
    const TIniDatei Ini = Gelesen("[A]\r\nwahr=2\r\nfalsch=0\r\nleer=\r\nkaputt=ja\r\n");
    EXPECT_TRUE(Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("wahr"), false));
    EXPECT_FALSE(Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("falsch"), true));
    EXPECT_TRUE(Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("leer"), true));
    EXPECT_TRUE(Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("fehlt"), true));
    EXPECT_TRUE(Ladefehler([&] { (void)Ini.Bool_Lesen(QStringLiteral("A"), QStringLiteral("kaputt"), true); }));
}

TEST(TIniDateiLesen, ZahlenMitKommaOderPunktUnterJedemTrenner)
{
    // nullopt: not a float, which is damage.
    struct Fall
    {
        const char* Text;
        char Trenner;
        std::optional<double> Erwartet;
    };
    const Fall Faelle[] = {
        {"12,5", ',', 12.5}, {"-11", ',', -11}, {"1E20", ',', 1e20}, {"3,5e-2", ',', 0.035},
        {"12.5", ',', 12.5},  // the file means the same under every locale, never 125
        {"1.000,5", ',', {}}, {"1,000.5", '.', {}}, {"1.5.0", '.', {}}, {"1,5,5", ',', {}}, // group separators
        {"12.5", '.', 12.5}, {"12,5", '.', 12.5}, {"", ',', -1},
        {"nan", ',', {}}, {"inf", ',', {}}, {"1e999", ',', {}}, {",", ',', {}}, {"1e", ',', {}}, {"0x10", ',', {}},
    };
    for (const Fall& F : Faelle) {
        const TIniDatei Ini = Gelesen(QByteArray("[A]\r\nk=") + F.Text + "\r\n", QLatin1Char(F.Trenner));
        long double Gelesen = 0;
        const auto Meldung = Ladefehler([&] { Gelesen = Ini.Zahl_Lesen(QStringLiteral("A"), QStringLiteral("k"), -1.0L); });
        if (F.Erwartet)
            EXPECT_EQ(double(Gelesen), *F.Erwartet) << F.Text;
        else
            EXPECT_TRUE(Meldung && Meldung->contains(QLatin1String(F.Text))) << F.Text;
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

namespace {

// A device that delivers part of a file and then fails, as a disk with a bad sector does.
class TDefektesGeraet : public QIODevice
{
public:
    explicit TDefektesGeraet(QByteArray Anfang)
        : m_Anfang(std::move(Anfang))
    {
    }

protected:
    qint64 readData(char* Daten, qint64 Hoechstens) override
    {
        if (m_Gelesen == m_Anfang.size())
            return -1;
        const qint64 n = std::min<qint64>(Hoechstens, m_Anfang.size() - m_Gelesen);
        std::memcpy(Daten, m_Anfang.constData() + m_Gelesen, std::size_t(n));
        m_Gelesen += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }

private:
    QByteArray m_Anfang;
    qint64 m_Gelesen = 0;
};

} // namespace

TEST(TIniDateiLesen, LesefehlerMittenInDerDateiIstKeinKuerzeresEnde)
{
    TDefektesGeraet Geraet("[Bestellung]\r\nlengthPositionen=0\r\nRabatt=4\r\n");
    ASSERT_TRUE(Geraet.open(QIODevice::ReadOnly));
    TIniDatei Ini;
    Ini.Text_Schreiben(QStringLiteral("Alt"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_FALSE(Ini.Lesen(Geraet));
    EXPECT_FALSE(Ini.Abschnitt_Vorhanden(QStringLiteral("Bestellung")));
    EXPECT_FALSE(Ini.Abschnitt_Vorhanden(QStringLiteral("Alt")));
}

TEST(TIniDateiLesen, VieleSchluesselInEinemAbschnitt)
{
    // Each key is found through the section's index: the first of two equal
    // keys counts, in any case, however many keys the section holds.
    QByteArray Text = "[A]\r\n";
    constexpr int Anzahl = 80000;
    for (int i = 0; i < Anzahl; ++i)
        Text += "Schluessel" + QByteArray::number(i) + "=" + QByteArray::number(i * 3) + "\r\n";
    Text += "SCHLUESSEL17=doppelt\r\n";
    const TIniDatei Ini = Gelesen(Text, QLatin1Char(','));
    EXPECT_EQ(Ini.Ganzzahl_Lesen(QStringLiteral("a"), QStringLiteral("schluessel79999"), -1), 79999 * 3);
    EXPECT_EQ(Ini.Ganzzahl_Lesen(QStringLiteral("A"), QStringLiteral("Schluessel17"), -1), 51);
    EXPECT_EQ(Ini.Ganzzahl_Lesen(QStringLiteral("A"), QStringLiteral("Schluessel80000"), -1), -1);
}

TEST(TIniDateiLesen, Windows1252MitUndOhneDenBlock80)
{
    // 0x80..0x9F take the Windows-1252 table (its gaps stay C1 codes); the
    // rest is ISO-8859-1, whether or not the file holds such a byte at all.
    struct TFall
    {
        QByteArray Wert;
        QString Text;
    };
    const TFall Faelle[] = {
        {"\xE4\xA0\xFF", QStringLiteral("\u00E4\u00A0\u00FF")},
        {"\x80 \xE4", QStringLiteral("\u20AC \u00E4")},
        {"\x81\x8C\x9F\xE4", QStringLiteral("\u0081\u0152\u0178\u00E4")},
    };
    for (const TFall& Fall : Faelle) {
        const TIniDatei Ini = Gelesen("[\xC4]\r\nk=" + Fall.Wert + "\r\n");
        EXPECT_EQ(Ini.Wert(QStringLiteral("\u00E4"), QStringLiteral("k")), Fall.Text)
            << Fall.Wert.toHex().constData();
    }
}

TEST(TIniDateiLesen, VieleAbschnitteOhneGrossKleinschreibung)
{
    // Sections found through the file's index in any case, umlauts folded
    // too; a header repeated in another case continues the first section.
    QByteArray Text;
    constexpr int Anzahl = 20000;
    for (int i = 0; i < Anzahl; ++i)
        Text += "[Bestellung/\xC4nderung" + QByteArray::number(i) + "]\r\nPositionstyp=" + QByteArray::number(i) + "\r\n";
    Text += "[BESTELLUNG/\xE4NDERUNG7]\r\nPositionstyp=doppelt\r\nNeu=8\r\n";
    TIniDatei Ini = Gelesen(Text);
    ASSERT_EQ(Ini.Abschnitte().size(), Anzahl);
    for (int i : {0, 7, 12345, Anzahl - 1}) {
        const QString Name = QStringLiteral("bestellung/\u00E4nderung%1").arg(i);
        EXPECT_EQ(Ini.Ganzzahl_Lesen(Name, QStringLiteral("POSITIONSTYP"), -1), i) << i;
    }
    EXPECT_EQ(Ini.Ganzzahl_Lesen(QStringLiteral("Bestellung/\u00C4nderung7"), QStringLiteral("Neu"), -1), 8);
    EXPECT_FALSE(Ini.Abschnitt_Vorhanden(QStringLiteral("Bestellung/\u00C4nderung%1").arg(Anzahl)));
    EXPECT_FALSE(Ini.Abschnitt_Vorhanden(QStringLiteral("Bestellung/Anderung7")));

    // Sections written one by one are found alike, however the index grew meanwhile.
    TIniDatei Geschrieben;
    for (int i = 0; i < Anzahl; ++i)
        Geschrieben.Ganzzahl_Schreiben(QStringLiteral("\u00C4/%1").arg(i), QStringLiteral("k"), i);
    Geschrieben.Ganzzahl_Schreiben(QStringLiteral("\u00E4/7"), QStringLiteral("k"), -7);
    EXPECT_EQ(Geschrieben.Abschnitte().size(), Anzahl);
    for (int i : {0, 7, 12345, Anzahl - 1})
        EXPECT_EQ(Geschrieben.Ganzzahl_Lesen(QStringLiteral("\u00E4/%1").arg(i), QStringLiteral("K"), 0), i == 7 ? -7 : i);
    EXPECT_FALSE(Geschrieben.Abschnitt_Vorhanden(QStringLiteral("\u00C4/%1").arg(Anzahl)));

    // The names handed out are the file's own spelling and stay valid after
    // the store has read another text.
    const QStringList Namen = Ini.Abschnitte();
    Ini.Bytes_Lesen("[X]\r\n");
    EXPECT_EQ(Namen.front(), QStringLiteral("Bestellung/\u00C4nderung0"));
    EXPECT_EQ(Namen.back(), QStringLiteral("Bestellung/\u00C4nderung%1").arg(Anzahl - 1));
    EXPECT_EQ(Ini.Abschnitte(), QStringList{QStringLiteral("X")});
}

TEST(TIniDateiSchreiben, SteuerzeichenWerdenNichtGeschrieben)
{
    const struct
    {
        const char* Abschnitt;
        const char* Schluessel;
        QString Wert;
    } Faelle[] = {
        {"Bestellung", "Rechnungsempfaenger", QStringLiteral("A\nRabatt=50")},
        {"Bestellung", "Telefon", QStringLiteral("A\rB")},
        {"Bestellung", "Bez", QStringLiteral("A\x01B")},
        {"Bestellung", "Bez", QStringLiteral("A\u0085B")},
        {"Bestellung", "Sch\nluessel", QStringLiteral("A")},
        {"Best]\n[ellung", "Bez", QStringLiteral("A")},
    };
    for (const auto& F : Faelle) {
        TIniDatei Ini;
        Ini.Text_Schreiben(QString::fromUtf8(F.Abschnitt), QString::fromUtf8(F.Schluessel), F.Wert);
        try {
            (void)Ini.Bytes();
            ADD_FAILURE() << F.Schluessel;
        } catch (const EKonvertierungsfehler& E) {
            const bool Abschnitt_Falsch = QString::fromUtf8(F.Abschnitt).contains(QLatin1Char('\n'));
            const char* Genannt = Abschnitt_Falsch ? F.Abschnitt : F.Schluessel;
            EXPECT_TRUE(E.Meldung().contains(QString::fromUtf8(Genannt))) << qPrintable(E.Meldung());
            EXPECT_TRUE(E.Meldung().contains(QStringLiteral("Steuerzeichen"))) << qPrintable(E.Meldung());
        }
    }
    TIniDatei Tab;
    Tab.Text_Schreiben(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("a\tb"));
    EXPECT_EQ(Tab.Bytes(), QByteArray("[A]\r\nk=a\tb\r\n\r\n"));
}

TEST(TIniDateiLesen, GrenzenNennenDenGespeichertenText)
{
    const TIniDatei Ini = Gelesen("[A]\r\nn=-0x1\r\nr=1000\r\nu=1E308\r\ni=inf\r\nm=-1e999\r\nleer=\r\ngut=2,5\r\n", QLatin1Char('.'));
    const auto Meldung = [&](auto Lesen) -> QString {
        try {
            Lesen();
        } catch (const ELadefehler& F) {
            return F.Wert();
        }
        return QStringLiteral("kein Fehler");
    };
    EXPECT_EQ(Meldung([&] { (void)Ini.Ganzzahl_Lesen(QStringLiteral("A"), QStringLiteral("n"), 0, 0, 10); }), QStringLiteral("-0x1"));
    EXPECT_EQ(Meldung([&] { (void)Ini.Ganzzahl_Lesen(QStringLiteral("A"), QStringLiteral("r"), 0, -100, 100); }), QStringLiteral("1000"));
    for (const char* K : {"u", "i", "m"})
        EXPECT_EQ(Meldung([&] { (void)Ini.Zahl_Lesen(QStringLiteral("A"), QLatin1String(K), 0, -1e7L, 1e7L); }),
                  Ini.Text_Lesen(QStringLiteral("A"), QLatin1String(K), {}));
    // An empty value keeps the default, a value within the bounds is taken.
    EXPECT_EQ(Ini.Zahl_Lesen(QStringLiteral("A"), QStringLiteral("leer"), 7, -1e7L, 1e7L), 7);
    EXPECT_EQ(Ini.Zahl_Lesen(QStringLiteral("A"), QStringLiteral("gut"), 7, -1e7L, 1e7L), 2.5L);
    EXPECT_EQ(Ini.Ganzzahl_Lesen(QStringLiteral("A"), QStringLiteral("fehlt"), -5, 0, 10), -5);
}

TEST(TIniDateiLesen, TexteDieDerSchreiberAbweistSindSchaden)
{
    // The file's bytes of a value: what the writer refuses, reading refuses
    // too, naming section, key and the character; a tab is kept.
    struct Fall
    {
        QByteArray Wert;
        const char* Grund;
    };
    const Fall Faelle[] = {
        {"a\x01" "b", "Steuerzeichen U+0001"}, {"0351\x1b[2J", "Steuerzeichen U+001B"}, {"a\rb", "Steuerzeichen U+000D"},
        {"a\x7f", "Steuerzeichen U+007F"},     {"a\x81", "Steuerzeichen U+0081"},     // a gap of the code page
        {"a\tb", nullptr}, {"\x80 \x85", nullptr},
    };
    for (const Fall& F : Faelle) {
        const TIniDatei Ini = Gelesen("[B]\r\nk=" + F.Wert + "\r\n");
        const auto Meldung = Ladefehler([&] { (void)Ini.Text_Lesen(QStringLiteral("B"), QStringLiteral("k"), QString()); });
        if (!F.Grund) {
            EXPECT_FALSE(Meldung) << qPrintable(*Meldung);
            continue;
        }
        ASSERT_TRUE(Meldung) << F.Wert.toHex().constData();
        EXPECT_TRUE(Meldung->startsWith(QStringLiteral("Abschnitt [B], Schlüssel \"k\": Der Wert enthält das ")))
            << qPrintable(*Meldung);
        EXPECT_TRUE(Meldung->contains(QLatin1String(F.Grund))) << qPrintable(*Meldung);
    }
}

TEST(TIniDateiLesen, Utf8OderWindows1252)
{
    // UTF-8 with a byte-order mark, or whenever every high byte is part of a
    // well-formed sequence and none is a C1 control; else Windows-1252.
    const std::pair<QByteArray, QString> Faelle[] = {
        {"J\xC3\xB6rg Wei\xC3\x9F \xE2\x82\xAC", QStringLiteral("Jörg Weiß €")},
        {"\xEF\xBB\xBF[B]\r\nk=\xC3\xA4", QStringLiteral("ä")},
        {"\xEF\xBB\xBF[B]\r\nk=a", QStringLiteral("a")},
        {"Mu\xCC\x88ller", QStringLiteral("Müller")}, // composed, as Windows-1252 holds it
        {"J\xF6rg \xC3\xB6", QStringLiteral("Jörg Ã¶")}, // one byte that only Windows-1252 explains
        {"\xC3\x80\xC2\x80", QStringLiteral("Ã€Â€")},       // U+0080 is a C1 control: "Â€" in Windows-1252
        {"\xC0\xAF", QStringLiteral("À¯")},                    // an overlong form is no UTF-8
        {"\xED\xA0\x80", QStringLiteral("í\u00A0€")},         // nor is a surrogate
        {"\xE2\x82", QStringLiteral("â‚")},                    // nor a sequence cut short
    };
    for (const auto& [Bytes, Text] : Faelle) {
        const QByteArray Datei = Bytes.startsWith("\xEF\xBB\xBF") ? Bytes : "[B]\r\nk=" + Bytes;
        EXPECT_EQ(Gelesen(Datei).Text_Lesen(QStringLiteral("B"), QStringLiteral("k"), QString()), Text)
            << Bytes.toHex().constData();
    }
    // What the writer writes reads back as it was, and only a text that would
    // read as UTF-8 gets the closing comment that keeps it Windows-1252.
    for (const QString& Wert : {QStringLiteral("Jörg"), QStringLiteral("Ã¶"), QStringLiteral("a")}) {
        TIniDatei Ini;
        Ini.Text_Schreiben(QStringLiteral("B"), QStringLiteral("k"), Wert);
        const QByteArray Bytes = Ini.Bytes();
        EXPECT_EQ(Gelesen(Bytes).Text_Lesen(QStringLiteral("B"), QStringLiteral("k"), QString()), Wert);
        EXPECT_EQ(Bytes.contains(';'), Wert == QStringLiteral("Ã¶")) << Bytes.constData();
    }
    // A character that Windows-1252 lacks is named, and the file is not taken.
    const auto Meldung = Ladefehler([] {
        (void)Gelesen("[B]\r\nk=Fenster \xE6\xBC\xA2\r\n").Text_Lesen(QStringLiteral("B"), QStringLiteral("k"), QString());
    });
    EXPECT_EQ(Meldung, QStringLiteral("Abschnitt [B], Schlüssel \"k\": Der Wert enthält das Zeichen „漢“ (U+6F22), das "
                                      "nicht gespeichert werden kann."));
}
