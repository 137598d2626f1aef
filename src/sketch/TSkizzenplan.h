#pragma once

#include "sketch/TDrehrichtungsleser.h"

#include <QLineF>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// What the sketch of a window position shows, in millimetres of the window:
// x to the right and y downwards from the frame's upper left corner, seen from inside.
struct TSkizzenplan
{
    struct TFeld
    {
        // The sash's outer edge, or for glazing in the frame the glass itself.
        QRectF Rahmen;
        QRectF Glas;
        // The glass as drawn: the rectangle, cut to the special shape.
        QPainterPath Glasflaeche;
        bool hatFluegelrahmen = true;
        bool istOberlicht = false;
        std::optional<TOeffnung> Oeffnung;
        // The opening symbol; two lines per opening kind.
        std::vector<QLineF> Symbol;
        std::vector<QLineF> Sprossen;
    };

    // False when width or height is not positive: nothing to draw to scale.
    bool Zeichenbar = false;
    std::int32_t Breite = 0;
    std::int32_t Hoehe = 0;
    // 0 without top light.
    std::int32_t HoeheOberlicht = 0;
    int Form = 0;
    QPainterPath Umriss;
    // The glazed opening inside the frame; the fields are clipped to it.
    QPainterPath Innen;
    // The transom between top light and sashes.
    std::optional<QRectF> Kaempfer;
    // Top light first, then the sashes from left to right.
    std::vector<TFeld> Felder;
    std::optional<QRectF> Rolladenkasten;
    std::optional<QLineF> Schwelle;
    // The opening-direction text when it could not be read, shown under the sketch.
    QString Unlesbare_Drehrichtung;

    // The extent of everything drawn in millimetres.
    QRectF Ausdehnung() const;
};
