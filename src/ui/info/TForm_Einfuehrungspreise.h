#pragma once

#include <QWidget>

// The introductory prices of the lift-slide-tilt element and the folding door.
class TForm_Einfuehrungspreise : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_Einfuehrungspreise(QWidget* parent = nullptr);
};
