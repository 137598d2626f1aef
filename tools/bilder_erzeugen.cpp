// Draws the pictures of the information windows and writes them as JPEG files
// into the folder given as the only argument (normally resources/).
//
// Built with the project (not installed); run it from the project folder when
// a picture or the wood or special-shape catalog changes:
//   QT_QPA_PLATFORM=offscreen build/tools/bilder_erzeugen resources

#include "catalog/THoelzer.h"
#include "catalog/TSonderformen.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace {

// ---------------------------------------------------------------- output

bool Jpeg_Schreiben(const QImage& Bild, const QString& Pfad, int Qualitaet = 85)
{
    const QImage Rgb = Bild.convertToFormat(QImage::Format_RGB888);
    std::FILE* Datei = std::fopen(QFile::encodeName(Pfad).constData(), "wb");
    if (!Datei)
        return false;
    jpeg_compress_struct Info;
    jpeg_error_mgr Fehler;
    Info.err = jpeg_std_error(&Fehler);
    jpeg_create_compress(&Info);
    jpeg_stdio_dest(&Info, Datei);
    Info.image_width = JDIMENSION(Rgb.width());
    Info.image_height = JDIMENSION(Rgb.height());
    Info.input_components = 3;
    Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, Qualitaet, TRUE);
    Info.optimize_coding = TRUE;
    jpeg_start_compress(&Info, TRUE);
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW Zeile = const_cast<JSAMPROW>(Rgb.constScanLine(int(Info.next_scanline)));
        jpeg_write_scanlines(&Info, &Zeile, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    return std::fclose(Datei) == 0;
}

// ---------------------------------------------------------------- common

const QColor Tinte(35, 35, 40);
const QColor Holzfarbe(236, 218, 178);
const QColor Holzstrich(176, 134, 80);
const QColor Holzkante(92, 62, 30);
const QColor Alufarbe(205, 210, 216);
const QColor Alukante(80, 86, 96);
const QColor Glasfarbe(212, 233, 247);
const QColor Glaskante(70, 120, 165);
const QColor Dichtungsfarbe(40, 40, 40);
const QColor Masslinie(170, 40, 40);
const QColor Firmengruen(38, 96, 62);

QFont Schrift(int Pixel, bool Fett = false, bool Schmal = false)
{
    QFont F(Schmal ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    F.setPixelSize(Pixel);
    F.setBold(Fett);
    F.setHintingPreference(QFont::PreferFullHinting);
    return F;
}

QImage Leerbild(int Breite, int Hoehe)
{
    QImage Bild(Breite, Hoehe, QImage::Format_RGB32);
    Bild.fill(Qt::white);
    return Bild;
}

void Text(QPainter& P, const QRectF& R, const QString& T, const QFont& F, int Ausrichtung = Qt::AlignLeft | Qt::AlignVCenter,
          const QColor& Farbe = Tinte)
{
    P.save();
    P.setFont(F);
    P.setPen(Farbe);
    P.drawText(R, Ausrichtung, T);
    P.restore();
}

// German figures without thousands separator, as the program shows them.
QLocale Deutsch()
{
    QLocale Ergebnis(QLocale::German, QLocale::Germany);
    Ergebnis.setNumberOptions(QLocale::OmitGroupSeparator);
    return Ergebnis;
}

QString Euro(double Betrag, int Stellen = 2)
{
    return Deutsch().toString(Betrag, 'f', Stellen) + QStringLiteral(" €");
}

// ---------------------------------------------------------------- section drawing

// A section in millimetres: u is the depth of the profile (0 outside), v runs
// along the glass. Each part is placed by a mapping to picture pixels.
using TAbbildung = std::function<QPointF(double u, double v)>;

QPolygonF Abbilden(const TAbbildung& A, std::initializer_list<QPointF> Punkte)
{
    QPolygonF Ergebnis;
    for (const QPointF& Punkt : Punkte)
        Ergebnis << A(Punkt.x(), Punkt.y());
    return Ergebnis;
}

void Schraffur(QPainter& P, const QPainterPath& Form, const QColor& Fuellung, const QColor& Strich, const QColor& Kante,
               double Abstand, bool Gegenrichtung)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    P.fillPath(Form, Fuellung);
    P.save();
    P.setClipPath(Form, Qt::IntersectClip);
    P.setPen(QPen(Strich, 0.8));
    const QRectF R = Form.boundingRect();
    for (double d = -R.height(); d < R.width(); d += Abstand) {
        if (Gegenrichtung)
            P.drawLine(QPointF(R.left() + d, R.top()), QPointF(R.left() + d + R.height(), R.bottom()));
        else
            P.drawLine(QPointF(R.left() + d, R.bottom()), QPointF(R.left() + d + R.height(), R.top()));
    }
    P.restore();
    P.setPen(QPen(Kante, 1.3));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Form);
    P.restore();
}

QPainterPath Pfad(const QPolygonF& Polygon)
{
    QPainterPath Ergebnis;
    Ergebnis.addPolygon(Polygon);
    Ergebnis.closeSubpath();
    return Ergebnis;
}

// Frames and mullions are hatched the other way than sashes, so the parts stand apart.
void Holz(QPainter& P, const QPainterPath& Form, bool Rahmen = false)
{
    Schraffur(P, Form, Holzfarbe, Holzstrich, Holzkante, 6, Rahmen);
}

void Alu(QPainter& P, const QPainterPath& Form)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    P.fillPath(Form, Alufarbe);
    P.setPen(QPen(Alukante, 1.2));
    P.drawPath(Form);
    P.restore();
}

void Dichtung(QPainter& P, const QPointF& Mitte, double Groesse)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(Qt::NoPen);
    P.setBrush(Dichtungsfarbe);
    P.drawRoundedRect(QRectF(Mitte.x() - Groesse / 2, Mitte.y() - Groesse / 2, Groesse, Groesse), 1.5, 1.5);
    P.restore();
}

// Insulating glass between u0 and u0 + 24 from v0 to v1: two panes and the spacer.
void Isolierglas(QPainter& P, const TAbbildung& A, double u0, double v0, double v1)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    for (const double u : {u0, u0 + 20}) {
        const QPolygonF Scheibe = Abbilden(A, {{u, v0}, {u + 4, v0}, {u + 4, v1}, {u, v1}});
        P.setPen(QPen(Glaskante, 1));
        P.setBrush(Glasfarbe);
        P.drawPolygon(Scheibe);
    }
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(120, 124, 130));
    P.drawPolygon(Abbilden(A, {{u0 + 4, v0 + 1}, {u0 + 20, v0 + 1}, {u0 + 20, v0 + 9}, {u0 + 4, v0 + 9}}));
    P.restore();
}

// Dimension line between two picture points with the text beside its middle.
void Mass(QPainter& P, QPointF a, QPointF b, const QString& T, double Versatz)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    const QPointF d = b - a;
    const double Laenge = std::hypot(d.x(), d.y());
    const QPointF Normale(-d.y() / Laenge * Versatz, d.x() / Laenge * Versatz);
    const QPointF a2 = a + Normale;
    const QPointF b2 = b + Normale;
    P.setPen(QPen(Masslinie, 0.8));
    P.drawLine(a, a2 + Normale / std::abs(Versatz) * 3);
    P.drawLine(b, b2 + Normale / std::abs(Versatz) * 3);
    P.drawLine(a2, b2);
    const QPointF Schraeg = (d / Laenge + Normale / std::abs(Versatz)) * 3;
    P.setPen(QPen(Masslinie, 1.4));
    P.drawLine(a2 - Schraeg, a2 + Schraeg);
    P.drawLine(b2 - Schraeg, b2 + Schraeg);
    const QPointF Mitte = (a2 + b2) / 2 + Normale / std::abs(Versatz) * 8;
    P.setFont(Schrift(10, true));
    P.setPen(Masslinie);
    P.drawText(QRectF(Mitte.x() - 30, Mitte.y() - 8, 60, 16), Qt::AlignCenter, T);
    P.restore();
}

