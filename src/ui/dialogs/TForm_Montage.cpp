#include "ui/dialogs/TForm_Montage.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Montage::TForm_Montage(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Montage, 303, 122, parent)
{
    using P = TPosition_Montage;
    auto* Edit_Preis = Zahlenfeld(QStringLiteral("Edit_Preis"), {8, 28, 81, 21}, 0, 99999, &P::Preis,
                                  Darueber(QStringLiteral("Label_Preis"), QStringLiteral("Preis")));
    auto* Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {97, 28, 49, 21}, 1, 99, &P::Anzahl,
                                   Darueber(QStringLiteral("Label_Anzahl"), QStringLiteral("Anzahl")));
    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {154, 28, 141, 21}, &P::Bez,
                              Darueber(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez.")));
    auto* BitBtn1 = OK_Knopf({220, 88, 75, 25});

    Enter_Folge({Edit_Preis, Edit_Anzahl, Edit_Bez, BitBtn1});
    Tabfolge({Edit_Preis, Edit_Anzahl, Edit_Bez, BitBtn1});
}
