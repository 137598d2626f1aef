#pragma once

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QAbstractItemModel;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QSize;
class QTableView;
class QWidget;
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
    // The smallest client area: the fixed window of old plus the price breakdown under the grid.
    static constexpr int Aufstellungshoehe = 116;
    static constexpr int Clientbreite = 496;
    static constexpr int Clienthoehe = 572 + Aufstellungshoehe;
    // Rows of the price breakdown: subtotal, delivery and installation, three
    // discounts, sum, tax and gross sum.
    static constexpr int Aufstellungszeilen = 8;

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
    QCheckBox* CB_Umsatzsteuer = nullptr;
    QLabel* Label_UStSatz = nullptr;
    QLineEdit* Edit_UStSatz = nullptr;
    std::array<QLabel*, Aufstellungszeilen> Aufstellung_Text{};
    std::array<QLabel*, Aufstellungszeilen> Aufstellung_Betrag{};

    QAction* Oeffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QMenu* Zuletzt1 = nullptr;
    QAction* BestellblattPDF1 = nullptr;
    QAction* Mail1 = nullptr;
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

    // Places the controls for a client area of the given size: the grid and its
    // description column take what is beyond the smallest size, the price
    // columns and the breakdown keep to the grid's right edge, and everything
    // under the grid keeps its distance from the grid's bottom.
    void Anordnen(const QSize& Flaeche);

private:
    enum class TAnker { Fest, Wachsend, Breiter, Rechts, Unten, Unten_Rechts };
    struct TVerankert
    {
        QWidget* Element;
        QRect Lage; // at the smallest size
        TAnker Anker;
    };

    void Oberflaeche_Anlegen(QAbstractItemModel& Rastermodell);
    void Aufstellung_Anlegen(QWidget* Client);
    void Menues_Anlegen();
    void Anker_Merken(QWidget* Client);

    QMainWindow& m_Form;
    std::vector<TVerankert> m_Anker;
};
