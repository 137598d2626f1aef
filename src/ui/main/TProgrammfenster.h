#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class TForm_Haupt;

// Creates every window of the program once, hidden, with the main window
// first, and owns them until the end; closing the main window ends the program.
class TProgrammfenster
{
public:
    TProgrammfenster();
    ~TProgrammfenster();
    TProgrammfenster(const TProgrammfenster&) = delete;
    TProgrammfenster& operator=(const TProgrammfenster&) = delete;

    // Shows the main window; every other window stays hidden until it is
    // opened. Then offers what a crashed program left unsaved and opens the
    // order file Datei, if one is given.
    void Starten(const QString& Datei = QString());

    TForm_Haupt& Hauptfenster() { return *m_Haupt; }
    // Every window in the order of creation, the main window first.
    const std::vector<std::unique_ptr<QWidget>>& Fenster() const { return m_Fenster; }

private:
    // Keeps Fenster for the program's lifetime and returns it.
    template <class T>
    T* Besitzen(std::unique_ptr<T> Fenster);
    template <class T>
    T* Infofenster_Anlegen();
    // Creates a position dialog and couples it to the kind it edits; Aktivieren loads the selected position.
    template <class T>
    T* Positionsdialog_Anlegen(void (T::*Aktivieren)() = &T::Felder_Laden);

    std::vector<std::unique_ptr<QWidget>> m_Fenster;
    TForm_Haupt* m_Haupt = nullptr;
};
