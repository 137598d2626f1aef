#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class TBestellung;

// The two file operations on order files that the program's commands call.
namespace Bestelldatei {

struct TErgebnis
{
    bool Erfolg = false;
    QString Fehlertext; // the reason, in German, when Erfolg is false
    explicit operator bool() const { return Erfolg; }
};

// What an order file held when it was read or written, so that a later save
// can tell whether another program has changed it since.
struct TDateistand
{
    qint64 Groesse = -1;
    qint64 Geaendert_ns = 0;
    QByteArray Pruefsumme; // SHA-256 of the content
    bool operator==(const TDateistand&) const = default;
};

// Writes the order to Pfad, replacing the file atomically: a failed write
// leaves the earlier file as it was. On success Filename is set to Pfad,
// Stand, if given, describes what was written and Geschrieben, if given,
// receives the bytes written.
TErgebnis Bestellung_Speichern(const QString& Pfad, TBestellung& Bestellung, TDateistand* Stand = nullptr,
                               QByteArray* Geschrieben = nullptr);

// Reads Pfad into a fresh order and, only if the whole file can be priced and
// shown, copies it into Aktuell and sets its Filename to Pfad. On failure
// Aktuell stays exactly as it was.
TErgebnis Bestellung_Laden(const QString& Pfad, TBestellung& Aktuell);

// As Bestellung_Laden, from the bytes of an order file (an archived version);
// Name stands for the file in messages. Filename is taken from the bytes.
TErgebnis Bestellung_Lesen(const QByteArray& Bytes, TBestellung& Aktuell, const QString& Name);

// The bytes Bestellung_Speichern writes for the order.
TErgebnis Bytes_Erzeugen(const TBestellung& Bestellung, QByteArray& Bytes);

// The file at Pfad as it stands now; nothing when there is no regular file
// there or it cannot be read. Taken before reading, it errs on the safe side.
std::optional<TDateistand> Dateistand(const QString& Pfad);

// Whether the file at Pfad is no longer what Bekannt describes. A file that is
// gone has not changed: writing it anew loses nothing.
bool Fremd_Geaendert(const QString& Pfad, const TDateistand& Bekannt);

// Whether Pfad holds an order file, one with the order's own section.
bool Ist_Bestelldatei(const QString& Pfad);

// Whether a path the user did not choose in this run (the one a recovery copy
// names) may be saved to without asking: an absolute path that either holds an
// order file or names a ".dat" file not yet there, in a folder that is.
bool Ohne_Frage_Speicherbar(const QString& Pfad);

} // namespace Bestelldatei
