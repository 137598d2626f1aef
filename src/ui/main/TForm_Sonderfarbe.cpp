#include "ui/main/TForm_Sonderfarbe.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Sonderfarbe::TForm_Sonderfarbe(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Sonderfarbe, QStringLiteral("Sonderfarbe"), 295, 95, parent)
{
    using P = TPosition_Sonderfarbe;
    Beschriftung(QStringLiteral("Label_Sonderfarbe"), QStringLiteral("Sonderfarbe:"), {8, 12, 68, 15});
    auto* Edit1 = Textfeld(QStringLiteral("Edit1"), {78, 9, 209, 21}, &P::Sonderfarbe, {}, false);
    Beschriftung(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez."), {8, 41, 68, 15});
    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {78, 38, 126, 21}, &P::Bez, {}, false);
    auto* BitBtn1 = OK_Knopf({212, 62, 75, 25});

    Enter_Folge({Edit1, Edit_Bez, BitBtn1});
    Tabfolge({Edit1, Edit_Bez, BitBtn1});
}
