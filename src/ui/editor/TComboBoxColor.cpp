#include "ui/editor/TComboBoxColor.h"

#include "base/Ganzzahl.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

// Draws the items of the open list through the box, so the list and the
// closed box look alike; the selection is only marked by a dotted frame.
class TEintragsdelegat final : public QAbstractItemDelegate
{
public:
    explicit TEintragsdelegat(TComboBoxColor* Box)
        : QAbstractItemDelegate(Box)
        , m_Box(Box)
    {
    }

    void paint(QPainter* Flaeche, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        m_Box->Eintrag_Zeichnen(*Flaeche, Index.row(), Option.state, Option.rect);
        if (Option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) {
            Flaeche->save();
            Flaeche->setPen(QPen(Qt::black, 1, Qt::DotLine));
            Flaeche->setBrush(Qt::NoBrush);
            Flaeche->drawRect(Option.rect.adjusted(0, 0, -1, -1));
            Flaeche->restore();
        }
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& Index) const override
    {
        const QFontMetrics Metrik(m_Box->font());
        return {Metrik.horizontalAdvance(Index.data(Qt::DisplayRole).toString()) + 4,
                TComboBoxColor::Eintragshoehe};
    }

private:
    TComboBoxColor* m_Box;
};

} // namespace

TComboBoxColor::TComboBoxColor(QWidget* Eltern)
    : QComboBox(Eltern)
{
    m_Schriftfarben.fill(QColor(Qt::black));
    m_Hintergrundfarben.fill(QColor(Qt::black));
    setEditable(false);
    setItemDelegate(new TEintragsdelegat(this));
}

void TComboBoxColor::Farben_Zuruecksetzen()
{
    m_Schriftfarben.fill(QColor(Qt::black));
    m_Hintergrundfarben.fill(QColor(Qt::white));
    update();
}

void TComboBoxColor::Hintergrund_Setzen(int Index, const QColor& Farbe)
{
    Ganzzahl::Index_Pruefen(Index, Farbanzahl, "Hintergrundfarben");
    m_Hintergrundfarben[std::size_t(Index)] = Farbe;
    update();
}

void TComboBoxColor::Eintrag_Zeichnen(QPainter& Flaeche, int Index, QStyle::State, const QRect& Rechteck) const
{
    Ganzzahl::Index_Pruefen(Index, Farbanzahl, "Hintergrundfarben");
    Flaeche.save();
    Flaeche.setClipRect(Rechteck);
    Flaeche.fillRect(Rechteck, m_Hintergrundfarben[std::size_t(Index)]);
    Flaeche.setPen(m_Schriftfarben[std::size_t(Index)]);
    Flaeche.setFont(font());
    Flaeche.drawText(Rechteck, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, itemText(Index));
    Flaeche.restore();
}

void TComboBoxColor::showPopup()
{
    if (!m_Aufgeklappt) {
        m_Aufgeklappt = true;
        Breite_Aendern(Verbreiterung);
        emit DropDown();
    }
    if (!m_Liste) {
        // The list closes in several ways (choice, Escape, click outside), not
        // all of them through hidePopup; its hide event is the one sure sign.
        m_Liste = view()->window();
        m_Liste->installEventFilter(this);
    }
    QComboBox::showPopup();
}

bool TComboBoxColor::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    if (Objekt == m_Liste && Ereignis->type() == QEvent::Hide && m_Aufgeklappt) {
        m_Aufgeklappt = false;
        Breite_Aendern(-Verbreiterung);
        emit CloseUp();
    }
    return QComboBox::eventFilter(Objekt, Ereignis);
}

void TComboBoxColor::Breite_Aendern(int Differenz)
{
    const int Neu = width() + Differenz;
    if (minimumWidth() == maximumWidth())
        setFixedWidth(Neu);
    else
        resize(Neu, height());
    if (Differenz > 0)
        raise();
}

void TComboBoxColor::paintEvent(QPaintEvent*)
{
    QStylePainter Flaeche(this);
    QStyleOptionComboBox Option;
    initStyleOption(&Option);
    Option.currentText.clear();
    Option.currentIcon = QIcon();
    Flaeche.drawComplexControl(QStyle::CC_ComboBox, Option);
    if (currentIndex() < 0)
        return;
    const QRect Feld = style()->subControlRect(QStyle::CC_ComboBox, &Option, QStyle::SC_ComboBoxEditField, this);
    Eintrag_Zeichnen(Flaeche, currentIndex(), Option.state, Feld);
}
