#include "ui/dialogs/TForm_Zulage1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm_Zulage1::TForm_Zulage1(TDialogkontext& Kontext, QWidget* parent)
    : TPositionsdialog(Kontext, Positionstyp::Zulage1, 383, 106, parent)
{
    using P = TPosition_Zulage1;
    auto* Label_Angebot = Beschriftung(QStringLiteral("Label_Angebot"),
                                       QString::fromUtf8(TPosition_Zulage1::Angebot), {8, 6, 367, 20});
    QFont Gross = Label_Angebot->font();
    Gross.setBold(true);
    Gross.setPointSize(10);
    Label_Angebot->setFont(Gross);
    Beschriftung(QStringLiteral("Label_Aktionspreis"),
                 QStringLiteral("Zum Aktionspreis von 19,99 €. Zu empfehlen: 2x im Jahr außen auftragen. "),
                 {8, 30, 367, 15});
    Beschriftung(QStringLiteral("Label_Pflegen"), QStringLiteral("Fenster pflegen anstatt streichen!"),
                 {8, 46, 367, 15});

    auto* Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {62, 74, 130, 21}, &P::Bez,
                              Davor(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez.:"), 52));
    auto* Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {246, 74, 45, 21}, 1, 9999, &P::Anzahl,
                                   Davor(QStringLiteral("Label_Anzahl"), QStringLiteral("Anzahl:"), 42));
    auto* BitBtn1 = OK_Knopf({300, 72, 75, 25});

    Enter_Folge({Edit_Bez, Edit_Anzahl, BitBtn1});
    Tabfolge({Edit_Bez, Edit_Anzahl, BitBtn1});
}
