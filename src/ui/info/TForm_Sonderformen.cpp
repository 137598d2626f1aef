#include "ui/info/TForm_Sonderformen.h"

#include "ui/info/Infofenster.h"

TForm_Sonderformen::TForm_Sonderformen(QWidget* parent)
    : QWidget(parent)
{
    Infofenster::Einfachrahmen_Setzen(*this, QStringLiteral("Berechnungstabelle Sonderformen"), 616, 233);
    Infofenster::Weiss_Hinterlegen(*this);
    Infofenster::Bildflaeche(this, TBildflaeche::TDarstellung::Gestreckt, QStringLiteral("Image_Sonderformen"),
                             QRect(8, 8, 601, 217), Infofenster::Bild(QStringLiteral("sonderformen.jpg")));
}
