#include "print/TDruckblatt.h"

#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "positions/TPosition_Freie.h"
#include "sheet/THtmlDatei.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextItem>

#include <algorithm>
#include <csignal>
#include <optional>
#include <map>
#include <optional>
#include <sys/resource.h>

namespace {

// The text pdftotext finds in a PDF; Modus "-layout" keeps the page's layout,
// "-raw" the order in which the text was drawn. Pages end with a form feed.
QString Pdftext(const QByteArray& Pdf, const char* Modus = "-layout")
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("blatt.pdf"));
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(Pdf) != Pdf.size())
        return {};
    Datei.close();
    QProcess Prozess;
    Prozess.start(QStringLiteral("pdftotext"), {QLatin1String(Modus), QStringLiteral("-enc"), QStringLiteral("UTF-8"), Pfad,
                                                QStringLiteral("-")});
    if (!Prozess.waitForFinished(60000) || Prozess.exitCode() != 0)
        return {};
    return QString::fromUtf8(Prozess.readAllStandardOutput());
}

bool Pdftotext_Vorhanden()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

#define PDFTOTEXT_NOETIG()                                                                                           \
    do {                                                                                                             \
        if (!Pdftotext_Vorhanden())                                                                                  \
            GTEST_SKIP() << "pdftotext (poppler-utils) fehlt";                                                       \
    } while (false)

QStringList Seiten(const QString& Text)
{
    QStringList S = Text.split(QChar(u'\f'));
    if (!S.isEmpty() && S.back().trimmed().isEmpty())
        S.removeLast();
    return S;
}

