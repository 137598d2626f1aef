#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QFileDialog;
class QPrinter;
class QWidget;

// The one seam through which the program asks the user and the desktop:
// message dialogs, file dialogs, printing and the shell's "open". The program
// uses the standard Qt dialogs and QDesktopServices; tests install their own answers.
class TDienste
{
public:
    virtual ~TDienste() = default;

    // Every message shows its text as it is: file names and file contents may
    // look like markup, which must neither format nor load anything.
    // Caption "Informationen"; with Abbrechen the buttons are OK and "Abbrechen".
    // True only when the user chose OK.
    virtual bool Information(QWidget* Eltern, const QString& Text, bool mitAbbrechen) = 0;
    // Caption "Informationen" with the two named buttons; true only for Ja.
    // The standard dialog cannot be closed without a choice.
    virtual bool Frage(QWidget* Eltern, const QString& Text, const QString& Ja, const QString& Nein);
    // Unsaved changes would be lost: "Speichern", "Nicht speichern" or "Abbrechen"
    // (Escape and the title bar cancel).
    enum class TSichern { Speichern, Nicht_Speichern, Abbrechen };
    virtual TSichern Aenderungen_Sichern(QWidget* Eltern, const QString& Text);
    // Caption "Fehler", button OK.
    virtual void Fehler(QWidget* Eltern, const QString& Text) = 0;
    // Caption "Informationen" with a button for each of Knoepfe, the first the
    // default, the last the one for Escape: the index of the one chosen.
    virtual int Auswahl(QWidget* Eltern, const QString& Text, const QStringList& Knoepfe);

    struct TDateiwahl
    {
        QString Titel;
        QString Filter;        // e.g. "Bestellung (*.dat)"
        QString Endung;        // default suffix without the dot
        QString Vorschlag;     // preset file name; an absolute one opens the dialog in its folder
    };
    // The chosen path, or an empty text when the user cancelled.
    virtual QString Datei_Oeffnen(QWidget* Eltern, const TDateiwahl& Wahl) = 0;
    virtual QString Datei_Speichern(QWidget* Eltern, const TDateiwahl& Wahl) = 0;
    // A folder to read from, or an empty text; services without a file system decline.
    virtual QString Ordner_Waehlen(QWidget* Eltern, const QString& Titel);

    // The system print dialog set up for Drucker; true when the user chose to
    // print. Services that know no printer decline.
    virtual bool Druckdialog(QWidget* Eltern, QPrinter& Drucker);
    // Shows the pages that Zeichnen paints on a printer and lets the user print them.
    virtual void Druckvorschau(QWidget* Eltern, QPrinter& Drucker, const std::function<void(QPrinter&)>& Zeichnen);
    // What the standard services set on every file dialog: Qt's own dialog
    // (German whatever the locale, in the program's font), the suffix, the
    // preset name, and a list whose name column takes the room left over.
    static void Dateidialog_Einrichten(QFileDialog& Dialog, const TDateiwahl& Wahl);

    // Hands the address or file to the desktop shell; does not wait.
    virtual void Oeffnen(const QUrl& Ziel) = 0;

    struct TMail
    {
        QString Empfaenger;
        QString Betreff;
        QString Text;
        QStringList Anhaenge;  // absolute paths of existing files
    };
    // Opens a new message in the desktop's mail program through xdg-email and
    // does not wait for it; Fertig learns afterwards whether a mail program
    // took the message (false also when xdg-email is missing).
    virtual void E_Mail(QWidget* Eltern, const TMail& Mail, std::function<void(bool Angenommen)> Fertig);
    // The arguments of xdg-email for Mail.
    static QStringList Mailaufruf(const TMail& Mail);

    // The services in force; the standard ones unless a test installed others.
    static TDienste& Aktuell();
    // Installs D (not owned) in place of the standard services; nullptr restores them.
    static void Installieren(TDienste* D);
};
