#include "ui/main/TAboutBox_Drehrichtungen.h"

#include "ui/main/Infofenster.h"
#include "ui/main/TBildflaeche.h"

#include <QFrame>

TAboutBox_Drehrichtungen::TAboutBox_Drehrichtungen(QWidget* parent)
    : QDialog(parent)
{
    Infofenster::Dialograhmen_Setzen(*this, QStringLiteral("Info über"), 489, 487);

    QFrame* Panel = Infofenster::Panel(this, QRect(8, 8, 473, 441), QStringLiteral("Panel1"));
    auto* Bild = new TBildflaeche(TBildflaeche::TDarstellung::Gestreckt, Panel);
    Bild->setObjectName(QStringLiteral("Image_Drehrichtungen"));
    Bild->setGeometry(8, 2, 453, 433);
    Bild->Bild_Setzen(Infofenster::Bild(QStringLiteral("drehrichtungen.jpg")));

    Infofenster::OK_Knopf(this, QRect(207, 455, 75, 25));
}

void TAboutBox_Drehrichtungen::showEvent(QShowEvent* Ereignis)
{
    if (!m_Positioniert) {
        Infofenster::Zentrieren(*this);
        m_Positioniert = true;
    }
    QDialog::showEvent(Ereignis);
}
