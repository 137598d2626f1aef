#pragma once

#include "positions/Positionstyp.h"
#include "positions/TOptionsregeln.h"
#include "ui/editor/TPositionen_Layout.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QLineEdit;
class TDialogkontext;
class TPosition;
class TSkizzenflaeche;

// "Position bearbeiten": configures the window position at the main grid's
// selected row. There is no working copy: every choice is written into that
// position at once, the prices are shown anew and the main window refreshed.
class TForm_Positionen : public QWidget
{
    Q_OBJECT

public:
    // The kind of position it edits.
    static constexpr std::uint32_t Positionstyp() { return Positionstyp::Fenster; }
    explicit TForm_Positionen(TDialogkontext& Kontext, QWidget* parent = nullptr);

    // Loads the selected window position into every control; does nothing
    // while the selected row is not a window. Runs on every activation.
    void Focus_Form_Positionen();

protected:
    void changeEvent(QEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;
    // The window opens where the user last left it, in this run or an earlier one.
    void hideEvent(QHideEvent* Ereignis) override;
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;
    // Escape is "Abbrechen".
    void keyPressEvent(QKeyEvent* Ereignis) override;

private:
    void FormCreate();
    void Handler_Binden();

    // The window position at the selected row, or nullptr.
    TPosition* Position() const;
    // Runs Schritte on the selected window position, if there is one, and
    // shows the prices and refreshes the main window once at the end.
    template <class F>
    void Aendern(F&& Schritte);
    // The common choice: the option's entry (a box: 0 or 1), then its group's display routine.
    void Waehlen(TOptionsregeln::TOption Option, std::int32_t Eintrag, void (TForm_Positionen::*Anzeige)());

    // Every list and box of an option with the routine that shows its group
    // after a choice; none where the choice has a handler of its own.
    struct TWahl
    {
        QWidget* Steuerelement;
        TOptionsregeln::TOption Option;
        void (TForm_Positionen::*Anzeige)();
    };
    std::vector<TWahl> Wahlen() const;

    // Display routines: one option group each into its controls, then the prices.
    void Preise_Anzeigen();
    void Abmessungen_Anzeigen();
    void Hoelzer_Anzeigen();
    void Profile_Anzeigen();
    void Oberflaechen_Anzeigen();
    void Versiegelungen_Anzeigen();
    void Regenschienen_Anzeigen();
    void Beschlaege_Anzeigen();
    void Glaeser_Anzeigen();
    void Sprossen_Anzeigen();
    void Rolladen_Anzeigen();
    void Ergaenzungen_Anzeigen();
    void Zierprofile_Anzeigen();
    void Sonderformen_Anzeigen();
    void Sonderausfuehrungen_Anzeigen();

    // Choices of the user.
    void CBC_FluegelChange(int Index);
    void CheckBox_SonderfarbeClick();
    void CBC_Glas_1Change(int Index);
    void CheckBox_2te_DichtungClick();
    void LabelA_Drehrichtungen_HilfeClick();
    void BitBtn1Click();
    // "Abbrechen": the position goes back to where it was when the editor was opened on it.
    void Abbrechen();
    // The step a change of the control makes is named after it and the position.
    void Schritt_Benennen(const QObject* Steuerelement);
    QString Steuerelementname(const QObject* Steuerelement) const;
    // "Für alle Fenster übernehmen…": a menu of this window's choices; the one
    // picked goes to every window of the order in one step, and the windows
    // where the rules do not allow it are named afterwards.
    void Fuer_Alle_Anbieten();
    void Fuer_Alle_Uebernehmen(TOptionsregeln::TOption Option, const QString& Was);

    // Entry fields: colouring while typing, storing on leaving, Enter.
    void ChangeEditA_Breite();
    void ChangeEditA_Hoehe();
    void ChangeEditA_Oberlicht();
    void ChangeEditA_Anzahl();
    void ExitEditA_Breite();
    void ExitEditA_Hoehe();
    void ExitEditA_HoeheOberlicht();
    void ExitEditA_Anzahl();
    void EditA_DrehrichtungExit();
    void Edit_AnschlagExit();
    void Edit_BezExit();
    void EditA_BreiteKeyUp(int Taste);
    void EditA_HoeheKeyUp(int Taste);
    void EditA_HoeheOberlichtKeyUp(int Taste);
    void EditA_AnzahlKeyUp(int Taste);
    void EditA_DrehrichtungKeyUp(int Taste);
    void Edit_BezKeyUp(int Taste);

    // Sets a number field's text; an unchanged text is coloured anew, because
    // the limits it is checked against may have changed with the window type.
    void Zahl_Zeigen(QLineEdit* Feld, const QString& Text, void (TForm_Positionen::*Faerben)());
    void Feld_Verlassen(QObject* Feld);
    // Stores what was typed into a field and not yet confirmed, as leaving
    // the field would, when the editor loses activation or closes.
    void Eingaben_Uebernehmen();
    void Taste_Losgelassen(QObject* Feld, int Taste);

    TDialogkontext& m_Kontext;
    TPositionen_Layout m_Ui;
    // Beside the controls, which keep their places: the sketch of the position being edited.
    TSkizzenflaeche* m_Skizze;
    // Nesting depth of the running handler or activation; while it is above
    // zero the price display and the main-window refresh wait for its end.
    int m_Tiefe = 0;
    bool m_Preise_Offen = false;
};
