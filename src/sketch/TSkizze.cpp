#include "sketch/TSkizze.h"

#include "fonts/TSchriften.h"
#include "positions/TPosition.h"
#include "sketch/TSonderformumriss.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Sashes below the top light, and whether the type has a top light, for the window types 0..9.
constexpr std::array<int, 10> Fluegel_Unten = {1, 1, 1, 2, 2, 3, 3, 4, 5, 6};
constexpr std::array<bool, 10> mitOberlicht = {false, false, true, false, true, false, true, false, false, false};

const QColor Holz(224, 199, 153);
const QColor Fluegelholz(208, 178, 126);
const QColor Glas(216, 235, 249);
const QColor Kastenfarbe(205, 205, 205);
const QColor Symbolfarbe(70, 70, 70);
const QColor Massfarbe(35, 35, 35);

// A text as the sketch shows it: a control character, a lone surrogate or a
// non-character shows nothing and has no place in an SVG document, so each
// stands there as U+FFFD; blanks of every kind become one blank.
QString Zeigbar(const QString& Text)
{
    QString Ergebnis = Text.simplified();
    for (qsizetype i = 0; i < Ergebnis.size(); ++i) {
        const QChar c = Ergebnis[i];
        if (c.isHighSurrogate() && i + 1 < Ergebnis.size() && Ergebnis[i + 1].isLowSurrogate())
            ++i;
        else if (c.category() == QChar::Other_Control || c.isSurrogate() || c.isNonCharacter())
            Ergebnis[i] = QChar::ReplacementCharacter;
    }
    return Ergebnis;
}

// The parts of a line that lie inside a closed outline.
std::vector<QLineF> Beschneiden(const QLineF& Linie, const QPolygonF& Umriss)
{
    std::vector<qreal> Teilungen = {0.0, 1.0};
    for (int i = 0; i + 1 < Umriss.size(); ++i) {
        QPointF Schnitt;
        if (Linie.intersects(QLineF(Umriss[i], Umriss[i + 1]), &Schnitt) == QLineF::BoundedIntersection) {
            const qreal t = std::abs(Linie.dx()) > std::abs(Linie.dy()) ? (Schnitt.x() - Linie.x1()) / Linie.dx()
                                                                         : (Schnitt.y() - Linie.y1()) / Linie.dy();
            Teilungen.push_back(std::clamp(t, 0.0, 1.0));
        }
    }
    std::sort(Teilungen.begin(), Teilungen.end());
    std::vector<QLineF> Teile;
    for (std::size_t i = 0; i + 1 < Teilungen.size(); ++i) {
        const qreal a = Teilungen[i], b = Teilungen[i + 1];
        if (b - a < 1e-6 || !Umriss.containsPoint(Linie.pointAt((a + b) / 2), Qt::OddEvenFill))
            continue;
        if (!Teile.empty() && std::abs(Teile.back().p2().x() - Linie.pointAt(a).x()) < 1e-9
            && std::abs(Teile.back().p2().y() - Linie.pointAt(a).y()) < 1e-9)
            Teile.back().setP2(Linie.pointAt(b));
        else
            Teile.emplace_back(Linie.pointAt(a), Linie.pointAt(b));
    }
    return Teile;
}

// Two lines from the handle side's corners to the middle of the hinge side
// (turn), from the upper corners to the middle of the bottom (tilt).
std::vector<QLineF> Symbol(const QRectF& G, const TOeffnung& O)
{
    std::vector<QLineF> Linien;
    const bool Dreh = O.Art == TOeffnungsart::Dreh || O.Art == TOeffnungsart::DrehKipp;
    const bool Kipp = O.Art == TOeffnungsart::Kipp || O.Art == TOeffnungsart::DrehKipp;
    const qreal Mitte_Y = G.center().y();
    if (Dreh && O.Seite == TBandseite::Links) {
        Linien.emplace_back(G.topRight(), QPointF(G.left(), Mitte_Y));
        Linien.emplace_back(G.bottomRight(), QPointF(G.left(), Mitte_Y));
    } else if (Dreh && O.Seite == TBandseite::Rechts) {
        Linien.emplace_back(G.topLeft(), QPointF(G.right(), Mitte_Y));
        Linien.emplace_back(G.bottomLeft(), QPointF(G.right(), Mitte_Y));
    }
    if (Kipp) {
        Linien.emplace_back(G.topLeft(), QPointF(G.center().x(), G.bottom()));
        Linien.emplace_back(G.topRight(), QPointF(G.center().x(), G.bottom()));
    }
    return Linien;
}

