#include "ui/dialogs/TForm_Sonderfarbe.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Sonderfarbe::TForm_Sonderfarbe(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Sonderfarbe, 295, 95, parent)
{
    using P = TPosition_Sonderfarbe;
    auto* Edit1 = Textfeld(QStringLiteral("Edit1"), {78, 9, 209, 21}, &P::Sonderfarbe,
                           Davor(QStringLiteral("Label_Sonderfarbe"), QStringLiteral("Sonderfarbe:"), 68), false);
    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {78, 38, 126, 21}, &P::Bez,
                              Davor(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez."), 68), false);
    auto* BitBtn1 = OK_Knopf({212, 62, 75, 25});

    Enter_Folge({Edit1, Edit_Bez, BitBtn1});
    Tabfolge({Edit1, Edit_Bez, BitBtn1});
}
