#include "ui/shared/TEingabehinweis.h"

#include <QTimer>

#include <algorithm>

TEingabehinweis::TEingabehinweis(QWidget* Fenster)
    : QLabel(Fenster)
    , m_Uhr(new QTimer(this))
{
    setObjectName(QStringLiteral("Eingabehinweis"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(3);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    QPalette Farben = palette();
    Farben.setColor(QPalette::Window, QColor(255, 250, 205));
    Farben.setColor(QPalette::WindowText, QColor(140, 0, 0));
    setPalette(Farben);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_Uhr->setSingleShot(true);
    connect(m_Uhr, &QTimer::timeout, this, &QWidget::hide);
}

void TEingabehinweis::Zeigen(QWidget& Feld, const QString& Text)
{
    QWidget* Fenster = Feld.window();
    auto* Hinweis = Fenster->findChild<TEingabehinweis*>(QStringLiteral("Eingabehinweis"), Qt::FindDirectChildrenOnly);
    if (!Hinweis)
        Hinweis = new TEingabehinweis(Fenster);
    Hinweis->setText(Text);
    Hinweis->Anordnen(Feld);
    Hinweis->show();
    Hinweis->raise();
    Hinweis->m_Uhr->start(Anzeigedauer_ms);
}

// Under the field, inside the window: as wide as the window allows, at most 320 pixels.
void TEingabehinweis::Anordnen(const QWidget& Feld)
{
    const QWidget* Fenster = parentWidget();
    const int Rand = 4;
    const int Breite = std::max(80, std::min(320, Fenster->width() - 2 * Rand));
    setFixedWidth(Breite);
    const int Hoehe = heightForWidth(Breite);
    setFixedHeight(Hoehe);
    const QPoint Unten = Feld.mapTo(Fenster, QPoint(0, Feld.height() + 2));
    const QPoint Oben = Feld.mapTo(Fenster, QPoint(0, -Hoehe - 2));
    const bool Passt_Unten = Unten.y() + Hoehe <= Fenster->height() - Rand;
    const int x = std::clamp(Unten.x(), Rand, std::max(Rand, Fenster->width() - Breite - Rand));
    const int y = Passt_Unten ? Unten.y() : std::max(Rand, Oben.y());
    move(x, y);
}
