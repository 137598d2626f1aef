#pragma once

#include <QString>

#include <array>
#include <cstdint>

class QAbstractItemModel;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QTableView;
class TAufAbPfeile;
class TComboBoxColor;
class TOptionenMenue;
class TWeblink;

// The controls and menus of the main window, built in code on a given window:
// labels, fields, the positions grid on its model, fonts, colours, positions
// and the menu bar with its actions. It holds no behaviour; the window binds
// its handlers to these controls.
class THaupt_Layout
{
public:
    static constexpr int Clientbreite = 496;
    static constexpr int Clienthoehe = 572;

    // A row of the discount choice: its text and what choosing it means for the order.
    struct TRabattAuswahl
    {
        QString Text;
        QString Kennung;
        std::int32_t Prozent;
    };
    static const std::array<TRabattAuswahl, 4>& Rabattauswahl();

    THaupt_Layout(QMainWindow& Form, QAbstractItemModel& Rastermodell);

    TComboBoxColor* CBC_Haupt_NeuePos = nullptr;
    QLabel* Panel1 = nullptr;
    QTableView* StringGrid1 = nullptr;
    TWeblink* Memo1 = nullptr;
    QPushButton* Button_Position_Bearbeiten = nullptr;
    TAufAbPfeile* UpDown1 = nullptr;
    QPushButton* Button_Position_Loeschen = nullptr;
    QCheckBox* CB_Mit_Nachtext = nullptr;
    QPushButton* Button_Bestellblatt = nullptr;
    QLineEdit* Edit_Datum = nullptr;
    QLineEdit* Edit_Ansprechpartner = nullptr;
    QLineEdit* Edit_Rechnungsempfaenger = nullptr;
    QLineEdit* Edit_Telefon = nullptr;
    QLineEdit* Edit_Bauvorhaben = nullptr;
    QCheckBox* CB_Rabatt = nullptr;
    QLabel* Label_Rabatt = nullptr;
    QLineEdit* Edit_Rabatt = nullptr;
    TComboBoxColor* CBC_RabattAuswahl = nullptr;
    QLabel* Label_RabattObjekt = nullptr;
    QLineEdit* Edit_RabattObjekt = nullptr;
    QLineEdit* Edit_Summe = nullptr;
    QLineEdit* Edit_Zwischensumme = nullptr;
    QLineEdit* Edit_Bemerkungen = nullptr;
    QLineEdit* Edit_GesamtUM = nullptr;
    QLineEdit* Edit_Montage_UM = nullptr;

    QAction* Oeffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* BestellblattPDF1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Druckvorschau1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Variante1 = nullptr;
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederholen1 = nullptr;
    QAction* Ausschneiden1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Einfuegen1 = nullptr;
    QAction* Duplizieren1 = nullptr;
    QAction* Profilskizzen1 = nullptr;
    QAction* Sonderformen1 = nullptr;
    QAction* Holzarten1 = nullptr;
    QAction* Skizze1 = nullptr;
    TOptionenMenue* Optionen1 = nullptr;
    QAction* TalvernFensterGmbH1 = nullptr;
    QAction* berQuadrolis2 = nullptr;
    QAction* Drehrichtungen1 = nullptr;
    QAction* Abrechnungsvorschlag1 = nullptr;
    QAction* Einfuehrungspreise1 = nullptr;

private:
    void Oberflaeche_Anlegen(QAbstractItemModel& Rastermodell);
    void Menues_Anlegen();

    QMainWindow& m_Form;
};
