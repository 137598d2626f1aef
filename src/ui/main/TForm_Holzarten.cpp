#include "ui/main/TForm_Holzarten.h"

#include "ui/main/Infofenster.h"
#include "ui/main/TBildflaeche.h"

TForm_Holzarten::TForm_Holzarten(QWidget* parent)
    : QWidget(parent)
{
    Infofenster::Einfachrahmen_Setzen(*this, QStringLiteral("Holzarten"), 417, 351);
    QPalette Weiss = palette();
    Weiss.setColor(QPalette::Window, Qt::white);
    setPalette(Weiss);
    setAutoFillBackground(true);

    auto* Bild = new TBildflaeche(TBildflaeche::TDarstellung::Gestreckt, this);
    Bild->setObjectName(QStringLiteral("Image_Holzarten"));
    Bild->setGeometry(8, 7, 401, 337);
    Bild->Bild_Setzen(Infofenster::Bild(QStringLiteral("holzarten.jpg")));
}
