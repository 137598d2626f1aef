#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The sliding-folding door surcharge: door variant, count and label.
class TForm_Zulage2 : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Zulage2(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
