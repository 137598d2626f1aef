#include "ui/info/TBildflaeche.h"

#include <QPainter>

TBildflaeche::TBildflaeche(TDarstellung Darstellung, QWidget* Eltern)
    : QWidget(Eltern)
    , m_Darstellung(Darstellung)
{
}

void TBildflaeche::Bild_Setzen(const QImage& Bild)
{
    m_Bild = Bild;
    update();
}

QRect TBildflaeche::Zielrechteck() const
{
    if (m_Bild.isNull() || m_Darstellung == TDarstellung::Gestreckt)
        return rect();
    QSize Groesse = m_Bild.size();
    if (Groesse.width() > width() || Groesse.height() > height())
        Groesse.scale(size(), Qt::KeepAspectRatio);
    QRect Ziel(QPoint(0, 0), Groesse);
    Ziel.moveCenter(rect().center());
    return Ziel;
}

void TBildflaeche::paintEvent(QPaintEvent*)
{
    if (m_Bild.isNull())
        return;
    QPainter Flaeche(this);
    Flaeche.setRenderHint(QPainter::SmoothPixmapTransform);
    Flaeche.drawImage(Zielrechteck(), m_Bild);
}