QStringList Woerter(const QString& Text)
{
    return Text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// What a browser shows of the HTML sheet: no comments, no markup, entities resolved.
QString Sichtbarer_Text(const QString& Html)
{
    QString T = Html.mid(Html.indexOf(QStringLiteral("<body>")));
    T.remove(QRegularExpression(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption));
    T.remove(QRegularExpression(QStringLiteral("</?span[^>]*>")));
    T.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    T.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    T.replace(QStringLiteral("&euro;"), QStringLiteral("€"));
    T.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    T.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    T.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    const QRegularExpression Referenz(QStringLiteral("&#(\\d+);"));
    for (auto Treffer = Referenz.match(T); Treffer.hasMatch(); Treffer = Referenz.match(T))
        T.replace(Treffer.capturedStart(), Treffer.capturedLength(), QChar(Treffer.captured(1).toInt()));
    T.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return T;
}

TBestellung Laden(const QString& Name)
{
    TBestellung B;
    const auto Ergebnis = Bestelldatei::Bestellung_Laden(QStringLiteral(QUADROLIS_TESTDATEN "/") + Name, B);
    EXPECT_TRUE(Ergebnis) << Ergebnis.Fehlertext.toStdString();
    return B;
}

// Windows labelled F-001, F-002, ... with varying sizes, and free positions between.
TBestellung Grosse_Bestellung(int Anzahl, bool MitNachtext = false)
{
    TBestellung B;
    B.Datum = QStringLiteral("2026-12-08");
    B.Bauvorhaben = QStringLiteral("Neubau Süd");
    B.MitNachtext = MitNachtext;
    for (int i = 0; i < Anzahl; ++i) {
        if (i % 5 == 4) {
            B.Position_Anfuegen(Positionstyp::Freie);
            continue;
        }
        B.Position_Anfuegen(Positionstyp::Fenster);
        auto* F = B.Eintrag(i).Als<TPosition>();
        F->Abmessungen.Fenstertyp_Setzen(i % 10);
        F->Abmessungen.Breite_Setzen(800 + 7 * i);
        F->Bez = QStringLiteral("F-%1").arg(i + 1, 3, 10, QLatin1Char('0'));
    }
    return B;
}

std::map<QString, int> Haeufigkeit(const QStringList& Liste)
{
    std::map<QString, int> H;
    for (const QString& W : Liste)
        ++H[W];
    return H;
}

// Every word the HTML sheet shows appears in the PDF in the same order when
// read in drawing order; a word too long for a narrow cell even in a smaller
// size is drawn as consecutive pieces, hyphenated where it breaks at a syllable. Every figure also stands whole in the page layout.
void Vergleichen_Mit_Html(const TBestellung& B, std::optional<TUmsatzsteuer> Steuer = std::nullopt)
{
    THtmlDatei Html;
    Html.Umsatzsteuer_Setzen(Steuer);
    const QStringList Erwartet = Woerter(Sichtbarer_Text(Html.Html_Erzeugen(B)));
    ASSERT_GT(Erwartet.size(), 100);
    const QByteArray Pdf = TDruckblatt(B, Steuer).Pdf();
    ASSERT_FALSE(Pdf.isEmpty());

    const QStringList Gezeichnet = Woerter(Pdftext(Pdf, "-raw"));
    qsizetype j = 0;
    for (const QString& Wort : Erwartet) {
        for (;; ++j) {
            ASSERT_LT(j, Gezeichnet.size()) << "fehlt oder steht nicht in der Reihenfolge des HTML-Blatts: "
                                            << Wort.toStdString();
            // The hyphen of a word broken at a syllable is not the word's.
            const auto Ohne_Trennstrich = [&Wort](QString Teil) {
                if (Teil.endsWith(u'-') && !Wort.startsWith(Teil))
                    Teil.chop(1);
                return Teil;
            };
            QString Stueck = Ohne_Trennstrich(Gezeichnet[j]);
            qsizetype k = j + 1;
            while (Stueck.size() < Wort.size() && Wort.startsWith(Stueck) && k < Gezeichnet.size())
                Stueck = Ohne_Trennstrich(Stueck + Gezeichnet[k++]);
            if (Stueck == Wort) {
                j = k;
                break;
            }
        }
    }

    const auto Im_Layout = Haeufigkeit(Woerter(Pdftext(Pdf)));
    const QRegularExpression Zahl(QStringLiteral("^-?\\d+([.,]\\d+)?$"));
    for (const auto& [Wort, Anzahl] : Haeufigkeit(Erwartet)) {
        if (!Zahl.match(Wort).hasMatch())
            continue;
        const auto Gefunden = Im_Layout.find(Wort);
        EXPECT_GE(Gefunden == Im_Layout.end() ? 0 : Gefunden->second, Anzahl) << Wort.toStdString();
    }
}

// A PDF writer that writes nothing: page by page it keeps the device
// rectangle of everything painted, so that a test sees where things lie.
class TSeitenaufzeichner : public QPdfWriter
{
public:
    struct TStueck
    {
        QRectF Feld;
        bool Linie;
    };

    TSeitenaufzeichner()
        : QPdfWriter(QString())
        , m_Maschine(*this)
    {
        setResolution(1200);
        setPageLayout(TDruckblatt::Seitenformat());
    }
    bool newPage() override
    {
        Seiten.emplace_back();
        return true;
    }

    std::vector<std::vector<TStueck>> Seiten{1};

protected:
    QPaintEngine* paintEngine() const override { return &m_Maschine; }

private:
    class TMaschine : public QPaintEngine
    {
    public:
        explicit TMaschine(TSeitenaufzeichner& Geraet)
            : QPaintEngine(AllFeatures)
            , m_Geraet(Geraet)
        {
        }
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& Zustand) override
        {
            if (Zustand.state() & DirtyTransform)
                m_Abbildung = Zustand.transform();
            if (Zustand.state() & DirtyClipPath)
                m_Schnitt = m_Abbildung.map(Zustand.clipPath()).boundingRect();
            if (Zustand.state() & DirtyClipRegion)
                m_Schnitt = m_Abbildung.map(Zustand.clipRegion()).boundingRect();
            if ((Zustand.state() & DirtyClipEnabled) && !Zustand.isClipEnabled())
                m_Schnitt.reset();
        }
        void drawPath(const QPainterPath& Pfad) override { Merken(Pfad.boundingRect(), false); }
        void drawPolygon(const QPointF* Punkte, int Anzahl, PolygonDrawMode) override
        {
            Merken(QPolygonF(QList<QPointF>(Punkte, Punkte + Anzahl)).boundingRect(), false);
        }
        void drawLines(const QLineF* Linien, int Anzahl) override
        {
            for (int i = 0; i < Anzahl; ++i)
                Merken(QRectF(Linien[i].p1(), Linien[i].p2()).normalized(), true);
        }
        void drawRects(const QRectF* Rechtecke, int Anzahl) override
        {
            for (int i = 0; i < Anzahl; ++i)
                Merken(Rechtecke[i], false);
        }
        void drawPixmap(const QRectF& Feld, const QPixmap&, const QRectF&) override { Merken(Feld, false); }
        void drawImage(const QRectF& Feld, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
        {
            Merken(Feld, false);
        }
        void drawTextItem(const QPointF& Punkt, const QTextItem& Text) override
        {
            Merken(QRectF(Punkt.x(), Punkt.y() - Text.ascent(), Text.width(), Text.ascent() + Text.descent()), false);
        }

    private:
        void Merken(const QRectF& Feld, bool Linie)
        {
            QRectF R = m_Abbildung.mapRect(Feld);
            if (m_Schnitt) {
                R = QRectF(QPointF(std::max(R.left(), m_Schnitt->left()), std::max(R.top(), m_Schnitt->top())),
                           QPointF(std::min(R.right(), m_Schnitt->right()), std::min(R.bottom(), m_Schnitt->bottom())));
                if (R.right() < R.left() || R.bottom() < R.top())
                    return;
            }
            m_Geraet.Seiten.back().push_back({R, Linie});
        }

        TSeitenaufzeichner& m_Geraet;
        QTransform m_Abbildung;
        std::optional<QRectF> m_Schnitt;
    };
    mutable TMaschine m_Maschine;
};

} // namespace

