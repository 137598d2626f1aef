#include "ui/main/TForm_Sonderformen.h"

#include "ui/main/Infofenster.h"
#include "ui/main/TBildflaeche.h"

TForm_Sonderformen::TForm_Sonderformen(QWidget* parent)
    : QWidget(parent)
{
    Infofenster::Einfachrahmen_Setzen(*this, QStringLiteral("Berechnungstabelle Sonderformen"), 616, 233);
    QPalette Weiss = palette();
    Weiss.setColor(QPalette::Window, Qt::white);
    setPalette(Weiss);
    setAutoFillBackground(true);

    auto* Bild = new TBildflaeche(TBildflaeche::TDarstellung::Gestreckt, this);
    Bild->setObjectName(QStringLiteral("Image_Sonderformen"));
    Bild->setGeometry(8, 8, 601, 217);
    Bild->Bild_Setzen(Infofenster::Bild(QStringLiteral("sonderformen.jpg")));
}
