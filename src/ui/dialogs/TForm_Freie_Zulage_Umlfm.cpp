#include "ui/dialogs/TForm_Freie_Zulage_Umlfm.h"

#include "ui/dialogs/TWindows1252Memo.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Freie_Zulage_Umlfm::TForm_Freie_Zulage_Umlfm(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Freie_Zulage_Umlfm, 305, 283,
                       parent)
{
    using P = TPosition_Freie_Zulage_Umlfm;
    const TFreie_Felder F = Freie_Felder<P>(QStringLiteral("Umlfm.-Preis"), &P::Meterpreis, QStringLiteral("Label1"));
    Enter_Folge({F.Edit_Anzahl, F.Edit_Bez, F.BitBtn1});
    Tabfolge({F.Memo1, F.Edit_Preis, F.Edit_Bez, F.BitBtn1, F.Edit_Anzahl});
}