TEST(TDruckblatt_Inhalt, GoldeneBestellungenZeigenAlleTexteUndZahlenDesHtmlBlatts)
{
    PDFTOTEXT_NOETIG();
    for (const char* Name : {"bestellblatt_gold.dat", "skizzen.dat", "dezimal_komma.dat"}) {
        SCOPED_TRACE(Name);
        TBestellung B = Laden(QLatin1String(Name));
        Vergleichen_Mit_Html(B);
        B.MitNachtext = !B.MitNachtext;
        Vergleichen_Mit_Html(B);
    }
}

// No figure breaks across lines, however large; a word of a narrow column
// shrinks instead of losing its last letter to the next line.
TEST(TDruckblatt_Inhalt, GrosseZahlenUndWoerterStehenGanz)
{
    PDFTOTEXT_NOETIG();
    TBestellung B = Grosse_Bestellung(3);
    B.Eintrag(0).Als<TPosition>()->Abmessungen.Anzahl_Setzen(100000);
    B.Eintrag(0).Als<TPosition>()->Bez = QStringLiteral("Wohnzimmer");
    B.Eintrag(1).Als<TPosition>()->Bez = QStringLiteral("Schlafzimmer links");
    B.Position_Anfuegen(Positionstyp::Freie);
    B.Eintrag(3).Als<TPosition_Freie>()->Stueckpreis = 999999;
    B.Eintrag(3).Als<TPosition_Freie>()->Anzahl = 99;
    ASSERT_GE(B.Gesamtsumme(), 1000000);
    Vergleichen_Mit_Html(B);
    const QStringList Gezeichnet = Woerter(Pdftext(TDruckblatt(B).Pdf(), "-raw"));
    for (const QString& Wort : {QStringLiteral("Wohnzimmer"), QStringLiteral("Schlafzimmer"), QStringLiteral("100000")})
        EXPECT_TRUE(Gezeichnet.contains(Wort)) << Wort.toStdString();
}

// A text of any length is drawn whole and each of its characters once: twice
// the text makes about twice the document, not four times.
TEST(TDruckblatt_Seiten, LangerTextGanzUndNurEinmalGezeichnet)
{
    PDFTOTEXT_NOETIG();
    // Letters no fixed text of the sheet uses, in an order that does not compress.
    const QString Alphabet = QStringLiteral("þðæøåçñ");
    std::uint32_t Zufall = 1;
    QString Buchstaben;
    for (int i = 0; i < 8000; ++i) {
        Zufall = Zufall * 1103515245u + 12345u;
        Buchstaben += Alphabet[(Zufall >> 16) % Alphabet.size()];
    }
    const auto Pdf = [&](int Laenge) {
        TBestellung B = Grosse_Bestellung(2);
        B.Ansprechpartner = Buchstaben.left(Laenge);
        B.Eintrag(0).Als<TPosition>()->Bez = Buchstaben.left(Laenge);
        return TDruckblatt(B).Pdf();
    };
    const QByteArray Ohne = Pdf(0), Einfach = Pdf(4000), Doppelt = Pdf(8000);
    const double Verhaeltnis = double(Doppelt.size() - Ohne.size()) / double(Einfach.size() - Ohne.size());
    EXPECT_LT(Verhaeltnis, 2.6);
    EXPECT_GT(Verhaeltnis, 1.5);
    QString Text = Pdftext(Doppelt, "-raw");
    Text.remove(QRegularExpression(QStringLiteral("[^þðæøåçñ]")));
    EXPECT_EQ(Text.size(), 2 * Buchstaben.size());
}

