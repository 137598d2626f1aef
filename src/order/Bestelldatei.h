#pragma once

#include <QByteArray>
#include <QString>

class TBestellung;

// The two file operations on order files that the program's commands call.
namespace Bestelldatei {

struct TErgebnis
{
    bool Erfolg = false;
    QString Fehlertext; // the reason, in German, when Erfolg is false
    explicit operator bool() const { return Erfolg; }
};

// Writes the order to Pfad, replacing the file atomically: a failed write
// leaves the earlier file as it was. On success Filename is set to Pfad and,
// if asked, the bytes written are handed back in Geschrieben.
TErgebnis Bestellung_Speichern(const QString& Pfad, TBestellung& Bestellung, QByteArray* Geschrieben = nullptr);

// Reads Pfad into a fresh order and, only if the whole file can be priced and
// shown, copies it into Aktuell and sets its Filename to Pfad. On failure
// Aktuell stays exactly as it was.
TErgebnis Bestellung_Laden(const QString& Pfad, TBestellung& Aktuell);

// As Bestellung_Laden, from the bytes of an order file (an archived version);
// Name stands for the file in messages. Filename is taken from the bytes.
TErgebnis Bestellung_Lesen(const QByteArray& Bytes, TBestellung& Aktuell, const QString& Name);

// The bytes Bestellung_Speichern writes for the order.
TErgebnis Bytes_Erzeugen(const TBestellung& Bestellung, QByteArray& Bytes);

} // namespace Bestelldatei
