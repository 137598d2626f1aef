#pragma once

#include <QObject>

class QPushButton;
class QWidget;

// The default button of a window that is no QDialog: Enter on a control that
// has no use for it (a list, a check box) presses the button. Fields keep
// their own Enter, which leads on to the next field, and a focused push
// button presses itself.
class TStandardknopf : public QObject
{
    Q_OBJECT

public:
    static void Einrichten(QWidget& Fenster, QPushButton& Knopf);

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

private:
    TStandardknopf(QWidget& Fenster, QPushButton& Knopf);

    QWidget& m_Fenster;
    QPushButton& m_Knopf;
};
