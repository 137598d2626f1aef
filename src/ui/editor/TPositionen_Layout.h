#pragma once

#include "positions/TOptionsregeln.h"

#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;
class TComboBoxColor;

// The controls of the window-position editor, built in code on a given form:
// group boxes, labels, item lists, tooltips, fonts, positions and tab order.
// It holds no behaviour; the form binds its handlers to these controls.
class TPositionen_Layout
{
public:
    static constexpr int Breite = 785;
    static constexpr int Hoehe = 511;

    explicit TPositionen_Layout(QWidget& Form);

    QGroupBox* GroupBox_A;
    QLineEdit* EditA_Anzahl;
    TComboBoxColor* CBC_Fluegel;
    QLineEdit* EditA_Breite;
    QLineEdit* EditA_Hoehe;
    QLabel* Label_HoeheOberlicht;
    QLineEdit* EditA_HoeheOberlicht;
    TComboBoxColor* CBC_Fensterbankanschluss;
    QLabel* Label_Drehrichtung;
    QLineEdit* EditA_Drehrichtung;
    QLabel* LabelA_Drehrichtungen_Hilfe;

    QGroupBox* GroupBox1;
    TComboBoxColor* CBC_Profil;
    TComboBoxColor* CBC_Konterholz;
    TComboBoxColor* CBC_Holz;
    TComboBoxColor* CBC_Oberflaeche;
    QCheckBox* CheckBox_Sonderfarbe;
    TComboBoxColor* CBC_Fluegelabdeckung;

    QGroupBox* GroupBox_Z;
    TComboBoxColor* CBC_Regen_Abdeckung;
    TComboBoxColor* CBC_Regen_Fenster;
    TComboBoxColor* CBC_Kaempfer;
    QLineEdit* Edit_Anschlag;
    TComboBoxColor* CBC_Schlagleiste;

    QGroupBox* GroupBox4;
    TComboBoxColor* CBC_Sprossen;
    TComboBoxColor* CBC_Felder;

    QGroupBox* GroupBox2;
    TComboBoxColor* CBC_Glas_1;
    TComboBoxColor* CBC_Glas_2;
    TComboBoxColor* CBC_Glas_3;
    TComboBoxColor* CBC_Glas_4;
    TComboBoxColor* CBC_Versiegelung;
    TComboBoxColor* CBC_Roto;
    QCheckBox* CheckBoxBE_Abdeckkappen;
    QCheckBox* CB_PutzFangschere;
    TComboBoxColor* CBC_Sicherheit;
    QCheckBox* CheckBoxBE_Griffhoehe;

    QGroupBox* GroupBox3;
    TComboBoxColor* CBC_Rolladen;
    TComboBoxColor* CBC_Bank;

    QGroupBox* GroupBox_S;
    QLabel* Label_Oberlichtoeffner;
    QLabel* Label_Lose;
    TComboBoxColor* CBC_Oberlichtoeffner;
    QCheckBox* CheckBox_Regelair;
    QCheckBox* CheckBox_Abschliessbar;
    QCheckBox* CheckBox_2te_Dichtung;
    QComboBox* CBE_Sonderformen;
    QLabel* Label_Sonderformen;

    QGroupBox* GroupBox_E;
    TComboBoxColor* CBC_Bodenschwelle;
    TComboBoxColor* CBC_Fuellung;
    TComboBoxColor* CBC_FuellungAnzahl;
    TComboBoxColor* CBC_Oliven;
    QCheckBox* CheckBoxE_Oliven_1;
    QCheckBox* CheckBoxE_Absaegen;

    QGroupBox* GroupBox_RV;
    TComboBoxColor* CBC_Rahmen;
    TComboBoxColor* CBC_Rahmen_Seiten;

    QGroupBox* GroupBox5;
    QLabel* Label_Bez;
    QLineEdit* Edit_Bez;
    QLabel* LabelF_UM;
    QLabel* LabelF_Meterpreis;
    QLabel* LabelF_Stueckpreis;
    QLabel* LabelF_Stueckzahl;
    QLabel* LabelF_Einzelpreis;
    QLabel* LabelF_Gesamtpreis;

    QLabel* Label_Keine_Zusatzkosten;
    QLabel* Label_Zusatzkosten;
    QPushButton* BitBtn1;
    QPushButton* Button_Abbrechen;
    // Offers the window's choices, one each, to give every window of the order.
    QPushButton* Button_Fuer_Alle;

private:
    void Abmessungen_Bauen();
    void Profil_Bauen();
    void Zierprofile_Bauen();
    void Sprossen_Bauen();
    void Glas_Bauen();
    void Rolladen_Bauen();
    void Zubehoer_Bauen();
    void Ergaenzungen_Bauen();
    void Rahmen_Bauen();
    void Fensterposition_Bauen();
    void Legende_Bauen();
    void Tabfolge_Setzen();

    QGroupBox* Gruppe(const char* Name, const QString& Titel, int x, int y, int w, int h);
    // A label as wide as its text; h is the height of a row unless two labels share one.
    QLabel* Text(QWidget* Eltern, const QString& Inhalt, int x, int y, int h = 22);
    // An option list with the entries of Option's catalog row, those at no extra cost marked.
    TComboBoxColor* Liste(QWidget* Eltern, const char* Name, TOptionsregeln::TOption Option, int x, int y, int w);
    QLineEdit* Feld(QWidget* Eltern, const char* Name, int x, int y, int w, int Maximallaenge = 0);
    QCheckBox* Haken(QWidget* Eltern, const char* Name, const QString& Titel, int x, int y);
    QLabel* Wertfeld(QWidget* Eltern, const char* Name, int x, int y, int w);

    QWidget& m_Form;
    // The focusable controls of each group box in the order the tab key visits them.
    QList<QWidget*> m_Tab_A, m_Tab_1, m_Tab_Z, m_Tab_4, m_Tab_2, m_Tab_3, m_Tab_S, m_Tab_E, m_Tab_RV, m_Tab_5;
    QList<QWidget*>* m_Tab = nullptr;
};
