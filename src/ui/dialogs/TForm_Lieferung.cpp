#include "ui/dialogs/TForm_Lieferung.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

TForm_Lieferung::TForm_Lieferung(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Lieferung, 295, 95, parent)
{
    using P = TPosition_Lieferung;
    auto* ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(8, 8, 279, 22);
    for (const TLieferung_Eintrag& Eintrag : P::Katalog())
        ComboBox1->addItem(Eintrag.Name);
    Auswahl_Binden<P>(ComboBox1);

    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {8, 56, 180, 21}, &P::Bez,
                              Darueber(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez.")), false);
    auto* BitBtn1 = OK_Knopf({212, 54, 75, 25});

    Enter_Weiter(Edit_Bez, BitBtn1);
    Tabfolge({ComboBox1, Edit_Bez, BitBtn1});
}
