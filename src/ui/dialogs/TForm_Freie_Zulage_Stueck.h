#pragma once

#include "ui/dialogs/TPositionsdialog.h"

// The free surcharge per piece: text, piece price, count, label.
class TForm_Freie_Zulage_Stueck : public TPositionsdialog
{
    Q_OBJECT

public:
    explicit TForm_Freie_Zulage_Stueck(TDialogkontext& Kontext, QWidget* parent = nullptr);
};
