#include "ui/main/TForm_Freie_Zulage_Stueck.h"

#include "ui/main/TWindows1252Memo.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Freie_Zulage_Stueck::TForm_Freie_Zulage_Stueck(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Freie_Zulage_Stueck, QStringLiteral("Freie Zulage Position Stueck"), 305,
                       283, parent)
{
    using P = TPosition_Freie_Zulage_Stueck;
    auto* Memo1 = Memo<P>({8, 8, 289, 201});
    Beschriftung(QStringLiteral("Label_Preis"), QStringLiteral("Stückpreis"), {8, 212, 81, 15});
    auto* Edit_Preis = Zahlenfeld(QStringLiteral("Edit_Preis"), {8, 227, 81, 21}, -999999, 999999, &P::Stueckpreis);
    Beschriftung(QStringLiteral("Label_Anzahl"), QStringLiteral("Anzahl"), {97, 212, 49, 15});
    auto* Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {97, 227, 49, 21}, 1, 99, &P::Anzahl);
    Beschriftung(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez."), {154, 212, 143, 15});
    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {154, 227, 143, 21}, &P::Bez);
    auto* BitBtn1 = OK_Knopf({222, 253, 75, 25});

    Enter_Weiter(Edit_Preis, Edit_Anzahl);
    Enter_Weiter(Edit_Anzahl, Edit_Bez);
    Enter_Weiter(Edit_Bez, BitBtn1);
    Tabfolge({Memo1, Edit_Preis, Edit_Anzahl, Edit_Bez, BitBtn1});
}