// Columns and rows whose product is the field count, the panes as square as possible.
std::pair<int, int> Sprossenraster(int Felder, const QRectF& G)
{
    std::pair<int, int> Bestes{1, Felder};
    qreal Beste_Abweichung = -1;
    for (int Spalten = 1; Spalten <= Felder; ++Spalten) {
        if (Felder % Spalten != 0)
            continue;
        const int Zeilen = Felder / Spalten;
        const qreal Abweichung = std::abs(std::log((G.width() / Spalten) / (G.height() / Zeilen)));
        if (Beste_Abweichung < 0 || Abweichung < Beste_Abweichung - 1e-9) {
            Beste_Abweichung = Abweichung;
            Bestes = {Spalten, Zeilen};
        }
    }
    return Bestes;
}

std::vector<QLineF> Sprossen(const QRectF& G, int Felder)
{
    std::vector<QLineF> Linien;
    if (Felder < 2 || G.width() <= 0 || G.height() <= 0)
        return Linien;
    const auto [Spalten, Zeilen] = Sprossenraster(Felder, G);
    for (int i = 1; i < Spalten; ++i) {
        const qreal x = G.left() + G.width() * i / Spalten;
        Linien.emplace_back(x, G.top(), x, G.bottom());
    }
    for (int i = 1; i < Zeilen; ++i) {
        const qreal y = G.top() + G.height() * i / Zeilen;
        Linien.emplace_back(G.left(), y, G.right(), y);
    }
    return Linien;
}

int Sprossenfelder(const TPosition& P)
{
    const TSprossen& S = P.Sprossen;
    const int Art = S.ItemIndex_Lesen(TSprossen::Art), Anzahl = S.ItemIndex_Lesen(TSprossen::Felder);
    constexpr int Eintraege = TSprossen::Eintraege_Je_Zeile;
    if (Art <= 0 || Art >= Eintraege || Anzahl <= 0 || Anzahl >= Eintraege)
        return 0;
    return S.Eintrag_Lesen(TSprossen::Felder).Felder;
}

// The cut of a field and an outline, every part closed: the cut leaves the
// last side of a part open, and a pen would leave it undrawn.
QPainterPath Schnitt(const QPainterPath& Feld, const QPainterPath& Umriss)
{
    const QPainterPath Pfad = Feld.intersected(Umriss);
    QPainterPath Ergebnis;
    for (int i = 0; i < Pfad.elementCount(); ++i) {
        const QPainterPath::Element E = Pfad.elementAt(i);
        if (E.isMoveTo()) {
            if (i > 0)
                Ergebnis.closeSubpath();
            Ergebnis.moveTo(E);
        } else if (E.isLineTo()) {
            Ergebnis.lineTo(E);
        } else if (E.isCurveTo() && i + 2 < Pfad.elementCount()) {
            Ergebnis.cubicTo(E, Pfad.elementAt(i + 1), Pfad.elementAt(i + 2));
            i += 2;
        }
    }
    Ergebnis.closeSubpath();
    return Ergebnis;
}

struct TRaender
{
    qreal Links, Oben, Rechts, Unten;
};

TRaender Raender(const TSkizzenplan& Plan, qreal u)
{
    return {u * 0.5 + (Plan.HoeheOberlicht > 0 ? u * 2.3 : 0), u * 0.5, u * 2.5,
            u * 2.6 + (Plan.Unlesbare_Drehrichtung.isEmpty() ? 0 : u * 1.5)};
}

QFont Schrift(qreal u)
{
    QFont F = TSchriften::Schrift(9);
    F.setPixelSize(std::max(1, int(std::lround(u))));
    return F;
}

// A dimension line from a to b with slanted ticks and its text beside it, on the side Richtung points to.
void Masslinie(QPainter& M, const QPointF& a, const QPointF& b, const QString& Text, const QPointF& Richtung,
               qreal u)
{
    M.setPen(QPen(Massfarbe, std::max(1.0, u / 12)));
    M.drawLine(a, b);
    const qreal t = u * 0.3;
    M.drawLine(a + QPointF(-t, t), a + QPointF(t, -t));
    M.drawLine(b + QPointF(-t, t), b + QPointF(t, -t));
    const QPointF Mitte = (a + b) / 2 + Richtung * (u * 0.75);
    M.save();
    M.translate(Mitte);
    if (std::abs(a.x() - b.x()) < 1e-9)
        M.rotate(-90);
    M.drawText(QRectF(-u * 6, -u * 0.7, u * 12, u * 1.4), Qt::AlignCenter, Text);
    M.restore();
}

} // namespace

