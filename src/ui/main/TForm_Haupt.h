#pragma once

#include "order/Bestelldatei.h"
#include "sheet/TUmsatzsteuer.h"
#include "ui/shared/TDialogkontext.h"
#include "ui/main/THaupt_Layout.h"
#include "ui/main/TNeuePosTabelle.h"
#include "ui/main/TVerlauf.h"

#include <QByteArray>
#include <QMainWindow>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TAblageanbindung;
class TBestellung;
class QMimeData;
class QTimer;
class TPositionsmodell;
class TForm_Ablage;
class TSicherung;

// The main window: the one current order, its positions in the grid, its
// totals, header fields and discounts, and every order command. After each
// change Hauptfenster_Aktualisieren records it in the history, the grid
// updates the rows it touched and the figures are shown anew.
class TForm_Haupt : public QMainWindow, public TDialogkontext
{
    Q_OBJECT

public:
    explicit TForm_Haupt(QWidget* parent = nullptr);
    ~TForm_Haupt() override;

    TBestellung& Bestellung() override;
    int Ausgewaehlte_Zeile() const override;
    void Hauptfenster_Aktualisieren() override;
    void Infofenster_Zeigen(const char* Klasse) override;
    void Schritt_Benennen(const QString& Was) override;
    void Befehl_Benennen(const QString& Was) override;
    void Bearbeitung_Abbrechen() override;

    TVerlauf& Verlauf() { return *m_Verlauf; }
    // The window title: the archive's order number if there is one, the file
    // name or "Unbenannt", with the mark [*] of unsaved changes.
    static QString Fenstertitel(const QString& Dateiname, const QString& Nummer = QString());

    // The selected rows in ascending order; the current row alone when none is marked.
    std::vector<int> Markierte_Zeilen() const;
    // Positions through the clipboard (Zwischenablage).
    void Kopieren();
    void Ausschneiden();
    void Einfuegen();
    // Copies of the selected positions below the last of them, then selected.
    void Duplizieren();
    // Deletes the selected positions (never the special colour) and says so in the status bar.
    void Markierte_Loeschen();
    // "Als Variante speichern unter…": a copy under a new name, with which the work goes on.
    void Variante_Speichern();
    // The name proposed for a variant of the order saved as Dateiname.
    static QString Variantenname(const QString& Dateiname);

    // The dialog that edits positions of one kind: the refresh shows it (and
    // runs Aktivieren, which loads the selected position) and hides it in
    // step with the grid's selected row; "Pos. bearbeiten" shows it.
    void Dialog_Koppeln(std::uint32_t Positionstyp, QWidget* Dialog, std::function<void()> Aktivieren);
    // An information window, opened from the menus under its class name.
    void Infofenster_Koppeln(QWidget* Fenster);

    void NeuePos_Zuruecksetzen();
    void NeuePos_Sichtbar(std::uint32_t Typ, bool Sichtbar);
    void NeuePos_Aufbauen();
    const TNeuePosTabelle& NeuePos_Tabelle() const { return m_NeuePos; }

    // Appends a position of the kind, selects it and refreshes.
    void NeuePosition_Anlegen(std::uint32_t Typ, const QString& Vorlage = QString());
    void Zeile_Waehlen(int Zeile) override;

    // The tooltip of the grid at Stelle (viewport coordinates): the full
    // "Bez." text where the column cuts it, otherwise nothing.
    QString Raster_Tooltip(const QPoint& Stelle) const;

    // Opens an order file the way "Öffnen" does once the file is chosen, from
    // the command line and from a drop as well: while the current order has
    // unsaved changes it asks first. True when the file was taken over.
    bool Bestellung_Oeffnen(const QString& Name);
    // At start: offers each copy of an unsaved order that a program which
    // ended without closing left behind, until one is restored.
    void Wiederherstellung_Anbieten();
    bool Ungesichert() const;
    TSicherung& Sicherung() { return *m_Sicherung; }

    // Every save records a version in this archive, and the title shows the
    // order's number; without one (as in most tests) files alone are kept.
    void Ablage_Anbinden(TAblageanbindung* Ablage);
    TAblageanbindung* Ablageanbindung() const { return m_Ablage; }
    // Takes over an archived version as the current order, once unsaved changes
    // may go: the latest keeps its file if that still holds the same bytes,
    // any other opens unsaved (then "Speichern" asks where).
    bool Aus_Ablage_Oeffnen(const QByteArray& Bytes, const QString& Kennung, bool Neueste);

    // The name a save dialog returned, with Endung appended unless it already ends in it.
    static QString Mit_Endung(const QString& Name, const QString& Endung);

    // The tax the window and the sheets show, none while "Umsatzsteuer ausweisen" is off.
    std::optional<TUmsatzsteuer> Umsatzsteuer() const;
    // The orders opened or saved last, newest first, as absolute paths.
    const QStringList& Zuletzt_Geoeffnet() const { return m_Zuletzt; }
    static constexpr int Zuletzt_Anzahl = 8;

