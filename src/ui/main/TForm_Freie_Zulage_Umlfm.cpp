#include "ui/main/TForm_Freie_Zulage_Umlfm.h"

#include "ui/main/TWindows1252Memo.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Freie_Zulage_Umlfm::TForm_Freie_Zulage_Umlfm(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Freie_Zulage_Umlfm, QStringLiteral("Zulage Umlfm Position"), 305, 283,
                       parent)
{
    using P = TPosition_Freie_Zulage_Umlfm;
    auto* Memo1 = Memo<P>({8, 8, 289, 201});
    Beschriftung(QStringLiteral("Label_Preis"), QStringLiteral("Umlfm.-Preis"), {8, 212, 81, 15});
    auto* Edit_Preis = Zahlenfeld(QStringLiteral("Edit_Preis"), {8, 227, 81, 21}, -999999, 999999, &P::Meterpreis);
    Beschriftung(QStringLiteral("Label1"), QStringLiteral("Anzahl"), {97, 212, 49, 15});
    auto* Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {97, 227, 49, 21}, 1, 99, &P::Anzahl);
    Beschriftung(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez."), {154, 212, 143, 15});
    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {154, 227, 143, 21}, &P::Bez);
    auto* BitBtn1 = OK_Knopf({222, 253, 75, 25});

    Enter_Weiter(Edit_Anzahl, Edit_Bez);
    Enter_Weiter(Edit_Bez, BitBtn1);
    Tabfolge({Memo1, Edit_Preis, Edit_Bez, BitBtn1, Edit_Anzahl});
}
