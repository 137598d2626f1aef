#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The free position: its description text, piece price, count and label.
class TForm_Freie : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Freie(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