TEST(TDruckblatt_Inhalt, VieleSeitenZeigenAlleTexteUndZahlenDesHtmlBlatts)
{
    PDFTOTEXT_NOETIG();
    TBestellung B = Grosse_Bestellung(60, true);
    B.Rabatt = 4;
    B.RabattObjekt = 2;
    Vergleichen_Mit_Html(B);
    // With the tax its two rows follow the sum on paper as well.
    Vergleichen_Mit_Html(B, TUmsatzsteuer{1900});
}

TEST(TDruckblatt_Inhalt, TexteErscheinenWieGeschrieben)
{
    PDFTOTEXT_NOETIG();
    TBestellung B;
    B.Bauvorhaben = QStringLiteral("Haus \"Sonne\" <Nord> & Süd");
    B.Bemerkungen = QStringLiteral("Maß je Fenster: 3 € & ß");
    B.RabattAuswahlText = QStringLiteral("A<&>\"Z");
    B.RabattAuswahl = 5;
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Eintrag(0).Als<TPosition>()->Bez = QStringLiteral("<b>");
    const QString Text = Pdftext(TDruckblatt(B).Pdf());
    for (const QString& Erwartet : {QStringLiteral("Haus \"Sonne\" <Nord> & Süd"), QStringLiteral("Maß je Fenster: 3 € & ß"),
                                    QStringLiteral("A<&>\"Z -5%:"), QStringLiteral("<b>")})
        EXPECT_TRUE(Text.contains(Erwartet)) << Erwartet.toStdString();
    EXPECT_FALSE(Text.contains(QStringLiteral("&amp;")));
    EXPECT_FALSE(Text.contains(QStringLiteral("&lt;")));
}

TEST(TDruckblatt_Seiten, SeitenzahlWaechstKopfzeileJedeSeiteKeinePositionGeteilt)
{
    PDFTOTEXT_NOETIG();
    int Vorher = 0;
    for (int Anzahl : {1, 25, 60, 120}) {
        SCOPED_TRACE(Anzahl);
        const TBestellung B = Grosse_Bestellung(Anzahl);
        const QStringList S = Seiten(Pdftext(TDruckblatt(B).Pdf()));
        ASSERT_FALSE(S.isEmpty());
        EXPECT_GT(S.size(), Vorher);
        Vorher = int(S.size());
        if (Anzahl == 60) {
            EXPECT_GE(S.size(), 3);
        }

        int Fenster = 0;
        for (qsizetype n = 0; n < S.size(); ++n) {
            const QString& Seite = S[n];
            EXPECT_TRUE(Seite.contains(QStringLiteral("Seite %1 von %2").arg(n + 1).arg(S.size()))) << "Seite " << n + 1;
            EXPECT_TRUE(Seite.contains(QStringLiteral("2026-12-08"))) << "Seite " << n + 1;
            // Each window's first row carries its label, its second row its description, on the same page.
            const int Bezeichnungen = int(Seite.count(QRegularExpression(QStringLiteral("F-\\d{3}"))));
            const int Beschreibungen = int(Seite.count(QStringLiteral("Profile:")));
            EXPECT_EQ(Bezeichnungen, Beschreibungen) << "Seite " << n + 1;
            Fenster += Bezeichnungen;
            if (Bezeichnungen > 0 || Seite.contains(QStringLiteral("Summe:"))) {
                const qsizetype Kopf = Seite.indexOf(QStringLiteral("Beschreibung"));
                const qsizetype Erste = Seite.indexOf(QRegularExpression(QStringLiteral("F-\\d{3}|Gesamt UM|Summe:")));
                EXPECT_GE(Kopf, 0) << "keine Kopfzeile auf Seite " << n + 1;
                EXPECT_LT(Kopf, Erste) << "Seite " << n + 1;
            }
        }
        EXPECT_EQ(Fenster, Anzahl - Anzahl / 5);
    }
}

