#include "print/TDruckblatt.h"

#include "base/Dateifehler.h"
#include "fonts/TSchriften.h"
#include "order/TBestellung.h"
#include "print/TTextsatz.h"
#include "sketch/TSkizze.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Column widths in millimetres over the 180 mm between the margins: number,
// label, count, width, height, top light, sashes, hinge side, running metres,
// metre price, piece surcharge, unit price, total.
constexpr qreal Spaltenbreiten[] = {9, 18, 10, 12, 12, 12, 11, 12, 13, 16, 16, 19, 20};
constexpr int Spaltenzahl = int(std::size(Spaltenbreiten));
constexpr qreal Summe_Spaltenbreiten = 180;
constexpr int Schrift_Tabelle = 8;
constexpr int Schrift_Text = 10;
constexpr int Schrift_Summe = 10;
constexpr qreal Skizze_Breite_mm = 36;
constexpr qreal Skizze_Hoehe_mm = 26;

const QColor Grau(0xEE, 0xEE, 0xEE);
const QColor Linie(0x80, 0x80, 0x80);

struct TBlock
{
    qreal Hoehe = 0;
    // Table rows: the table's header row stands above the first of them on every page.
    bool Tabelle = false;
    // Without a painter the block is only space, dropped at the top of a page.
    std::function<void(QPainter&, qreal)> Zeichnen;
    // A block taller than a page continues on the next one, cut between its
    // text lines: they start Rand below its top and follow each other at Raster.
    qreal Rand = 0;
    qreal Raster = 0;
};

struct TZelle
{
    int Von = 0;
    int Bis = 0;
    QString Text;
    bool Fett = false;
    Qt::Alignment Ausrichtung = Qt::AlignHCenter;
    // Figures shrink to their column's width, text breaks between words.
    TTextsatz::TArt Art = TTextsatz::TArt::Zahl;
    // Set when the row is measured; a part of a text cut across pages brings its size along.
    std::shared_ptr<const TTextsatz> Satz{};
    std::optional<QFont> Schrift{};
};
using TZeile = std::vector<TZelle>;

constexpr auto Text = TTextsatz::TArt::Text;

// Lengths in device units of the paint device the sheet goes to.
class TSatz
{
public:
    explicit TSatz(QPaintDevice& Geraet)
        : m_Geraet(Geraet)
        , m_Dpi(Geraet.logicalDpiY())
        , m_Breite(Geraet.width())
    {
        qreal x = 0;
        for (qreal b : Spaltenbreiten) {
            m_Spalte.push_back(x);
            x += b * m_Breite / Summe_Spaltenbreiten;
        }
        m_Spalte.push_back(m_Breite);
    }

    qreal mm(qreal Wert) const { return Wert * m_Dpi / 25.4; }
    qreal pt(qreal Wert) const { return Wert * m_Dpi / 72; }
    qreal Breite() const { return m_Breite; }
    QPaintDevice& Geraet() const { return m_Geraet; }
    qreal Spalte(int i) const { return m_Spalte[std::size_t(i)]; }
    qreal Polster() const { return mm(0.8); }

    QFontMetricsF Masse(const QFont& Schrift) const { return QFontMetricsF(Schrift, &m_Geraet); }

    qreal Zellbreite(const TZelle& Z) const { return Spalte(Z.Bis + 1) - Spalte(Z.Von) - 2 * Polster(); }

    std::shared_ptr<const TTextsatz> Setzen(const QString& Text, const QFont& Schrift, qreal Breite,
                                            TTextsatz::TArt Art = TTextsatz::TArt::Text,
                                            Qt::Alignment Ausrichtung = Qt::AlignLeft) const
    {
        return std::make_shared<const TTextsatz>(Text, Schrift, Breite, m_Geraet, Art, Ausrichtung);
    }

    // Lays out every cell of the row once; the row's height.
    qreal Zeilenhoehe(TZeile& Zeile, int Punkte) const
    {
        qreal Hoehe = 0;
        for (TZelle& Z : Zeile) {
            const qreal Breite = Zellbreite(Z);
            if (Z.Schrift)
                Z.Satz = std::make_shared<const TTextsatz>(Z.Text, *Z.Schrift, Breite, m_Geraet, Z.Ausrichtung, true);
            else
                Z.Satz = Setzen(Z.Text, TSchriften::Schrift(Punkte, Z.Fett), Breite, Z.Art, Z.Ausrichtung);
            Hoehe = std::max(Hoehe, Z.Satz->Hoehe());
        }
        return Hoehe + 2 * Polster();
    }

