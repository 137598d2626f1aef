#include "ui/editor/TSonderformbilder.h"

#include "base/Ganzzahl.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

// The outline fills x 3..25 and y 3..25; the shadow lies 2 pixels lower right.
constexpr qreal L = 3, O = 3, R = 25, U = 25, M = (L + R) / 2, B = R - L;

QPainterPath Polygon(std::initializer_list<QPointF> Punkte)
{
    QPainterPath Pfad;
    Pfad.addPolygon(QPolygonF(Punkte));
    Pfad.closeSubpath();
    return Pfad;
}

// A rectangle from the springing line Kaempfer down, topped by the curve Bogen adds.
template <class F>
QPainterPath Bogenfenster(qreal Kaempfer, F Bogen)
{
    QPainterPath Pfad(QPointF(L, U));
    Pfad.lineTo(L, Kaempfer);
    Bogen(Pfad);
    Pfad.lineTo(R, U);
    Pfad.closeSubpath();
    return Pfad;
}

QPainterPath Umriss(int Index)
{
    switch (Index) {
    case 1: return Polygon({{L, O}, {R, O + 9}, {R, U}, {L, U}});
    case 2: return Polygon({{L, O}, {R, U}, {L, U}});
    case 3: return Polygon({{L, O}, {R - 9, O}, {R, O + 9}, {R, U}, {L, U}});
    case 4: return Polygon({{L, O + 9}, {M, O}, {R, O + 9}, {R, U}, {L, U}});
    case 5: return Polygon({{L, O + 12}, {L + 7, O}, {R, O + 7}, {R, U}, {L, U}});
    case 6: return Polygon({{L + 6, O}, {R - 6, O}, {R, U}, {L, U}});
    case 7: return Bogenfenster(O + B / 2, [](QPainterPath& P) { P.arcTo(QRectF(L, O, B, B), 180, -180); });
    case 8: return Bogenfenster(O + 7, [](QPainterPath& P) { P.quadTo(M, O - 7, R, O + 7); });
    case 9: return Bogenfenster(O + 8, [](QPainterPath& P) { P.arcTo(QRectF(L, O, B, 16), 180, -180); });
    case 10:
        return Bogenfenster(O + 12, [](QPainterPath& P) {
            P.quadTo(L, O + 3, M, O);
            P.quadTo(R, O + 3, R, O + 12);
        });
    case 11: {
        QPainterPath Pfad;
        Pfad.addEllipse(QRectF(L, O, B, B));
        return Pfad;
    }
    default: {
        QPainterPath Pfad;
        Pfad.addRect(QRectF(L, O, B, B));
        return Pfad;
    }
    }
}

} // namespace

const QPixmap& TSonderformbilder::Bild(int Index)
{
    Ganzzahl::Index_Pruefen(Index, Anzahl, "Sonderformbilder");
    static const std::array<QPixmap, Anzahl> Bilder = [] {
        std::array<QPixmap, Anzahl> Alle;
        for (int i = 0; i < Anzahl; ++i)
            Alle[std::size_t(i)] = Zeichnen(i);
        return Alle;
    }();
    return Bilder[std::size_t(Index)];
}

QPixmap TSonderformbilder::Zeichnen(int Index)
{
    QPixmap Bild(Groesse, Groesse);
    Bild.fill(Qt::transparent);
    QPainter Maler(&Bild);
    Maler.setRenderHint(QPainter::Antialiasing);
    const QPainterPath Pfad = Umriss(Index);
    Maler.fillPath(Pfad.translated(2, 2), QColor(128, 128, 128));
    Maler.fillPath(Pfad, Index == 0 ? QColor(166, 202, 240) : QColor(Qt::white));
    Maler.setPen(QPen(Qt::black, 1.2));
    Maler.drawPath(Pfad);
    return Bild;
}
