#include "archive/TSchema.h"

#include "archive/Suchtext.h"
#include "archive/TAblage.h"
#include "base/Version.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <utility>

TSchema::TSchema(QSqlDatabase& Db, const TAblagedialekt& Dialekt)
    : m_Db(Db)
    , m_Dialekt(Dialekt)
{
}

int TSchema::Version() const
{
    QSqlQuery Abfrage(m_Db);
    if (!Abfrage.exec(m_Dialekt.Pruefabfrage()))
        throw EAblagefehler(Abfrage.lastError(), m_Dialekt);
    if (!m_Db.tables().contains(QStringLiteral("migrationen")))
        return 0;
    if (!Abfrage.exec(QStringLiteral("SELECT MAX(version) FROM migrationen")) || !Abfrage.next())
        throw EAblagefehler(Abfrage.lastError(), m_Dialekt);
    return Abfrage.value(0).toInt();
}

void TSchema::Ausfuehren(const QString& Sql)
{
    QSqlQuery Abfrage(m_Db);
    if (!Abfrage.exec(Sql))
        throw EAblagefehler(Abfrage.lastError(), m_Dialekt);
}

void TSchema::Pruefen() const
{
    const int Stand = Version();
    if (Stand > Aktuelle_Version)
        throw EAblagefehler(QStringLiteral("Die Ablage stammt von einer neueren Programmversion (Schema %1, dieses "
                                           "Programm kennt bis %2); sie wird nicht verändert.")
                                .arg(Stand)
                                .arg(Aktuelle_Version));
}

void TSchema::Aktualisieren(int Bis)
{
    Pruefen();
    const int Stand = Version();
    m_Dialekt.Einrichten(m_Db);
    using TSchritt = void (TSchema::*)();
    static constexpr std::array<TSchritt, Aktuelle_Version> Schritte = {&TSchema::Auf_V1, &TSchema::Auf_V2,
                                                                                 &TSchema::Auf_V3, &TSchema::Auf_V4};
    for (int Neu = Stand + 1; Neu <= Bis && Neu <= Aktuelle_Version; ++Neu) {
        TTransaktion T(m_Db, m_Dialekt);
        if (const QString Sperre = m_Dialekt.Schemasperre(); !Sperre.isEmpty())
            Ausfuehren(Sperre);
        // Another program may have stepped the database forward meanwhile.
        if (Version() >= Neu)
            continue;
        (this->*Schritte[std::size_t(Neu - 1)])();
        QSqlQuery Eintrag(m_Db);
        Eintrag.prepare(QStringLiteral("INSERT INTO migrationen (version, angewendet, programm) VALUES (?, ?, ?)"));
        Eintrag.addBindValue(Neu);
        Eintrag.addBindValue(QDateTime::currentMSecsSinceEpoch());
        Eintrag.addBindValue(QStringLiteral(QUADROLIS_VERSION));
        if (!Eintrag.exec())
            throw EAblagefehler(Eintrag.lastError(), m_Dialekt);
        T.Abschliessen();
    }
}

