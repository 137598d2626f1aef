#include "ui/dialogs/TForm_Zulage2.h"

#include "ui/shared/TComboBoxColor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm_Zulage2::TForm_Zulage2(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Zulage2, 262, 140, parent)
{
    using P = TPosition_Zulage2;
    auto* Label_SFT = Beschriftung(QStringLiteral("Label_SFT"), QStringLiteral("Schiebe-Falt-Tür"), {8, 8, 246, 18});
    QFont Fett = Label_SFT->font();
    Fett.setBold(true);
    Label_SFT->setFont(Fett);

    Beschriftung(QStringLiteral("Label_Typ"), QStringLiteral("Typ:"), {8, 39, 52, 15});
    auto* CBC_SFT = new TComboBoxColor(this);
    CBC_SFT->setObjectName(QStringLiteral("CBC_SFT"));
    CBC_SFT->setGeometry(62, 35, 192, 22);
    CBC_SFT->addItems({QStringLiteral("SFT 3 dreiflügelig"), QStringLiteral("SFT 4 vierflügelig"),
                       QStringLiteral("SFT 5 fünfflügelig"), QStringLiteral("SFT 6 sechsflügelig")});
    CBC_SFT->Farben_Zuruecksetzen();
    Auswahl_Binden<P>(CBC_SFT);

    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {62, 67, 192, 21}, &P::Bez,
                              Davor(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez.:"), 52));
    auto* Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {62, 98, 49, 21}, 1, 9999, &P::Anzahl,
                                   Davor(QStringLiteral("Label_Anzahl"), QStringLiteral("Anzahl:"), 52));
    auto* BitBtn1 = OK_Knopf({179, 97, 75, 25});

    Enter_Folge({Edit_Bez, Edit_Anzahl, BitBtn1});
    Tabfolge({Edit_Bez, Edit_Anzahl, BitBtn1, CBC_SFT});
}
