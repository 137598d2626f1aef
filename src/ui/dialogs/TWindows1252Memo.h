#pragma once

#include <QPlainTextEdit>

// A multi-line text box that, like the entry fields with TWindows1252Validator,
// refuses typed, pasted or dropped text holding a character outside Windows-1252.
class TWindows1252Memo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TWindows1252Memo(QWidget* Eltern = nullptr);

protected:
    void keyPressEvent(QKeyEvent* Ereignis) override;
    void inputMethodEvent(QInputMethodEvent* Ereignis) override;
    bool canInsertFromMimeData(const QMimeData* Quelle) const override;
    void insertFromMimeData(const QMimeData* Quelle) override;
};
