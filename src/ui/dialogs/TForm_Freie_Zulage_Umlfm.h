#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The free surcharge per running metre of all windows: text, metre price, count, label.
class TForm_Freie_Zulage_Umlfm : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Freie_Zulage_Umlfm(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