QRectF TSkizzenplan::Ausdehnung() const
{
    QRectF A(0, 0, Breite, Hoehe);
    if (Rolladenkasten)
        A = A.united(*Rolladenkasten);
    if (Schwelle)
        A = A.united(QRectF(Schwelle->p1(), Schwelle->p2()).normalized().adjusted(0, -1, 0, 1));
    return A;
}

TSkizzenplan TSkizze::Planen(const TPosition& Position)
{
    const TAbmessungen& A = Position.Abmessungen;
    TSkizzenplan Plan;
    Plan.Breite = A.Breite();
    Plan.Hoehe = A.Hoehe();
    Plan.Zeichenbar = Plan.Breite > 0 && Plan.Hoehe > 0;
    if (!Plan.Zeichenbar)
        return Plan;

    const qreal B = Plan.Breite, H = Plan.Hoehe;
    const int Form = Position.Sonderformen.ItemIndex_Lesen();
    Plan.Form = Form >= 0 && Form < 12 ? Form : 0;
    const qreal Rahmen = std::min(70.0, std::min(B, H) / 6);
    const QRectF Aussen(0, 0, B, H);
    const QRectF Licht = Aussen.adjusted(Rahmen, Rahmen, -Rahmen, -Rahmen);
    Plan.Umriss = TSonderformumriss::Umriss(Plan.Form, Aussen);
    Plan.Innen = TSonderformumriss::Umriss(Plan.Form, Licht);

    if (Position.Rolladen.ItemIndex_Lesen(TRolladen::Fuehrung) != 0) {
        const qreal Kasten = std::clamp(H * 0.12, 120.0, 300.0);
        Plan.Rolladenkasten = QRectF(0, -Kasten, B, Kasten);
    }
    if (A.istBalkontuer())
        Plan.Schwelle = QLineF(-Rahmen / 2, H, B + Rahmen / 2, H);

    const int Typ = A.Fenstertyp_Lesen();
    if (Typ < 0 || Typ > 9)
        return Plan;
    const int Unten = Fluegel_Unten[std::size_t(Typ)];
    const bool Oberlicht = mitOberlicht[std::size_t(Typ)];

    TDrehrichtungen Richtungen = TDrehrichtungsleser::Lesen(A.Drehrichtung, Unten, Oberlicht);
    if (Typ == 0 && Richtungen.Lesbar) {
        for (const TOeffnung& O : Richtungen.Fluegel)
            if (O.Art != TOeffnungsart::Fest)
                Richtungen = TDrehrichtungen{false, std::nullopt, {}};
    }
    if (!Richtungen.Lesbar)
        Plan.Unlesbare_Drehrichtung = A.Drehrichtung.simplified();

    const int Felder = Sprossenfelder(Position);
    const auto Feld_Anlegen = [&](const QRectF& Bereich, bool Fluegelrahmen, bool istOberlicht,
                                  const std::optional<TOeffnung>& Oeffnung) {
        TSkizzenplan::TFeld F;
        F.Rahmen = Bereich;
        F.hatFluegelrahmen = Fluegelrahmen;
        F.istOberlicht = istOberlicht;
        const qreal Fluegelbreite = Fluegelrahmen ? std::min(60.0, std::min(Bereich.width(), Bereich.height()) / 5) : 0;
        F.Glas = Bereich.adjusted(Fluegelbreite, Fluegelbreite, -Fluegelbreite, -Fluegelbreite);
        F.Glasflaeche.addRect(F.Glas);
        std::vector<QLineF> Symbollinien, Sprossenlinien = Sprossen(F.Glas, Felder);
        if (Oeffnung)
            Symbollinien = Symbol(F.Glas, *Oeffnung);
        if (Plan.Form != 0) {
            // The sash frame follows the shape too: the glass ends a sash frame's width inside the opening.
            const QRectF Glaslicht = Licht.adjusted(Fluegelbreite, Fluegelbreite, -Fluegelbreite, -Fluegelbreite);
            F.Glasflaeche = Schnitt(F.Glasflaeche, TSonderformumriss::Umriss(Plan.Form, Glaslicht));
            const QPolygonF Umriss = F.Glasflaeche.toFillPolygon();
            const auto Beschnitten = [&](const std::vector<QLineF>& Linien) {
                std::vector<QLineF> Teile;
                for (const QLineF& L : Linien)
                    for (const QLineF& T : Beschneiden(L, Umriss))
                        Teile.push_back(T);
                return Teile;
            };
            Symbollinien = Beschnitten(Symbollinien);
            Sprossenlinien = Beschnitten(Sprossenlinien);
        }
        F.Oeffnung = Oeffnung;
        F.Symbol = std::move(Symbollinien);
        F.Sprossen = std::move(Sprossenlinien);
        Plan.Felder.push_back(std::move(F));
    };

    QRectF Unterteil = Licht;
    if (Oberlicht) {
        Plan.HoeheOberlicht = A.HoeheOberlicht();
        // An impossible top-light height is shown as typed but drawn inside the frame.
        const qreal O = H > 8 * Rahmen ? std::clamp(qreal(A.HoeheOberlicht()), 3 * Rahmen, H - 3 * Rahmen) : H / 3;
        Plan.Kaempfer = QRectF(Licht.left(), O - Rahmen / 2, Licht.width(), Rahmen);
        Feld_Anlegen(QRectF(Licht.left(), Licht.top(), Licht.width(), Plan.Kaempfer->top() - Licht.top()), true, true,
                     Richtungen.Oberlicht);
        Unterteil.setTop(Plan.Kaempfer->bottom());
    }
    const qreal Fluegelbreite = Unterteil.width() / Unten;
    for (int i = 0; i < Unten; ++i) {
        std::optional<TOeffnung> Oeffnung;
        if (std::size_t(i) < Richtungen.Fluegel.size())
            Oeffnung = Richtungen.Fluegel[std::size_t(i)];
        Feld_Anlegen(QRectF(Unterteil.left() + i * Fluegelbreite, Unterteil.top(), Fluegelbreite, Unterteil.height()),
                     Typ != 0, false, Oeffnung);
    }
    return Plan;
}

