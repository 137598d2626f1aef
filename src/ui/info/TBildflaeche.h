#pragma once

#include <QImage>
#include <QWidget>

// A picture of an information window: either stretched over the whole control
// or centred and, when it is larger than the control, scaled down keeping its
// proportions.
class TBildflaeche : public QWidget
{
    Q_OBJECT

public:
    enum class TDarstellung { Gestreckt, Proportional };

    explicit TBildflaeche(TDarstellung Darstellung, QWidget* Eltern = nullptr);

    void Bild_Setzen(const QImage& Bild);
    const QImage& Bild() const { return m_Bild; }
    TDarstellung Darstellung() const { return m_Darstellung; }

    // Where the picture lands inside the control.
    QRect Zielrechteck() const;

protected:
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    TDarstellung m_Darstellung;
    QImage m_Bild;
};
