#pragma once

#include "base/Fehler.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

// Everything in which the archive's database engines differ, in one place:
// the driver, the set-up of a connection, how a writing transaction begins,
// the type of the stored file bytes, a substring test and what an error
// code means. The schema and every query use portable SQL besides.
class TAblagedialekt
{
public:
    enum class TArt { SQLite, PostgreSQL };

    // Why an operation failed, as far as the engine tells.
    enum class TUrsache { Gesperrt, Beschaedigt, Schreibgeschuetzt, Unerreichbar, Anmeldung, Datenbank_fehlt,
                          Keine_Rechte, Sonstige };

    explicit TAblagedialekt(TArt Art = TArt::SQLite)
        : m_Art(Art)
    {
    }

    // A libpq connection URI (postgresql://…) names a server; anything else is a SQLite file.
    static TArt Art_Von(const QString& Ort);
    // The place without a password, for messages.
    static QString Anzeigename(const QString& Ort);

    TArt Art() const { return m_Art; }
    QString Treiber() const;
    // Hands the place to the driver; throws EAblagefehler for a URI it cannot read.
    void Ort_Setzen(QSqlDatabase& Db, const QString& Ort) const;
    // A query that fails on a file that is no database of the engine, changing nothing.
    QString Pruefabfrage() const;
    // Run once the schema is known to be one the program may write: journal, foreign keys.
    void Einrichten(QSqlDatabase& Db) const;
    // Begins a transaction that takes the write lock at once, so two writers
    // wait for each other instead of failing half way.
    QString Schreibtransaktion() const;
    // Within a writing transaction: waits for any other program stepping the
    // schema forward. Empty where the writing transaction already excludes it.
    QString Schemasperre() const;
    QString Binaertyp() const;
    // A condition true where Spalte holds the text Suchwert(Wort) binds.
    QString Enthaelt(const QString& Spalte) const;
    QString Suchwert(QString Wort) const;
    // What makes the search as one types fast over the orders' search text.
    QStringList Suchindex() const;
    // On a server that can: an index of the search text's letter triples.
    QStringList Trigrammindex() const;
    TUrsache Ursache(const QSqlError& Fehler) const;
    // A query true where the user may do what the archive does: create its
    // tables in an empty database, else read and write them. Empty: not to be asked.
    QString Rechteabfrage() const;

    static constexpr int Wartezeit_ms = 5000;

private:
    static TUrsache Serverursache(const QSqlError& Fehler);
    static constexpr int Sperrnummer = 20260419;

    TArt m_Art;
};

// A failure of the archive, told in German; the order files are never concerned.
class EAblagefehler : public EFehler
{
public:
    explicit EAblagefehler(const QString& Meldung,
                           TAblagedialekt::TUrsache Ursache = TAblagedialekt::TUrsache::Sonstige)
        : EFehler(Meldung)
        , m_Ursache(Ursache)
    {
    }
    EAblagefehler(const QSqlError& Fehler, const TAblagedialekt& Dialekt);
    TAblagedialekt::TUrsache Ursache() const { return m_Ursache; }

private:
    TAblagedialekt::TUrsache m_Ursache;
};
