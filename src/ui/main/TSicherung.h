#pragma once

#include "order/Bestelldatei.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

class QLockFile;
class TBestellung;

// Keeps a copy of the unsaved order in the user's data folder, so that a
// crash or a power cut loses at most the last half minute of work. The copy
// is an order file; every running program writes its own one, guarded by a
// lock file, and a later start offers only copies whose program is gone.
class TSicherung : public QObject
{
    Q_OBJECT

public:
    static constexpr int Standardabstand_ms = 30000;

    // Bestellung answers the order to protect. Ordner is the folder of the
    // copies; empty means the program's data folder.
    explicit TSicherung(std::function<const TBestellung&()> Bestellung, const QString& Ordner = QString(),
                        QObject* parent = nullptr);
    // Releases the lock but leaves the copy: only a clean exit removes it.
    ~TSicherung() override;

    static QString Standardordner();
    const QString& Ordner() const { return m_Ordner; }

    // The order as it stands is the saved one (after saving, opening, a new
    // order): no copy is needed any more, the one written is deleted.
    void Gesichert();
    // The order may have changed: writes a copy when the interval has run out.
    void Geaendert();
    // True while the order differs from the one last saved, opened or begun.
    bool Ungesichert() const;
    // Writes the copy now if the order is unsaved, or deletes it if not.
    void Jetzt_Schreiben();
    // At a clean exit: deletes the copy and gives up the lock.
    void Beenden();

    void Abstand_Setzen(int Millisekunden) { m_Zeitgeber.setInterval(Millisekunden); }
    bool Wartet() const { return m_Zeitgeber.isActive(); }
    // The copy of this program; empty until the first one is written.
    QString Pfad() const;

    // A copy left by a program that is no longer running, locked for this one.
    struct TFund
    {
        QString Pfad;
        QDateTime Zeit;
    };
    // The next such copy not yet returned, the newest first.
    std::optional<TFund> Naechster_Fund();
    // Reads a copy into Ziel, with the file name the order had; Ziel stays as it was on failure.
    static Bestelldatei::TErgebnis Lesen(const QString& Pfad, TBestellung& Ziel);
    // The found copy becomes this program's own copy.
    void Uebernehmen(const TFund& Fund);
    // Deletes a found copy.
    void Loeschen(const TFund& Fund);
    // Renames a damaged copy so that it is kept but not offered again; the new path, or empty.
    QString Beiseitelegen(const TFund& Fund);

signals:
    // Writing the copy failed; Grund says why.
    void Schreibfehler(const QString& Grund);
    // Something the program did not make stands where a copy or its lock would
    // be (a link, another user's file): it is left alone; Grund names it.
    void Fremdes_Gefunden(const QString& Grund);

private:
    QByteArray Abbild() const;
    bool Eigen(const QString& Pfad);
    std::unique_ptr<QLockFile> Sperren(const QString& Pfad);
    void Kopie_Entfernen();
    bool Platz_Belegen();
    void Freigeben();
    void Fund_Freigeben(const QString& Pfad);

    std::function<const TBestellung&()> m_Bestellung;
    QString m_Ordner;
    QTimer m_Zeitgeber;
    QByteArray m_Gesichert;
    QByteArray m_Geschrieben;
    std::unique_ptr<QLockFile> m_Sperre;
    QString m_Pfad;
    std::set<QString> m_Gesehen;
    std::map<QString, std::unique_ptr<QLockFile>> m_Fundsperren;
    bool m_Fehler_Gemeldet = false;
    std::set<QString> m_Fremdes_Gemeldet;
};
