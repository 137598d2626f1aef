#pragma once

#include "order/TAenderung.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <vector>

// The grid's selection, which every step restores with the order.
struct TAuswahl
{
    int Zeile = 0;
    std::vector<int> Zeilen;

    bool operator==(const TAuswahl&) const = default;
};

// The history of the current order. After every change the main window calls
// Festhalten, which compares the order with the state last recorded and pushes
// the difference as one step; undo and redo put a recorded state back.
//
// The recorded states share the position objects with the order, so only one
// position may ever be changed in place: the one Zum_Aendern_Freigeben gave
// an object of its own. Every other change replaces entries.
class TVerlauf : public QObject
{
    Q_OBJECT

public:
    struct TRueckrufe
    {
        // The order changed as Aenderung says (backwards for an undo): the grid follows.
        std::function<void(const TAenderung& Aenderung, bool Rueckwaerts)> Geaendert;
        // Undo or redo put a state back: the selection becomes Auswahl and the window is refreshed.
        std::function<void(const TAuswahl& Auswahl)> Zurueckgesetzt;
    };

    TVerlauf(TBestellung& Bestellung, TRueckrufe Rueckrufe, QObject* Eltern = nullptr);

    QUndoStack& Stapel() { return m_Stapel; }

    // The name of the step the next Festhalten records. Steps with the same
    // non-empty Schluessel that follow each other at the top become one.
    void Benennen(const QString& Was, const QString& Schluessel = QString());
    // The next step stands alone: it joins neither the step before nor an editing session.
    void Einzeln_Benennen(const QString& Was);
    // Records what changed since the last step, with the selection as it is now after it.
    void Festhalten(const TAuswahl& Auswahl);
    // The selection moved: what changed before is recorded first; moving it
    // after a change belongs to that change.
    void Auswahl_Nachfuehren(const TAuswahl& Auswahl);

    // Undo and redo, after recording what is still open.
    void Rueckgaengig(const TAuswahl& Auswahl);
    void Wiederholen(const TAuswahl& Auswahl);

    // The entry at Zeile gets an object of its own, which may be changed in
    // place; the one that had it gets its recorded object back. The rows
    // whose entries now hold other objects (with the same content).
    std::vector<int> Zum_Aendern_Freigeben(int Zeile);

    // A fresh history from the order as it stands; Gesichert marks it saved.
    void Neu_Beginnen(bool Gesichert);
    void Gesichert() { m_Stapel.setClean(); }
    bool Ungesichert() const { return !m_Stapel.isClean(); }

    // The editing session of a position dialog: its steps become one, and
    // Abbrechen takes the position back to where the session began.
    void Sitzung_Pruefen(bool Dialog_Offen);
    bool Sitzung_Offen() const { return m_Sitzung.has_value(); }
    QString Sitzungsschluessel() const;
    // True when something was taken back.
    bool Sitzung_Abbrechen(const TAuswahl& Auswahl);


private:
    friend class TSchritt;
    void Anwenden(const TAenderung& Aenderung, bool Rueckwaerts, const TAuswahl& Auswahl);
    // The order's positions with the own object replaced by its recorded
    // state, which is renewed if the object changed.
    TAenderung::TEintraege Aufgezeichnet();
    static QString Inhalt(const TPositionseintrag& Eintrag);
    int Zeile_Des_Eigenen() const;

    struct TSitzung
    {
        int Nummer = 0;
        TPositionseintrag Original;
        // The object being edited when the session began.
        TPositionseintrag Eigenes;
    };

    TBestellung& m_Bestellung;
    TRueckrufe m_Rueckrufe;
    TAuswahl m_Auswahl;
    QUndoStack m_Stapel;
    TKopfdaten m_Kopf;
    TAenderung::TEintraege m_Stand;
    // The one object that may change in place, its recorded state and that state's content.
    std::optional<TPositionseintrag> m_Eigenes;
    TPositionseintrag m_Original;
    QString m_Original_Inhalt;
    int m_Eigenes_Zeile = -1;
    std::optional<TSitzung> m_Sitzung;
    int m_Sitzungen = 0;
    int m_Einzelne = 0;
    QString m_Name;
    QString m_Schluessel;
    const TAenderung::TEintraege* m_Zwischenstand = nullptr;
    bool m_Wendet_An = false;
};