qreal TSkizze::Schrifthoehe(const QRectF& Ziel, qreal Dpi)
{
    const qreal Faktor = Dpi > 0 ? Dpi / 96 : 1;
    const qreal Kante = std::min(Ziel.width(), Ziel.height()) / Faktor;
    return std::clamp(Kante / 22, 11.0, 15.0) * Faktor;
}

QTransform TSkizze::Abbildung(const TSkizzenplan& Plan, const QRectF& Ziel, qreal Schrifthoehe)
{
    const QRectF A = Plan.Zeichenbar ? Plan.Ausdehnung() : QRectF(0, 0, 1, 1);
    const TRaender R = Raender(Plan, Schrifthoehe);
    const QRectF Frei = Ziel.adjusted(R.Links, R.Oben, -R.Rechts, -R.Unten);
    const qreal Massstab = std::max(0.0, std::min(Frei.width() / A.width(), Frei.height() / A.height()));
    const QPointF Mitte = Frei.center();
    QTransform T;
    T.translate(Mitte.x() - A.width() * Massstab / 2, Mitte.y() - A.height() * Massstab / 2);
    T.scale(Massstab, Massstab);
    T.translate(-A.left(), -A.top());
    return T;
}

void TSkizze::Zeichnen(QPainter& Maler, const TPosition& Position, const QRectF& Ziel)
{
    Zeichnen(Maler, Planen(Position), Ziel);
}

