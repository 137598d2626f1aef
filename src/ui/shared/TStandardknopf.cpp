#include "ui/shared/TStandardknopf.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

TStandardknopf::TStandardknopf(QWidget& Fenster, QPushButton& Knopf)
    : QObject(&Fenster)
    , m_Fenster(Fenster)
    , m_Knopf(Knopf)
{
}

void TStandardknopf::Einrichten(QWidget& Fenster, QPushButton& Knopf)
{
    Knopf.setDefault(true);
    Fenster.installEventFilter(new TStandardknopf(Fenster, Knopf));
}

bool TStandardknopf::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    if (Objekt != &m_Fenster || Ereignis->type() != QEvent::KeyPress)
        return false;
    const auto* Taste = static_cast<QKeyEvent*>(Ereignis);
    if ((Taste->key() != Qt::Key_Return && Taste->key() != Qt::Key_Enter)
        || (Taste->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const QWidget* Fokus = QApplication::focusWidget();
    if (Fokus && Fokus->window() != &m_Fenster)
        return false;
    const bool Eigenes_Enter = qobject_cast<const QLineEdit*>(Fokus) || qobject_cast<const QAbstractSpinBox*>(Fokus)
                               || qobject_cast<const QTextEdit*>(Fokus) || qobject_cast<const QPlainTextEdit*>(Fokus)
                               || qobject_cast<const QPushButton*>(Fokus);
    if (Eigenes_Enter || !m_Knopf.isVisible() || !m_Knopf.isEnabled())
        return false;
    m_Knopf.click();
    return true;
}
