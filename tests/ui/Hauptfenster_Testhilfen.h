#pragma once

#include "ui/shared/TDienste.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QMouseEvent>
#include <QPrinter>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include <deque>
#include <stdexcept>
#include <utility>
#include <vector>

// Shared by the tests of the main window: scripted answers for every dialog
// and small drivers for the controls.
namespace Hauptfenster_Test {

// Records every message, file dialog and shell "open"; questions and file
// dialogs take their answers from the queues, an unexpected one fails the test.
class TTestdienste : public TDienste
{
public:
    struct TMeldung
    {
        QString Art; // "Informationen", "Frage" or "Fehler"
        QString Text;
    };

    TTestdienste() { TDienste::Installieren(this); }
    ~TTestdienste() override { TDienste::Installieren(nullptr); }
    TTestdienste(const TTestdienste&) = delete;
    TTestdienste& operator=(const TTestdienste&) = delete;

    bool Information(QWidget*, const QString& Text, bool mitAbbrechen) override
    {
        Meldungen.push_back({QStringLiteral("Informationen"), Text});
        if (!mitAbbrechen)
            return true;
        if (Antworten.empty()) {
            ADD_FAILURE() << "unerwartete Frage: " << Text.toStdString();
            return false;
        }
        const bool Antwort = Antworten.front();
        Antworten.pop_front();
        return Antwort;
    }

    // Recorded as "Frage"; the answer Ja is true.
    bool Frage(QWidget*, const QString& Text, const QString& Ja, const QString& Nein) override
    {
        Meldungen.push_back({QStringLiteral("Frage"), Text});
        Knoepfe.push_back({Ja, Nein});
        if (Antworten.empty()) {
            ADD_FAILURE() << "unerwartete Frage: " << Text.toStdString();
            return false;
        }
        const bool Antwort = Antworten.front();
        Antworten.pop_front();
        return Antwort;
    }

    void Fehler(QWidget*, const QString& Text) override { Meldungen.push_back({QStringLiteral("Fehler"), Text}); }

    // Recorded as "Auswahl" with its buttons; the answer comes from Wahlen.
    int Auswahl(QWidget*, const QString& Text, const QStringList& Beschriftungen) override
    {
        Meldungen.push_back({QStringLiteral("Auswahl"), Text});
        Auswahlknoepfe.push_back(Beschriftungen);
        if (Wahlen.empty()) {
            ADD_FAILURE() << "unerwartete Auswahl: " << Text.toStdString();
            return int(Beschriftungen.size()) - 1;
        }
        const int Wahl = Wahlen.front();
        Wahlen.pop_front();
        return Wahl;
    }

    QString Datei_Oeffnen(QWidget*, const TDateiwahl& Wahl) override { return Pfad_Nehmen(Wahl); }
    QString Datei_Speichern(QWidget*, const TDateiwahl& Wahl) override { return Pfad_Nehmen(Wahl); }
    void Oeffnen(const QUrl& Ziel) override { Geoeffnet.push_back(Ziel); }
    // Records the message; whether a mail program takes it comes from Mailantworten (default yes).
    void E_Mail(QWidget*, const TMail& Mail, std::function<void(bool)> Fertig) override
    {
        Mails.push_back(Mail);
        bool Angenommen = true;
        if (!Mailantworten.empty()) {
            Angenommen = Mailantworten.front();
            Mailantworten.pop_front();
        }
        Fertig(Angenommen);
    }

    // Printing goes to Druckziel as PDF; the dialog's answer comes from Druckantworten.
    bool Druckdialog(QWidget*, QPrinter& Drucker) override
    {
        ++Druckdialoge;
        if (Druckantworten.empty()) {
            ADD_FAILURE() << "unerwarteter Druckdialog";
            return false;
        }
        const bool Antwort = Druckantworten.front();
        Druckantworten.pop_front();
        Drucker.setOutputFormat(QPrinter::PdfFormat);
        Drucker.setOutputFileName(Druckziel);
        return Antwort;
    }
    void Druckvorschau(QWidget*, QPrinter& Drucker, const std::function<void(QPrinter&)>& Zeichnen) override
    {
        ++Vorschauen;
        Drucker.setOutputFormat(QPrinter::PdfFormat);
        Drucker.setOutputFileName(Druckziel);
        Zeichnen(Drucker);
    }

