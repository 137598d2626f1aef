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
    // colour at the top-left corner, shortened where it does not fit so that
    // it still differs from every other item of the list (see Kurztext);
    // Zustand is deliberately ignored.
    void Eintrag_Zeichnen(QPainter& Flaeche, int Index, QStyle::State Zustand, const QRect& Rechteck) const;
    // The item's text as the closed box shows it.
    QString Angezeigter_Text(int Index) const;

    bool Aufgeklappt() const { return m_Aufgeklappt; }

    // The mouse wheel changes a closed list only once it has the keyboard
    // focus; a list that never should change by the wheel turns it off.
    void Mausrad_Zulassen(bool Zulassen) { m_Mausrad = Zulassen; }
    static bool Mausrad_Wirkt(const QComboBox& Box);

    // The chosen item's full text, which the closed box may show shortened,
    // above the box's own tooltip.
    QString Tooltip_Text() const;

    void showPopup() override;

protected:
    bool event(QEvent* Ereignis) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    void wheelEvent(QWheelEvent* Ereignis) override;
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

private:
    void Breite_Aendern(int Differenz);
    // The item's text for a width of Breite pixels: the whole text where it
    // fits, else the first of these shortenings that no other item of the
    // list shares: runs of blanks made single; cut in the middle; without the words it has in common with
    // the items of the same first word; that rest cut in the middle or at the
    // end; the text cut at its start.
    QString Gekuerzt(int Index, int Breite) const;
    QRect Textfeld() const;

    TFarbtabelle m_Schriftfarben;
    TFarbtabelle m_Hintergrundfarben;
    bool m_Aufgeklappt = false;
    bool m_Mausrad = true;
    QObject* m_Liste = nullptr;
};