// A label with a thin leader to the part it names.
void Hinweis(QPainter& P, const QPointF& Ziel, const QRectF& Feld, const QString& T, bool Rechtsbuendig = false)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(QPen(QColor(90, 90, 90), 0.7));
    const QPointF Anfang(Rechtsbuendig ? Feld.right() + 2 : Feld.left() - 2, Feld.center().y());
    P.drawLine(Anfang, Ziel);
    P.setBrush(QColor(90, 90, 90));
    P.drawEllipse(Ziel, 1.6, 1.6);
    P.restore();
    Text(P, Feld, T, Schrift(9, false, true), (Rechtsbuendig ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

// ------------------------------------------------ the profile parts in (u, v)

struct TFluegelart
{
    double Hoehe = 78;        // visible sash height
    bool Nacken_Profil = false;
    bool Leiste_Profil = false;
    bool Ueberschlag = false;
};

// Frame or mullion top, seen from the sash: outer part up to v = 14, inner rebate down to -2.
QPolygonF Rahmenkontur(const TAbbildung& A, double Tiefe)
{
    return Abbilden(A, {{0, -Tiefe}, {68, -Tiefe}, {68, -2}, {48, -2}, {48, 14}, {0, 14}});
}

QPainterPath Fluegelkontur(const TAbbildung& A, const TFluegelart& F)
{
    const double Innen = F.Ueberschlag ? 74 : 68;
    const double Boden = F.Hoehe - 18;
    QPainterPath Weg;
    Weg.moveTo(A(4, 16));
    Weg.lineTo(A(46, 16));
    Weg.lineTo(A(46, 0));
    Weg.lineTo(A(Innen, 0));
    if (F.Ueberschlag) {
        Weg.lineTo(A(Innen, 10));
        Weg.lineTo(A(68, 12));
    }
    Weg.lineTo(A(68, Boden));
    Weg.lineTo(A(16, Boden));
    Weg.lineTo(A(16, F.Hoehe));
    if (F.Nacken_Profil) {
        Weg.lineTo(A(10, F.Hoehe));
        Weg.quadTo(A(10, F.Hoehe - 6), A(4, F.Hoehe - 8));
    } else {
        Weg.lineTo(A(4, F.Hoehe));
    }
    Weg.closeSubpath();
    return Weg;
}

QPainterPath Glasleiste(const TAbbildung& A, const TFluegelart& F)
{
    const double Boden = F.Hoehe - 18;
    QPainterPath Weg;
    Weg.moveTo(A(42, Boden + 1));
    Weg.lineTo(A(66, Boden + 1));
    Weg.lineTo(A(66, Boden + 5));
    if (F.Leiste_Profil)
        Weg.cubicTo(A(58, Boden + 6), A(54, Boden + 16), A(42, Boden + 18));
    else
        Weg.lineTo(A(42, Boden + 17));
    Weg.closeSubpath();
    return Weg;
}

void Fluegel_Zeichnen(QPainter& P, const TAbbildung& A, const TFluegelart& F, double Glasende)
{
    Holz(P, Fluegelkontur(A, F));
    Isolierglas(P, A, 18, F.Hoehe - 16, Glasende);
    Holz(P, Glasleiste(A, F));
    Dichtung(P, A(17, F.Hoehe + 1), 3.5);
    Dichtung(P, A(43, F.Hoehe + 0.5), 3.5);
    Dichtung(P, A(28, 14), 4);
    Dichtung(P, A(58, -1), 4);
}

// Fits the millimetre box [u0,u1] x [v0,v1] into a picture area, v upwards.
struct TMassstab
{
    double Faktor;
    QPointF Ursprung;

    TMassstab(const QRectF& Bereich, double u0, double u1, double v0, double v1)
    {
        Faktor = std::min(Bereich.width() / (u1 - u0), Bereich.height() / (v1 - v0));
        const double Breite = (u1 - u0) * Faktor;
        const double Hoehe = (v1 - v0) * Faktor;
        Ursprung = QPointF(Bereich.left() + (Bereich.width() - Breite) / 2 - u0 * Faktor,
                           Bereich.top() + (Bereich.height() - Hoehe) / 2 + v1 * Faktor);
    }
    QPointF operator()(double x, double y) const { return {Ursprung.x() + x * Faktor, Ursprung.y() - y * Faktor}; }
};

// ------------------------------------------------ sheet kinds

enum class TUnten { Regenschiene, Wetterschenkel, Abdeckung };

struct TSchnitt
{
    TFluegelart Fluegel;
    TUnten Unten = TUnten::Regenschiene;
};

// Vertical section at the bottom of a window: frame, sash, glass.
void Blatt_Schnitt(QPainter& P, const QRectF& Bereich, const TSchnitt& S)
{
    const QRectF Zeichnung(Bereich.left(), Bereich.top(), Bereich.width() * 0.62, Bereich.height());
    const double Oben = S.Fluegel.Hoehe + 70;
    const TMassstab M(Zeichnung, -30, 92, -75, Oben);
    const TAbbildung A = [&M](double u, double v) { return M(u, v); };
    const TAbbildung F = [&M](double u, double v) { return M(u, v + 2); };

    Holz(P, Pfad(Rahmenkontur(A, 58)), true);
    Dichtung(P, A(66, -1), 4);
    Fluegel_Zeichnen(P, F, S.Fluegel, Oben);

    QPointF Schiene;
    QString Schienentext;
    switch (S.Unten) {
    case TUnten::Regenschiene:
    case TUnten::Abdeckung:
        Alu(P, Pfad(Abbilden(A, {{-3, 13}, {0, 13}, {0, -10}, {-18, -17}, {-18, -12}, {-21, -12}, {-21, -20},
                                   {-3, -13}})));
        Schiene = A(-10, -14);
        Schienentext = QStringLiteral("Regenschiene Alu");
        if (S.Unten == TUnten::Abdeckung) {
            QPainterPath Deckel;
            Deckel.moveTo(F(4, 16));
            Deckel.lineTo(F(4, 30));
            Deckel.lineTo(F(-8, 20));
            Deckel.quadTo(F(-14, 14), F(-14, 8));
            Deckel.lineTo(F(-4, 8));
            Deckel.lineTo(F(-4, 16));
            Deckel.closeSubpath();
            Holz(P, Deckel);
            Hinweis(P, F(-10, 14), QRectF(Bereich.right() - 96, Bereich.top() + 112, 96, 14),
                    QStringLiteral("Abdeckprofil Holz"));
        }
        break;
    case TUnten::Wetterschenkel: {
        QPainterPath Schenkel;
        Schenkel.moveTo(F(4, 18));
        Schenkel.lineTo(F(4, 40));
        Schenkel.quadTo(F(-6, 34), F(-16, 22));
        Schenkel.lineTo(F(-16, 16));
        Schenkel.closeSubpath();
        Holz(P, Schenkel);
        Schiene = F(-10, 22);
        Schienentext = QStringLiteral("Wetterschenkel Holz");
        break;
    }
    }

    const double Rechts = Bereich.right() - 96;
    Hinweis(P, F(30, Oben - 30), QRectF(Rechts, Bereich.top() + 10, 96, 14), QStringLiteral("Isolierglas 24 mm"));
    Hinweis(P, F(8, S.Fluegel.Hoehe - 4), QRectF(Rechts, Bereich.top() + 40, 96, 14),
            S.Fluegel.Nacken_Profil ? QStringLiteral("Glasnacken profiliert") : QStringLiteral("Glasnacken"));
    Hinweis(P, F(60, S.Fluegel.Hoehe - 13), QRectF(Rechts, Bereich.top() + 70, 96, 14),
            S.Fluegel.Leiste_Profil ? QStringLiteral("Glasleiste profiliert") : QStringLiteral("Glasleiste"));
    Hinweis(P, F(56, 30), QRectF(Rechts, Bereich.top() + 150, 96, 14), QStringLiteral("Flügel"));
    Hinweis(P, F(58, -1), QRectF(Rechts, Bereich.top() + 180, 96, 14), QStringLiteral("Dichtung"));
    Hinweis(P, Schiene, QRectF(Rechts, Bereich.top() + 215, 96, 14), Schienentext);
    Hinweis(P, A(40, -30), QRectF(Rechts, Bereich.top() + 250, 96, 14), QStringLiteral("Blendrahmen"));

    Mass(P, A(0, -58), A(68, -58), QStringLiteral("68"), 14);
    Mass(P, F(S.Fluegel.Ueberschlag ? 74 : 68, 0), F(S.Fluegel.Ueberschlag ? 74 : 68, S.Fluegel.Hoehe),
         QString::number(int(S.Fluegel.Hoehe)), 10);
    Text(P, QRectF(A(-30, -58).x(), A(0, -40).y(), 40, 14), QStringLiteral("außen"), Schrift(9, false, true));
    Text(P, QRectF(A(70, -40).x(), A(0, -40).y(), 40, 14), QStringLiteral("innen"), Schrift(9, false, true));
}

enum class TMitte { Kaempfer, Pfosten, Stulp, Setzholz };

struct TMittelschnitt
{
    TMitte Art;
    int Gesamt;                // overall visible width in millimetres
    TFluegelart Fluegel;
};

// Section through a transom, mullion or meeting stile with a sash on either side.
void Blatt_Mitte(QPainter& P, const QRectF& Bereich, const TMittelschnitt& S)
{
    const double Glasrand = S.Fluegel.Hoehe - 18;
    const double d = S.Gesamt / 2.0 - Glasrand;
    const double Reichweite = S.Gesamt / 2.0 + 40;
    const bool Schienen = S.Art == TMitte::Setzholz;
    const TMassstab M(QRectF(Bereich.left(), Bereich.top() + 30, Bereich.width(), Bereich.height() - 60), -Reichweite,
                      Reichweite, Schienen ? -44 : -26, 90);
    // Depth runs upwards here: outside below, inside above.
    const TAbbildung Links = [&M, d](double u, double v) { return M(-(d + v), u); };
    const TAbbildung Rechts = [&M, d](double u, double v) { return M(d + v, u); };

    if (S.Art == TMitte::Stulp) {
        TFluegelart Glatt = S.Fluegel;
        Glatt.Ueberschlag = false;
        // The two sashes meet without a post; their inner rebates overlap.
        const TAbbildung L2 = [&M](double u, double v) { return M(-(v - 15), u); };
        const TAbbildung R2 = [&M](double u, double v) { return M(v - 15, u); };
        Fluegel_Zeichnen(P, L2, Glatt, Reichweite + 15);
        Fluegel_Zeichnen(P, R2, Glatt, Reichweite + 15);
        QPainterPath Leiste;
        Leiste.addRoundedRect(QRectF(M(-14, 75), M(14, 68)), 2, 2);
        Holz(P, Leiste);
        Hinweis(P, M(0, 71), QRectF(Bereich.left() + Bereich.width() / 2 - 50, Bereich.top() + 2, 100, 14),
                QStringLiteral("Schlagleiste innen"));
    } else {
        QPolygonF Mitte;
        for (const QPointF& Punkt : Rahmenkontur(Links, 0).mid(2, 4))
            Mitte << Punkt;
        const QPolygonF R = Rahmenkontur(Rechts, 0).mid(2, 4);
        for (auto i = R.size(); i-- > 0;)
            Mitte << R[i];
        Holz(P, Pfad(Mitte), true);
        Fluegel_Zeichnen(P, Links, S.Fluegel, Reichweite - d);
        Fluegel_Zeichnen(P, Rechts, S.Fluegel, Reichweite - d);
        Dichtung(P, Links(66, -1), 4);
        Dichtung(P, Rechts(66, -1), 4);
        const QString Name = S.Art == TMitte::Kaempfer ? QStringLiteral("Kämpfer")
                             : S.Art == TMitte::Pfosten ? QStringLiteral("Pfosten (Setzholz)")
                                                        : QStringLiteral("Setzholz");
        Hinweis(P, M(0, 30), QRectF(Bereich.left() + Bereich.width() / 2 - 60, Bereich.top() + 2, 120, 14), Name);
    }
    if (Schienen) {
        for (const double Seite : {-1.0, 1.0}) {
            const double x0 = Seite < 0 ? -d - 12 : d - 13;
            Alu(P, Pfad(Abbilden([&M](double u, double v) { return M(u, v); },
                                 {{x0, 0}, {x0 + 25, 0}, {x0 + 25, -22}, {x0 + 19, -22}, {x0 + 19, -4}, {x0 + 6, -4},
                                  {x0 + 6, -22}, {x0, -22}})));
            P.fillRect(QRectF(M(x0 + 10, -6), M(x0 + 15, -44)), QColor(150, 155, 160));
        }
        Text(P, QRectF(Bereich.left(), Bereich.bottom() - 44, Bereich.width(), 14),
             QStringLiteral("außen: zwei Führungsschienen Alu 25 x 22"), Schrift(10), Qt::AlignCenter);
    }
    const double Glaskante = S.Art == TMitte::Stulp ? Glasrand - 15 : d + Glasrand;
    Mass(P, M(-Glaskante, 68), M(Glaskante, 68), QString::number(S.Gesamt), -18);
    Text(P, QRectF(Bereich.left(), M(0, -4).y(), 60, 14), QStringLiteral("außen"), Schrift(9, false, true));
    Text(P, QRectF(Bereich.left(), M(0, 78).y(), 60, 14), QStringLiteral("innen"), Schrift(9, false, true));
    Text(P, QRectF(Bereich.left(), Bereich.bottom() - 26, Bereich.width(), 14),
         QStringLiteral("Gesamtansicht %1 mm, Profiltiefe 68 mm").arg(S.Gesamt), Schrift(10), Qt::AlignCenter);
}

// Several small sections side by side or in a grid, each with a caption.
void Raster(QPainter& P, const QRectF& Bereich, int Spalten, int Zeilen,
            const std::vector<std::pair<QString, std::function<void(QPainter&, const QRectF&)>>>& Felder)
{
    const double Breite = Bereich.width() / Spalten;
    const double Hoehe = Bereich.height() / Zeilen;
    for (std::size_t i = 0; i < Felder.size(); ++i) {
        const QRectF Feld(Bereich.left() + double(i % std::size_t(Spalten)) * Breite,
                          Bereich.top() + double(i / std::size_t(Spalten)) * Hoehe, Breite, Hoehe);
        Felder[i].second(P, Feld.adjusted(6, 4, -6, -34));
        Text(P, QRectF(Feld.left(), Feld.bottom() - 32, Feld.width(), 30), Felder[i].first, Schrift(9, false, true),
             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    }
}

void Sprosse(QPainter& P, const QRectF& R, int Breite, bool Glasteilend)
{
    const TMassstab M(R, -50, 50, -22, 88);
    const TAbbildung A = [&M](double u, double v) { return M(v, u); };
    if (Glasteilend) {
        Isolierglas(P, [&M](double u, double v) { return M(-v, u); }, 22, Breite / 2.0 - 6, 50);
        Isolierglas(P, A, 22, Breite / 2.0 - 6, 50);
        QPainterPath Holm;
        const double h = Breite / 2.0;
        Holm.moveTo(M(-h, 0));
        Holm.lineTo(M(h, 0));
        Holm.lineTo(M(h, 20));
        Holm.lineTo(M(h - 8, 20));
        Holm.lineTo(M(h - 8, 48));
        Holm.lineTo(M(h - 4, 48));
        Holm.quadTo(M(h - 4, 64), M(0, 68));
        Holm.quadTo(M(-h + 4, 64), M(-h + 4, 48));
        Holm.lineTo(M(-h + 8, 48));
        Holm.lineTo(M(-h + 8, 20));
        Holm.lineTo(M(-h, 20));
        Holm.closeSubpath();
        Holz(P, Holm);
    } else {
        Isolierglas(P, [&M](double u, double v) { return M(v, u); }, 22, -50, 50);
        P.fillRect(QRectF(M(-Breite / 2.0 + 6, 42), M(Breite / 2.0 - 6, 26)), QColor(200, 180, 140));
        for (const double Seite : {1.0, -1.0}) {
            const double Basis = Seite > 0 ? 46 : 22;
            const double Hoehe = 12;
            QPainterPath Leiste;
            const double h = Breite / 2.0;
            Leiste.moveTo(M(-h, Basis));
            Leiste.lineTo(M(h, Basis));
            Leiste.quadTo(M(h - 2, Basis + Seite * Hoehe), M(0, Basis + Seite * Hoehe));
            Leiste.quadTo(M(-h + 2, Basis + Seite * Hoehe), M(-h, Basis));
            Leiste.closeSubpath();
            Holz(P, Leiste);
        }
    }
    Mass(P, M(-Breite / 2.0, Glasteilend ? 0 : 10), M(Breite / 2.0, Glasteilend ? 0 : 10), QString::number(Breite), 12);
}

void Schlagleiste(QPainter& P, const QRectF& R, int Breite, int Form)
{
    const TMassstab M(R.adjusted(0, 16, 0, 0), -48, 48, 34, 86);
    P.save();
    P.setClipRect(R.adjusted(0, 16, 0, 0));
    TFluegelart F;
    F.Hoehe = 68;
    Fluegel_Zeichnen(P, [&M](double u, double v) { return M(-(v - 14), u); }, F, 60);
    Fluegel_Zeichnen(P, [&M](double u, double v) { return M(v - 14, u); }, F, 60);
    const double h = Breite / 2.0;
    QPainterPath Leiste;
    Leiste.moveTo(M(-h, 68));
    Leiste.lineTo(M(h, 68));
    if (Form == 0) {
        Leiste.lineTo(M(h, 76));
        Leiste.lineTo(M(-h, 76));
    } else if (Form == 1) {
        Leiste.quadTo(M(h, 80), M(h - 8, 80));
        Leiste.lineTo(M(-h + 8, 80));
        Leiste.quadTo(M(-h, 80), M(-h, 68));
    } else {
        Leiste.lineTo(M(h, 74));
        Leiste.cubicTo(M(h - 6, 74), M(h - 6, 82), M(h - 12, 82));
        Leiste.lineTo(M(-h + 12, 82));
        Leiste.cubicTo(M(-h + 6, 82), M(-h + 6, 74), M(-h, 74));
    }
    Leiste.closeSubpath();
    Holz(P, Leiste);
    if (Form == 2)
        Dichtung(P, M(0, 66), 4);
    P.restore();
    const double Oberkante = Form == 0 ? 76 : Form == 1 ? 80 : 82;
    Mass(P, M(-h, Oberkante), M(h, Oberkante), QString::number(Breite), -8);
}

void Kaempferform(QPainter& P, const QRectF& R, int Breite, int Form)
{
    const TMassstab M(R, -40, 40, -20, 84);
    const double h = Breite / 2.0;
    QPainterPath Holm;
    Holm.moveTo(M(-h - 16, 0));
    Holm.lineTo(M(h + 16, 0));
    Holm.lineTo(M(h + 16, 48));
    Holm.lineTo(M(h, 48));
    if (Form == 0) {
        Holm.lineTo(M(h, 68));
        Holm.lineTo(M(-h, 68));
    } else if (Form == 1) {
        Holm.lineTo(M(h, 62));
        Holm.lineTo(M(h - 6, 68));
        Holm.lineTo(M(-h + 6, 68));
        Holm.lineTo(M(-h, 62));
    } else {
        Holm.lineTo(M(h, 60));
        Holm.quadTo(M(h, 68), M(h - 8, 68));
        Holm.lineTo(M(-h + 8, 68));
        Holm.quadTo(M(-h, 68), M(-h, 60));
    }
    Holm.lineTo(M(-h, 48));
    Holm.lineTo(M(-h - 16, 48));
    Holm.closeSubpath();
    Holz(P, Holm);
    Dichtung(P, M(-h - 8, 49), 4);
    Dichtung(P, M(h + 8, 49), 4);
    Mass(P, M(-h, 68), M(h, 68), QString::number(Breite), -14);
}

void Fensterbank(QPainter& P, const QRectF& R, bool Aluminium)
{
    const QRectF Zeichnung = R.adjusted(0, 16, 0, 0);
    const TMassstab M(Zeichnung, -52, 76, -72, 40);
    const TAbbildung A = [&M](double u, double v) { return M(u, v); };
    P.save();
    P.setClipRect(Zeichnung);
    Holz(P, Pfad(Rahmenkontur(A, 58)), true);
    Holz(P, Pfad(Abbilden(A, {{0, -58}, {68, -58}, {68, -70}, {0, -70}})), true);
    TFluegelart F;
    F.Hoehe = 68;
    Holz(P, Fluegelkontur([&M](double u, double v) { return M(u, v + 2); }, F));
    if (Aluminium) {
        Alu(P, Pfad(Abbilden(A, {{0, -52}, {0, -56}, {-42, -62}, {-42, -70}, {-45, -70}, {-45, -59}, {-2, -52}})));
    } else {
        QPainterPath Brett;
        Brett.moveTo(A(0, -40));
        Brett.lineTo(A(-46, -48));
        Brett.quadTo(A(-50, -50), A(-48, -58));
        Brett.lineTo(A(0, -58));
        Brett.closeSubpath();
        Holz(P, Brett);
    }
    P.restore();
    Text(P, QRectF(R.left(), R.top(), R.width(), 14),
         Aluminium ? QStringLiteral("Fensterbank Alu, Anschlussprofil 12 mm")
                   : QStringLiteral("Fensterbank Holz, Anschlussprofil 12 mm"),
         Schrift(10, true, true), Qt::AlignLeft | Qt::AlignVCenter);
}

void Rolladen(QPainter& P, const QRectF& Bereich, bool Aluschiene)
{
    const QRectF Zeichnung(Bereich.left(), Bereich.top(), Bereich.width() * 0.62, Bereich.height() - 20);
    const TMassstab M(Zeichnung, -40, 80, -70, 150);
    const TAbbildung A = [&M](double u, double v) { return M(u, v); };
    const TAbbildung F = [&M](double u, double v) { return M(u, v + 2); };
    TFluegelart Fl;
    Holz(P, Pfad(Rahmenkontur(A, 58)));
    Fluegel_Zeichnen(P, F, Fl, 150);
    QPointF Ziel;
    if (Aluschiene) {
        Alu(P, Pfad(Abbilden(A, {{-22, -6}, {0, -6}, {0, -31}, {-22, -31}, {-22, -25}, {-4, -25}, {-4, -12}, {-22, -12}})));
        P.fillRect(QRectF(A(-20, -15), A(-8, 150)), QColor(150, 155, 160));
        Ziel = A(-11, -27);
        Mass(P, A(-22, -31), A(0, -31), QStringLiteral("22"), 12);
    } else {
        QPainterPath Verbreiterung;
        Verbreiterung.moveTo(A(0, 14));
        Verbreiterung.lineTo(A(-30, 14));
        Verbreiterung.lineTo(A(-30, -58));
        Verbreiterung.lineTo(A(0, -58));
        Verbreiterung.closeSubpath();
        QPainterPath Nut;
        Nut.addRect(QRectF(A(-23, 16), A(-7, -20)));
        Holz(P, Verbreiterung.subtracted(Nut));
        P.fillRect(QRectF(A(-18, -16), A(-12, 150)), QColor(150, 155, 160));
        Ziel = A(-15, -10);
        Mass(P, A(-23, -20), A(-7, -20), QStringLiteral("16"), 28);
    }
    const double Rechts = Bereich.right() - 96;
    Hinweis(P, A(-14, 100), QRectF(Rechts, Bereich.top() + 10, 96, 14), QStringLiteral("Rolladenpanzer"));
    Hinweis(P, Ziel, QRectF(Rechts, Bereich.top() + 200, 96, 14),
            Aluschiene ? QStringLiteral("Aluschiene 25 x 22") : QStringLiteral("Nut 16 mm"));
    Hinweis(P, A(40, -30), QRectF(Rechts, Bereich.top() + 240, 96, 14), QStringLiteral("Blendrahmen"));
    Hinweis(P, F(56, 30), QRectF(Rechts, Bereich.top() + 130, 96, 14), QStringLiteral("Flügel"));
    Text(P, QRectF(Bereich.left(), Bereich.bottom() - 14, Bereich.width(), 14), QStringLiteral("Horizontalschnitt seitlich"),
         Schrift(10), Qt::AlignCenter);
}

// One sheet: border, heading, drawing and title block.
QImage Profilblatt(int Nummer, const QString& Titel, const std::function<void(QPainter&, const QRectF&)>& Zeichnung)
{
    QImage Bild = Leerbild(300, 424);
    QPainter P(&Bild);
    P.setPen(QPen(Tinte, 1.2));
    P.drawRect(QRectF(6.5, 6.5, 287, 411));
    P.setClipRect(QRectF(7, 7, 286, 410));
    Text(P, QRectF(14, 10, 272, 18), QStringLiteral("Viriduradad IV 68 · Profilskizze"), Schrift(10, false, true),
         Qt::AlignLeft | Qt::AlignVCenter, QColor(90, 90, 90));
    Text(P, QRectF(14, 10, 272, 18), QStringLiteral("ohne Maßstab"), Schrift(10, false, true), Qt::AlignRight | Qt::AlignVCenter,
         QColor(90, 90, 90));
    P.setPen(QPen(QColor(190, 190, 190), 0.8));
    P.drawLine(QPointF(14, 29.5), QPointF(286, 29.5));

    Zeichnung(P, QRectF(14, 36, 272, 312));

    const QRectF Kopf(6.5, 354.5, 287, 63);
    P.setPen(QPen(Tinte, 1.2));
    P.drawLine(Kopf.topLeft(), Kopf.topRight());
    P.drawLine(QPointF(70.5, Kopf.top()), QPointF(70.5, Kopf.bottom()));
    Text(P, QRectF(8, 358, 60, 16), QStringLiteral("Blatt"), Schrift(10), Qt::AlignCenter);
    Text(P, QRectF(8, 374, 60, 34), QString::number(Nummer), Schrift(26, true), Qt::AlignCenter, Firmengruen);
    Text(P, QRectF(76, 357, 212, 40), Titel, Schrift(12, true), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    Text(P, QRectF(76, 398, 212, 16), QStringLiteral("Talvern Fenster GmbH · Maße in mm"), Schrift(9, false, true),
         Qt::AlignLeft | Qt::AlignVCenter, QColor(90, 90, 90));
    return Bild;
}

std::vector<QImage> Profilblaetter()
{
    using Z = std::function<void(QPainter&, const QRectF&)>;
    const auto Schnitt = [](double Hoehe, bool Nacken, bool Leiste, bool Ueberschlag, TUnten Unten) -> Z {
        return [=](QPainter& P, const QRectF& R) {
            TSchnitt S;
            S.Fluegel.Hoehe = Hoehe;
            S.Fluegel.Nacken_Profil = Nacken;
            S.Fluegel.Leiste_Profil = Leiste;
            S.Fluegel.Ueberschlag = Ueberschlag;
            S.Unten = Unten;
            Blatt_Schnitt(P, R, S);
        };
    };
    const auto Mitte = [](TMitte Art, int Gesamt, double Hoehe, bool Nacken) -> Z {
        return [=](QPainter& P, const QRectF& R) {
            TMittelschnitt S{Art, Gesamt, {}};
            S.Fluegel.Hoehe = Hoehe;
            S.Fluegel.Nacken_Profil = Nacken;
            Blatt_Mitte(P, R, S);
        };
    };
    const TUnten Schiene = TUnten::Regenschiene;
    const std::vector<std::pair<QString, Z>> Blaetter = {
        {QStringLiteral("Standardprofil"), Schnitt(78, false, false, false, Schiene)},
        {QStringLiteral("Standardprofil (schmaler Flügel)"), Schnitt(68, false, false, false, Schiene)},
        {QStringLiteral("Glasnacken mit Profil"), Schnitt(78, true, false, false, Schiene)},
        {QStringLiteral("Glasleiste mit Profil (schmaler Flügel)"), Schnitt(68, false, true, false, Schiene)},
        {QStringLiteral("Glasleiste und Überschlag mit Profil"), Schnitt(78, false, true, true, Schiene)},
        {QStringLiteral("Glasleiste und Überschlag mit Profil (schmaler Flügel)"), Schnitt(68, false, true, true, Schiene)},
        {QStringLiteral("Kämpferprofil – Gesamtansicht 180 mm"), Mitte(TMitte::Kaempfer, 180, 78, false)},
        {QStringLiteral("Kämpferprofil – Gesamtansicht 152 mm"), Mitte(TMitte::Kaempfer, 152, 68, false)},
        {QStringLiteral("Kämpferprofil, Glasnacken profiliert"), Mitte(TMitte::Kaempfer, 180, 78, true)},
        {QStringLiteral("Pfosten (Setzholz) – Gesamtansicht 175 mm"), Mitte(TMitte::Pfosten, 175, 78, false)},
        {QStringLiteral("Pfosten (Setzholz) – Gesamtansicht 160 mm"), Mitte(TMitte::Pfosten, 160, 68, false)},
        {QStringLiteral("Stulp – Gesamtansicht 130 mm"), Mitte(TMitte::Stulp, 130, 78, false)},
        {QStringLiteral("Stulp – Gesamtansicht 115 mm"), Mitte(TMitte::Stulp, 115, 68, false)},
        {QStringLiteral("Fenster Denkmalschutz ohne Regenschiene"), Schnitt(78, true, true, false, TUnten::Wetterschenkel)},
        {QStringLiteral("Fenster Stil – Regenschiene"), Schnitt(78, true, true, true, Schiene)},
        {QStringLiteral("Fensterbankanschlüsse"),
         [](QPainter& P, const QRectF& R) {
             Fensterbank(P, QRectF(R.left(), R.top(), R.width(), R.height() / 2 - 4), true);
             Fensterbank(P, QRectF(R.left(), R.top() + R.height() / 2 + 4, R.width(), R.height() / 2 - 4), false);
         }},
        {QStringLiteral("Regenschienenabdeckung"), Schnitt(78, false, false, false, TUnten::Abdeckung)},
        {QStringLiteral("Kämpferprofile"),
         [](QPainter& P, const QRectF& R) {
             Raster(P, R, 1, 3,
                    {{QStringLiteral("K1 glatt, Ansicht 64 mm"), [](QPainter& Q, const QRectF& F) { Kaempferform(Q, F, 64, 0); }},
                     {QStringLiteral("K2 gefast, Ansicht 56 mm"), [](QPainter& Q, const QRectF& F) { Kaempferform(Q, F, 56, 1); }},
                     {QStringLiteral("K3 gerundet, Ansicht 48 mm"), [](QPainter& Q, const QRectF& F) { Kaempferform(Q, F, 48, 2); }}});
         }},
        {QStringLiteral("Sprossen"),
         [](QPainter& P, const QRectF& R) {
             Raster(P, R, 2, 2,
                    {{QStringLiteral("aufgesetzte Sprosse 26 mm"), [](QPainter& Q, const QRectF& F) { Sprosse(Q, F, 26, false); }},
                     {QStringLiteral("aufgesetzte Sprosse 40 mm"), [](QPainter& Q, const QRectF& F) { Sprosse(Q, F, 40, false); }},
                     {QStringLiteral("glasteilende Sprosse 54 mm"), [](QPainter& Q, const QRectF& F) { Sprosse(Q, F, 54, true); }},
                     {QStringLiteral("glasteilende Sprosse 68 mm"), [](QPainter& Q, const QRectF& F) { Sprosse(Q, F, 68, true); }}});
         }},
        {QStringLiteral("Schlagleisten"),
         [](QPainter& P, const QRectF& R) {
             Raster(P, R, 1, 3,
                    {{QStringLiteral("flach, 40 mm"), [](QPainter& Q, const QRectF& F) { Schlagleiste(Q, F, 40, 0); }},
                     {QStringLiteral("gerundet, 46 mm"), [](QPainter& Q, const QRectF& F) { Schlagleiste(Q, F, 46, 1); }},
                     {QStringLiteral("profiliert mit Dichtung, 52 mm"), [](QPainter& Q, const QRectF& F) { Schlagleiste(Q, F, 52, 2); }}});
         }},
        {QStringLiteral("Rolladen vorgerichtet mit Aluschiene 25 x 22"),
         [](QPainter& P, const QRectF& R) { Rolladen(P, R, true); }},
        {QStringLiteral("Setzholz mit doppelter Führungsschiene"), Mitte(TMitte::Setzholz, 175, 78, false)},
        {QStringLiteral("Rolladen vorgerichtet, 16 mm Nut"), [](QPainter& P, const QRectF& R) { Rolladen(P, R, false); }},
        {QStringLiteral("Setzholz mit doppelter Führungsschiene, schmaler Flügel"), Mitte(TMitte::Setzholz, 160, 68, false)},
    };
    std::vector<QImage> Bilder;
    for (std::size_t i = 0; i < Blaetter.size(); ++i)
        Bilder.push_back(Profilblatt(int(i) + 1, Blaetter[i].first, Blaetter[i].second));
    return Bilder;
}

// ---------------------------------------------------------------- wood species

QColor Holzton(const QString& Name)
{
    const struct
    {
        const char* Wort;
        QColor Farbe;
    } Toene[] = {
        {"Fichte", {233, 211, 161}}, {"Kiefer", {227, 192, 138}}, {"Lärche", {213, 154, 99}},
        {"Eiche", {201, 164, 110}},  {"Meranti", {164, 86, 58}},  {"Mahagoni", {138, 59, 37}},
        {"Douglas", {216, 160, 107}}, {"Sipo", {156, 82, 54}},    {"Esche", {224, 205, 168}},
    };
    for (const auto& T : Toene)
        if (Name.contains(QString::fromUtf8(T.Wort), Qt::CaseInsensitive))
            return T.Farbe;
    return {214, 184, 138};
}

void Holzmuster(QPainter& P, const QRectF& R, const QColor& Ton, bool Keilgezinkt, unsigned Saat)
{
    P.save();
    P.setClipRect(R);
    P.fillRect(R, Ton);
    P.setRenderHint(QPainter::Antialiasing);
    unsigned Zufall = Saat;
    const auto Naechste = [&Zufall] {
        Zufall = Zufall * 1103515245u + 12345u;
        return double((Zufall >> 16) & 0x7FFF) / 32767.0;
    };
    for (int Linie = 0; Linie < 9; ++Linie) {
        const double y = R.top() + R.height() * (Linie + 0.5) / 9.0;
        const double Welle = 1.5 + 2.5 * Naechste();
        const double Phase = 6.28 * Naechste();
        QPainterPath Maser;
        Maser.moveTo(R.left(), y);
        for (double x = R.left(); x <= R.right() + 4; x += 4)
            Maser.lineTo(x, y + Welle * std::sin((x - R.left()) / 18.0 + Phase));
        P.setPen(QPen(Ton.darker(118 + int(20 * Naechste())), 0.9));
        P.drawPath(Maser);
    }
    if (Keilgezinkt) {
        P.setPen(QPen(Ton.darker(160), 1));
        QPolygonF Zinken;
        const double x0 = R.center().x();
        for (int i = 0; i <= 8; ++i)
            Zinken << QPointF(x0 + ((i % 2) ? 6 : -6), R.top() + R.height() * i / 8.0);
        P.drawPolyline(Zinken);
    }
    P.restore();
    P.setPen(QPen(QColor(120, 100, 80), 1));
    P.drawRect(R.adjusted(0.5, 0.5, -0.5, -0.5));
}

QImage Holzarten()
{
    QImage Bild = Leerbild(401, 337);
    QPainter P(&Bild);
    Text(P, QRectF(12, 8, 377, 26), QStringLiteral("Holzarten"), Schrift(18, true), Qt::AlignLeft | Qt::AlignVCenter,
         Firmengruen);
    Text(P, QRectF(12, 32, 377, 16), QStringLiteral("Rahmen und Flügel, Profil Viriduradad IV 68"), Schrift(10),
         Qt::AlignLeft | Qt::AlignVCenter, QColor(90, 90, 90));

    std::vector<const THolz*> Hoelzer;
    for (const auto& Zeile : THoelzer::Katalog())
        for (const THolz& Holz : Zeile)
            if (!Holz.Name.isEmpty())
                Hoelzer.push_back(&Holz);

    const double Oben = 58;
    const double Zeilenhoehe = std::min(96.0, 230.0 / double(std::max<std::size_t>(Hoelzer.size(), 1)));
    const bool Ausfuehrlich = Zeilenhoehe >= 60;
    const double Musterbreite = Ausfuehrlich ? 130 : 80;
    const double Textlinks = 20 + Musterbreite + 12;
    P.fillRect(QRectF(12, Oben, 377, 20), QColor(232, 240, 234));
    Text(P, QRectF(20, Oben, 80, 20), QStringLiteral("Muster"), Schrift(10, true));
    Text(P, QRectF(Textlinks, Oben, 120, 20), QStringLiteral("Holzart"), Schrift(10, true));
    Text(P, QRectF(250, Oben, 131, 20), QStringLiteral("Aufpreis je Umlf. Meter"), Schrift(10, true),
         Qt::AlignRight | Qt::AlignVCenter);
    double y = Oben + 24;
    unsigned Saat = 7;
    for (const THolz* Holz : Hoelzer) {
        const bool Keilgezinkt = Holz->Name.contains(QStringLiteral("keilgezinkt"));
        Holzmuster(P, QRectF(20, y + 6, Musterbreite, Zeilenhoehe - 12), Holzton(Holz->Name), Keilgezinkt, Saat += 977);
        const QString Preis = Holz->ProMeterUmlauf == 0 ? QStringLiteral("ohne Aufpreis")
                                                         : QStringLiteral("+ ") + Euro(double(Holz->ProMeterUmlauf));
        if (Ausfuehrlich) {
            Text(P, QRectF(Textlinks, y + 6, 240, 20), Holz->Name, Schrift(13, true));
            Text(P, QRectF(Textlinks, y + 28, 120, Zeilenhoehe - 34),
                 Keilgezinkt ? QStringLiteral("astfreie Lamellen, keilgezinkt verleimt, sehr formstabil")
                             : QStringLiteral("durchgehende Lamellen, natürliches Bild mit Ästen"),
                 Schrift(10, false, true), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QColor(80, 80, 80));
            Text(P, QRectF(250, y + 28, 131, 20), Preis, Schrift(12), Qt::AlignRight | Qt::AlignVCenter);
        } else {
            Text(P, QRectF(Textlinks, y, 150, Zeilenhoehe), Holz->Name, Schrift(12));
            Text(P, QRectF(250, y, 131, Zeilenhoehe), Preis, Schrift(12), Qt::AlignRight | Qt::AlignVCenter);
        }
        P.setPen(QPen(QColor(215, 215, 215), 1));
        P.drawLine(QPointF(12, y + Zeilenhoehe + 0.5), QPointF(389, y + Zeilenhoehe + 0.5));
        y += Zeilenhoehe;
    }
    Text(P, QRectF(12, 300, 377, 30),
         QStringLiteral("Farbmuster unverbindlich; Holz ist ein Naturprodukt, Maserung und Farbe weichen ab. "
                        "Keilgezinkt: aus kurzen Stücken astfrei verleimt."),
         Schrift(9, false, true), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QColor(90, 90, 90));
    return Bild;
}

// ---------------------------------------------------------------- special shapes

QImage Sonderformen()
{
    QImage Bild = Leerbild(601, 217);
    QPainter P(&Bild);
    const auto& Katalog = TSonderformen::Katalog()[0];
    const auto& Faktoren = TSonderformen::Faktoren();
    const QStringList Typen = {QStringLiteral("Fest"),    QStringLiteral("1 Fl."),    QStringLiteral("1 Fl.\n+ OL"),
                               QStringLiteral("2 Fl."),   QStringLiteral("2 Fl.\n+ OL"), QStringLiteral("3 Fl."),
                               QStringLiteral("3 Fl.\n+ OL"), QStringLiteral("4 Fl."), QStringLiteral("5 Fl."),
                               QStringLiteral("6 Fl.")};

    Text(P, QRectF(4, 2, 300, 18), QStringLiteral("Zuschlag Sonderformen je Fenster in €"), Schrift(12, true),
         Qt::AlignLeft | Qt::AlignVCenter, Firmengruen);
    Text(P, QRectF(300, 2, 297, 18), QStringLiteral("Grundpreis × Faktor des Fenstertyps"), Schrift(10, false, true),
         Qt::AlignRight | Qt::AlignVCenter, QColor(90, 90, 90));

    const double Kopf = 22;
    const double Kopfhoehe = 26;
    const double Nr = 26, Name = 92, Grund = 58;
    const double Spalte = (601 - 8 - Nr - Name - Grund) / 10.0;
    const double Links = 4;
    P.fillRect(QRectF(Links, Kopf, 593, Kopfhoehe), QColor(38, 96, 62));
    const QColor Weiss(Qt::white);
    Text(P, QRectF(Links, Kopf, Nr, Kopfhoehe), QStringLiteral("Nr."), Schrift(10, true, true), Qt::AlignCenter, Weiss);
    Text(P, QRectF(Links + Nr + 4, Kopf, Name, Kopfhoehe), QStringLiteral("Sonderform"), Schrift(10, true, true),
         Qt::AlignLeft | Qt::AlignVCenter, Weiss);
    Text(P, QRectF(Links + Nr + Name, Kopf, Grund - 4, Kopfhoehe), QStringLiteral("Grundpreis"), Schrift(10, true, true),
         Qt::AlignRight | Qt::AlignVCenter, Weiss);
    for (int t = 0; t < 10; ++t)
        Text(P, QRectF(Links + Nr + Name + Grund + t * Spalte, Kopf, Spalte, Kopfhoehe), Typen[t], Schrift(9, true, true),
             Qt::AlignCenter, Weiss);

    double y = Kopf + Kopfhoehe;
    const double Zeile = 13.5;
    int Zeilennummer = 0;
    for (std::size_t Form = 0; Form < Katalog.size(); ++Form) {
        const TSonderform& Eintrag = Katalog[Form];
        if (Eintrag.ProStueck == 0)
            continue;
        if (Zeilennummer++ % 2)
            P.fillRect(QRectF(Links, y, 593, Zeile), QColor(238, 244, 240));
        const QFont F = Schrift(10, false, true);
        Text(P, QRectF(Links, y, Nr, Zeile), QString::number(Form), F, Qt::AlignCenter);
        Text(P, QRectF(Links + Nr + 4, y, Name, Zeile), Eintrag.Name, F);
        Text(P, QRectF(Links + Nr + Name, y, Grund - 4, Zeile), Euro(double(Eintrag.ProStueck), 0), F,
             Qt::AlignRight | Qt::AlignVCenter);
        for (int t = 0; t < 10; ++t) {
            const double Betrag =
                double(Eintrag.ProStueck) * Faktoren[Form][std::size_t(t)] * (t == 0 ? 0.5 : 1.0);
            const bool Ganz = std::floor(Betrag) == Betrag;
            Text(P, QRectF(Links + Nr + Name + Grund + t * Spalte, y, Spalte - 6, Zeile),
                 Deutsch().toString(Betrag, 'f', Ganz ? 0 : 2), F, Qt::AlignRight | Qt::AlignVCenter);
        }
        y += Zeile;
    }
    P.setPen(QPen(QColor(180, 180, 180), 1));
    for (int t = 0; t <= 10; ++t) {
        const double x = std::round(Links + Nr + Name + Grund + t * Spalte) + 0.5;
        P.drawLine(QPointF(x, Kopf + Kopfhoehe), QPointF(x, y));
    }
    P.drawLine(QPointF(Links, y + 0.5), QPointF(Links + 593, y + 0.5));
    Text(P, QRectF(4, y + 2, 593, 14),
         QStringLiteral("Fest: Festverglasung im Rahmen, Faktor halbiert.  OL: mit Oberlicht.  Nr.: Auswahl im Feld „Sonderform“."),
         Schrift(9, false, true), Qt::AlignLeft | Qt::AlignVCenter, QColor(90, 90, 90));
    return Bild;
}

// ---------------------------------------------------------------- opening directions

enum class TOeffnung { Fest, DrehLinks, DrehRechts, Kipp, DrehKippLinks, DrehKippRechts };

// A sash seen from inside; the point of each triangle shows the hinge side.
void Fluegelsymbol(QPainter& P, const QRectF& R, TOeffnung Art)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(QPen(Tinte, 1.2));
    P.setBrush(Glasfarbe);
    P.drawRect(R.adjusted(6, 6, -6, -6));
    P.setBrush(Qt::NoBrush);
    P.drawRect(R);
    const QRectF G = R.adjusted(6, 6, -6, -6);
    P.setPen(QPen(Masslinie, 1.3));
    if (Art == TOeffnung::DrehLinks || Art == TOeffnung::DrehKippLinks)
        P.drawPolyline(QPolygonF{G.topRight(), QPointF(G.left(), G.center().y()), G.bottomRight()});
    if (Art == TOeffnung::DrehRechts || Art == TOeffnung::DrehKippRechts)
        P.drawPolyline(QPolygonF{G.topLeft(), QPointF(G.right(), G.center().y()), G.bottomLeft()});
    if (Art == TOeffnung::Kipp || Art == TOeffnung::DrehKippLinks || Art == TOeffnung::DrehKippRechts) {
        P.setPen(QPen(Masslinie, 1.3, Art == TOeffnung::Kipp ? Qt::SolidLine : Qt::DashLine));
        P.drawPolyline(QPolygonF{G.topLeft(), QPointF(G.center().x(), G.bottom()), G.topRight()});
    }
    if (Art == TOeffnung::Fest) {
        P.setPen(QPen(Tinte, 1));
        P.setFont(Schrift(14, true));
        P.drawText(G, Qt::AlignCenter, QStringLiteral("F"));
    }
    // The handle sits opposite the hinges.
    if (Art != TOeffnung::Fest) {
        P.setPen(Qt::NoPen);
        P.setBrush(Tinte);
        const bool Rechts = Art == TOeffnung::DrehLinks || Art == TOeffnung::DrehKippLinks;
        if (Art == TOeffnung::Kipp)
            P.drawRoundedRect(QRectF(R.center().x() - 6, R.top() + 1, 12, 4), 1.5, 1.5);
        else
            P.drawRoundedRect(QRectF(Rechts ? R.right() - 5 : R.left() + 1, R.center().y() - 6, 4, 12), 1.5, 1.5);
    }
    P.restore();
}

QImage Drehrichtungen()
{
    QImage Bild = Leerbild(453, 433);
    QPainter P(&Bild);
    Text(P, QRectF(12, 8, 429, 24), QStringLiteral("Drehrichtungen"), Schrift(18, true), Qt::AlignLeft | Qt::AlignVCenter,
         Firmengruen);
    Text(P, QRectF(12, 32, 429, 16), QStringLiteral("Ansicht immer von innen · Spitze des Dreiecks = Seite der Bänder"),
         Schrift(10), Qt::AlignLeft | Qt::AlignVCenter, QColor(90, 90, 90));

    struct TFeld
    {
        QString Kuerzel;
        QString Text;
        std::vector<TOeffnung> Fluegel;
        bool Oberlicht;
    };
    const std::vector<TFeld> Felder = {
        {QStringLiteral("DL"), QStringLiteral("Dreh, Bänder links"), {TOeffnung::DrehLinks}, false},
        {QStringLiteral("DR"), QStringLiteral("Dreh, Bänder rechts"), {TOeffnung::DrehRechts}, false},
        {QStringLiteral("K"), QStringLiteral("Kipp"), {TOeffnung::Kipp}, false},
        {QStringLiteral("DKL"), QStringLiteral("Dreh-Kipp, Bänder links"), {TOeffnung::DrehKippLinks}, false},
        {QStringLiteral("DKR"), QStringLiteral("Dreh-Kipp, Bänder rechts"), {TOeffnung::DrehKippRechts}, false},
        {QStringLiteral("F"), QStringLiteral("Festverglasung"), {TOeffnung::Fest}, false},
        {QStringLiteral("DL/DKR"), QStringLiteral("2 Flügel mit Pfosten"), {TOeffnung::DrehLinks, TOeffnung::DrehKippRechts},
         false},
        {QStringLiteral("DKL/DR"), QStringLiteral("2 Flügel, Stulp"), {TOeffnung::DrehKippLinks, TOeffnung::DrehRechts},
         false},
        {QStringLiteral("K/DKL"), QStringLiteral("Oberlicht über Flügel"), {TOeffnung::Kipp, TOeffnung::DrehKippLinks},
         true},
    };
    const double Breite = 429.0 / 3;
    const double Hoehe = 114;
    for (std::size_t i = 0; i < Felder.size(); ++i) {
        const TFeld& F = Felder[i];
        const QRectF Feld(12 + double(i % 3) * Breite, 56 + double(i / 3) * Hoehe, Breite, Hoehe);
        const QRectF Symbol(Feld.center().x() - 40, Feld.top() + 4, 80, 66);
        if (F.Oberlicht) {
            Fluegelsymbol(P, QRectF(Symbol.left(), Symbol.top(), Symbol.width(), 22), F.Fluegel[0]);
            Fluegelsymbol(P, QRectF(Symbol.left(), Symbol.top() + 22, Symbol.width(), 44), F.Fluegel[1]);
        } else {
            const double w = Symbol.width() / double(F.Fluegel.size());
            for (std::size_t k = 0; k < F.Fluegel.size(); ++k)
                Fluegelsymbol(P, QRectF(Symbol.left() + double(k) * w, Symbol.top(), w, Symbol.height()), F.Fluegel[k]);
        }
        Text(P, QRectF(Feld.left(), Symbol.bottom() + 4, Feld.width(), 18), F.Kuerzel, Schrift(13, true), Qt::AlignCenter);
        Text(P, QRectF(Feld.left(), Symbol.bottom() + 22, Feld.width(), 16), F.Text, Schrift(10, false, true),
             Qt::AlignCenter, QColor(70, 70, 70));
    }
    P.setPen(QPen(QColor(200, 200, 200), 1));
    P.drawLine(QPointF(12, 402.5), QPointF(441, 402.5));
    Text(P, QRectF(12, 404, 429, 28),
         QStringLiteral("Mehrere Flügel von links nach rechts, Oberlicht zuerst, durch „/“ getrennt. "
                        "Eintrag im Feld „Drehr.“ der Position."),
         Schrift(9, false, true), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, QColor(70, 70, 70));
    return Bild;
}

// ---------------------------------------------------------------- billing proposal

QImage Abrechnungsvorschlag()
{
    QImage Bild = Leerbild(1000, 607);
    QPainter P(&Bild);
    const double L = 24;
    Text(P, QRectF(L, 14, 700, 32), QStringLiteral("Abrechnungsvorschlag"), Schrift(26, true),
         Qt::AlignLeft | Qt::AlignVCenter, Firmengruen);
    Text(P, QRectF(L, 46, 940, 20),
         QStringLiteral("Beispiel: Abrechnung eines Auftrags über Holzfenster mit Lieferung und Montage in drei Schritten"),
         Schrift(13), Qt::AlignLeft | Qt::AlignVCenter, QColor(80, 80, 80));
    P.fillRect(QRectF(L, 72, 952, 3), Firmengruen);

    struct TPosten
    {
        QString Bezeichnung;
        int Stueck;
        double Einzelpreis;
    };
    const std::vector<TPosten> Posten = {
        {QStringLiteral("Fenster 2 Flügel, 1230 x 1480, Fichte, DKL/DR"), 4, 812.40},
        {QStringLiteral("Fenster 1 Flügel mit Oberlicht, 880 x 2100, DKR"), 2, 735.90},
        {QStringLiteral("Fenster 1 Flügel, 620 x 880, K"), 3, 388.20},
        {QStringLiteral("Montage je Umlf. Meter, 62,4 m"), 1, 1123.20},
        {QStringLiteral("Lieferung frei Baustelle"), 1, 180.00},
    };
    const double Tabelle_Oben = 92;
    const double Spalten[] = {L, L + 44, L + 400, L + 460, L + 560};
    const double Ende = L + 640;
    P.fillRect(QRectF(L, Tabelle_Oben, Ende - L, 26), QColor(232, 240, 234));
    const QFont Kopf = Schrift(12, true);
    const QFont Normal = Schrift(12);
    Text(P, QRectF(Spalten[0] + 6, Tabelle_Oben, 40, 26), QStringLiteral("Pos."), Kopf);
    Text(P, QRectF(Spalten[1], Tabelle_Oben, 340, 26), QStringLiteral("Bezeichnung"), Kopf);
    Text(P, QRectF(Spalten[2], Tabelle_Oben, 50, 26), QStringLiteral("Stück"), Kopf, Qt::AlignRight | Qt::AlignVCenter);
    Text(P, QRectF(Spalten[3], Tabelle_Oben, 94, 26), QStringLiteral("Einzelpreis"), Kopf, Qt::AlignRight | Qt::AlignVCenter);
    Text(P, QRectF(Spalten[4], Tabelle_Oben, Ende - Spalten[4] - 6, 26), QStringLiteral("Gesamt"), Kopf,
         Qt::AlignRight | Qt::AlignVCenter);
    double y = Tabelle_Oben + 26;
    double Summe = 0;
    for (std::size_t i = 0; i < Posten.size(); ++i) {
        const double Gesamt = Posten[i].Stueck * Posten[i].Einzelpreis;
        Summe += Gesamt;
        Text(P, QRectF(Spalten[0] + 6, y, 40, 26), QString::number(i + 1), Normal);
        Text(P, QRectF(Spalten[1], y, 350, 26), Posten[i].Bezeichnung, Normal);
        Text(P, QRectF(Spalten[2], y, 50, 26), QString::number(Posten[i].Stueck), Normal, Qt::AlignRight | Qt::AlignVCenter);
        Text(P, QRectF(Spalten[3], y, 94, 26), Euro(Posten[i].Einzelpreis), Normal, Qt::AlignRight | Qt::AlignVCenter);
        Text(P, QRectF(Spalten[4], y, Ende - Spalten[4] - 6, 26), Euro(Gesamt), Normal, Qt::AlignRight | Qt::AlignVCenter);
        P.setPen(QPen(QColor(220, 220, 220), 1));
        P.drawLine(QPointF(L, y + 26.5), QPointF(Ende, y + 26.5));
        y += 26;
    }
    const double Rabatt = Summe * 0.05;
    const double Netto = Summe - Rabatt;
    const double Steuer = Netto * 0.19;
    const double Brutto = Netto + Steuer;
    const std::vector<std::pair<QString, double>> Summen = {
        {QStringLiteral("Zwischensumme"), Summe},
        {QStringLiteral("Gesamtrabatt 5 %"), -Rabatt},
        {QStringLiteral("Summe netto"), Netto},
        {QStringLiteral("zzgl. MwSt. 19 %"), Steuer},
        {QStringLiteral("Auftragssumme brutto"), Brutto},
    };
    y += 8;
    for (std::size_t i = 0; i < Summen.size(); ++i) {
        const bool Letzte = i + 1 == Summen.size();
        const QFont F = Schrift(12, Letzte || i == 2);
        if (Letzte) {
            P.fillRect(QRectF(Spalten[3] - 160, y, Ende - Spalten[3] + 160, 26), QColor(232, 240, 234));
        }
        Text(P, QRectF(Spalten[3] - 160, y, 250, 24), Summen[i].first, F);
        Text(P, QRectF(Spalten[4] - 40, y, Ende - Spalten[4] + 34, 24), Euro(Summen[i].second), F,
             Qt::AlignRight | Qt::AlignVCenter);
        y += 25;
    }

    // The three steps on the right.
    struct TSchritt
    {
        QString Titel;
        QString Zeitpunkt;
        double Anteil;
    };
    const std::vector<TSchritt> Schritte = {
        {QStringLiteral("1. Abschlag"), QStringLiteral("mit der Auftragsbestätigung"), 0.30},
        {QStringLiteral("2. Abschlag"), QStringLiteral("bei Lieferung der Fenster"), 0.60},
        {QStringLiteral("Schlussrechnung"), QStringLiteral("nach Montage und Abnahme"), 0.10},
    };
    const double Rx = L + 680;
    const double Rb = 1000 - 24 - Rx;
    Text(P, QRectF(Rx, Tabelle_Oben, Rb, 26), QStringLiteral("Zahlungsplan"), Schrift(15, true),
         Qt::AlignLeft | Qt::AlignVCenter, Firmengruen);
    double ry = Tabelle_Oben + 36;
    P.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < Schritte.size(); ++i) {
        const QRectF Kasten(Rx, ry, Rb, 96);
        P.setPen(QPen(Firmengruen, 1.5));
        P.setBrush(QColor(246, 250, 247));
        P.drawRoundedRect(Kasten, 8, 8);
        Text(P, QRectF(Rx + 14, ry + 8, Rb - 28, 22), Schritte[i].Titel, Schrift(14, true));
        Text(P, QRectF(Rx + 14, ry + 8, Rb - 28, 22),
             QStringLiteral("%1 %").arg(int(std::lround(Schritte[i].Anteil * 100))), Schrift(14, true),
             Qt::AlignRight | Qt::AlignVCenter, Firmengruen);
        Text(P, QRectF(Rx + 14, ry + 32, Rb - 28, 20), Schritte[i].Zeitpunkt, Schrift(12), Qt::AlignLeft | Qt::AlignVCenter,
             QColor(70, 70, 70));
        Text(P, QRectF(Rx + 14, ry + 58, Rb - 28, 26), Euro(Brutto * Schritte[i].Anteil), Schrift(17, true),
             Qt::AlignRight | Qt::AlignVCenter);
        if (i + 1 < Schritte.size()) {
            const QPointF Spitze(Rx + Rb / 2, ry + 96 + 22);
            P.setPen(QPen(Firmengruen, 2));
            P.drawLine(QPointF(Spitze.x(), ry + 98), Spitze);
            P.setBrush(Firmengruen);
            P.drawPolygon(QPolygonF{Spitze + QPointF(-6, -8), Spitze + QPointF(6, -8), Spitze + QPointF(0, 2)});
        }
        ry += 96 + 26;
    }
    P.setRenderHint(QPainter::Antialiasing, false);
    P.fillRect(QRectF(L, 536, 952, 1), QColor(200, 200, 200));
    Text(P, QRectF(L, 542, 952, 44),
         QStringLiteral("Die Abschläge werden jeweils mit 14 Tagen Zahlungsziel ohne Abzug berechnet. "
                        "Die Schlussrechnung berücksichtigt Mehr- oder Mindermengen nach Aufmaß. "
                        "Beispielrechnung mit erfundenen Werten; es gelten die Preise der jeweiligen Bestellung."),
         Schrift(12), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QColor(80, 80, 80));
    return Bild;
}

// ---------------------------------------------------------------- logo and icon

void Fensterzeichen(QPainter& P, const QRectF& R, const QColor& Rahmen, const QColor& Scheibe)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(Qt::NoPen);
    P.setBrush(Rahmen);
    P.drawRoundedRect(R, R.width() * 0.12, R.width() * 0.12);
    const double Rand = R.width() * 0.12;
    const double Steg = R.width() * 0.07;
    const double w = (R.width() - 2 * Rand - Steg) / 2;
    const double h = (R.height() - 2 * Rand - Steg) / 2;
    P.setBrush(Scheibe);
    for (int i = 0; i < 4; ++i)
        P.drawRect(QRectF(R.left() + Rand + (i % 2) * (w + Steg), R.top() + Rand + (i / 2) * (h + Steg), w, h));
    P.restore();
}

QImage Logo()
{
    QImage Bild = Leerbild(240, 240);
    QPainter P(&Bild);
    Fensterzeichen(P, QRectF(60, 22, 120, 120), Firmengruen, QColor(214, 236, 222));
    Text(P, QRectF(0, 150, 240, 44), QStringLiteral("TALVERN"), Schrift(38, true), Qt::AlignCenter, Firmengruen);
    Text(P, QRectF(0, 192, 240, 30), QStringLiteral("FENSTER"), Schrift(22), Qt::AlignCenter, QColor(70, 70, 70));
    return Bild;
}

QImage Programmsymbol()
{
    QImage Bild = Leerbild(66, 66);
    QPainter P(&Bild);
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(40, 90, 160));
    P.drawRoundedRect(QRectF(1, 1, 64, 64), 10, 10);
    Fensterzeichen(P, QRectF(10, 10, 46, 46), QColor(255, 255, 255), QColor(120, 170, 225));
    P.setPen(QPen(QColor(250, 190, 40), 5, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(QPointF(42, 42), QPointF(58, 58));
    return Bild;
}

// ---------------------------------------------------------------- tool voucher

void Hammer(QPainter& P, const QPointF& O, double s)
{
    P.save();
    P.translate(O);
    P.rotate(-30);
    P.scale(s, s);
    P.setPen(QPen(Holzkante, 1.5));
    P.setBrush(Holzfarbe);
    P.drawRoundedRect(QRectF(-6, -10, 12, 110), 5, 5);
    P.setPen(QPen(Alukante, 1.5));
    P.setBrush(QColor(150, 155, 165));
    P.drawRoundedRect(QRectF(-30, -30, 64, 22), 4, 4);
    P.restore();
}

void Schraubendreher(QPainter& P, const QPointF& O, double s)
{
    P.save();
    P.translate(O);
    P.rotate(20);
    P.scale(s, s);
    P.setPen(QPen(QColor(160, 90, 20), 1.5));
    P.setBrush(QColor(250, 190, 40));
    P.drawRoundedRect(QRectF(-9, 0, 18, 50), 7, 7);
    P.setPen(QPen(Alukante, 1.5));
    P.setBrush(QColor(190, 195, 205));
    P.drawRect(QRectF(-3, 50, 6, 60));
    P.drawPolygon(QPolygonF{QPointF(-3, 110), QPointF(3, 110), QPointF(1.5, 118), QPointF(-1.5, 118)});
    P.restore();
}

void Saege(QPainter& P, const QPointF& O, double s)
{
    P.save();
    P.translate(O);
    P.scale(s, s);
    QPainterPath Blatt;
    Blatt.moveTo(0, 0);
    Blatt.lineTo(150, 12);
    Blatt.lineTo(150, 36);
    for (int i = 0; i <= 25; ++i)
        Blatt.lineTo(150 - i * 6, 36 + (i % 2 ? 4 : 0) - i * 0.9);
    Blatt.closeSubpath();
    P.setPen(QPen(Alukante, 1.2));
    P.setBrush(QColor(205, 210, 216));
    P.drawPath(Blatt);
    P.setPen(QPen(Holzkante, 1.5));
    P.setBrush(Holzfarbe);
    P.drawRoundedRect(QRectF(-34, -8, 40, 44), 10, 10);
    P.setBrush(Qt::white);
    P.drawRoundedRect(QRectF(-24, 2, 20, 24), 6, 6);
    P.restore();
}

void Zollstock(QPainter& P, const QPointF& O, double s)
{
    P.save();
    P.translate(O);
    P.scale(s, s);
    for (int i = 0; i < 5; ++i) {
        P.save();
        P.translate(i * 34, (i % 2) * 8);
        P.rotate(i % 2 ? -13 : 13);
        P.setPen(QPen(QColor(170, 130, 20), 1.2));
        P.setBrush(QColor(250, 214, 70));
        P.drawRect(QRectF(0, 0, 36, 12));
        P.setPen(QPen(Tinte, 0.8));
        for (int k = 1; k < 12; ++k)
            P.drawLine(QPointF(k * 3, 0), QPointF(k * 3, k % 5 ? 3 : 6));
        P.restore();
    }
    P.restore();
}

QImage Gutscheinseite(int Seite)
{
    QImage Bild = Leerbild(841, 593);
    QPainter P(&Bild);
    P.setRenderHint(QPainter::Antialiasing);
    P.fillRect(QRectF(0, 0, 841, 86), Firmengruen);
    Text(P, QRectF(30, 10, 600, 44), QStringLiteral("Werkzeuggutschein"), Schrift(36, true), Qt::AlignLeft | Qt::AlignVCenter,
         Qt::white);
    Text(P, QRectF(30, 52, 780, 26),
         Seite == 1 ? QStringLiteral("Unser Dankeschön für Fachbetriebe: Werkzeug im Wert von bis zu 250 €")
                    : QStringLiteral("Auswahl und Teilnahmebedingungen"),
         Schrift(17), Qt::AlignLeft | Qt::AlignVCenter, QColor(220, 238, 226));

    if (Seite == 1) {
        const QRectF Karte(30, 116, 430, 300);
        P.setPen(QPen(Firmengruen, 2.5, Qt::DashLine));
        P.setBrush(QColor(246, 250, 247));
        P.drawRoundedRect(Karte, 14, 14);
        Text(P, QRectF(Karte.left(), Karte.top() + 20, Karte.width(), 40), QStringLiteral("GUTSCHEIN"), Schrift(34, true),
             Qt::AlignCenter, Firmengruen);
        Text(P, QRectF(Karte.left(), Karte.top() + 66, Karte.width(), 30), QStringLiteral("im Wert von"), Schrift(18),
             Qt::AlignCenter);
        Text(P, QRectF(Karte.left(), Karte.top() + 96, Karte.width(), 60), QStringLiteral("250 €"), Schrift(52, true),
             Qt::AlignCenter, QColor(190, 60, 40));
        Text(P, QRectF(Karte.left() + 20, Karte.top() + 164, Karte.width() - 40, 44),
             QStringLiteral("einlösbar gegen Werkzeug aus unserer Auswahl (Seite 2)"), Schrift(15),
             Qt::AlignCenter | Qt::TextWordWrap);
        P.setPen(QPen(Tinte, 1));
        for (int i = 0; i < 2; ++i) {
            const double y = Karte.top() + 238 + i * 34;
            Text(P, QRectF(Karte.left() + 30, y - 22, 160, 22),
                 i == 0 ? QStringLiteral("Kunden-Nr.:") : QStringLiteral("Bestellung vom:"), Schrift(14));
            P.drawLine(QPointF(Karte.left() + 170, y), QPointF(Karte.right() - 30, y));
        }
        Hammer(P, QPointF(560, 200), 1.1);
        Schraubendreher(P, QPointF(735, 120), 1.2);
        Saege(P, QPointF(560, 300), 1.1);
        Zollstock(P, QPointF(545, 400), 1.3);
        Text(P, QRectF(30, 440, 480, 90),
             QStringLiteral("Ab 20 Fenstern in einer Bestellung legen wir der Auftragsbestätigung einen "
                            "Werkzeuggutschein bei. Den Gutschein schicken Sie uns mit Ihrer Auswahl zurück."),
             Schrift(15), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    } else {
        struct TWerkzeug
        {
            QString Name;
            int Wert;
        };
        const std::vector<TWerkzeug> Werkzeuge = {
            {QStringLiteral("Akku-Bohrschrauber 18 V mit zwei Akkus"), 250},
            {QStringLiteral("Handkreissäge 1200 W mit Führungsschiene"), 250},
            {QStringLiteral("Elektrohobel 82 mm im Koffer"), 200},
            {QStringLiteral("Stemmeisen-Satz, 6-teilig"), 100},
            {QStringLiteral("Wasserwaage 120 cm und Gliedermaßstab"), 50},
            {QStringLiteral("Schraubendreher-Satz, 12-teilig"), 50},
        };
        const double L = 30;
        double y = 112;
        P.fillRect(QRectF(L, y, 500, 30), QColor(232, 240, 234));
        Text(P, QRectF(L + 10, y, 380, 30), QStringLiteral("Werkzeug"), Schrift(15, true));
        Text(P, QRectF(L + 300, y, 190, 30), QStringLiteral("Gutscheinwert"), Schrift(15, true),
             Qt::AlignRight | Qt::AlignVCenter);
        y += 30;
        for (const TWerkzeug& W : Werkzeuge) {
            Text(P, QRectF(L + 10, y, 390, 34), W.Name, Schrift(15));
            Text(P, QRectF(L + 390, y, 100, 34), Euro(W.Wert, 0), Schrift(15), Qt::AlignRight | Qt::AlignVCenter);
            P.setPen(QPen(QColor(215, 215, 215), 1));
            P.drawLine(QPointF(L, y + 34.5), QPointF(L + 500, y + 34.5));
            y += 34;
        }
        const QRectF Bedingungen(560, 112, 255, 262);
        P.setPen(QPen(Firmengruen, 1.5));
        P.setBrush(QColor(246, 250, 247));
        P.drawRoundedRect(Bedingungen, 10, 10);
        Text(P, QRectF(Bedingungen.left() + 16, Bedingungen.top() + 10, 230, 28), QStringLiteral("Bedingungen"),
             Schrift(17, true), Qt::AlignLeft | Qt::AlignVCenter, Firmengruen);
        const QStringList Punkte = {
            QStringLiteral("Gilt für Bestellungen ab 20 Fenstern in einem Auftrag."),
            QStringLiteral("Ein Gutschein je Auftrag; Restwerte verfallen."),
            QStringLiteral("Keine Barauszahlung."),
            QStringLiteral("Versand des Werkzeugs mit der Fensterlieferung."),
            QStringLiteral("Solange der Vorrat reicht."),
        };
        double by = Bedingungen.top() + 46;
        for (const QString& Punkt : Punkte) {
            P.setPen(Qt::NoPen);
            P.setBrush(Firmengruen);
            P.drawEllipse(QPointF(Bedingungen.left() + 22, by + 10), 3.5, 3.5);
            const QRectF Feld(Bedingungen.left() + 34, by, 208, 90);
            Text(P, Feld, Punkt, Schrift(14), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
            by += QFontMetricsF(Schrift(14)).boundingRect(Feld, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Punkt).height()
                  + 16;
        }
        Text(P, QRectF(L, 360, 500, 120),
             QStringLiteral("Schreiben Sie Ihre Wahl auf den Gutschein und senden Sie ihn per Fax oder Post an "
                            "Talvern Fenster GmbH. Mehrere Werkzeuge sind möglich, solange ihr Wert zusammen "
                            "250 € nicht übersteigt."),
             Schrift(15), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    }
    P.setRenderHint(QPainter::Antialiasing, false);
    P.fillRect(QRectF(30, 548, 781, 1), QColor(200, 200, 200));
    Text(P, QRectF(30, 553, 781, 30),
         Seite == 1 ? QStringLiteral("Seite 1 von 2 · weiter mit „Blättern“") : QStringLiteral("Seite 2 von 2 · zurück mit „Blättern“"),
         Schrift(13), Qt::AlignRight | Qt::AlignVCenter, QColor(110, 110, 110));
    return Bild;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication App(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s <Zielordner>\n", argv[0]);
        return 2;
    }
    const QDir Ziel(QString::fromLocal8Bit(argv[1]));
    std::vector<std::pair<QString, QImage>> Bilder = {
        {QStringLiteral("holzarten.jpg"), Holzarten()},
        {QStringLiteral("sonderformen.jpg"), Sonderformen()},
        {QStringLiteral("drehrichtungen.jpg"), Drehrichtungen()},
        {QStringLiteral("abrechnungsvorschlag.jpg"), Abrechnungsvorschlag()},
        {QStringLiteral("talvern_logo.jpg"), Logo()},
        {QStringLiteral("quadrolis_symbol.jpg"), Programmsymbol()},
        {QStringLiteral("werkzeuggutschein_1.jpg"), Gutscheinseite(1)},
        {QStringLiteral("werkzeuggutschein_2.jpg"), Gutscheinseite(2)},
    };
    const std::vector<QImage> Blaetter = Profilblaetter();
    for (std::size_t i = 0; i < Blaetter.size(); ++i)
        Bilder.emplace_back(QStringLiteral("profil_blatt%1.jpg").arg(i + 1, 2, 10, QLatin1Char('0')), Blaetter[i]);

    int Fehler = 0;
    for (const auto& [Name, Bild] : Bilder) {
        const QString Pfad = Ziel.filePath(Name);
        if (!Jpeg_Schreiben(Bild, Pfad)) {
            std::fprintf(stderr, "%s: nicht geschrieben\n", qPrintable(Pfad));
            ++Fehler;
        }
    }
    return Fehler == 0 ? 0 : 1;
}
