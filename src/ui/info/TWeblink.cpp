#include "ui/info/TWeblink.h"

#include "sheet/Herstellerdaten.h"
#include "ui/shared/TDienste.h"

#include <QMouseEvent>
#include <QTextDocument>
#include <QUrl>

TWeblink::TWeblink(QWidget* Eltern)
    : QPlainTextEdit(Herstellerdaten::Webadresse, Eltern)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
    viewport()->setMouseTracking(true);
    Zuruecksetzen();
}

bool TWeblink::Ueber_Text(const QPoint& Punkt)
{
    return Punkt.x() >= 2 && Punkt.x() <= 143 && Punkt.y() >= 2 && Punkt.y() <= 15;
}

bool TWeblink::Im_Klickbereich(const QPoint& Punkt)
{
    return Punkt.x() > 1 && Punkt.x() < 144 && Punkt.y() > 1 && Punkt.y() < 16;
}

void TWeblink::Zuruecksetzen()
{
    Darstellen(false, Qt::blue, Qt::ArrowCursor);
}

void TWeblink::Darstellen(bool Unterstrichen, const QColor& Farbe, Qt::CursorShape Zeiger)
{
    m_Unterstrichen = Unterstrichen;
    m_Farbe = Farbe;
    QFont Schrift = font();
    Schrift.setUnderline(Unterstrichen);
    setFont(Schrift);
    QPalette Palette = palette();
    Palette.setColor(QPalette::Text, Farbe);
    setPalette(Palette);
    viewport()->setCursor(Zeiger);
}

void TWeblink::mouseMoveEvent(QMouseEvent* Ereignis)
{
    if (Ueber_Text(Ereignis->position().toPoint()))
        Darstellen(true, m_Farbe, Qt::PointingHandCursor);
    else
        Zuruecksetzen();
}

void TWeblink::mousePressEvent(QMouseEvent* Ereignis)
{
    if (Im_Klickbereich(Ereignis->position().toPoint()))
        Darstellen(m_Unterstrichen, Qt::red, viewport()->cursor().shape());
}

void TWeblink::mouseReleaseEvent(QMouseEvent*)
{
    if (m_Farbe == QColor(Qt::red))
        TDienste::Aktuell().Oeffnen(QUrl(Herstellerdaten::Weblink));
}

void TWeblink::mouseDoubleClickEvent(QMouseEvent* Ereignis)
{
    mousePressEvent(Ereignis);
}

bool TWeblink::viewportEvent(QEvent* Ereignis)
{
    if (Ereignis->type() == QEvent::Leave)
        Zuruecksetzen();
    return QPlainTextEdit::viewportEvent(Ereignis);
}
