#include "ui/dialogs/TWindows1252Memo.h"

#include "base/Windows1252.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

TWindows1252Memo::TWindows1252Memo(QWidget* Eltern)
    : QPlainTextEdit(Eltern)
{
}

void TWindows1252Memo::keyPressEvent(QKeyEvent* Ereignis)
{
    if (!Windows1252::Darstellbar(Ereignis->text())) {
        Ereignis->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(Ereignis);
}

void TWindows1252Memo::inputMethodEvent(QInputMethodEvent* Ereignis)
{
    if (!Windows1252::Darstellbar(Ereignis->commitString())) {
        // Drops the refused text but ends any composition the input method had begun.
        QInputMethodEvent Leer;
        QPlainTextEdit::inputMethodEvent(&Leer);
        Ereignis->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(Ereignis);
}

bool TWindows1252Memo::canInsertFromMimeData(const QMimeData* Quelle) const
{
    return Quelle->hasText() && Windows1252::Darstellbar(Quelle->text());
}

void TWindows1252Memo::insertFromMimeData(const QMimeData* Quelle)
{
    if (!canInsertFromMimeData(Quelle))
        return;
    QPlainTextEdit::insertFromMimeData(Quelle);
}
