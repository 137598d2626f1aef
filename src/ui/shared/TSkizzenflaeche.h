#pragma once

#include "sketch/TSkizzenplan.h"

#include <QWidget>

class TPosition;

// Shows the sketch of one window position, or a notice where there is none.
// It keeps the plan, not the position, so a deleted position cannot be reached.
class TSkizzenflaeche : public QWidget
{
    Q_OBJECT

public:
    explicit TSkizzenflaeche(QWidget* parent = nullptr);

    void Position_Zeigen(const TPosition& Position);
    void Hinweis_Zeigen(const QString& Text);

    const TSkizzenplan& Plan() const { return m_Plan; }
    // Empty while a sketch is shown.
    const QString& Hinweis() const { return m_Hinweis; }
    bool hatSkizze() const { return m_Hinweis.isEmpty(); }

protected:
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    TSkizzenplan m_Plan;
    QString m_Hinweis = QStringLiteral(" ");
};
