#pragma once

#include <QWidget>

// The calculation table of the special shapes as one picture.
class TForm_Sonderformen : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_Sonderformen(QWidget* parent = nullptr);
};
