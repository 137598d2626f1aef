#include "archive/TAblagedialekt.h"

#include <QSqlQuery>

QString TAblagedialekt::Treiber() const
{
    return QStringLiteral("QSQLITE");
}

QString TAblagedialekt::Verbindungsoptionen() const
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(Wartezeit_ms);
}

QString TAblagedialekt::Pruefabfrage() const
{
    return QStringLiteral("SELECT count(*) FROM sqlite_master");
}

void TAblagedialekt::Einrichten(QSqlDatabase& Db) const
{
    QSqlQuery Abfrage(Db);
    for (const char* Befehl : {"PRAGMA foreign_keys = ON", "PRAGMA journal_mode = WAL"})
        if (!Abfrage.exec(QLatin1String(Befehl)))
            throw EAblagefehler(Abfrage.lastError(), *this);
}

QString TAblagedialekt::Schreibtransaktion() const
{
    return QStringLiteral("BEGIN IMMEDIATE");
}

QString TAblagedialekt::Binaertyp() const
{
    return QStringLiteral("BLOB");
}

QString TAblagedialekt::Enthaelt(const QString& Spalte) const
{
    return QStringLiteral("instr(%1, ?) > 0").arg(Spalte);
}

QStringList TAblagedialekt::Suchindex() const
{
    // The list is read newest first; with the search text in the same index
    // the typed words are tested on the index alone, and only matching orders
    // are read from the table.
    return {QStringLiteral("CREATE INDEX bestellungen_suche ON bestellungen (gespeichert, suchtext)"),
            QStringLiteral("DROP INDEX bestellungen_gespeichert")};
}

TAblagedialekt::TUrsache TAblagedialekt::Ursache(const QSqlError& Fehler) const
{
    // SQLite's primary result codes.
    switch (Fehler.nativeErrorCode().toInt() & 0xFF) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
        return TUrsache::Gesperrt;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return TUrsache::Beschaedigt;
    case 3:  // SQLITE_PERM
    case 8:  // SQLITE_READONLY
    case 10: // SQLITE_IOERR
    case 13: // SQLITE_FULL
    case 14: // SQLITE_CANTOPEN
        return TUrsache::Schreibgeschuetzt;
    default:
        return TUrsache::Sonstige;
    }
}

namespace {

QString Meldung_Zu(TAblagedialekt::TUrsache Ursache, const QSqlError& Fehler)
{
    QString Text;
    switch (Ursache) {
    case TAblagedialekt::TUrsache::Gesperrt:
        Text = QStringLiteral("Die Ablage ist gesperrt: ein anderes Programm schreibt gerade hinein.");
        break;
    case TAblagedialekt::TUrsache::Beschaedigt:
        Text = QStringLiteral("Die Ablage ist beschädigt oder keine Datenbank.");
        break;
    case TAblagedialekt::TUrsache::Schreibgeschuetzt:
        Text = QStringLiteral("Die Ablage kann nicht geschrieben werden (Rechte, Speicherplatz oder Datenträger).");
        break;
    case TAblagedialekt::TUrsache::Sonstige:
        Text = QStringLiteral("Fehler in der Ablage.");
        break;
    }
    const QString Grund = Fehler.text().trimmed();
    return Grund.isEmpty() ? Text : Text + QStringLiteral(" (") + Grund + QLatin1Char(')');
}

} // namespace

EAblagefehler::EAblagefehler(const QSqlError& Fehler, const TAblagedialekt& Dialekt)
    : EAblagefehler(Meldung_Zu(Dialekt.Ursache(Fehler), Fehler), Dialekt.Ursache(Fehler))
{
}