TEST(TDruckblatt_Seiten, UeberlangeBeschreibungLaeuftAufDerNaechstenSeiteWeiter)
{
    PDFTOTEXT_NOETIG();
    TBestellung B = Grosse_Bestellung(3);
    QStringList Zeilen;
    for (int i = 1; i <= 220; ++i)
        Zeilen << QStringLiteral("Zeile%1").arg(i, 3, 10, QLatin1Char('0'));
    B.Position_Anfuegen(Positionstyp::Freie);
    B.Eintrag(B.Anzahl_Positionen() - 1).Als<TPosition_Freie>()->Text_Setzen(Zeilen.join(QLatin1Char('\n')));
    const QStringList S = Seiten(Pdftext(TDruckblatt(B).Pdf()));
    ASSERT_GE(S.size(), 3);
    const QStringList Alle = Woerter(S.join(QLatin1Char(' ')));
    for (const QString& Zeile : Zeilen)
        EXPECT_EQ(Alle.count(Zeile), 1) << Zeile.toStdString();
    for (qsizetype n = 0; n < S.size(); ++n) {
        EXPECT_TRUE(S[n].contains(QStringLiteral("Seite %1 von %2").arg(n + 1).arg(S.size())));
        // No text line runs into the footer.
        const QStringList Textzeilen = S[n].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const qsizetype Fuss = Textzeilen.indexOf(QRegularExpression(QStringLiteral(".*Seite \\d+ von.*")));
        ASSERT_GE(Fuss, 0);
        EXPECT_FALSE(Textzeilen[Fuss].contains(QStringLiteral("Zeile"))) << Textzeilen[Fuss].toStdString();
    }
}

TEST(TDruckblatt_Pdf, TraegtTitelUndEingebetteteSchrift)
{
    TBestellung B = Grosse_Bestellung(3);
    const QByteArray Pdf = TDruckblatt(B).Pdf();
    ASSERT_TRUE(Pdf.startsWith("%PDF-"));
    EXPECT_TRUE(Pdf.contains("/FontFile2")) << "Schrift nicht eingebettet";
    EXPECT_TRUE(Pdf.contains("LiberationSans"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        return;
    QTemporaryDir Ordner;
    QFile Datei(Ordner.filePath(QStringLiteral("b.pdf")));
    ASSERT_TRUE(Datei.open(QIODevice::WriteOnly));
    Datei.write(Pdf);
    Datei.close();
    QProcess Info;
    Info.start(QStringLiteral("pdfinfo"), {Datei.fileName()});
    ASSERT_TRUE(Info.waitForFinished(60000));
    const QString Ausgabe = QString::fromUtf8(Info.readAllStandardOutput());
    EXPECT_TRUE(Ausgabe.contains(QRegularExpression(QStringLiteral("Title:\\s+Bestellblatt\\n")))) << Ausgabe.toStdString();
    EXPECT_TRUE(Ausgabe.contains(QStringLiteral("A4"))) << Ausgabe.toStdString();
}

TEST(TDruckblatt_Drucken, QPrinterMitPdfAusgabeGibtDieselbenSeiten)
{
    PDFTOTEXT_NOETIG();
    const TBestellung B = Grosse_Bestellung(60, true);
    const TDruckblatt Blatt(B);
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("druck.pdf"));
    QPrinter Drucker(QPrinter::HighResolution);
    Drucker.setOutputFormat(QPrinter::PdfFormat);
    Drucker.setOutputFileName(Pfad);
    Drucker.setPageLayout(TDruckblatt::Seitenformat());
    const int Seitenzahl = Blatt.Zeichnen(Drucker);
    QFile Datei(Pfad);
    ASSERT_TRUE(Datei.open(QIODevice::ReadOnly));
    const QString Gedruckt = Pdftext(Datei.readAll());
    const QString Pdf = Pdftext(Blatt.Pdf());
    EXPECT_EQ(Seitenzahl, Seiten(Pdf).size());
    EXPECT_EQ(Seiten(Gedruckt).size(), Seiten(Pdf).size());
    EXPECT_EQ(Gedruckt, Pdf);
}

TEST(TDruckblatt_Drucken, SeitenbereichDesDruckdialogsDrucktNurDieseSeiten)
{
    PDFTOTEXT_NOETIG();
    const TDruckblatt Blatt(Grosse_Bestellung(60, true));
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("druck.pdf"));
    QPrinter Drucker(QPrinter::HighResolution);
    Drucker.setOutputFormat(QPrinter::PdfFormat);
    Drucker.setOutputFileName(Pfad);
    Drucker.setPageLayout(TDruckblatt::Seitenformat());
    Drucker.setPageRanges(QPageRanges::fromString(QStringLiteral("2-3")));
    const int Seitenzahl = Blatt.Zeichnen(Drucker);
    ASSERT_GE(Seitenzahl, 4);
    QFile Datei(Pfad);
    ASSERT_TRUE(Datei.open(QIODevice::ReadOnly));
    const QStringList Gedruckt = Seiten(Pdftext(Datei.readAll()));
    ASSERT_EQ(Gedruckt.size(), 2);
    EXPECT_TRUE(Gedruckt[0].contains(QStringLiteral("Seite 2 von %1").arg(Seitenzahl)));
    EXPECT_TRUE(Gedruckt[1].contains(QStringLiteral("Seite 3 von %1").arg(Seitenzahl)));
}