    // The line spacing of the row's tallest cell, where a cut between its lines goes.
    qreal Zeilenabstand(const TZeile& Zeile) const
    {
        const TZelle* Hoechste = nullptr;
        for (const TZelle& Z : Zeile)
            if (Z.Satz && (!Hoechste || Z.Satz->Hoehe() > Hoechste->Satz->Hoehe()))
                Hoechste = &Z;
        return Hoechste ? Hoechste->Satz->Zeilenabstand() : Masse(TSchriften::Schrift(Schrift_Tabelle)).lineSpacing();
    }

    void Zeile_Zeichnen(QPainter& M, qreal y, qreal Hoehe, const TZeile& Zeile) const
    {
        M.setPen(QPen(Linie, pt(0.5)));
        M.setBrush(Qt::NoBrush);
        for (const TZelle& Z : Zeile) {
            const QRectF Rahmen(Spalte(Z.Von), y, Spalte(Z.Bis + 1) - Spalte(Z.Von), Hoehe);
            M.drawRect(Rahmen);
        }
        M.setPen(Qt::black);
        for (const TZelle& Z : Zeile)
            if (!Z.Text.isEmpty())
                Z.Satz->Zeichnen(M, QPointF(Spalte(Z.Von) + Polster(), y + Polster()));
    }

private:
    QPaintDevice& m_Geraet;
    qreal m_Dpi;
    qreal m_Breite;
    std::vector<qreal> m_Spalte;
};

TBlock Abstand(qreal Hoehe)
{
    return {Hoehe, false, {}};
}

TBlock Tabellenkopf(const TSatz& S, const TBestellblatt& B)
{
    TZeile Oben;
    const QStringList& O = B.Kopfzeile_Oben;
    const auto Mitte = Qt::AlignHCenter;
    Oben.push_back({0, 0, O.value(0), true, Mitte, Text});
    Oben.push_back({1, 1, O.value(1), true, Mitte, Text});
    Oben.push_back({2, 2, O.value(2), true, Mitte, Text});
    Oben.push_back({3, 11, O.value(3), true, Mitte, Text});
    Oben.push_back({12, 12, O.value(4), true, Mitte, Text});
    TZeile Unten;
    for (int i = 0; i < Spaltenzahl; ++i)
        Unten.push_back({i, i, B.Kopfzeile_Unten.value(i), true, Mitte, Text});
    const qreal h1 = S.Zeilenhoehe(Oben, Schrift_Tabelle);
    const qreal h2 = S.Zeilenhoehe(Unten, Schrift_Tabelle);
    return {h1 + h2, true, [&S, Oben, Unten, h1, h2](QPainter& M, qreal y) {
                S.Zeile_Zeichnen(M, y, h1, Oben);
                S.Zeile_Zeichnen(M, y + h1, h2, Unten);
            }};
}

// Cuts a text set for its cell into pieces of at most Erste lines, then Weitere lines each.
QStringList Teilen(const TTextsatz& Satz, int Erste, int Weitere)
{
    const QStringList Zeilen = Satz.Zeilen();
    QStringList Teile;
    qsizetype Zeile = 0;
    qsizetype Anzahl = std::max(1, Erste);
    while (Zeile < Zeilen.size()) {
        Teile << Zeilen.mid(Zeile, Anzahl).join(QChar::LineSeparator);
        Zeile += Anzahl;
        Anzahl = std::max(1, Weitere);
    }
    if (Teile.isEmpty())
        Teile << QString();
    return Teile;
}

// A position's rows; a description longer than a page goes on in rows of its own on the next pages.
std::vector<TBlock> Positionsbloecke(const TSatz& S, const TBlattposition& P,
                                     const TDruckblatt::TSkizzenzeichner& Skizze, qreal Seitenhoehe);

