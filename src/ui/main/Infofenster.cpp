#include "ui/main/Infofenster.h"

#include "fonts/TSchriften.h"
#include "ui/main/TJpegBild.h"
#include "ui/shared/Slotschutz.h"

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QScreen>

namespace Infofenster {

namespace {

void Schrift_Setzen(QWidget& Fenster)
{
    Fenster.setFont(TSchriften::Schrift(8));
}

} // namespace

void Dialograhmen_Setzen(QDialog& Fenster, const QString& Titel, int Breite, int Hoehe)
{
    Fenster.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    Fenster.setWindowTitle(Titel);
    Fenster.setFixedSize(Breite, Hoehe);
    Fenster.setModal(false);
    Schrift_Setzen(Fenster);
}

void Einfachrahmen_Setzen(QWidget& Fenster, const QString& Titel, int Breite, int Hoehe)
{
    Fenster.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    Fenster.setWindowTitle(Titel);
    Fenster.setFixedSize(Breite, Hoehe);
    Schrift_Setzen(Fenster);
}

void Zentrieren(QWidget& Fenster)
{
    const QScreen* Bildschirm = Fenster.screen();
    if (!Bildschirm)
        return;
    QRect Lage = Fenster.geometry();
    Lage.moveCenter(Bildschirm->availableGeometry().center());
    Fenster.move(Lage.topLeft());
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

} // namespace Infofenster
