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
// leaves the earlier file as it was. On success Filename is set to Pfad.
TErgebnis Bestellung_Speichern(const QString& Pfad, TBestellung& Bestellung);

// Reads Pfad into a fresh order and, only if the whole file can be priced and
// shown, copies it into Aktuell and sets its Filename to Pfad. On failure
// Aktuell stays exactly as it was.
TErgebnis Bestellung_Laden(const QString& Pfad, TBestellung& Aktuell);

// The order as the text of an order file; throws what writing the text throws.
QByteArray Bytes(const TBestellung& Bestellung);

// Reads the text of an order file into Ziel with every check of opening a
// file; on failure Ziel stays exactly as it was.
TErgebnis Bytes_Lesen(const QByteArray& Text, TBestellung& Ziel);

} // namespace Bestelldatei
