#pragma once

class QString;
class TBestellung;

// What a position dialog needs from the main window: the current order, the
// grid's selected row (the position it edits) and the refresh it calls after
// every change. The main window implements it; tests can stand in for it.
class TDialogkontext
{
public:
    virtual ~TDialogkontext() = default;
    virtual TBestellung& Bestellung() = 0;
    // The grid's selected row, or -1 while the order is empty.
    virtual int Ausgewaehlte_Zeile() const = 0;
    // Selects Zeile in the grid and refreshes the main window.
    virtual void Zeile_Waehlen(int Zeile) = 0;
    virtual void Hauptfenster_Aktualisieren() = 0;
    // Opens an information window by its class name, e.g. "TAboutBox_Drehrichtungen".
    virtual void Infofenster_Zeigen(const char* Klasse) = 0;
    // The change the next refresh records is named Was ("Holzart von Pos. 3").
    virtual void Schritt_Benennen(const QString& Was) { (void)Was; }
    // Likewise for a command that changes more than the position being edited:
    // a step of its own, which Abbrechen does not take back.
    virtual void Befehl_Benennen(const QString& Was) { (void)Was; }
    // "Abbrechen" in a position dialog: the position goes back to where it was
    // when the dialog was opened on it.
    virtual void Bearbeitung_Abbrechen() {}
};