// Beschreibungssatz receives the description as set, for cutting it across pages.
TBlock Positionsblock(const TSatz& S, const TBlattposition& P, const TDruckblatt::TSkizzenzeichner& Skizze,
                      const std::optional<QFont>& Schrift_Beschreibung = std::nullopt,
                      std::shared_ptr<const TTextsatz>* Beschreibungssatz = nullptr)
{
    const auto Links = Qt::AlignLeft;
    const auto Mitte = Qt::AlignHCenter;
    TZelle Beschreibung{3, 10, P.Beschreibung, false, Links, Text};
    Beschreibung.Schrift = Schrift_Beschreibung;
    TZeile Erste;
    TZeile Zweite;
    bool mitSkizze = false;
    if (P.Art == TBlattposition::TArt::Fenster) {
        Erste = {{0, 0, P.Nummer},       {1, 1, P.Bez, false, Mitte, Text},          {2, 2, P.Anzahl},
                 {3, 3, P.Breite},       {4, 4, P.Hoehe},        {5, 5, P.Hoehe_Oberlicht},
                 {6, 6, P.Fluegel},      {7, 7, P.Drehrichtung, false, Mitte, Text}, {8, 8, P.Umlaufmeter},
                 {9, 9, P.Meterpreis},   {10, 10, P.Stueckpreis}, {11, 11, P.Einzelpreis},
                 {12, 12, P.Gesamtpreis, true}};
        Zweite = {{0, 0, {}}, {1, 1, {}}, {2, 2, {}}, Beschreibung, {11, 11, {}}, {12, 12, {}}};
        mitSkizze = Skizze && P.Fenster;
    } else {
        Erste = {{0, 0, P.Nummer},
                 {1, 1, P.Bez, false, Mitte, Text},
                 {2, 2, P.Anzahl},
                 Beschreibung,
                 {11, 11, P.Einzelpreis},
                 {12, 12, P.Gesamtpreis, true}};
    }
    const qreal h1 = S.Zeilenhoehe(Erste, Schrift_Tabelle);
    qreal h2 = 0;
    QRectF Skizzenfeld;
    if (!Zweite.empty()) {
        if (mitSkizze) {
            // The description moves right of the sketch's box; the box spans the columns it covers.
            const qreal Rechts = S.Spalte(3) + S.mm(Skizze_Breite_mm + 0.5);
            const auto Beschreibungszelle = std::find_if(Zweite.begin(), Zweite.end(), [](const TZelle& Z) { return Z.Von == 3; });
            int Spalte = 3;
            while (Spalte < 10 && S.Spalte(Spalte + 1) <= Rechts)
                ++Spalte;
            Beschreibungszelle->Von = Spalte;
            Zweite.insert(Beschreibungszelle, {3, Spalte - 1, {}});
            h2 = std::max(S.Zeilenhoehe(Zweite, Schrift_Tabelle), S.mm(Skizze_Hoehe_mm) + 2 * S.Polster());
            Skizzenfeld = QRectF(S.Spalte(3) + S.Polster(), h1 + S.Polster(), S.Spalte(Spalte) - S.Spalte(3) - 2 * S.Polster(),
                                 h2 - 2 * S.Polster());
        } else {
            h2 = S.Zeilenhoehe(Zweite, Schrift_Tabelle);
        }
    }
    if (Beschreibungssatz) {
        for (const TZeile* Zeile : {&Erste, &Zweite})
            for (const TZelle& Z : *Zeile)
                if (Z.Bis == 10)
                    *Beschreibungssatz = Z.Satz;
    }
    const bool Grau_hinterlegt = P.Grau;
    const TPosition* Fenster = P.Fenster;
    TBlock Block{h1 + h2, true,
            [&S, Erste, Zweite, h1, h2, Grau_hinterlegt, mitSkizze, Skizzenfeld, Fenster, &Skizze](QPainter& M, qreal y) {
                if (Grau_hinterlegt)
                    M.fillRect(QRectF(0, y, S.Breite(), h1 + h2), Grau);
                S.Zeile_Zeichnen(M, y, h1, Erste);
                if (!Zweite.empty())
                    S.Zeile_Zeichnen(M, y + h1, h2, Zweite);
                if (mitSkizze) {
                    M.save();
                    Skizze(M, *Fenster, Skizzenfeld.translated(0, y));
                    M.restore();
                }
            }};
    // Cut between the lines of the row that runs longest.
    const bool Unten_laenger = !Zweite.empty() && h2 >= h1;
    Block.Rand = (Unten_laenger ? h1 : 0) + S.Polster();
    Block.Raster = S.Zeilenabstand(Unten_laenger ? Zweite : Erste);
    return Block;
}

