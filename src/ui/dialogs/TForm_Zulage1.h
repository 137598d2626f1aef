#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The care-product offer: its fixed text, the count and the label.
class TForm_Zulage1 : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Zulage1(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
