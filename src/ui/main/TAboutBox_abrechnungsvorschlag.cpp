#include "ui/main/TAboutBox_abrechnungsvorschlag.h"

#include "ui/main/Infofenster.h"
#include "ui/main/TBildflaeche.h"

TAboutBox_abrechnungsvorschlag::TAboutBox_abrechnungsvorschlag(QWidget* parent)
    : QDialog(parent)
{
    Infofenster::Dialograhmen_Setzen(*this, QStringLiteral("Info über"), 994, 645);

    // The picture area is 6 pixels wider than the window; centred, it loses
    // 3 pixels of white margin on either side.
    auto* Bild = new TBildflaeche(TBildflaeche::TDarstellung::Proportional, this);
    Bild->setObjectName(QStringLiteral("Image_Abrechnungsvorschlag"));
    Bild->setGeometry(-3, 0, 1000, 607);
    Bild->Bild_Setzen(Infofenster::Bild(QStringLiteral("abrechnungsvorschlag.jpg")));

    Infofenster::OK_Knopf(this, QRect(460, 613, 75, 25));
}

void TAboutBox_abrechnungsvorschlag::showEvent(QShowEvent* Ereignis)
{
    if (!m_Positioniert) {
        Infofenster::Zentrieren(*this);
        m_Positioniert = true;
    }
    QDialog::showEvent(Ereignis);
}
