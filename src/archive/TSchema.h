#pragma once

#include "archive/TAblagedialekt.h"

#include <QSqlDatabase>

#include <functional>

// Owns the archive's schema: knows its version and steps a database forward
// one version at a time, each step in a transaction of its own and recorded
// in the table "migrationen". A database newer than the program is left alone.
class TSchema
{
public:
    static constexpr int Aktuelle_Version = 4;

    TSchema(QSqlDatabase& Db, const TAblagedialekt& Dialekt);

    // The version of the database: 0 for an empty one. Changes nothing; throws
    // EAblagefehler for a file that is no database.
    int Version() const;
    // Refuses (EAblagefehler, nothing written) a database newer than the program.
    void Pruefen() const;
    // Pruefen, then applies every step up to Bis.
    void Aktualisieren(int Bis = Aktuelle_Version);

private:
    void Auf_V1();
    void Auf_V2();
    void Auf_V3();
    void Auf_V4();
    void Ausfuehren(const QString& Sql);

    QSqlDatabase& m_Db;
    const TAblagedialekt& m_Dialekt;
};
