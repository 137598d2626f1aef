#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The causes of a failed file operation, told in German and naming the file.
// The order file and the order sheet report the same cause the same way.
class QIODevice;

namespace Dateifehler {

enum class TUrsache {
    Keine_Berechtigung,
    Datentraeger_Voll,
    Nicht_Gefunden,
    Ordner_Fehlt,
    Ist_Ordner,
    Keine_Datei,
    Lesefehler,
    Schreibfehler,
    Zu_Gross,
    Verweis,
    Fremde_Datei,
};

QString Meldung(TUrsache Ursache, const QString& Pfad);

// The cause behind the system's error number of a failed read or write;
// Schreiben tells which of the two failed when the number says nothing more.
TUrsache Ursache_Von(int Fehlernummer, bool Schreiben);

// The message for a failed operation on Datei, from the error number
// that the failing call left.
QString Meldung_Nach(int Fehlernummer, bool Schreiben, const QString& Pfad);

// Why Pfad cannot be read as a file of at most Hoechstgroesse bytes, if it cannot:
// missing, a folder, a device, a pipe (also behind a link), or too large.
std::optional<QString> Quelle_Pruefen(const QString& Pfad, qint64 Hoechstgroesse);

// Why Pfad cannot be replaced by a new file, if it cannot: an existing target
// that is not a regular file is never touched, whatever the rights would allow.
std::optional<QString> Ziel_Pruefen(const QString& Pfad);

// Replaces the file at Pfad by Inhalt atomically: on any failure the earlier
// file stays as it was. Why it failed, if it did.
std::optional<QString> Ersetzen(const QString& Pfad, const QByteArray& Inhalt);

// Writes Inhalt to an open device; the reason, in German, when it is not open
// for writing or takes less than all of it.
std::optional<QString> Auf_Geraet_Schreiben(QIODevice& Geraet, const QByteArray& Inhalt);

// Why Pfad is no place for a file the program names and replaces on its own,
// if it is not: a symbolic link (also one to nowhere), anything but a regular
// file, or another user's file.
std::optional<QString> Eigenes_Ziel_Pruefen(const QString& Pfad);

// Replaces or creates such a file of the program's own: what Eigenes_Ziel_Pruefen
// refuses stays as it is, and no link is followed, neither at Pfad nor for the
// new file, which is written beside it and renamed into place. On any failure
// the earlier file stays as it was. Why it failed, if it did.
std::optional<QString> Eigene_Datei_Ersetzen(const QString& Pfad, const QByteArray& Inhalt);

// Whether two paths name the same file, through links and other spellings.
bool Gleiche_Datei(const QString& Pfad1, const QString& Pfad2);

} // namespace Dateifehler
