#pragma once

#include <QColor>
#include <QPlainTextEdit>

// The one-line link to the maker's web address: blue, underlined with the
// hand cursor while the pointer is over the text, red while pressed; releasing
// the button while red has the shell open the address.
class TWeblink : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TWeblink(QWidget* Eltern = nullptr);

    // Plain blue text with the arrow cursor.
    void Zuruecksetzen();

    bool Unterstrichen() const { return m_Unterstrichen; }
    QColor Schriftfarbe() const { return m_Farbe; }

    // The area over which the text reacts, in the control's coordinates.
    static bool Ueber_Text(const QPoint& Punkt);
    static bool Im_Klickbereich(const QPoint& Punkt);

protected:
    void mouseMoveEvent(QMouseEvent* Ereignis) override;
    void mousePressEvent(QMouseEvent* Ereignis) override;
    void mouseReleaseEvent(QMouseEvent* Ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* Ereignis) override;
    bool viewportEvent(QEvent* Ereignis) override;

private:
    void Darstellen(bool Unterstrichen, const QColor& Farbe, Qt::CursorShape Zeiger);

    bool m_Unterstrichen = false;
    QColor m_Farbe;
};