// Orders with their number per year and the fields of their latest version,
// every version's bytes, and each change of status.
void TSchema::Auf_V1()
{
    Ausfuehren(QStringLiteral("CREATE TABLE migrationen (version INTEGER PRIMARY KEY, angewendet BIGINT NOT NULL, "
                              "programm VARCHAR(40) NOT NULL)"));
    Ausfuehren(QStringLiteral("CREATE TABLE nummernkreis (jahr INTEGER PRIMARY KEY, letzte INTEGER NOT NULL)"));
    Ausfuehren(QStringLiteral(
        "CREATE TABLE bestellungen ("
        " kennung VARCHAR(36) PRIMARY KEY,"
        " nummer VARCHAR(16) NOT NULL UNIQUE,"
        " jahr INTEGER NOT NULL, laufnummer INTEGER NOT NULL,"
        " vorgaenger VARCHAR(36) REFERENCES bestellungen (kennung),"
        " status VARCHAR(16) NOT NULL,"
        " angelegt BIGINT NOT NULL,"
        " versionen INTEGER NOT NULL,"
        " gespeichert BIGINT NOT NULL, benutzer TEXT NOT NULL, pfad TEXT NOT NULL,"
        " datum TEXT NOT NULL, tag VARCHAR(10),"
        " ansprechpartner TEXT NOT NULL, telefon TEXT NOT NULL, rechnungsempfaenger TEXT NOT NULL,"
        " bauvorhaben TEXT NOT NULL, bemerkungen TEXT NOT NULL,"
        " positionen INTEGER NOT NULL, fenster INTEGER NOT NULL,"
        " warensumme BIGINT NOT NULL, gesamtsumme BIGINT NOT NULL,"
        " UNIQUE (jahr, laufnummer))"));
    Ausfuehren(QStringLiteral("CREATE INDEX bestellungen_gespeichert ON bestellungen (gespeichert)"));
    Ausfuehren(QStringLiteral(
                   "CREATE TABLE versionen ("
                   " kennung VARCHAR(36) NOT NULL REFERENCES bestellungen (kennung),"
                   " nr INTEGER NOT NULL,"
                   " gespeichert BIGINT NOT NULL, benutzer TEXT NOT NULL, pfad TEXT NOT NULL,"
                   " pruefsumme VARCHAR(64) NOT NULL, inhalt %1 NOT NULL,"
                   " positionen INTEGER NOT NULL, gesamtsumme BIGINT NOT NULL,"
                   " PRIMARY KEY (kennung, nr))")
                   .arg(m_Dialekt.Binaertyp()));
    Ausfuehren(QStringLiteral("CREATE INDEX versionen_pruefsumme ON versionen (pruefsumme)"));
    Ausfuehren(QStringLiteral("CREATE TABLE statuswechsel ("
                              " kennung VARCHAR(36) NOT NULL REFERENCES bestellungen (kennung),"
                              " nr INTEGER NOT NULL, zeit BIGINT NOT NULL, benutzer TEXT NOT NULL,"
                              " status VARCHAR(16) NOT NULL,"
                              " PRIMARY KEY (kennung, nr))"));
}

// The search text: every listed text field and the number in the form the
// search compares, filled in for the orders already there.
void TSchema::Auf_V2()
{
    Ausfuehren(QStringLiteral("ALTER TABLE bestellungen ADD COLUMN suchtext TEXT NOT NULL DEFAULT ''"));
    QSqlQuery Lesen(m_Db);
    Lesen.setForwardOnly(true);
    if (!Lesen.exec(QStringLiteral("SELECT kennung, nummer, datum, ansprechpartner, telefon, rechnungsempfaenger, "
                                   "bauvorhaben, bemerkungen FROM bestellungen")))
        throw EAblagefehler(Lesen.lastError(), m_Dialekt);
    std::vector<std::pair<QString, QString>> Neu;
    while (Lesen.next()) {
        QStringList Felder;
        for (int i = 1; i <= 7; ++i)
            Felder << Lesen.value(i).toString();
        Neu.emplace_back(Lesen.value(0).toString(), TAblage::Suchtext_Aus(Felder));
    }
    QSqlQuery Schreiben(m_Db);
    Schreiben.prepare(QStringLiteral("UPDATE bestellungen SET suchtext = ? WHERE kennung = ?"));
    for (const auto& [Kennung, Text] : Neu) {
        Schreiben.addBindValue(Text);
        Schreiben.addBindValue(Kennung);
        if (!Schreiben.exec())
            throw EAblagefehler(Schreiben.lastError(), m_Dialekt);
    }
}

// The engine's own index for the search as one types.
void TSchema::Auf_V3()
{
    for (const QString& Sql : m_Dialekt.Suchindex())
        Ausfuehren(Sql);
}

// On a server, an index that finds the typed words anywhere in the search text.
void TSchema::Auf_V4()
{
    for (const QString& Sql : m_Dialekt.Trigrammindex())
        Ausfuehren(Sql);
}
