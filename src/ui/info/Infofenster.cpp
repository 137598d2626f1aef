#include "ui/info/Infofenster.h"

#include "fonts/TSchriften.h"
#include "ui/info/TJpegBild.h"
#include "ui/shared/Slotschutz.h"

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QPushButton>

namespace Infofenster {

void Einfachrahmen_Setzen(QWidget& Fenster, const QString& Titel, int Breite, int Hoehe)
{
    Fenster.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    Fenster.setWindowTitle(Titel);
    Fenster.setFixedSize(Breite, Hoehe);
    Fenster.setFont(TSchriften::Schrift(8));
}

void Weiss_Hinterlegen(QWidget& Fenster)
{
    QPalette Weiss = Fenster.palette();
    Weiss.setColor(QPalette::Window, Qt::white);
    Fenster.setPalette(Weiss);
    Fenster.setAutoFillBackground(true);
}

QFrame* Panel(QWidget* Eltern, const QRect& Rechteck, const QString& Name)
{
    auto* Aussen = new QFrame(Eltern);
    Aussen->setObjectName(Name);
    Aussen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Aussen->setLineWidth(1);
    Aussen->setGeometry(Rechteck);
    auto* Innen = new QFrame(Aussen);
    Innen->setObjectName(Name + QStringLiteral("_Innen"));
    Innen->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Innen->setLineWidth(1);
    Innen->setGeometry(1, 1, Rechteck.width() - 2, Rechteck.height() - 2);
    return Innen;
}

QPushButton* OK_Knopf(QDialog* Fenster, const QRect& Rechteck)
{
    auto* Knopf = new QPushButton(QStringLiteral("OK"), Fenster);
    Knopf->setObjectName(QStringLiteral("OKButton"));
    Knopf->setGeometry(Rechteck);
    Knopf->setDefault(true);
    Slotschutz::Verbinden(Knopf, &QPushButton::clicked, Fenster, &QDialog::close);
    return Knopf;
}

QImage Bild(const QString& Name)
{
    return TJpegBild::Laden(QStringLiteral(":/bilder/") + Name);
}

TBildflaeche* Bildflaeche(QWidget* Eltern, TBildflaeche::TDarstellung Darstellung, const QString& Name,
                          const QRect& Lage, const QImage& Inhalt)
{
    auto* Flaeche = new TBildflaeche(Darstellung, Eltern);
    Flaeche->setObjectName(Name);
    Flaeche->setGeometry(Lage);
    Flaeche->Bild_Setzen(Inhalt);
    return Flaeche;
}

} // namespace Infofenster
