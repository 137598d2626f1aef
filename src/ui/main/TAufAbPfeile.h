#pragma once

#include <QWidget>

class QToolButton;

// Two stacked arrow buttons that only report the requested direction; they
// hold no value of their own, so every click is one step.
class TAufAbPfeile : public QWidget
{
    Q_OBJECT

public:
    explicit TAufAbPfeile(QWidget* Eltern = nullptr);

    QToolButton* Auf() const { return m_Auf; }
    QToolButton* Ab() const { return m_Ab; }

signals:
    // -1 for up, +1 for down.
    void Richtung_Angefragt(int Richtung);

protected:
    void resizeEvent(QResizeEvent* Ereignis) override;

private:
    QToolButton* m_Auf;
    QToolButton* m_Ab;
};