TEST(TDruckblatt_Skizzen, MitZeichnerBekommtJedesFensterEinFeldNebenDerBeschreibung)
{
    TBestellung B = Grosse_Bestellung(5);
    TDruckblatt Blatt(B);
    std::vector<QString> Gezeichnet;
    std::vector<QRectF> Felder;
    Blatt.Skizzen_Setzen([&](QPainter&, const TPosition& P, const QRectF& Feld) {
        Gezeichnet.push_back(P.Bez);
        Felder.push_back(Feld);
    });
    ASSERT_FALSE(Blatt.Pdf().isEmpty());
    const std::vector<QString> Erwartet = {"F-001", "F-002", "F-003", "F-004"};
    EXPECT_EQ(Gezeichnet, Erwartet);
    for (const QRectF& Feld : Felder) {
        EXPECT_GT(Feld.width(), 0);
        EXPECT_GT(Feld.height(), 0);
    }
    // The boxes stand one below the other, one per window, never overlapping.
    for (std::size_t i = 1; i < Felder.size(); ++i)
        EXPECT_GE(Felder[i].top(), Felder[i - 1].bottom()) << i;
}

TEST(TDruckblatt_Skizzen, DasBlattDesProgrammsZeichntDieSkizzeMitIhrenMassen)
{
    PDFTOTEXT_NOETIG();
    TBestellung B = Grosse_Bestellung(1);
    B.Eintrag(0).Als<TPosition>()->Abmessungen.Breite_Setzen(1234);
    // The table's width column holds the figure once; the sketch's dimension line adds it once more.
    const QRegularExpression Masszahl(QStringLiteral("(^|\\s)1234(\\s|$)"), QRegularExpression::MultilineOption);
    const qsizetype Ohne = Pdftext(TDruckblatt(B).Pdf()).count(Masszahl);
    EXPECT_EQ(Ohne, 1);
    EXPECT_EQ(Pdftext(TDruckblatt::Mit_Skizzen(B).Pdf()).count(Masszahl), Ohne + 1);
}

TEST(TDruckblatt_Schreiben, SchreibtDasDokumentAufEinGeoeffnetesGeraet)
{
    const TBestellung B = Grosse_Bestellung(2);
    TDruckblatt Blatt(B);
    QByteArray Daten;
    QBuffer Puffer(&Daten);
    ASSERT_TRUE(Puffer.open(QIODevice::WriteOnly));
    EXPECT_TRUE(Blatt.Pdf_Schreiben(Puffer));
    EXPECT_TRUE(Daten.startsWith("%PDF-"));
    EXPECT_TRUE(Daten.trimmed().endsWith("%%EOF"));

    QBuffer Nur_Lesen;
    ASSERT_TRUE(Nur_Lesen.open(QIODevice::ReadOnly));
    EXPECT_FALSE(Blatt.Pdf_Schreiben(Nur_Lesen));
    EXPECT_FALSE(Blatt.Fehlertext().isEmpty());
}

