#pragma once

#include <QPixmap>

// The twelve 30 x 30 pictures of the special-shape list: black outlines with a
// grey shadow on a transparent background, drawn once and then shared.
class TSonderformbilder
{
public:
    static constexpr int Anzahl = 12;
    static constexpr int Groesse = 30;

    // A range error for an index outside 0..11.
    static const QPixmap& Bild(int Index);

private:
    static QPixmap Zeichnen(int Index);
};
