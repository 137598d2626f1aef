#pragma once

#include <QStringView>
#include <QValidator>

// Text of the program is stored and written as Windows-1252: an entry field
// refuses any character outside it, so typing or pasting one changes nothing.
class TWindows1252Validator : public QValidator
{
    Q_OBJECT

public:
    explicit TWindows1252Validator(QObject* Eltern = nullptr);

    State validate(QString& Text, int& Position) const override;

    static bool Darstellbar(QChar Zeichen);
    static bool Darstellbar(QStringView Text);
};
