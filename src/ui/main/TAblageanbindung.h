#pragma once

#include "archive/TAblage.h"
#include "archive/TWarteschlange.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TBestellung;

// The main window's way into the archive. Opens it on first use and keeps
// each saved version; when the archive cannot be written the file save is not
// concerned: the window is told once why, and the version waits on this
// computer (TWarteschlange) until the archive takes it, at the next save or
// within a minute.
class TAblageanbindung : public QObject
{
    Q_OBJECT

public:
    // Pfad: the archive's file; empty means the program's (TAblage::Standardpfad).
    explicit TAblageanbindung(const QString& Pfad = QString(), QObject* parent = nullptr);
    ~TAblageanbindung() override;

    // The open archive, or nullptr when it cannot be opened (reported once).
    TAblage* Ablage();

    // Before the order is written: an order the archive can take gets its key,
    // so the file carries it; an order without an archive stays without one.
    void Vor_Speichern(TBestellung& Bestellung);
    // After the file was written: records the version, and those still waiting.
    void Gespeichert(const TBestellung& Bestellung, const QByteArray& Bytes);
    // An order was opened from a file (Bytes) or the archive: learns its number,
    // and the identity of a file without key whose bytes the archive holds.
    void Geoeffnet(TBestellung& Bestellung, const QByteArray& Bytes);
    // A new, empty order.
    void Neu();
    // The next first save makes a variant of this order (its predecessor).
    void Als_Variante_Von(const QString& Kennung) { m_Vorgaenger = Kennung; }

    // The archive number of the current order, once it has one.
    const QString& Nummer() const { return m_Nummer; }
    int Wartende_Versionen() const { return m_Wartend; }
    // What the status bar says while versions wait; empty when none does.
    QString Wartehinweis() const;
    // Delivers the versions waiting, if the archive can be reached.
    void Nachtragen();
    // A colleague saved the order since this user opened or last saved it.
    struct TKonflikt
    {
        QString Kennung;
        QString Nummer;
        int Eigene = 0; // the version this user knew
        TAblage::TVersion Neueste;
    };
    // Asked before such a save is archived: true archives it as the newest
    // version; false leaves it in the file only, the colleague's version
    // then counting as the one this user knows. Without it, every save is archived.
    void Rueckfrage_Setzen(std::function<bool(const TKonflikt&)> Rueckfrage) { m_Rueckfrage = std::move(Rueckfrage); }

    // The archive is elsewhere from now on (the settings changed); the old one
    // is closed once Ort_Geaendert told those who query it.
    void Ort_Setzen(const QString& Ort);
    const QString& Ort() const { return m_Pfad; }

    // A query of the archive failed: the next use opens the connection afresh.
    void Verbindung_Verloren()
    {
        m_Neu_Verbinden = true;
        m_Fehlversuch.start();
    }
    // The archive failed within the last half minute: the search does not try
    // again on every keystroke (a server out of reach may take seconds to say so).
    bool Kuerzlich_Gescheitert() const { return m_Fehlversuch.isValid() && m_Fehlversuch.elapsed() < 30 * 1000; }

signals:
    // The archive could not be opened or written; said once until it works again.
    void Fehler(const QString& Meldung);
    // The number of the current order changed.
    void Nummer_Geaendert();
    // The number of versions waiting for the archive changed.
    void Warteschlange_Geaendert();
    // The archive is about to be closed: queries of it must end now.
    void Ort_Geaendert();

private:
    void Melden(const QString& Meldung);
    void Nummer_Setzen(const QString& Nummer);
    void Wartende_Zaehlen();
    // False when the user chose to look at a colleague's newer version first.
    bool Ohne_Konflikt(TAblage& A);

    QString m_Pfad;
    std::unique_ptr<TAblage> m_Ablage;
    TWarteschlange m_Warteschlange;
    int m_Wartend = 0;
    bool m_Neu_Verbinden = false;
    QElapsedTimer m_Fehlversuch;
    QString m_Kennung;
    QString m_Vorgaenger;
    QString m_Nummer;
    int m_Eigene = 0; // the version of m_Kennung this user opened or last saved
    std::function<bool(const TKonflikt&)> m_Rueckfrage;
    bool m_Gemeldet = false;
};
