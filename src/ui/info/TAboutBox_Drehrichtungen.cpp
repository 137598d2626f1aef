#include "ui/info/TAboutBox_Drehrichtungen.h"

#include "ui/info/Infofenster.h"

#include <QFrame>

TAboutBox_Drehrichtungen::TAboutBox_Drehrichtungen(QWidget* parent)
    : TInfodialog(QStringLiteral("Info über"), 489, 487, parent)
{
    QFrame* Panel = Infofenster::Panel(this, QRect(8, 8, 473, 441), QStringLiteral("Panel1"));
    Infofenster::Bildflaeche(Panel, TBildflaeche::TDarstellung::Gestreckt, QStringLiteral("Image_Drehrichtungen"),
                             QRect(8, 2, 453, 433), Infofenster::Bild(QStringLiteral("drehrichtungen.jpg")));

    Infofenster::OK_Knopf(this, QRect(207, 455, 75, 25));
}
