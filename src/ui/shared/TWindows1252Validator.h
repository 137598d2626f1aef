#pragma once

#include <QStringView>
#include <QValidator>

// Text of the program is stored and written as Windows-1252: an entry field
// refuses any character outside it, so typing or pasting one changes nothing.
// A single-line field holds one line: a typed, pasted or set line break
// becomes one blank, and other control characters are left out.
class TWindows1252Validator : public QValidator
{
    Q_OBJECT

public:
    explicit TWindows1252Validator(QObject* Eltern = nullptr);

    State validate(QString& Text, int& Position) const override;

    // Text as one line; Position is the cursor, kept behind the same characters.
    static void Einzeilig_Machen(QString& Text, int& Position);
};