void TSkizze::Zeichnen(QPainter& Maler, const TSkizzenplan& Plan, const QRectF& Ziel)
{
    const qreal Dpi = Maler.device() ? Maler.device()->logicalDpiY() : 96;
    const qreal u = Schrifthoehe(Ziel, Dpi);
    const qreal Strich = std::max(1.0, Dpi / 96);
    Maler.save();
    Maler.setRenderHint(QPainter::Antialiasing);
    Maler.setFont(Schrift(u));
    if (!Plan.Zeichenbar) {
        Maler.setPen(Massfarbe);
        Maler.drawText(Ziel, Qt::AlignCenter, QStringLiteral("Keine Maße"));
        Maler.restore();
        return;
    }
    const QTransform T = Abbildung(Plan, Ziel, u);
    const bool Rechteck = Plan.Form == 0;
    const QPen Kontur(Qt::black, Strich);
    const auto Flaeche = [&](const QRectF& R, const QColor& Farbe) {
        Maler.setPen(Kontur);
        Maler.setBrush(Farbe);
        if (Rechteck) {
            Maler.drawRect(T.mapRect(R));
        } else {
            QPainterPath P;
            P.addRect(R);
            Maler.drawPath(T.map(Schnitt(P, Plan.Innen)));
        }
    };

    if (Plan.Rolladenkasten) {
        Maler.setPen(Kontur);
        Maler.setBrush(Kastenfarbe);
        Maler.drawRect(T.mapRect(*Plan.Rolladenkasten));
    }
    Maler.setPen(Kontur);
    Maler.setBrush(Holz);
    if (Rechteck)
        Maler.drawRect(T.mapRect(QRectF(0, 0, Plan.Breite, Plan.Hoehe)));
    else
        Maler.drawPath(T.map(Plan.Umriss));
    Maler.setBrush(Glas);
    if (Rechteck)
        Maler.drawRect(T.mapRect(Plan.Innen.boundingRect()));
    else
        Maler.drawPath(T.map(Plan.Innen));
    if (Plan.Kaempfer)
        Flaeche(*Plan.Kaempfer, Holz);

    for (const TSkizzenplan::TFeld& F : Plan.Felder) {
        if (F.hatFluegelrahmen)
            Flaeche(F.Rahmen, Fluegelholz);
        if (Rechteck) {
            Flaeche(F.Glas, Glas);
        } else {
            Maler.setPen(Kontur);
            Maler.setBrush(Glas);
            Maler.drawPath(T.map(F.Glasflaeche));
        }
        Maler.setPen(QPen(Fluegelholz, std::max(Strich * 1.5, 24 * T.m11()), Qt::SolidLine, Qt::FlatCap));
        for (const QLineF& L : F.Sprossen)
            Maler.drawLine(T.map(L));
        Maler.setPen(QPen(Symbolfarbe, Strich));
        for (const QLineF& L : F.Symbol)
            Maler.drawLine(T.map(L));
    }
    if (Plan.Schwelle) {
        Maler.setPen(QPen(Qt::black, Strich * 3, Qt::SolidLine, Qt::FlatCap));
        Maler.drawLine(T.map(*Plan.Schwelle));
    }

    const QRectF Fenster = T.mapRect(QRectF(0, 0, Plan.Breite, Plan.Hoehe));
    const QRectF Alles = T.mapRect(Plan.Ausdehnung());
    const qreal Unten_Y = Alles.bottom() + u * 0.8;
    Masslinie(Maler, QPointF(Fenster.left(), Unten_Y), QPointF(Fenster.right(), Unten_Y),
              QString::number(Plan.Breite), QPointF(0, 1), u);
    const qreal Rechts_X = Alles.right() + u * 0.8;
    Masslinie(Maler, QPointF(Rechts_X, Fenster.top()), QPointF(Rechts_X, Fenster.bottom()),
              QString::number(Plan.Hoehe), QPointF(1, 0), u);
    if (Plan.HoeheOberlicht > 0 && Plan.Kaempfer) {
        const qreal Links_X = Alles.left() - u * 0.8;
        const qreal Kaempfer_Y = T.map(QPointF(0, Plan.Kaempfer->center().y())).y();
        Masslinie(Maler, QPointF(Links_X, Fenster.top()), QPointF(Links_X, Kaempfer_Y),
                  QString::number(Plan.HoeheOberlicht), QPointF(-1, 0), u);
    }
    if (!Plan.Unlesbare_Drehrichtung.isEmpty()) {
        const QString Text = QStringLiteral("Drehrichtung nicht lesbar: ") + Zeigbar(Plan.Unlesbare_Drehrichtung);
        const QRectF Zeile(Ziel.left() + u * 0.3, Unten_Y + u * 1.5, Ziel.width() - u * 0.6, u * 1.4);
        Maler.setPen(QColor(170, 0, 0));
        Maler.drawText(Zeile, Qt::AlignCenter,
                       QFontMetricsF(Maler.font()).elidedText(Text, Qt::ElideRight, Zeile.width()));
    }
    Maler.restore();
}

QImage TSkizze::Bild(const TSkizzenplan& Plan, const QSize& Groesse)
{
    QImage Ergebnis(Groesse, QImage::Format_ARGB32_Premultiplied);
    Ergebnis.fill(Qt::white);
    QPainter Maler(&Ergebnis);
    Zeichnen(Maler, Plan, QRectF(QPointF(0, 0), Groesse));
    return Ergebnis;
}

bool TSkizze::Svg_Schreiben(QIODevice& Ziel, const TPosition& Position, const QSize& Groesse, const QString& Titel)
{
    return Svg_Schreiben(Ziel, Planen(Position), Groesse, Titel);
}

bool TSkizze::Svg_Schreiben(QIODevice& Ziel, const TSkizzenplan& Plan, const QSize& Groesse, const QString& Titel)
{
    QSvgGenerator Generator;
    Generator.setOutputDevice(&Ziel);
    Generator.setSize(Groesse);
    Generator.setViewBox(QRect(QPoint(0, 0), Groesse));
    Generator.setResolution(96);
    Generator.setTitle(Zeigbar(Titel));
    QPainter Maler;
    if (!Maler.begin(&Generator))
        return false;
    Maler.fillRect(QRectF(QPointF(0, 0), Groesse), Qt::white);
    Zeichnen(Maler, Plan, QRectF(QPointF(0, 0), Groesse));
    return Maler.end();
}
