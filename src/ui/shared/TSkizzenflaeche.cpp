#include "ui/shared/TSkizzenflaeche.h"

#include "fonts/TSchriften.h"
#include "sketch/TSkizze.h"

#include <QPainter>

TSkizzenflaeche::TSkizzenflaeche(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSkizzenflaeche::Position_Zeigen(const TPosition& Position)
{
    m_Plan = TSkizze::Planen(Position);
    m_Hinweis.clear();
    update();
}

void TSkizzenflaeche::Hinweis_Zeigen(const QString& Text)
{
    m_Plan = TSkizzenplan();
    m_Hinweis = Text;
    update();
}

void TSkizzenflaeche::paintEvent(QPaintEvent*)
{
    QPainter Maler(this);
    Maler.fillRect(rect(), Qt::white);
    if (hatSkizze()) {
        TSkizze::Zeichnen(Maler, m_Plan, QRectF(rect()));
        return;
    }
    Maler.setFont(TSchriften::Schrift(9));
    Maler.setPen(palette().color(QPalette::WindowText));
    Maler.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_Hinweis);
}
