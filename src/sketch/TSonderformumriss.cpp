#include "sketch/TSonderformumriss.h"

#include <QPolygonF>

#include <algorithm>
#include <initializer_list>

namespace {

// The shapes are laid out on a 22 x 22 grid, the size of the shape list's pictures.
constexpr qreal Raster = 22;

struct TKasten
{
    qreal L, O, R, U, B, H;

    qreal x(qreal Teile) const { return L + B * Teile / Raster; }
    qreal xr(qreal Teile) const { return R - B * Teile / Raster; }
    // A rise from the top, measured on the width and capped by the height.
    qreal y(qreal Teile) const { return O + std::min(B * Teile / Raster, H * 0.6); }
};

QPainterPath Polygon(std::initializer_list<QPointF> Punkte)
{
    QPainterPath Pfad;
    Pfad.addPolygon(QPolygonF(Punkte));
    Pfad.closeSubpath();
    return Pfad;
}

// The sides from the bottom up to the springing line, then the curve Bogen adds.
template <class F>
QPainterPath Bogenfenster(const TKasten& K, qreal Kaempfer, F Bogen)
{
    QPainterPath Pfad(QPointF(K.L, K.U));
    Pfad.lineTo(K.L, Kaempfer);
    Bogen(Pfad);
    Pfad.lineTo(K.R, K.U);
    Pfad.closeSubpath();
    return Pfad;
}

} // namespace

QPainterPath TSonderformumriss::Umriss(int Index, const QRectF& Kasten)
{
    const TKasten K{Kasten.left(), Kasten.top(), Kasten.right(), Kasten.bottom(), Kasten.width(), Kasten.height()};
    const qreal M = (K.L + K.R) / 2;
    switch (Index) {
    case 1: return Polygon({{K.L, K.O}, {K.R, K.y(9)}, {K.R, K.U}, {K.L, K.U}});
    case 2: return Polygon({{K.L, K.O}, {K.R, K.U}, {K.L, K.U}});
    case 3: return Polygon({{K.L, K.O}, {K.xr(9), K.O}, {K.R, K.y(9)}, {K.R, K.U}, {K.L, K.U}});
    case 4: return Polygon({{K.L, K.y(9)}, {M, K.O}, {K.R, K.y(9)}, {K.R, K.U}, {K.L, K.U}});
    case 5: return Polygon({{K.L, K.y(12)}, {K.x(7), K.O}, {K.R, K.y(7)}, {K.R, K.U}, {K.L, K.U}});
    case 6: return Polygon({{K.x(6), K.O}, {K.xr(6), K.O}, {K.R, K.U}, {K.L, K.U}});
    case 7: {
        const qreal Kaempfer = K.y(11);
        return Bogenfenster(K, Kaempfer, [&](QPainterPath& P) {
            P.arcTo(QRectF(K.L, K.O, K.B, 2 * (Kaempfer - K.O)), 180, -180);
        });
    }
    case 8: {
        const qreal Kaempfer = K.y(7);
        return Bogenfenster(K, Kaempfer, [&](QPainterPath& P) { P.quadTo(M, 2 * K.O - Kaempfer, K.R, Kaempfer); });
    }
    case 9: {
        const qreal Kaempfer = K.y(8);
        return Bogenfenster(K, Kaempfer, [&](QPainterPath& P) {
            P.arcTo(QRectF(K.L, K.O, K.B, 2 * (Kaempfer - K.O)), 180, -180);
        });
    }
    case 10: {
        const qreal Kaempfer = K.y(12);
        const qreal Stich = (Kaempfer - K.O) / 4;
        return Bogenfenster(K, Kaempfer, [&](QPainterPath& P) {
            P.quadTo(K.L, K.O + Stich, M, K.O);
            P.quadTo(K.R, K.O + Stich, K.R, Kaempfer);
        });
    }
    case 11: {
        QPainterPath Pfad;
        Pfad.addEllipse(Kasten);
        return Pfad;
    }
    default: {
        QPainterPath Pfad;
        Pfad.addRect(Kasten);
        return Pfad;
    }
    }
}
