#pragma once

#include <QPainterPath>
#include <QRectF>

// The outline of a special shape (0 = rectangle, 1..11 the shapes of the shape
// list) inside the window's bounding box. Rises are taken from the width, so
// a round arch stays round, but never exceed three fifths of the height.
class TSonderformumriss
{
public:
    static constexpr int Anzahl = 12;

    // An index outside 0..11 gives the rectangle.
    static QPainterPath Umriss(int Index, const QRectF& Kasten);
};