    std::vector<TMeldung> Meldungen;
    std::deque<bool> Antworten;
    std::deque<QString> Pfade; // an empty path cancels the dialog
    std::vector<TDateiwahl> Dateiwahlen;
    std::vector<QUrl> Geoeffnet;
    std::vector<TMail> Mails;
    std::deque<bool> Mailantworten;
    std::deque<bool> Druckantworten;
    QString Druckziel;
    int Druckdialoge = 0;
    int Vorschauen = 0;
    std::vector<std::pair<QString, QString>> Knoepfe; // the two buttons of each Frage
    std::deque<int> Wahlen;
    std::vector<QStringList> Auswahlknoepfe;

private:
    QString Pfad_Nehmen(const TDateiwahl& Wahl)
    {
        Dateiwahlen.push_back(Wahl);
        if (Pfade.empty()) {
            ADD_FAILURE() << "unerwarteter Dateidialog: " << Wahl.Titel.toStdString();
            return {};
        }
        QString Pfad = Pfade.front();
        Pfade.pop_front();
        return Pfad;
    }
};

template <class T>
T* Suchen(const QObject& Fenster, const char* Name)
{
    T* Gefunden = Fenster.findChild<T*>(QLatin1String(Name));
    if (!Gefunden)
        throw std::runtime_error(std::string("kein Steuerelement ") + Name);
    return Gefunden;
}

// Picks an item of a drop-down list the way the user does: open, move, Enter.
inline void Eintrag_Waehlen(QComboBox* Liste, const QString& Text)
{
    const int Index = Liste->findText(Text);
    if (Index < 0)
        throw std::runtime_error("kein Eintrag " + Text.toStdString());
    Liste->showPopup();
    QAbstractItemView* Ansicht = Liste->view();
    Ansicht->setCurrentIndex(Ansicht->model()->index(Index, Liste->modelColumn()));
    QTest::keyClick(Ansicht, Qt::Key_Return);
    QCoreApplication::processEvents();
    // The closed list hands the activation back, as the window system does.
    QWidget* Fenster = Liste->window();
    if (Fenster->isVisible()) {
        QApplication::setActiveWindow(Fenster);
        (void)QTest::qWaitForWindowActive(Fenster);
    }
}

// Types any text, also characters without a key of their own.
inline void Tippen(QWidget* Ziel, const QString& Text)
{
    for (QChar Zeichen : Text)
        QTest::sendKeyEvent(QTest::Click, Ziel, Qt::Key_unknown, QString(Zeichen), Qt::NoModifier);
}

inline QStringList Eintraege(const QComboBox* Liste)
{
    QStringList Texte;
    for (int i = 0; i < Liste->count(); ++i)
        Texte << Liste->itemText(i);
    return Texte;
}

inline void Zeile_Anklicken(QTableView* Raster, int Zeile)
{
    const QRect Feld = Raster->visualRect(Raster->model()->index(Zeile, 3));
    QTest::mouseClick(Raster->viewport(), Qt::LeftButton, {}, Feld.center());
    QCoreApplication::processEvents();
}

// Press, release, press with the double-click, release: the order the window system delivers.
inline void Zeile_Doppelklicken(QTableView* Raster, int Zeile)
{
    QWidget* Flaeche = Raster->viewport();
    const QPoint Punkt = Raster->visualRect(Raster->model()->index(Zeile, 3)).center();
    QTest::mouseClick(Flaeche, Qt::LeftButton, {}, Punkt);
    QTest::mousePress(Flaeche, Qt::LeftButton, {}, Punkt);
    QMouseEvent Doppelt(QEvent::MouseButtonDblClick, Punkt, Flaeche->mapToGlobal(Punkt), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Flaeche, &Doppelt);
    QTest::mouseRelease(Flaeche, Qt::LeftButton, {}, Punkt);
    QCoreApplication::processEvents();
}

inline QString Zelle(const QTableView* Raster, int Zeile, int Spalte)
{
    return Raster->model()->index(Zeile, Spalte).data().toString();
}

inline int Ausgewaehlt(const QTableView* Raster)
{
    return Raster->currentIndex().row();
}

inline QString Heute()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace Hauptfenster_Test
