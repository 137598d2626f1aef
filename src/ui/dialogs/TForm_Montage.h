#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The installation: unit price, count and label.
class TForm_Montage : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Montage(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
