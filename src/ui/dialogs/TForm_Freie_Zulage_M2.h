#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The free surcharge per square metre: text, square-metre price, area, count, label.
class TForm_Freie_Zulage_M2 : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Freie_Zulage_M2(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
