#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The special colour: the colour the customer names and the label.
class TForm_Sonderfarbe : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Sonderfarbe(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
