#pragma once

#include "ui/info/TInfodialog.h"

// The billing proposal as one picture.
class TAboutBox_abrechnungsvorschlag : public TInfodialog
{
    Q_OBJECT

public:
    explicit TAboutBox_abrechnungsvorschlag(QWidget* parent = nullptr);
};
