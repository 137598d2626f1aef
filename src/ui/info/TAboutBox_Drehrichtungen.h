#pragma once

#include "ui/info/TInfodialog.h"

// The chart of opening directions, which explains the texts of the editor's
// turning-direction field.
class TAboutBox_Drehrichtungen : public TInfodialog
{
    Q_OBJECT

public:
    explicit TAboutBox_Drehrichtungen(QWidget* parent = nullptr);
};
