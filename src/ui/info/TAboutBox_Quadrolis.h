#pragma once

#include "ui/info/TInfodialog.h"

// The about box: program icon, product name, version and the disclaimer.
class TAboutBox_Quadrolis : public TInfodialog
{
    Q_OBJECT

public:
    explicit TAboutBox_Quadrolis(QWidget* parent = nullptr);
};
