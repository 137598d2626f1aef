#include "sheet/THtmlDatei.h"

#include "order/TBestellung.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringDecoder>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

QString Blatt(const TBestellung& B)
{
    THtmlDatei Html;
    return Html.Html_Erzeugen(B);
}

QString Nbsp(int Anzahl)
{
    return QStringLiteral("&nbsp;").repeated(Anzahl);
}

// The text between the first Anfang and the next Ende after it.
QString Zwischen(const QString& Text, const QString& Anfang, const QString& Ende)
{
    const qsizetype a = Text.indexOf(Anfang);
    if (a < 0)
        return QStringLiteral("<%1 fehlt>").arg(Anfang);
    const qsizetype b = Text.indexOf(Ende, a + Anfang.size());
    if (b < 0)
        return QStringLiteral("<%1 fehlt>").arg(Ende);
    return Text.mid(a + Anfang.size(), b - a - Anfang.size());
}

template <class T>
T& Anfuegen(TBestellung& B, std::uint32_t Typ, const QString& Vorlage = {})
{
    B.Position_Anfuegen(Typ, Vorlage);
    T* Objekt = B.Eintrag(B.Anzahl_Positionen() - 1).Als<T>();
    EXPECT_NE(Objekt, nullptr);
    return *Objekt;
}

// A new window: 1000 x 2000, metre price 66, 6,0 running metres, unit price 396.
TPosition& Fenster(TBestellung& B)
{
    return Anfuegen<TPosition>(B, Positionstyp::Fenster);
}

const QString Unterstrich = QStringLiteral("<span style=\"text-decoration: underline;\">");
const QString Grau = QStringLiteral("<tr style=\"background: #EEEEEE;\">");
const QString Summenzeile = QStringLiteral("<tr style=\"font-weight: bold; font-size: 10pt;\">");

} // namespace

// ------------------------------------------------------------------ frame

TEST(THtmlDatei_Aufbau, BeginntMitKopfUndEndetMitDokumentende)
{
    TBestellung B;
    Fenster(B);
    const QString Html = Blatt(B);

    EXPECT_TRUE(Html.startsWith(QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"\"http://www.w3.org/TR/html4/strict.dtd\">"
        "<html><head><title>Bestellblatt</title><!-- - Talvern Fenster GmbH</title> -->"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">"
        "<style type=\"text/css\"><!--body{width: 14.5cm;")));
    EXPECT_TRUE(Html.contains(QStringLiteral(
        "table.positionen td.left{text-align: left;}table.fuss{width: 14.5cm;font-size: 6pt;}"
        "--></style></head><body><table border=\"0\"><!--<h1>")));
    // The maker's header block stays a comment up to the sender table.
    EXPECT_TRUE(Html.contains(QStringLiteral("</table>--><tr><td></td><td><table border=\"0\" class=\"absender\">")));
    EXPECT_TRUE(Html.endsWith(QStringLiteral("</table></body></html>")));
}

TEST(THtmlDatei_Aufbau, BleibtEineZeileAuchMitZeilenumbruechenImAuftrag)
{
    TBestellung B;
    B.Bemerkungen = QStringLiteral("Zeile 1\r\nZeile 2");
    Anfuegen<TPosition_Freie>(B, Positionstyp::Freie).Text_Setzen(QStringLiteral("oben\nunten"));
    const QString Html = Blatt(B);

    EXPECT_FALSE(Html.contains(QLatin1Char('\n')));
    EXPECT_FALSE(Html.contains(QLatin1Char('\r')));
    EXPECT_TRUE(Html.contains(QStringLiteral(">Zeile 1<br>Zeile 2</td>")));
    EXPECT_TRUE(Html.contains(QStringLiteral(">oben<br>unten</td>")));
}