std::vector<TBlock> Positionsbloecke(const TSatz& S, const TBlattposition& P,
                                     const TDruckblatt::TSkizzenzeichner& Skizze, qreal Seitenhoehe)
{
    std::shared_ptr<const TTextsatz> Satz{};
    TBlock Ganz = Positionsblock(S, P, Skizze, std::nullopt, &Satz);
    if (Ganz.Hoehe <= Seitenhoehe || !Satz)
        return {std::move(Ganz)};

    const QFont Schrift = Satz->Schrift();
    const qreal Zeilenabstand = Satz->Zeilenabstand();
    TBlattposition Erste = P;
    Erste.Beschreibung.clear();
    const qreal Kopf = P.Art == TBlattposition::TArt::Fenster ? Positionsblock(S, Erste, {}).Hoehe : 0;
    const int Zeilen_Erste = int((Seitenhoehe - Kopf - 4 * S.Polster()) / Zeilenabstand) - 1;
    const int Zeilen_Weitere = int((Seitenhoehe - 4 * S.Polster()) / Zeilenabstand) - 1;
    const QStringList Teile = Teilen(*Satz, Zeilen_Erste, Zeilen_Weitere);
    Erste.Beschreibung = Teile.front();
    std::vector<TBlock> Bloecke{Positionsblock(S, Erste, Skizze, Schrift)};
    const bool Grau_hinterlegt = P.Grau;
    for (qsizetype i = 1; i < Teile.size(); ++i) {
        TZelle Teil{3, 10, Teile[i], false, Qt::AlignLeft, Text};
        Teil.Schrift = Schrift;
        TZeile Zeile = {{0, 0, {}}, {1, 1, {}}, {2, 2, {}}, Teil, {11, 11, {}}, {12, 12, {}}};
        const qreal h = S.Zeilenhoehe(Zeile, Schrift_Tabelle);
        TBlock Block{h, true, [&S, Zeile, h, Grau_hinterlegt](QPainter& M, qreal y) {
                         if (Grau_hinterlegt)
                             M.fillRect(QRectF(0, y, S.Breite(), h), Grau);
                         S.Zeile_Zeichnen(M, y, h, Zeile);
                     }};
        Block.Rand = S.Polster();
        Block.Raster = Zeilenabstand;
        Bloecke.push_back(std::move(Block));
    }
    return Bloecke;
}

TBlock Summenblock(const TSatz& S, const TBlattsumme& Summe)
{
    using TArt = TBlattsumme::TArt;
    const auto Links = Qt::AlignLeft;
    const auto Rechts = Qt::AlignRight;
    TZeile Zeile;
    int Punkte = Schrift_Tabelle;
    switch (Summe.Art) {
    case TArt::Umlaufmeter:
        Zeile = {{0, 2, Summe.Beschriftung, false, Qt::AlignHCenter, Text}, {3, 12, Summe.Betrag, false, Links}};
        break;
    case TArt::Zwischensumme:
    case TArt::Umsatzsteuer:
        Zeile = {{0, 6, {}}, {7, 11, Summe.Beschriftung, false, Rechts, Text}, {12, 12, Summe.Betrag}};
        break;
    case TArt::Rabatt:
    case TArt::Objektrabatt:
        Zeile = {{0, 6, {}}, {7, 11, Summe.Beschriftung, false, Rechts, Text}, {12, 12, Summe.Betrag, true}};
        break;
    case TArt::Summe:
    case TArt::Brutto:
        Zeile = {{0, 6, {}}, {7, 11, Summe.Beschriftung, true, Rechts, Text}, {12, 12, Summe.Betrag, true}};
        Punkte = Schrift_Summe;
        break;
    }
    const qreal h = S.Zeilenhoehe(Zeile, Punkte);
    const bool Doppelt = Summe.Art == TArt::Zwischensumme;
    return {h, true, [&S, Zeile, h, Doppelt](QPainter& M, qreal y) {
                S.Zeile_Zeichnen(M, y, h, Zeile);
                if (Doppelt) {
                    M.setPen(QPen(Qt::black, S.pt(1.5)));
                    M.drawLine(QPointF(0, y), QPointF(S.Breite(), y));
                    M.drawLine(QPointF(0, y + h), QPointF(S.Breite(), y + h));
                }
            }};
}

