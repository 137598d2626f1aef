#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QImage;
class QPushButton;
class QWidget;

// What the information windows share: window borders, the bevelled panel,
// the OK button and their pictures.
namespace Infofenster {

// A fixed-size dialog with title and close button only, in the 8-point face of the program.
void Dialograhmen_Setzen(QDialog& Fenster, const QString& Titel, int Breite, int Hoehe);
// A fixed-size window with system menu, minimise and close button.
void Einfachrahmen_Setzen(QWidget& Fenster, const QString& Titel, int Breite, int Hoehe);
void Zentrieren(QWidget& Fenster);

// A panel with a lowered outer and a raised inner bevel; children go into the
// returned inner frame, whose origin lies 1 pixel inside Rechteck.
QFrame* Panel(QWidget* Eltern, const QRect& Rechteck, const QString& Name);

// "OK", the default button, which closes Fenster.
QPushButton* OK_Knopf(QDialog* Fenster, const QRect& Rechteck);

// A picture of the program, ":/bilder/<Name>"; a null image if it is missing or damaged.
QImage Bild(const QString& Name);

} // namespace Infofenster
