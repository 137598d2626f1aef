#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The delivery: region and label.
class TForm_Lieferung : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Lieferung(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