// A paragraph in a text document of its own: wrapped, with its bold lead-in.
TBlock Absatzblock(const TSatz& S, const TAbsatz& A, int Punkte, qreal Einzug, qreal Abstand_danach)
{
    const QFont Schrift = TSchriften::Schrift(Punkte);
    if (A.Zeilen.isEmpty())
        return Abstand(S.Masse(Schrift).height() + Abstand_danach);
    auto Dokument = std::make_shared<QTextDocument>();
    Dokument->documentLayout()->setPaintDevice(&S.Geraet());
    Dokument->setDefaultFont(Schrift);
    Dokument->setDocumentMargin(0);
    Dokument->setTextWidth(S.Breite() - Einzug);
    QTextCursor Schreiber(Dokument.get());
    if (!A.Fett.isEmpty()) {
        QTextCharFormat Fett;
        Fett.setFont(TSchriften::Schrift(Punkte, true));
        Schreiber.insertText(A.Fett, Fett);
    }
    QTextCharFormat Normal;
    Normal.setFont(Schrift);
    Schreiber.insertText(A.Zeilen.join(QChar::LineSeparator), Normal);
    const qreal h = Dokument->size().height();
    // Where a line to write on starts: at the end of its caption, in the document's coordinates.
    std::vector<QPointF> Linien;
    qsizetype Stelle = A.Fett.size();
    const QTextLayout* Satz = Dokument->firstBlock().layout();
    for (const QString& Zeile : A.Zeilen) {
        Stelle += Zeile.size();
        if (TBestellblatt::Schreiblinie(Zeile) && Satz) {
            const QTextLine Z = Satz->lineForTextPosition(int(Stelle));
            if (Z.isValid())
                Linien.emplace_back(Z.cursorToX(int(Stelle)), Z.y() + Z.ascent() + S.pt(1.5));
        }
        ++Stelle;
    }
    const qreal Linienende = std::min(S.mm(90), S.Breite() - Einzug);
    TBlock Block{h + Abstand_danach, false, [&S, Dokument, Einzug, Linien, Linienende](QPainter& M, qreal y) {
                     M.save();
                     M.translate(Einzug, y);
                     Dokument->drawContents(&M);
                     M.setPen(QPen(Qt::black, S.pt(0.5)));
                     for (const QPointF& Anfang : Linien)
                         M.drawLine(QPointF(Anfang.x() + S.mm(2), Anfang.y()), QPointF(Linienende, Anfang.y()));
                     M.restore();
                 }};
    Block.Raster = S.Masse(Schrift).lineSpacing();
    return Block;
}

void Absaetze(std::vector<TBlock>& Bloecke, const TSatz& S, const std::vector<TAbsatz>& Text, int Punkte)
{
    const qreal Abstand_danach = S.mm(2);
    for (const TAbsatz& A : Text) {
        if (!A.Liste) {
            Bloecke.push_back(Absatzblock(S, A, Punkte, 0, Abstand_danach));
            continue;
        }
        const qreal Einzug = S.mm(6);
        for (const QString& Punkt : A.Zeilen) {
            TBlock Block = Absatzblock(S, {QString(), {Punkt}, false, false}, Punkte, Einzug, S.mm(0.8));
            auto Text_Zeichnen = Block.Zeichnen;
            Block.Zeichnen = [&S, Text_Zeichnen, Punkte](QPainter& M, qreal y) {
                M.setFont(TSchriften::Schrift(Punkte));
                M.setPen(Qt::black);
                M.drawText(QPointF(S.mm(2), y + S.Masse(TSchriften::Schrift(Punkte)).ascent()), QString(QChar(0x2022)));
                Text_Zeichnen(M, y);
            };
            Bloecke.push_back(std::move(Block));
        }
        Bloecke.push_back(Abstand(Abstand_danach));
    }
}

// The first line: offer or order, to tick by hand.
TBlock Ankreuzzeile(const TSatz& S)
{
    const QFont Schrift = TSchriften::Schrift(Schrift_Text);
    const QFontMetricsF Masse = S.Masse(Schrift);
    return {Masse.height() + S.mm(3), false, [&S, Schrift, Masse](QPainter& M, qreal y) {
                M.setFont(Schrift);
                const qreal Kante = Masse.ascent() * 0.9;
                const qreal Grundlinie = y + Masse.ascent();
                qreal x = 0;
                const auto Kaestchen = [&] {
                    M.setPen(QPen(Qt::black, S.pt(1)));
                    M.setBrush(Qt::NoBrush);
                    M.drawRect(QRectF(x, Grundlinie - Kante, Kante, Kante));
                    x += Kante + S.mm(1);
                };
                const auto Text = [&](const QString& T, bool Hinterlegt) {
                    const qreal w = Masse.horizontalAdvance(T);
                    if (Hinterlegt)
                        M.fillRect(QRectF(x, y, w, Masse.height()), QColor(0xD3, 0xD3, 0xD3));
                    M.setPen(Qt::black);
                    M.drawText(QPointF(x, Grundlinie), T);
                    x += w;
                };
                Kaestchen();
                Text(TBestellblatt::Ankreuzen_Angebot, false);
                Kaestchen();
                Text(TBestellblatt::Ankreuzen_Bestellung, false);
                Text(TBestellblatt::Angebotsdatum_Luecke, true);
                Text(TBestellblatt::Ankreuzen_Hinweis, false);
            }};
}

