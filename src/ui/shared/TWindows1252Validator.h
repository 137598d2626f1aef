#pragma once

#include <QStringView>
#include <QValidator>

class QLineEdit;

// Text of the program is stored and written as Windows-1252: an entry field
// refuses any character outside it, so typing or pasting one changes nothing.
// A single-line field holds one line: a typed, pasted or set line break
// becomes one blank, and other control characters are left out.
class TWindows1252Validator : public QValidator
{
    Q_OBJECT

public:
    explicit TWindows1252Validator(QObject* Eltern = nullptr);

    // A free text field: this check, and text of any length kept whole, where
    // a line edit would cut it at 32767 characters when set, typed or pasted.
    static void Textfeld_Einrichten(QLineEdit& Feld);

    State validate(QString& Text, int& Position) const override;

    // Text as one line; Position is the cursor, kept behind the same characters.
    static void Einzeilig_Machen(QString& Text, int& Position);
};
