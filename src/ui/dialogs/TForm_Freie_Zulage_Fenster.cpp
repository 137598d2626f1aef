#include "ui/dialogs/TForm_Freie_Zulage_Fenster.h"

#include "ui/dialogs/TWindows1252Memo.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Freie_Zulage_Fenster::TForm_Freie_Zulage_Fenster(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Freie_Zulage_Fenster, 305, 315, parent)
{
    using P = TPosition_Freie_Zulage_Fenster;
    auto* Memo1 = Memo<P>({8, 8, 289, 201});
    auto* Edit_Preis = Zahlenfeld(QStringLiteral("Edit_Preis"), {8, 229, 81, 21}, -999999, 999999, &P::Meterpreis,
                                  Darueber(QStringLiteral("Label_Preis"), QStringLiteral("Metepreis")));
    auto* Edit_Umlfm = Zahlenfeld(QStringLiteral("Edit_Umlfm"), {97, 229, 65, 21}, -999999, 999999, &P::Umlfm,
                                  Darueber(QStringLiteral("Label_Umlfm"), QStringLiteral("Umlfm")));
    auto* Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {170, 229, 49, 21}, 1, 99, &P::Anzahl,
                                   Darueber(QStringLiteral("Label_Anzahl"), QStringLiteral("Anzahl")));
    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {8, 275, 206, 21}, &P::Bez,
                              Darueber(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez.")));
    auto* BitBtn1 = OK_Knopf({222, 273, 75, 25});

    Enter_Folge({Edit_Preis, Edit_Anzahl, Edit_Bez, BitBtn1});
    Enter_Weiter(Edit_Umlfm, Edit_Bez);
    Tabfolge({Memo1, Edit_Preis, Edit_Umlfm, Edit_Bez, BitBtn1, Edit_Anzahl});
}