// A field with its value on a line to write on; long values wrap onto further lines.
struct TFeldsatz
{
    TBlattfeld Feld;
    std::shared_ptr<const TTextsatz> Wert;
};

void Feld_Zeichnen(QPainter& M, const TSatz& S, const TFeldsatz& F, qreal x, qreal Wert_x, qreal Ende, qreal y)
{
    const QFont Schrift = TSchriften::Schrift(Schrift_Text);
    const QFontMetricsF Masse = S.Masse(Schrift);
    M.setFont(Schrift);
    M.setPen(Qt::black);
    M.drawText(QPointF(x, y + Masse.ascent()), F.Feld.Beschriftung);
    F.Wert->Zeichnen(M, QPointF(Wert_x, y));
    if (F.Feld.Mindestlaenge > 0) {
        M.setPen(QPen(Qt::black, S.pt(0.5)));
        const qreal Abstand = F.Wert->Zeilenabstand();
        int Von = 0;
        int Bis = std::max(1, int(std::lround(F.Wert->Hoehe() / Abstand)));
        // Only the lines a clipped page shows.
        if (M.hasClipping()) {
            const QRectF Sicht = M.clipBoundingRect();
            Von = std::clamp(int(std::floor((Sicht.top() - y) / Abstand)) - 1, 0, Bis);
            Bis = std::clamp(int(std::ceil((Sicht.bottom() - y) / Abstand)) + 1, Von, Bis);
        }
        for (int i = Von; i < Bis; ++i) {
            const qreal Linie_y = y + i * Abstand + Masse.ascent() + Masse.underlinePos() + S.pt(0.5);
            M.drawLine(QPointF(Wert_x, Linie_y), QPointF(Ende, Linie_y));
        }
    }
}

void Absender(std::vector<TBlock>& Bloecke, const TSatz& S, const TBestellblatt& B)
{
    Bloecke.push_back(Ankreuzzeile(S));
    const QFont Schrift = TSchriften::Schrift(Schrift_Text);
    const QFontMetricsF Masse = S.Masse(Schrift);
    const qreal Zeilenabstand = S.mm(1.5);
    const std::vector<TBlattfeld>& F = B.Absender;

    // Date, contact and telephone share a line when their values fit.
    const qreal Drittel = S.Breite() / 3;
    std::size_t Gestapelt_ab = 0;
    if (F.size() >= 3) {
        bool Passen = true;
        for (std::size_t i = 0; i < 3; ++i)
            Passen = Passen
                     && Masse.horizontalAdvance(F[i].Beschriftung + F[i].Wert) <= Drittel - S.mm(4);
        if (Passen) {
            Gestapelt_ab = 3;
            std::vector<TFeldsatz> Drei;
            for (std::size_t i = 0; i < 3; ++i) {
                const qreal Breite = Drittel - S.mm(4) - Masse.horizontalAdvance(F[i].Beschriftung);
                Drei.push_back({F[i], S.Setzen(F[i].Wert, Schrift, Breite)});
            }
            Bloecke.push_back({Masse.height() + Zeilenabstand, false, [&S, Drei, Drittel, Masse](QPainter& M, qreal y) {
                                   for (std::size_t i = 0; i < Drei.size(); ++i) {
                                       const qreal x = Drittel * qreal(i);
                                       Feld_Zeichnen(M, S, Drei[i], x, x + Masse.horizontalAdvance(Drei[i].Feld.Beschriftung),
                                                     x + Drittel - S.mm(4), y);
                                   }
                               }});
        }
    }
    qreal Wert_x = 0;
    for (const TBlattfeld& Feld : F)
        Wert_x = std::max(Wert_x, Masse.horizontalAdvance(Feld.Beschriftung));
    Wert_x += S.mm(1);
    for (std::size_t i = Gestapelt_ab; i < F.size(); ++i) {
        const TFeldsatz Feld{F[i], S.Setzen(F[i].Wert, Schrift, S.Breite() - Wert_x)};
        TBlock Block{Feld.Wert->Hoehe() + Zeilenabstand, false, [&S, Feld, Wert_x](QPainter& M, qreal y) {
                         Feld_Zeichnen(M, S, Feld, 0, Wert_x, S.Breite(), y);
                     }};
        Block.Raster = Feld.Wert->Zeilenabstand();
        Bloecke.push_back(std::move(Block));
    }
}

