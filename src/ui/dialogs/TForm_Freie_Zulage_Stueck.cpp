#include "ui/dialogs/TForm_Freie_Zulage_Stueck.h"

#include "ui/dialogs/TWindows1252Memo.h"

#include <QLineEdit>
#include <QPushButton>

TForm_Freie_Zulage_Stueck::TForm_Freie_Zulage_Stueck(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Freie_Zulage_Stueck, 305,
                       283, parent)
{
    using P = TPosition_Freie_Zulage_Stueck;
    const TFreie_Felder F =
        Freie_Felder<P>(QStringLiteral("Stückpreis"), &P::Stueckpreis, QStringLiteral("Label_Anzahl"));
    Enter_Folge({F.Edit_Preis, F.Edit_Anzahl, F.Edit_Bez, F.BitBtn1});
    Tabfolge({F.Memo1, F.Edit_Preis, F.Edit_Anzahl, F.Edit_Bez, F.BitBtn1});
}
