#include "ui/info/TForm_Holzarten.h"

#include "ui/info/Infofenster.h"

TForm_Holzarten::TForm_Holzarten(QWidget* parent)
    : QWidget(parent)
{
    Infofenster::Einfachrahmen_Setzen(*this, QStringLiteral("Holzarten"), 417, 351);
    Infofenster::Weiss_Hinterlegen(*this);
    Infofenster::Bildflaeche(this, TBildflaeche::TDarstellung::Gestreckt, QStringLiteral("Image_Holzarten"),
                             QRect(8, 7, 401, 337), Infofenster::Bild(QStringLiteral("holzarten.jpg")));
}