void Fusszeile(QPainter& M, const TSatz& S, const QString& Datum, int Seite, int Seiten, qreal Oben)
{
    const QFont Schrift = TSchriften::Schrift(Schrift_Tabelle);
    const QFontMetricsF Masse = S.Masse(Schrift);
    M.setPen(QPen(Linie, S.pt(0.5)));
    M.drawLine(QPointF(0, Oben), QPointF(S.Breite(), Oben));
    M.setFont(Schrift);
    M.setPen(Qt::black);
    const QRectF Feld(0, Oben + S.mm(1), S.Breite(), Masse.height());
    const QString Links = Datum.isEmpty() ? TBestellblatt::Titel
                                          : TBestellblatt::Titel + QStringLiteral(" vom ") + Datum;
    M.drawText(Feld, Qt::AlignLeft | Qt::AlignTop, Links);
    M.drawText(Feld, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Seite %1 von %2").arg(Seite).arg(Seiten));
}

} // namespace

TDruckblatt::TDruckblatt(const TBestellung& Bestellung, std::optional<TUmsatzsteuer> Steuer)
    : m_Blatt(Bestellung, Steuer)
{
}

TDruckblatt TDruckblatt::Mit_Skizzen(const TBestellung& Bestellung, std::optional<TUmsatzsteuer> Steuer)
{
    TDruckblatt Blatt(Bestellung, Steuer);
    Blatt.Skizzen_Setzen([](QPainter& Maler, const TPosition& Fenster, const QRectF& Ziel) {
        TSkizze::Zeichnen(Maler, Fenster, Ziel);
    });
    return Blatt;
}

QPageLayout TDruckblatt::Seitenformat()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
                       QPageLayout::Millimeter);
}

