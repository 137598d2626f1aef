#include "ui/shared/TComboBoxColor.h"

#include "base/Ganzzahl.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

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
    // Without the wheel in the focus policy, scrolling over a form does not
    // pick up the focus of every list the pointer passes.
    setFocusPolicy(Qt::StrongFocus);
}

bool TComboBoxColor::Mausrad_Wirkt(const QComboBox& Box)
{
    const auto* Farbig = qobject_cast<const TComboBoxColor*>(&Box);
    if (Farbig && !Farbig->m_Mausrad)
        return false;
    return Box.hasFocus() || Box.view()->isVisible();
}

QString TComboBoxColor::Tooltip_Text() const
{
    const QString Eigener = toolTip();
    if (currentIndex() < 0)
        return Eigener;
    return Eigener.isEmpty() ? currentText() : currentText() + QLatin1Char('\n') + Eigener;
}

bool TComboBoxColor::event(QEvent* Ereignis)
{
    if (Ereignis->type() == QEvent::ToolTip) {
        const QString Text = Tooltip_Text();
        if (Text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(Ereignis)->globalPos(), Text, this);
        return true;
    }
    return QComboBox::event(Ereignis);
}

void TComboBoxColor::wheelEvent(QWheelEvent* Ereignis)
{
    if (Mausrad_Wirkt(*this))
        QComboBox::wheelEvent(Ereignis);
    else
        Ereignis->ignore();
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
    // Painting never throws: an item that does not exist is drawn as nothing.
    if (Index < 0 || Index >= Farbanzahl || Index >= count())
        return;
    Flaeche.save();
    Flaeche.setClipRect(Rechteck);
    Flaeche.fillRect(Rechteck, m_Hintergrundfarben[std::size_t(Index)]);
    Flaeche.setPen(m_Schriftfarben[std::size_t(Index)]);
    Flaeche.setFont(font());
    Flaeche.drawText(Rechteck, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Gekuerzt(Index, Rechteck.width()));
    Flaeche.restore();
}

namespace {

const QString Auslassung = QStringLiteral("\u2026");

// The words Text shares with every other item that starts with its first
// word, or the empty text when no other item does.
QString Gemeinsamer_Anfang(const QStringList& Texte, qsizetype Index)
{
    const QString& Text = Texte[Index];
    const qsizetype Wortende = Text.indexOf(QLatin1Char(' '));
    if (Wortende <= 0)
        return {};
    const QStringView Erstes_Wort = QStringView(Text).left(Wortende + 1);
    qsizetype Laenge = -1;
    for (qsizetype j = 0; j < Texte.size(); ++j) {
        if (j == Index || Texte[j] == Text || !Texte[j].startsWith(Erstes_Wort))
            continue;
        qsizetype Gleich = 0;
        const qsizetype Grenze = std::min(Text.size(), Texte[j].size());
        while (Gleich < Grenze && Text[Gleich] == Texte[j][Gleich])
            ++Gleich;
        Laenge = Laenge < 0 ? Gleich : std::min(Laenge, Gleich);
    }
    if (Laenge <= 0)
        return {};
    Laenge = Text.lastIndexOf(QLatin1Char(' '), Laenge - 1) + 1;
    return Text.left(Laenge);
}

QString Kuerzung(const QFontMetrics& Metrik, const QString& Text, const QString& Anfang, int Art, int Breite)
{
    const QString Rest = Text.mid(Anfang.size());
    const int Platz = Breite - Metrik.horizontalAdvance(Auslassung);
    switch (Art) {
    case 0: {
        const QString Knapp = Text.simplified();
        return Metrik.horizontalAdvance(Knapp) <= Breite ? Knapp : QString();
    }
    case 1: return Metrik.elidedText(Text, Qt::ElideMiddle, Breite);
    case 2: return Anfang.isEmpty() ? QString() : Auslassung + Metrik.elidedText(Rest, Qt::ElideMiddle, Platz);
    case 3: return Anfang.isEmpty() ? QString() : Auslassung + Metrik.elidedText(Rest, Qt::ElideRight, Platz);
    default: return Metrik.elidedText(Text, Qt::ElideLeft, Breite);
    }
}

} // namespace

QString TComboBoxColor::Gekuerzt(int Index, int Breite) const
{
    const QFontMetrics Metrik(font());
    const QString Text = itemText(Index);
    if (Metrik.horizontalAdvance(Text) <= Breite)
        return Text;
    QStringList Texte;
    for (int i = 0; i < count(); ++i)
        Texte << itemText(i);
    constexpr int Arten = 5;
    for (int Art = 0; Art < Arten; ++Art) {
        const QString Kurz = Kuerzung(Metrik, Text, Gemeinsamer_Anfang(Texte, Index), Art, Breite);
        if (Kurz.isEmpty())
            continue;
        bool Eindeutig = true;
        for (qsizetype j = 0; j < Texte.size() && Eindeutig; ++j) {
            if (Texte[j] == Text)
                continue;
            const bool Passt = Metrik.horizontalAdvance(Texte[j]) <= Breite;
            Eindeutig = Passt ? Texte[j] != Kurz
                              : Kuerzung(Metrik, Texte[j], Gemeinsamer_Anfang(Texte, j), Art, Breite) != Kurz;
        }
        if (Eindeutig)
            return Kurz;
    }
    return Metrik.elidedText(Text, Qt::ElideMiddle, Breite);
}

QRect TComboBoxColor::Textfeld() const
{
    QStyleOptionComboBox Option;
    initStyleOption(&Option);
    return style()->subControlRect(QStyle::CC_ComboBox, &Option, QStyle::SC_ComboBoxEditField, this);
}

QString TComboBoxColor::Angezeigter_Text(int Index) const
{
    Ganzzahl::Index_Pruefen(Index, count(), "Eintraege");
    return Gekuerzt(Index, Textfeld().width());
}

void TComboBoxColor::showPopup()
{
    if (!m_Aufgeklappt) {
        m_Aufgeklappt = true;
        Breite_Aendern(Verbreiterung);
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
    Eintrag_Zeichnen(Flaeche, currentIndex(), Option.state, Textfeld());
}
