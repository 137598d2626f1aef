#include "ui/main/TAufAbPfeile.h"

#include "ui/shared/Slotschutz.h"

#include <QToolButton>

TAufAbPfeile::TAufAbPfeile(QWidget* Eltern)
    : QWidget(Eltern)
    , m_Auf(new QToolButton(this))
    , m_Ab(new QToolButton(this))
{
    m_Auf->setObjectName(QStringLiteral("Auf"));
    m_Ab->setObjectName(QStringLiteral("Ab"));
    m_Auf->setArrowType(Qt::UpArrow);
    m_Ab->setArrowType(Qt::DownArrow);
    for (QToolButton* Knopf : {m_Auf, m_Ab}) {
        Knopf->setAutoRepeat(true);
        Knopf->setFocusPolicy(Qt::NoFocus);
    }
    Slotschutz::Verbinden(m_Auf, &QToolButton::clicked, this, [this] { emit Richtung_Angefragt(-1); });
    Slotschutz::Verbinden(m_Ab, &QToolButton::clicked, this, [this] { emit Richtung_Angefragt(+1); });
}

void TAufAbPfeile::resizeEvent(QResizeEvent*)
{
    const int Oben = height() / 2;
    m_Auf->setGeometry(0, 0, width(), Oben);
    m_Ab->setGeometry(0, Oben, width(), height() - Oben);
}