int TDruckblatt::Zeichnen(QPagedPaintDevice& Geraet) const
{
    QPainter M;
    if (!M.begin(&Geraet))
        return 0;
    M.setRenderHint(QPainter::Antialiasing);
    const TSatz S(Geraet);

    const TBlock Kopf = Tabellenkopf(S, m_Blatt);
    const qreal Fusshoehe = S.Masse(TSchriften::Schrift(Schrift_Tabelle)).height() + S.mm(3);
    const qreal Nutzhoehe = Geraet.height() - Fusshoehe;

    std::vector<TBlock> Bloecke;
    Bloecke.reserve(m_Blatt.Positionen.size() + m_Blatt.Summen.size() + 64);
    Absender(Bloecke, S, m_Blatt);
    Bloecke.push_back(Abstand(S.mm(4)));
    for (const TBlattposition& P : m_Blatt.Positionen) {
        for (TBlock& Block : Positionsbloecke(S, P, m_Skizze, Nutzhoehe - Kopf.Hoehe))
            Bloecke.push_back(std::move(Block));
    }
    for (const TBlattsumme& Summe : m_Blatt.Summen)
        Bloecke.push_back(Summenblock(S, Summe));
    Bloecke.push_back(Abstand(S.mm(4)));
    Absaetze(Bloecke, S, m_Blatt.Bedingungen, Schrift_Tabelle);
    if (!m_Blatt.Nachtext.empty()) {
        Bloecke.push_back(Abstand(S.mm(4)));
        Absaetze(Bloecke, S, m_Blatt.Nachtext, Schrift_Text);
    }

    // Pages first, so that every footer knows their number.
    struct TPlatz
    {
        const TBlock* Block;
        qreal y;
        // A part of a block taller than a page: how much of it went on earlier pages, and how much comes here.
        qreal Versatz = 0;
        qreal Teil = -1;
    };
    std::vector<std::vector<TPlatz>> Seiten(1);
    qreal y = 0;
    bool Kopf_gesetzt = false;
    for (const TBlock& Block : Bloecke) {
        if (!Block.Zeichnen && y == 0)
            continue;
        const qreal Bedarf = Block.Hoehe + (Block.Tabelle && !Kopf_gesetzt ? Kopf.Hoehe : 0);
        if (y > 0 && y + Bedarf > Nutzhoehe) {
            if (!Block.Zeichnen)
                continue;
            Seiten.emplace_back();
            y = 0;
            Kopf_gesetzt = false;
        }
        if (Block.Tabelle && !Kopf_gesetzt) {
            Seiten.back().push_back({&Kopf, y});
            y += Kopf.Hoehe;
            Kopf_gesetzt = true;
        }
        if (!Block.Zeichnen) {
            y += Block.Hoehe;
            continue;
        }
        if (y + Block.Hoehe <= Nutzhoehe) {
            Seiten.back().push_back({&Block, y});
            y += Block.Hoehe;
            continue;
        }
        for (qreal Versatz = 0;;) {
            qreal Schnitt = Versatz + (Nutzhoehe - y);
            if (Block.Raster > 0 && Schnitt > Block.Rand) {
                const qreal Zeilengenau = Block.Rand + std::floor((Schnitt - Block.Rand) / Block.Raster) * Block.Raster;
                if (Zeilengenau > Versatz)
                    Schnitt = Zeilengenau;
            }
            Schnitt = std::min(Schnitt, Block.Hoehe);
            Seiten.back().push_back({&Block, y, Versatz, Schnitt - Versatz});
            y += Schnitt - Versatz;
            Versatz = Schnitt;
            if (Versatz >= Block.Hoehe)
                break;
            Seiten.emplace_back();
            y = 0;
            Kopf_gesetzt = false;
            if (Block.Tabelle) {
                Seiten.back().push_back({&Kopf, y});
                y += Kopf.Hoehe;
                Kopf_gesetzt = true;
            }
        }
    }

    // A printer's dialog may ask for some pages only; the numbering stays that of the whole sheet.
    const QPageRanges Auswahl = Geraet.pageRanges();
    const int Anzahl = int(Seiten.size());
    bool Erste = true;
    for (int n = 0; n < Anzahl; ++n) {
        if (!Auswahl.isEmpty() && !Auswahl.contains(n + 1))
            continue;
        if (!std::exchange(Erste, false) && !Geraet.newPage()) {
            M.end();
            return 0;
        }
        for (const TPlatz& Platz : Seiten[std::size_t(n)]) {
            if (Platz.Teil < 0) {
                Platz.Block->Zeichnen(M, Platz.y);
                continue;
            }
            M.save();
            M.setClipRect(QRectF(-S.mm(2), Platz.y, S.Breite() + S.mm(4), Platz.Teil));
            Platz.Block->Zeichnen(M, Platz.y - Platz.Versatz);
            M.restore();
        }
        Fusszeile(M, S, m_Blatt.Datum, n + 1, Anzahl, Nutzhoehe + S.mm(1));
    }
    return M.end() ? Anzahl : 0;
}

QByteArray TDruckblatt::Pdf() const
{
    QByteArray Daten;
    QBuffer Puffer(&Daten);
    Puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter Schreiber(&Puffer);
        Schreiber.setTitle(TBestellblatt::Titel);
        Schreiber.setCreator(QStringLiteral("Quadrolis C2"));
        Schreiber.setResolution(1200);
        Schreiber.setPageLayout(Seitenformat());
        if (Zeichnen(Schreiber) == 0)
            return {};
    }
    return Daten;
}

bool TDruckblatt::Pdf_Schreiben(QIODevice& Geraet)
{
    m_Fehlertext.clear();
    const QByteArray Daten = Pdf();
    if (Daten.isEmpty()) {
        m_Fehlertext = QStringLiteral("Das Bestellblatt konnte nicht gesetzt werden.");
        return false;
    }
    if (const auto Grund = Dateifehler::Auf_Geraet_Schreiben(Geraet, Daten)) {
        m_Fehlertext = *Grund;
        return false;
    }
    return true;
}

bool TDruckblatt::Pdf_Speichern(const QString& Pfad)
{
    m_Fehlertext.clear();
    const QByteArray Daten = Pdf();
    if (Daten.isEmpty()) {
        m_Fehlertext = QStringLiteral("Das Bestellblatt konnte nicht gesetzt werden.");
        return false;
    }
    if (const auto Grund = Dateifehler::Ersetzen(Pfad, Daten)) {
        m_Fehlertext = *Grund;
        return false;
    }
    return true;
}
