#include "ui/main/TAboutBox_Werkzeuggutschein.h"

#include "ui/main/Infofenster.h"
#include "ui/main/TBildflaeche.h"
#include "ui/shared/Slotschutz.h"

#include <QFrame>
#include <QPushButton>

TAboutBox_Werkzeuggutschein::TAboutBox_Werkzeuggutschein(QWidget* parent)
    : QDialog(parent)
{
    Infofenster::Dialograhmen_Setzen(*this, QStringLiteral("Info über"), 856, 642);

    QFrame* Panel = Infofenster::Panel(this, QRect(5, 5, 847, 599), QStringLiteral("Panel1"));
    auto* Seite1 = new TBildflaeche(TBildflaeche::TDarstellung::Proportional, Panel);
    Seite1->setObjectName(QStringLiteral("Image_Seite1"));
    Seite1->setGeometry(1, 1, 841, 593);
    Seite1->Bild_Setzen(Infofenster::Bild(QStringLiteral("werkzeuggutschein_1.jpg")));
    m_Seite2 = new TBildflaeche(TBildflaeche::TDarstellung::Proportional, Panel);
    m_Seite2->setObjectName(QStringLiteral("Image_Seite2"));
    m_Seite2->setGeometry(1, 1, 841, 593);
    m_Seite2->Bild_Setzen(Infofenster::Bild(QStringLiteral("werkzeuggutschein_2.jpg")));
    m_Seite2->hide();

    auto* Blaettern = new QPushButton(QStringLiteral("Blättern"), this);
    Blaettern->setObjectName(QStringLiteral("Button_Blaettern"));
    Blaettern->setGeometry(689, 610, 75, 25);
    Slotschutz::Verbinden(Blaettern, &QPushButton::clicked, this, &TAboutBox_Werkzeuggutschein::Button_BlaetternClick);

    Infofenster::OK_Knopf(this, QRect(772, 610, 75, 25));
}

void TAboutBox_Werkzeuggutschein::Button_BlaetternClick()
{
    ++m_Blaetterzahl;
    m_Seite2->setVisible(m_Blaetterzahl % 2 != 0);
}

void TAboutBox_Werkzeuggutschein::showEvent(QShowEvent* Ereignis)
{
    if (!m_Positioniert) {
        Infofenster::Zentrieren(*this);
        m_Positioniert = true;
    }
    QDialog::showEvent(Ereignis);
}
