#pragma once

#include <QWidget>

// The wood species as one picture.
class TForm_Holzarten : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_Holzarten(QWidget* parent = nullptr);
};
