#include "ui/main/TForm_Montage.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Montage::TForm_Montage(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Montage, QStringLiteral("Montage"), 303, 122, parent)
{
    using P = TPosition_Montage;
    Beschriftung(QStringLiteral("Label_Preis"), QStringLiteral("Preis"), {8, 12, 81, 15});
    auto* Edit_Preis = Zahlenfeld(QStringLiteral("Edit_Preis"), {8, 28, 81, 21}, 0, 99999, &P::Preis);
    Beschriftung(QStringLiteral("Label_Anzahl"), QStringLiteral("Anzahl"), {97, 12, 49, 15});
    auto* Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {97, 28, 49, 21}, 1, 99, &P::Anzahl);
    Beschriftung(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez."), {154, 12, 141, 15});
    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {154, 28, 141, 21}, &P::Bez);
    auto* BitBtn1 = OK_Knopf({220, 88, 75, 25});

    Enter_Weiter(Edit_Preis, Edit_Anzahl);
    Enter_Weiter(Edit_Anzahl, Edit_Bez);
    Enter_Weiter(Edit_Bez, BitBtn1);
    Tabfolge({Edit_Preis, Edit_Anzahl, Edit_Bez, BitBtn1});
}
