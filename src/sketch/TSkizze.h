#pragma once

#include "sketch/TSkizzenplan.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QTransform>

class QIODevice;
class QPainter;
class TPosition;

// The to-scale sketch of a window position as seen from inside: frame, top
// light, sashes with their opening symbols, special shape, glazing bars,
// shutter box, threshold and the dimensions in millimetres. It only reads the position.
class TSkizze
{
public:
    static TSkizzenplan Planen(const TPosition& Position);

    // Paints into Ziel (in the painter's coordinates), aspect ratio kept, centred,
    // with room for the dimensions; the painter's state is restored afterwards.
    static void Zeichnen(QPainter& Maler, const TPosition& Position, const QRectF& Ziel);
    static void Zeichnen(QPainter& Maler, const TSkizzenplan& Plan, const QRectF& Ziel);

    // The height of the dimension texts on a device of the given resolution.
    static qreal Schrifthoehe(const QRectF& Ziel, qreal Dpi);
    // Millimetres of the window to the coordinates of Ziel.
    static QTransform Abbildung(const TSkizzenplan& Plan, const QRectF& Ziel, qreal Schrifthoehe);

    static QImage Bild(const TSkizzenplan& Plan, const QSize& Groesse);
    // An SVG document of the given size in pixels; false when the device cannot be written.
    static bool Svg_Schreiben(QIODevice& Ziel, const TPosition& Position, const QSize& Groesse,
                              const QString& Titel);
    static bool Svg_Schreiben(QIODevice& Ziel, const TSkizzenplan& Plan, const QSize& Groesse,
                              const QString& Titel);
};
