#pragma once

#include "ui/info/TBildflaeche.h"

#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QImage;
class QPushButton;
class QWidget;

// What the information windows share: the window border, the bevelled panel,
// the OK button and their pictures.
namespace Infofenster {

// A fixed-size window with system menu, minimise and close button.
void Einfachrahmen_Setzen(QWidget& Fenster, const QString& Titel, int Breite, int Hoehe);
// A white background for a window that shows a picture.
void Weiss_Hinterlegen(QWidget& Fenster);

// A panel with a lowered outer and a raised inner bevel; children go into the
// returned inner frame, whose origin lies 1 pixel inside Rechteck.
QFrame* Panel(QWidget* Eltern, const QRect& Rechteck, const QString& Name);

// "OK", the default button, which closes Fenster.
QPushButton* OK_Knopf(QDialog* Fenster, const QRect& Rechteck);

// A picture of the program, ":/bilder/<Name>"; a null image if it is missing or damaged.
QImage Bild(const QString& Name);
// A picture control called Name at Lage in Eltern, showing Inhalt.
TBildflaeche* Bildflaeche(QWidget* Eltern, TBildflaeche::TDarstellung Darstellung, const QString& Name,
                          const QRect& Lage, const QImage& Inhalt);

} // namespace Infofenster