    // Subject and text of the message "Per E-Mail senden…" prepares.
    static QString Mail_Betreff(const TBestellung& Bestellung);
    QString Mail_Text() const;

signals:
    // The window was closed for good: the program ends.
    void Geschlossen();
    // At the end of every main-window refresh: the selection or the order may have changed.
    void Aktualisiert();

protected:
    void closeEvent(QCloseEvent* Ereignis) override;
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;
    void dragEnterEvent(QDragEnterEvent* Ereignis) override;
    void dropEvent(QDropEvent* Ereignis) override;

private:
    struct TKopplung
    {
        QWidget* Dialog = nullptr;
        std::function<void()> Aktivieren;
    };

    void Verbinden();

    // With a dialog open, shows the one for the selected row's kind and hides the others.
    void Dialoge_Abgleichen(std::optional<std::uint32_t> Typ_Der_Zeile);
    void Auswahl_Anzeigen();
    void Dialog_Zeigen(const TKopplung& Kopplung);
    static QString Abgelegte_Datei(const QMimeData* Daten);
    // True when the order has no unsaved changes, or the user saved them or lets them go.
    bool Aenderungen_Sichern();
    TAuswahl Auswahl_Lesen() const;
    void Auswahl_Setzen(const TAuswahl& Auswahl);
    // The grid follows a change of the order's positions.
    void Zeilen_Nachfuehren(const TAenderung& Aenderung, bool Rueckwaerts);
    // A fresh history for an order that was begun, opened or restored.
    void Verlauf_Neu(bool Gesichert);
    void Titel_Aktualisieren();
    void Kontextmenue_Zeigen(const QPoint& Stelle);
    // After Anzahl positions were inserted at Ziel: they become the selection.
    void Eingefuegte_Waehlen(int Ziel, int Anzahl);
    // Loads the file into the current order, refreshes, reports a failure.
    bool Datei_Laden(const QString& Name);
    // The archive's menu entries, its window and the completions of the header fields.
    void Ablage_Einrichten();
    void Vorschlaege_Laden();
    void Empfaenger_Gewaehlt(const QString& Empfaenger);
    void Ordner_Uebernehmen();
    // The file name a sheet dialog proposes: in the order file's folder once the order has one.
    QString Blattvorschlag() const;
    void Aufstellung_Anzeigen(const std::vector<std::pair<QString, QString>>& Zeilen);
    void Zuletzt_Merken(const QString& Name);
    void Zuletzt_Aufbauen();
    void Zuletzt_Oeffnen(const QString& Pfad);
    void Einstellungen_Lesen();

    // Handlers.
    void CBC_Haupt_NeuePosChange(int Index);
    void Button_Position_BearbeitenClick();
    void Button_Position_LoeschenClick();
    void UpDown1Changing(int Richtung);
    void StringGrid1SelectCell();
    void Button_BestellblattClick();
    void Bestellblatt_Erzeugen();
    void Bestellblatt_PDF1Click();
    void Mail1Click();
    void CB_UmsatzsteuerClick(bool Ticked);
    void Edit_UStSatzExit();
    void Drucken1Click();
    void Druckvorschau1Click();
    void Oeffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void Speichern_Unter(const QString& Vorschlag, const QString& Titel = QString());
    // Saves the order to Name and, once the file is safe, records the version in the archive.
    bool Speichern_Nach(const QString& Name);
    void Neu1Click();
    void Beenden1Click();
    void Kopfdaten_Uebernehmen(const QString& Feld);
    void Edit_BemerkungenChange();
    void CB_Mit_NachtextClick(bool Ticked);
    void CB_RabattClick(bool Ticked);
    void Edit_RabattChange();
    void Edit_RabattExit();
    void Edit_RabattObjektChange();
    void Edit_RabattObjektExit();
    void Rabatt_Uebernehmen(QLineEdit& Feld, const QString& Bezeichnung, std::int32_t& Rabatt);
    void CBC_RabattAuswahlChange(int Index);

    std::unique_ptr<TBestellung> m_Bestellung;
    TNeuePosTabelle m_NeuePos;
    TPositionsmodell* m_Modell = nullptr;
    THaupt_Layout m_Ui;
    TVerlauf* m_Verlauf = nullptr;
    // Set while the refresh writes into the header fields.
    bool m_Zeigt_An = false;
    // Typing in one header field is one step until the field is left.
    int m_Kopf_Folge = 0;
    int m_Zeile = 0;
    bool m_Beenden_Bestaetigt = false;
    TSicherung* m_Sicherung = nullptr;
    TAblageanbindung* m_Ablage = nullptr;
    TForm_Ablage* m_Ablagefenster = nullptr;
    QTimer* m_Titelzeitgeber = nullptr;
    // The order file as it was opened or last saved, to notice another program's save.
    std::optional<Bestelldatei::TDateistand> m_Dateistand;
    // A restored order's file name was not chosen in this run: the first save asks unless it is safe.
    bool m_Ziel_Erfragen = false;
    std::map<std::uint32_t, TKopplung> m_Dialoge;   // ascending kind order is the order of the coupling
    std::map<QByteArray, QWidget*> m_Infofenster;
    bool m_Steuer_Ausweisen = false;
    std::int32_t m_Steuersatz = TUmsatzsteuer::Regelsatz;
    QStringList m_Zuletzt;
};