TEST(THtmlDatei_Maskierung, SteuerzeichenUndUndefinierteBytesErreichenDasBlattNie)
{
    // The text as a damaged or foreign order file brings it: NUL, ESC, the
    // undefined Windows-1252 byte 0x81, a tab, and a free text of two lines.
    const QString Roh = QStringDecoder("windows-1252").decode(QByteArray("A\0B\x1b[2JC\x81" "D\x7F\tE", 13));
    TBestellung B;
    B.Bemerkungen = Roh;
    Fenster(B).Bez = Roh;
    Anfuegen<TPosition_Freie>(B, Positionstyp::Freie).Text_Setzen(QStringLiteral("erste Zeile\r\nzweite Zeile"));
    THtmlDatei Html;
    QBuffer Puffer;
    ASSERT_TRUE(Puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(Html.Html_Schreiben(Puffer, B));
    const QByteArray Bytes = Puffer.data();

    for (int c = 0; c < 0x20; ++c)
        EXPECT_FALSE(Bytes.contains(char(c))) << c;
    for (int c = 0x7F; c < 0xA0; ++c)
        EXPECT_FALSE(Bytes.contains(char(c))) << c;
    EXPECT_TRUE(Bytes.contains(">AB[2JCD E</td>")) << Bytes.constData();
    EXPECT_TRUE(Bytes.contains("<td>AB[2JCD E</td>"));
    EXPECT_TRUE(Bytes.contains(">erste Zeile<br>zweite Zeile</td>"));
}

TEST(THtmlDatei_Aufbau, NachtextNurWennGewuenscht)
{
    TBestellung B;
    Fenster(B);
    const QString Fussende = QStringLiteral("</table>--></td><td></td></tr>");

    B.MitNachtext = false;
    const QString Ohne = Blatt(B);
    EXPECT_TRUE(Ohne.endsWith(Fussende + QStringLiteral("</table></body></html>")));
    EXPECT_FALSE(Ohne.contains(QStringLiteral("nachtext")));

    B.MitNachtext = true;
    const QString Mit = Blatt(B);
    EXPECT_TRUE(Mit.contains(Fussende + QStringLiteral("<tr><td>&nbsp;</td><td><div class=\"nachtext\"><p>Viriduradad IV 68 ")));
    EXPECT_TRUE(Mit.endsWith(QStringLiteral("Was soll besser werden?<br></div></td><td>&nbsp;</td></tr></table></body></html>")));
}

// ------------------------------------------------------------------ header fields

TEST(THtmlDatei_Kopffelder, WerdenMaskiertAufgefuelltUndUnterstrichen)
{
    struct TFall
    {
        const char* Name;
        std::function<void(TBestellung&)> Setzen;
        QString Erwartet;
    };
    const TFall Faelle[] = {
        {"leeres Telefon: acht Leerzeichen", [](TBestellung& B) { B.Telefon.clear(); },
         QStringLiteral("<td>Telefon: </td><td>") + Unterstrich + Nbsp(8) + QStringLiteral("</span></td></tr>")},
        {"Datum mit zehn Zeichen: keine", [](TBestellung& B) { B.Datum = QStringLiteral("2024-05-17"); },
         QStringLiteral("<td>Datum: ") + Unterstrich + QStringLiteral("2024-05-17</span></td>")},
        {"langes Datum: keine", [](TBestellung& B) { B.Datum = QStringLiteral("17. Mai 2024"); },
         QStringLiteral("<td>Datum: ") + Unterstrich + QStringLiteral("17. Mai 2024</span></td>")},
        {"kurzes Datum", [](TBestellung& B) { B.Datum = QStringLiteral("1.5.24"); },
         QStringLiteral("<td>Datum: ") + Unterstrich + QStringLiteral("1.5.24") + Nbsp(4) + QStringLiteral("</span></td>")},
        {"Ansprechpartner: gezählt wird vor dem Maskieren",
         [](TBestellung& B) { B.Ansprechpartner = QStringLiteral("Ö&<"); },
         QStringLiteral("<td>Ansprechpartner: </td><td>") + Unterstrich + QStringLiteral("Ö&amp;&lt;") + Nbsp(11)
             + QStringLiteral("</span></td>")},
        {"Rechnungsempfänger", [](TBestellung& B) { B.Rechnungsempfaenger = QStringLiteral("Müller"); },
         QStringLiteral("<td>Rechnungsempfänger: </td><td colspan=\"4\">") + Unterstrich + QStringLiteral("Müller")
             + Nbsp(44) + QStringLiteral("</span></td></tr>")},
        {"Bauvorhaben mit Anführungszeichen",
         [](TBestellung& B) { B.Bauvorhaben = QStringLiteral("\"Am Hang\"") + QString(41, QLatin1Char('x')); },
         QStringLiteral("<td>Bauvorhaben: </td><td colspan=\"4\">") + Unterstrich + QStringLiteral("&quot;Am Hang&quot;")
             + QString(41, QLatin1Char('x')) + QStringLiteral("</span></td></tr>")},
        {"Bemerkungen: maskiert, nicht aufgefüllt", [](TBestellung& B) { B.Bemerkungen = QStringLiteral("<i>x</i>"); },
         QStringLiteral("<td>Bemerkungen: </td><td colspan=\"4\">&lt;i&gt;x&lt;/i&gt;</td></tr></table></td><td></td></tr>")},
    };
    for (const TFall& Fall : Faelle) {
        SCOPED_TRACE(Fall.Name);
        TBestellung B;
        Fenster(B);
        Fall.Setzen(B);
        EXPECT_TRUE(Blatt(B).contains(Fall.Erwartet)) << Fall.Erwartet.toStdString();
    }
}

// ------------------------------------------------------------------ positions

TEST(THtmlDatei_Positionen, NummerierungUeberspringtTyp8UndSchattiertAbwechselnd)
{
    TBestellung B;
    Fenster(B);
    B.Position_Anfuegen(Positionstyp::Zulage2);
    Fenster(B);
    B.Position_Anfuegen(Positionstyp::Zulage2);
    B.Position_Anfuegen(Positionstyp::Freie);
    const QString Html = Blatt(B);

    EXPECT_FALSE(Html.contains(QStringLiteral("(Typ 8)")));
    EXPECT_FALSE(Html.contains(QStringLiteral("<!-- Position 4")));

    const QString Erster = Zwischen(Html, QStringLiteral("<!-- Position 1 (Typ 1) Anfang -->"),
                                    QStringLiteral("<!-- Position 1 (Typ 1) Ende -->"));
    EXPECT_TRUE(Erster.startsWith(QStringLiteral("<tr><td>1</td>")));
    EXPECT_EQ(Erster.count(QStringLiteral("<tr>")), 2);
    EXPECT_FALSE(Erster.contains(QStringLiteral("#EEEEEE")));

    const QString Zweiter = Zwischen(Html, QStringLiteral("<!-- Position 2 (Typ 1) Anfang -->"),
                                     QStringLiteral("<!-- Position 2 (Typ 1) Ende -->"));
    EXPECT_TRUE(Zweiter.startsWith(Grau + QStringLiteral("<td>2</td>")));
    EXPECT_EQ(Zweiter.count(Grau), 2);
    EXPECT_FALSE(Zweiter.contains(QStringLiteral("<tr>")));

    const QString Dritter = Zwischen(Html, QStringLiteral("<!-- Position 3 (Typ 4) Anfang -->"),
                                     QStringLiteral("<!-- Position 3 (Typ 4) Ende -->"));
    EXPECT_TRUE(Dritter.startsWith(QStringLiteral("<tr><td>3</td>")));
    EXPECT_EQ(Dritter.count(QStringLiteral("<tr")), 1);
}

TEST(THtmlDatei_Positionen, FensterZeigtMasseUndPreiseUndDarunterDieBeschreibung)
{
    TBestellung B;
    TPosition& P = Fenster(B);
    P.Bez = QStringLiteral("Küche");
    P.Abmessungen.Anzahl_Setzen(3);
    P.Abmessungen.Drehrichtung = QStringLiteral("DK rechts");
    const QString Html = Blatt(B);

    EXPECT_TRUE(Html.contains(QStringLiteral(
        "<tr><td>1</td><td>Küche</td><td>3</td><td>1000</td><td>2000</td><td>0</td><td>1</td><td>DK rechts</td>"
        "<td>6,0</td><td>66,00</td><td>0,00</td><td colspan=\"2\">396,00</td>"
        "<td colspan=\"2\"><span style=\"font-weight: bold;\">1188,00</span></td></tr>")));
    EXPECT_TRUE(Html.contains(QStringLiteral("<tr><td></td><td></td><td></td><td class=\"left\" colspan=\"8\">")
                              + P.Beschreibung()
                              + QStringLiteral("</td><td colspan=\"2\">&nbsp;</td><td colspan=\"2\">&nbsp;</td></tr>")));
    EXPECT_TRUE(P.Beschreibung().startsWith(QStringLiteral("1 Flügel/Fester Flügel; ")));
}

TEST(THtmlDatei_Positionen, EinzeiligeArtenZeigenBezeichnungAnzahlBeschreibungUndPreise)
{
    struct TFall
    {
        std::uint32_t Typ;
        std::function<void(TBestellung&)> Anlegen;
        QString Zeile; // after the position number, to the end of the row
    };
    const auto Preise = [](const char* Einzeln, const char* Gesamt) {
        return QStringLiteral("<td colspan=\"2\">%1</td><td colspan=\"2\"><span style=\"font-weight: bold;\">%2</span></td></tr>")
            .arg(QLatin1String(Einzeln), QLatin1String(Gesamt));
    };
    const auto Links = [](const QString& Text) {
        return QStringLiteral("<td class=\"left\" colspan=\"8\">") + Text + QStringLiteral("</td>");
    };
    const TFall Faelle[] = {
        {Positionstyp::Sonderfarbe,
         [](TBestellung& B) {
             auto& S = Anfuegen<TPosition_Sonderfarbe>(B, Positionstyp::Sonderfarbe);
             S.Bez = QStringLiteral("nicht gezeigt");
             S.Sonderfarbe = QStringLiteral("Rot & Blau");
         },
         QStringLiteral("<td>&nbsp;</td><td>1</td>") + Links(QStringLiteral("Sonderfarbe: Rot &amp; Blau"))
             + Preise("204,00", "204,00")},
        {Positionstyp::Freie,
         [](TBestellung& B) {
             auto& F = Anfuegen<TPosition_Freie>(B, Positionstyp::Freie);
             F.Bez = QStringLiteral("A<B");
             F.Stueckpreis = 12.5L;
             F.Anzahl = 2;
             F.Text_Setzen(QStringLiteral("Zuschnitt"));
         },
         QStringLiteral("<td>A&lt;B</td><td>2</td>") + Links(QStringLiteral("Zuschnitt")) + Preise("12,50", "25,00")},
        {Positionstyp::Lieferung,
         [](TBestellung& B) {
             auto& L = Anfuegen<TPosition_Lieferung>(B, Positionstyp::Lieferung);
             L.Bez = QStringLiteral("LKW");
             L.ItemIndex_Setzen(1);
         },
         QStringLiteral("<td>LKW</td><td>1</td>") + Links(QStringLiteral("Lieferung bundesweit"))
             + Preise("470,00", "470,00")},
        {Positionstyp::Zulage1,
         [](TBestellung& B) { Anfuegen<TPosition_Zulage1>(B, Positionstyp::Zulage1).Anzahl = 2; },
         QStringLiteral("<td></td><td>2</td>")
             + Links(QStringLiteral("Jetzt im Angebot: Aidol-Induline Pflegebalsam zum Aktionspreis von 19,99 Euro. "
                                    "Zu empfehlen: 2x im Jahr außen auftragen. Fenster pflegen anstatt streichen!"))
             + Preise("19,99", "39,98")},
        {Positionstyp::Freie_Zulage_Umlfm,
         [](TBestellung& B) {
             Anfuegen<TPosition_Freie_Zulage_Umlfm>(B, Positionstyp::Freie_Zulage_Umlfm, QStringLiteral("Meranti"))
                 .Anzahl = 2;
         },
         // 15,00 per running metre of all windows: 6,0 m.
         QStringLiteral("<td></td><td>2</td>") + Links(QStringLiteral("Meranti (15,00 EUR/umlfm)"))
             + Preise("90,00", "180,00")},
        {Positionstyp::Freie_Zulage_Fenster,
         [](TBestellung& B) {
             Anfuegen<TPosition_Freie_Zulage_Fenster>(B, Positionstyp::Freie_Zulage_Fenster,
                                                      QStringLiteral("Ohne Fensterflügel"))
                 .Umlfm = 3.5L;
         },
         QStringLiteral("<td></td><td>1</td>")
             + Links(QStringLiteral("Ohne Fensterflügel bei Fensterkombinationen Fest im Rahmen mit DK oder Dreh oder "
                                    "FF (-11,00 EUR/Umlfm x 3,50 Umlfm)"))
             + Preise("-38,50", "-38,50")},
    };
    for (const TFall& Fall : Faelle) {
        SCOPED_TRACE(Fall.Typ);
        TBestellung B;
        Fenster(B);
        Fall.Anlegen(B);
        const QString Block = Zwischen(Blatt(B), QStringLiteral("<!-- Position 2 (Typ %1) Anfang -->").arg(Fall.Typ),
                                       QStringLiteral("<!-- Position 2 (Typ %1) Ende -->").arg(Fall.Typ));
        EXPECT_EQ(Block, Grau + QStringLiteral("<td>2</td>") + Fall.Zeile);
    }
}

TEST(THtmlDatei_Positionen, LieferungKostetBeiderseitsDenPreisZumWarenwert)
{
    const QString Frei = QStringLiteral(
        "Lieferung in Sachsen</td><td colspan=\"2\">0,00</td><td colspan=\"2\"><span style=\"font-weight: bold;\">0,00</span>");
    const QString Pauschal = QStringLiteral(
        "Lieferung in Sachsen</td><td colspan=\"2\">220,00</td><td colspan=\"2\"><span style=\"font-weight: bold;\">220,00</span>");

    TBestellung B;
    Fenster(B).Abmessungen.Anzahl_Setzen(11); // 4356,00 of goods: delivery is free
    B.Position_Anfuegen(Positionstyp::Lieferung);
    EXPECT_TRUE(Blatt(B).contains(Frei));

    // The goods total after discounts decides, not the sum before them.
    B.Rabatt = 10;
    const QString Html = Blatt(B);
    EXPECT_TRUE(Html.contains(Pauschal));
    EXPECT_TRUE(Html.contains(QStringLiteral("Zwischensumme: </th><td colspan=\"2\">4576,00</td>")));
}

// ------------------------------------------------------------------ totals

TEST(THtmlDatei_Summen, RabattzeilenNurWennNichtNullMitUmgekehrtemVorzeichen)
{
    const auto Zeile = [](const char* Kopf, const char* Betrag) {
        return QStringLiteral("<tr><td colspan=\"11\"></td><th colspan=\"2\" style=\"font-weight: normal;\">%1</th>"
                              "<td colspan=\"2\" style=\"font-weight: bold;\">%2</td></tr>")
            .arg(QString::fromUtf8(Kopf), QLatin1String(Betrag));
    };
    const auto Objektzeile = [](const char* Kopf, const char* Betrag) {
        return QStringLiteral("<tr><td colspan=\"11\"></td><th colspan=\"2\" style=\"font-weight: normal;\">%1</th>"
                              "<td>&nbsp;</td><td style=\"font-weight: bold;\">%2</td></tr>")
            .arg(QLatin1String(Kopf), QLatin1String(Betrag));
    };
    struct TFall
    {
        const char* Code;
        int Auswahl, Rabatt, Objekt;
        QString Zeilen;
        const char* Summe;
    };
    // One new window: 396,00 of discountable goods.
    const TFall Faelle[] = {
        {"", 0, 0, 0, QString(), "396,00"},
        {"TGF", 10, 0, 0, Zeile("TGF -10%: ", "-39,60"), "356,40"},
        {"RSG", -15, 0, 0, Zeile("RSG 15%: ", "59,40"), "455,40"},
        {"", 0, 5, 0, Zeile("Rabatt -5%: ", "-19,80"), "376,20"},
        {"", 0, 0, 3, Objektzeile("Objektrabatt -3%: ", "-11,88"), "384,12"},
        {"<&>", 10, 5, 3,
         Zeile("&lt;&amp;&gt; -10%: ", "-39,60") + Zeile("Rabatt -5%: ", "-17,82")
             + Objektzeile("Objektrabatt -3%: ", "-10,16"),
         "328,42"},
    };
    for (const TFall& Fall : Faelle) {
        SCOPED_TRACE(Fall.Code);
        SCOPED_TRACE(Fall.Auswahl * 10000 + Fall.Rabatt * 100 + Fall.Objekt);
        TBestellung B;
        Fenster(B);
        B.RabattAuswahlText = QString::fromUtf8(Fall.Code);
        B.RabattAuswahl = Fall.Auswahl;
        B.Rabatt = Fall.Rabatt;
        B.RabattObjekt = Fall.Objekt;
        const QString Html = Blatt(B);
        EXPECT_EQ(Zwischen(Html, QStringLiteral("Zwischensumme: </th><td colspan=\"2\">396,00</td></tr>"), Summenzeile),
                  Fall.Zeilen);
        EXPECT_TRUE(Html.contains(Summenzeile + QStringLiteral("<td colspan=\"11\"></td><th colspan=\"2\">Summe: </th>"
                                                               "<td colspan=\"2\">%1</td></tr></table></td><td></td></tr>")
                                                    .arg(QLatin1String(Fall.Summe))));
    }
}

// Off, the sheet is the one of old to the byte; on, the tax and the gross sum follow "Summe".
TEST(THtmlDatei_Summen, UmsatzsteuerNurWennEingeschaltetNachDerSumme)
{
    TBestellung B;
    Fenster(B);
    const QString Ohne = Blatt(B);
    THtmlDatei Mit;
    Mit.Umsatzsteuer_Setzen(TUmsatzsteuer{1900});
    const QString Summe = QStringLiteral("<th colspan=\"2\">Summe: </th><td colspan=\"2\">396,00</td></tr>");
    const QString Steuerzeilen =
        QStringLiteral("<tr><td colspan=\"11\"></td><th colspan=\"2\" style=\"font-weight: normal;\">zzgl. USt. 19 %: "
                       "</th><td colspan=\"2\">75,24</td></tr>")
        + Summenzeile
        + QStringLiteral("<td colspan=\"11\"></td><th colspan=\"2\">Summe brutto: </th><td colspan=\"2\">471,24</td></tr>");
    ASSERT_EQ(Ohne.count(Summe), 1);
    EXPECT_EQ(Mit.Html_Erzeugen(B), QString(Ohne).replace(Summe, Summe + Steuerzeilen));
    THtmlDatei Aus;
    Aus.Umsatzsteuer_Setzen(std::nullopt);
    EXPECT_EQ(Aus.Html_Erzeugen(B), Ohne);
}

// ------------------------------------------------------------------ escaping

TEST(THtmlDatei_Maskierung, TexteDesAuftragsErscheinenAlsText)
{
    TBestellung B;
    TPosition& P = Fenster(B);
    P.Bez = QStringLiteral("<b>");
    P.Abmessungen.Drehrichtung = QStringLiteral("L&R");
    P.Lagen.Text = QStringLiteral("<Dach>");
    P.Zierprofile.ItemIndex_Setzen(1, 1);
    P.Zierprofile.Anschlag = QStringLiteral("\"innen\"");
    const QString Html = Blatt(B);

    EXPECT_TRUE(Html.contains(QStringLiteral("<tr><td>1</td><td>&lt;b&gt;</td>")));
    EXPECT_TRUE(Html.contains(QStringLiteral("<td>L&amp;R</td>")));
    EXPECT_TRUE(Html.contains(QStringLiteral("Lage: &lt;Dach&gt;; ")));
    EXPECT_TRUE(Html.contains(QStringLiteral("(&quot;innen&quot;)")));
    EXPECT_FALSE(Html.contains(QStringLiteral("<b>")));
    EXPECT_FALSE(Html.contains(QStringLiteral("<Dach>")));
    EXPECT_FALSE(Html.contains(QStringLiteral("L&R")));

    // The sheet's own entities and tags stay as they are.
    EXPECT_TRUE(Html.contains(QStringLiteral("<th colspan=\"2\">Gesamtpreis &euro;</th>")));
    EXPECT_FALSE(Html.contains(QStringLiteral("&amp;euro;")));
    EXPECT_FALSE(Html.contains(QStringLiteral("&amp;nbsp;")));
    EXPECT_FALSE(Html.contains(QStringLiteral("&lt;td")));
}

// ------------------------------------------------------------------ writing

TEST(THtmlDatei_Schreiben, Latin1MitZeichenreferenzenFuerDenRest)
{
    TBestellung B;
    Fenster(B).Bez = QStringLiteral("5 € ") + QString::fromUcs4(U"\U0001F600");
    THtmlDatei Html;
    QBuffer Puffer;
    ASSERT_TRUE(Puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(Html.Html_Schreiben(Puffer, B));
    const QByteArray Bytes = Puffer.data();

    EXPECT_TRUE(Bytes.contains("<td>5 &#8364; &#128512;</td>"));
    EXPECT_TRUE(Bytes.contains("<th>St\xFC" "ck</th>"));
    EXPECT_FALSE(Bytes.contains("\xC3\xBC")); // no UTF-8
    EXPECT_TRUE(Bytes.endsWith("</table></body></html>"));
}

TEST(THtmlDatei_Schreiben, EinzelneSurrogateWerdenErsatzzeichen)
{
    // A half of a surrogate pair names no character: it shows as U+FFFD,
    // however the characters around it are split into runs.
    struct TFall
    {
        QString Bez;
        QByteArray Zelle;
    };
    const QChar Hoch(char16_t(0xD83D));
    const QChar Tief(char16_t(0xDE00));
    const TFall Faelle[] = {
        {QStringLiteral("a") + Hoch + QStringLiteral("b"), "<td>a&#65533;b</td>"},
        {Tief + QStringLiteral("\u00FC"), "<td>&#65533;\xFC</td>"},
        {QStringLiteral("x") + Hoch, "<td>x&#65533;</td>"},
        {QString(Hoch) + Hoch + Tief + Tief, "<td>&#65533;&#128512;&#65533;</td>"},
        {QStringLiteral("\u0100\u00FF"), "<td>&#256;\xFF</td>"},
    };
    for (const TFall& Fall : Faelle) {
        TBestellung B;
        Fenster(B).Bez = Fall.Bez;
        THtmlDatei Html;
        QBuffer Puffer;
        ASSERT_TRUE(Puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(Html.Html_Schreiben(Puffer, B));
        const QByteArray Bytes = Puffer.data();
        EXPECT_TRUE(Bytes.contains(Fall.Zelle)) << Fall.Zelle.constData();
        EXPECT_TRUE(Bytes.startsWith("<!DOCTYPE HTML PUBLIC"));
        EXPECT_TRUE(Bytes.endsWith("</table></body></html>"));
    }
}

TEST(THtmlDatei_Speichern, ErsetztDieDateiGanzMitDenBytesDesBlatts)
{
    QTemporaryDir Ordner;
    ASSERT_TRUE(Ordner.isValid());
    const QString Pfad = Ordner.filePath(QStringLiteral("blatt.htm"));
    {
        QFile Alt(Pfad);
        ASSERT_TRUE(Alt.open(QIODevice::WriteOnly));
        Alt.write(QByteArray(100000, 'x'));
    }
    TBestellung B;
    Fenster(B);

    THtmlDatei Html;
    ASSERT_TRUE(Html.Html_Speichern(Pfad, B));
    EXPECT_EQ(Html.Pfad(), Pfad);
    EXPECT_TRUE(Html.Fehlertext().isEmpty());

    QBuffer Puffer;
    ASSERT_TRUE(Puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(THtmlDatei().Html_Schreiben(Puffer, B));
    QFile Neu(Pfad);
    ASSERT_TRUE(Neu.open(QIODevice::ReadOnly));
    EXPECT_EQ(Neu.readAll(), Puffer.data());
}

TEST(THtmlDatei_Speichern, UnschreibbarerPfadGibtFalse)
{
    QTemporaryDir Ordner;
    ASSERT_TRUE(Ordner.isValid());
    const QString Pfad = Ordner.filePath(QStringLiteral("gibtsnicht/blatt.htm"));
    TBestellung B;
    Fenster(B);

    THtmlDatei Html;
    EXPECT_FALSE(Html.Html_Speichern(Pfad, B));
    EXPECT_FALSE(Html.Fehlertext().isEmpty());
    EXPECT_FALSE(QFile::exists(Pfad));
}

TEST(THtmlDatei_Speichern, AbgebrochenesSchreibenLaesstDieAlteDateiStehen)
{
    QTemporaryDir Ordner;
    ASSERT_TRUE(Ordner.isValid());
    const QString Pfad = Ordner.filePath(QStringLiteral("blatt.htm"));
    const QByteArray Alt = "alter Inhalt";
    {
        QFile Datei(Pfad);
        ASSERT_TRUE(Datei.open(QIODevice::WriteOnly));
        Datei.write(Alt);
    }
    TBestellung B;
    Fenster(B);

    // A file-size limit makes the disk refuse the sheet halfway, even for root.
    rlimit Vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Vorher), 0);
    rlimit Eng = Vorher;
    Eng.rlim_cur = 1024;
    const auto Signal_Vorher = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Eng), 0);
    THtmlDatei Html;
    const bool Ergebnis = Html.Html_Speichern(Pfad, B);
    setrlimit(RLIMIT_FSIZE, &Vorher);
    std::signal(SIGXFSZ, Signal_Vorher);

    EXPECT_FALSE(Ergebnis);
    EXPECT_FALSE(Html.Fehlertext().isEmpty());
    QFile Datei(Pfad);
    ASSERT_TRUE(Datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(Datei.readAll(), Alt);
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("blatt.htm")});
}
