#include "ui/editor/TSonderformbilder.h"

#include "base/Ganzzahl.h"
#include "sketch/TSonderformumriss.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

// The outline fills x 3..25 and y 3..25; the shadow lies 2 pixels lower right.
// The window sketches draw the same outlines at the window's size.
QPainterPath Umriss(int Index)
{
    return TSonderformumriss::Umriss(Index, QRectF(3, 3, 22, 22));
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