TEST(TDruckblatt_Speichern, ErsetztAtomarUndLaesstBeiFehlernDieAlteDateiStehen)
{
    QTemporaryDir Ordner;
    ASSERT_TRUE(Ordner.isValid());
    const QString Pfad = Ordner.filePath(QStringLiteral("blatt.pdf"));
    const QByteArray Alt = "altes Blatt";
    {
        QFile Datei(Pfad);
        ASSERT_TRUE(Datei.open(QIODevice::WriteOnly));
        Datei.write(Alt);
    }
    const TBestellung B = Grosse_Bestellung(5);

    // A file-size limit makes the disk refuse the PDF halfway, even for root.
    rlimit Vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Vorher), 0);
    rlimit Eng = Vorher;
    Eng.rlim_cur = 4096;
    const auto Signal_Vorher = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Eng), 0);
    TDruckblatt Blatt(B);
    const bool Ergebnis = Blatt.Pdf_Speichern(Pfad);
    setrlimit(RLIMIT_FSIZE, &Vorher);
    std::signal(SIGXFSZ, Signal_Vorher);

    EXPECT_FALSE(Ergebnis);
    EXPECT_FALSE(Blatt.Fehlertext().isEmpty());
    {
        QFile Datei(Pfad);
        ASSERT_TRUE(Datei.open(QIODevice::ReadOnly));
        EXPECT_EQ(Datei.readAll(), Alt);
    }
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("blatt.pdf")});

    EXPECT_TRUE(Blatt.Pdf_Speichern(Pfad)) << Blatt.Fehlertext().toStdString();
    EXPECT_TRUE(Blatt.Fehlertext().isEmpty());
    QFile Neu(Pfad);
    ASSERT_TRUE(Neu.open(QIODevice::ReadOnly));
    EXPECT_TRUE(Neu.readAll().startsWith("%PDF-"));

    EXPECT_FALSE(Blatt.Pdf_Speichern(Ordner.filePath(QStringLiteral("gibtsnicht/blatt.pdf"))));
    EXPECT_FALSE(Blatt.Fehlertext().isEmpty());
}

// Whatever the page breaks: everything painted lies inside the printable
// area, and each page's blocks end above its footer, which its rule begins.
TEST(TDruckblatt_Seiten, BloeckeUndFusszeileLiegenImDruckbereich)
{
    // Free text of 0 to 11 lines and remarks of growing length shift what
    // follows in two different steps, so that pages end at many distances from the footer.
    int Seiten = 0;
    for (int Zeilen = 0; Zeilen < 60; ++Zeilen) {
        SCOPED_TRACE(Zeilen);
        TBestellung B = Grosse_Bestellung(30, true);
        B.Bemerkungen = QStringLiteral("Anlieferung nur vormittags ").repeated(8 * (Zeilen / 12));
        QStringList Text;
        for (int i = 0; i < Zeilen % 12; ++i)
            Text << QStringLiteral("Zeile %1").arg(i);
        B.Eintrag(4).Als<TPosition_Freie>()->Text_Setzen(Text.join(QLatin1Char('\n')));
        TSeitenaufzeichner Geraet;
        ASSERT_GT(TDruckblatt::Mit_Skizzen(B).Zeichnen(Geraet), 1);
        const qreal Breite = Geraet.width();
        const qreal Hoehe = Geraet.height();
        const qreal mm = Geraet.logicalDpiY() / 25.4;
        const qreal Genau = 1;
        for (std::size_t n = 0; n < Geraet.Seiten.size(); ++n) {
            const auto& Seite = Geraet.Seiten[n];
            const auto Regel = std::find_if(Seite.rbegin(), Seite.rend(), [&](const auto& S) {
                return S.Linie && S.Feld.height() == 0 && S.Feld.width() >= Breite - Genau;
            });
            ASSERT_NE(Regel, Seite.rend()) << "keine Fußzeile auf Seite " << n + 1;
            const qreal Fuss = Regel->Feld.top();
            for (auto S = Seite.begin(); S != Seite.end(); ++S) {
                const QRectF& F = S->Feld;
                EXPECT_TRUE(F.left() >= -Genau && F.right() <= Breite + Genau && F.top() >= -Genau
                            && F.bottom() <= Hoehe + Genau)
                    << "Seite " << n + 1 << ": " << F.x() << ',' << F.y() << ' ' << F.width() << 'x' << F.height();
                if (S < Regel.base() - 1) {
                    EXPECT_LE(F.bottom(), Fuss - mm + Genau) << "Seite " << n + 1 << " reicht in die Fußzeile";
                }
            }
        }
        Seiten += int(Geraet.Seiten.size());
    }
    EXPECT_GT(Seiten, 72);
}

