#include "ui/dialogs/TForm_Freie_Zulage_M2.h"

#include "ui/dialogs/TWindows1252Memo.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Freie_Zulage_M2::TForm_Freie_Zulage_M2(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Freie_Zulage_M2, 305, 283,
                       parent)
{
    using P = TPosition_Freie_Zulage_M2;
    auto* Memo1 = Memo<P>({8, 8, 289, 169});
    auto* Edit_Preis = Zahlenfeld(QStringLiteral("Edit_Preis"), {8, 199, 81, 21}, -999999, 999999, &P::M2preis,
                                  Darueber(QStringLiteral("Label_Preis"), QStringLiteral("m2-Preis")));
    auto* Edit_m2 = Zahlenfeld(QStringLiteral("Edit_m2"), {97, 199, 65, 21}, 0, 9999, &P::M2,
                               Darueber(QStringLiteral("Label1"), QStringLiteral("m2")));
    auto* Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {170, 199, 49, 21}, 1, 99, &P::Anzahl,
                                   Darueber(QStringLiteral("Label_Anzahl"), QStringLiteral("Anzahl")));
    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {8, 245, 206, 21}, &P::Bez,
                              Darueber(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez.")));
    auto* BitBtn1 = OK_Knopf({222, 243, 75, 25});

    Enter_Folge({Edit_Preis, Edit_Anzahl, Edit_Bez, BitBtn1});
    Enter_Weiter(Edit_m2, Edit_Bez);
    Tabfolge({Memo1, Edit_Preis, Edit_Anzahl, Edit_Bez, BitBtn1, Edit_m2});
}
