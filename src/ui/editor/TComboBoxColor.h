#pragma once

#include <QColor>
#include <QComboBox>
#include <QStyle>

#include <array>

class QPainter;

// A drop-down list whose items are drawn by the program: every item index
// 0..100 has its own text and background colour, the selection is never drawn
// in highlight colours, and while the list is open the box is 300 pixels wider.
class TComboBoxColor : public QComboBox
{
    Q_OBJECT

public:
    static constexpr int Farbanzahl = 101;
    static constexpr int Eintragshoehe = 16;
    static constexpr int Verbreiterung = 300;
    using TFarbtabelle = std::array<QColor, Farbanzahl>;

    explicit TComboBoxColor(QWidget* Eltern = nullptr);

    // All text colours black, all backgrounds white.
    void Farben_Zuruecksetzen();
    // A range error for an index outside 0..100.
    void Hintergrund_Setzen(int Index, const QColor& Farbe);

    const TFarbtabelle& Schriftfarben() const { return m_Schriftfarben; }
    const TFarbtabelle& Hintergrundfarben() const { return m_Hintergrundfarben; }

    // Fills Rechteck with the item's background and writes its text in its text
    // colour at the top-left corner; Zustand is deliberately ignored.
    void Eintrag_Zeichnen(QPainter& Flaeche, int Index, QStyle::State Zustand, const QRect& Rechteck) const;

    bool Aufgeklappt() const { return m_Aufgeklappt; }

    void showPopup() override;

signals:
    // Sent after the box has widened itself and after it has narrowed again.
    void DropDown();
    void CloseUp();

protected:
    void paintEvent(QPaintEvent* Ereignis) override;
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

private:
    void Breite_Aendern(int Differenz);

    TFarbtabelle m_Schriftfarben;
    TFarbtabelle m_Hintergrundfarben;
    bool m_Aufgeklappt = false;
    QObject* m_Liste = nullptr;
};
