#include "ui/info/TAboutBox_abrechnungsvorschlag.h"

#include "ui/info/Infofenster.h"

TAboutBox_abrechnungsvorschlag::TAboutBox_abrechnungsvorschlag(QWidget* parent)
    : TInfodialog(QStringLiteral("Info über"), 994, 645, parent)
{
    // The picture area is 6 pixels wider than the window; centred, it loses
    // 3 pixels of white margin on either side.
    Infofenster::Bildflaeche(this, TBildflaeche::TDarstellung::Proportional,
                             QStringLiteral("Image_Abrechnungsvorschlag"), QRect(-3, 0, 1000, 607),
                             Infofenster::Bild(QStringLiteral("abrechnungsvorschlag.jpg")));

    Infofenster::OK_Knopf(this, QRect(460, 613, 75, 25));
}
