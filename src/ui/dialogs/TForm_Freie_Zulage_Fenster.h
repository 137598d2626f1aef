#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The free surcharge per running metre of one window: text, metre price, running metres, count, label.
class TForm_Freie_Zulage_Fenster : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Freie_Zulage_Fenster(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
