#include "ui/info/TAboutBox_Werkzeuggutschein.h"

#include "ui/info/Infofenster.h"
#include "ui/shared/Slotschutz.h"

#include <QFrame>
#include <QPushButton>

TAboutBox_Werkzeuggutschein::TAboutBox_Werkzeuggutschein(QWidget* parent)
    : TInfodialog(QStringLiteral("Info über"), 856, 642, parent)
{
    QFrame* Panel = Infofenster::Panel(this, QRect(5, 5, 847, 599), QStringLiteral("Panel1"));
    const QRect Seite(1, 1, 841, 593);
    Infofenster::Bildflaeche(Panel, TBildflaeche::TDarstellung::Proportional, QStringLiteral("Image_Seite1"), Seite,
                             Infofenster::Bild(QStringLiteral("werkzeuggutschein_1.jpg")));
    m_Seite2 = Infofenster::Bildflaeche(Panel, TBildflaeche::TDarstellung::Proportional, QStringLiteral("Image_Seite2"),
                                        Seite, Infofenster::Bild(QStringLiteral("werkzeuggutschein_2.jpg")));
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
