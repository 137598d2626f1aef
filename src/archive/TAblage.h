#pragma once

#include "archive/TAblagedialekt.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class TBestellung;

// A transaction that rolls back unless it was completed.
class TTransaktion
{
public:
    TTransaktion(QSqlDatabase& Db, const TAblagedialekt& Dialekt);
    ~TTransaktion();
    TTransaktion(const TTransaktion&) = delete;
    TTransaktion& operator=(const TTransaktion&) = delete;
    void Abschliessen();

private:
    QSqlDatabase& m_Db;
    const TAblagedialekt& m_Dialekt;
    bool m_Offen = true;
};

// What the archive lists and searches of one version of an order.
struct TAblagefelder
{
    QString Datum;
    QString Ansprechpartner;
    QString Telefon;
    QString Rechnungsempfaenger;
    QString Bauvorhaben;
    QString Bemerkungen;
    int Positionen = 0;
    int Fenster = 0;
    // In cents, as the main window shows them.
    std::int64_t Warensumme = 0;
    std::int64_t Gesamtsumme = 0;

    static TAblagefelder Von(const TBestellung& Bestellung);
};

// One version to keep: the exact bytes of the order file and where, when
// and by whom it was saved.
struct TNeueVersion
{
    QByteArray Inhalt;
    QString Pfad;
    QDateTime Zeit;
    QString Benutzer;
    TAblagefelder Felder;
};

// The order archive: every saved version of every order, with a readable
// number per year, a status and a search over the listed fields. All SQL
// of the program is here and in TSchema, with bound values only; the engine's
// peculiarities are in TAblagedialekt.
class TAblage
{
public:
    static const QStringList& Statuswerte(); // "Angebot" (new), "Bestellt", "Erledigt", "Abgelehnt"

    // The archive of the user: ablage.sqlite in the program's data folder.
    static QString Standardpfad();
    // Where the archive is: the libpq URI in QUADROLIS_ABLAGE, set by an
    // administrator, else the server of the settings (TAblageeinstellung),
    // else the file of the user.
    static QString Standardort();
    // The login name that versions and status changes record.
    static QString Anmeldename();
    // A new identity for an order.
    static QString Neue_Kennung();
    static bool Ist_Kennung(const QString& Text);
    // An amount in cents as the main window shows it ("1046,00" in German).
    static QString Betrag(std::int64_t Cent, const QLocale& Gebietsschema);
    // The stored search text of the given field texts.
    static QString Suchtext_Aus(const QStringList& Felder);

    // Opens the archive at Pfad, creating it on first use, and brings its schema
    // up to date. Pfad is a SQLite file or a libpq URI (postgresql://…) of a
    // database on a server, whose tables are created in it when it is empty.
    // Throws EAblagefehler, in German, for a database that is newer, damaged,
    // locked, unreachable or cannot be written; such a database is left as it was.
    explicit TAblage(const QString& Pfad, int Schema_Bis = -1);
    ~TAblage();
    TAblage(const TAblage&) = delete;
    TAblage& operator=(const TAblage&) = delete;

    const QString& Pfad() const { return m_Pfad; }
    // Tries the place as opening would, changing nothing: throws EAblagefehler,
    // in German, for an unreachable server, a wrong password, a missing
    // database, missing rights or a newer schema.
    static void Pruefen(const QString& Ort);
    // Opens the connection afresh after the server was out of reach; every
    // query of the old one ends. Throws EAblagefehler as opening does.
    void Neu_Verbinden();

    struct TAbgelegt
    {
        QString Kennung;
        QString Nummer;
        int Version = 0;       // the version holding the bytes
        bool Neue_Version = false;
    };
    enum class TDoppelt { Letzte, Jede };
    // Appends a version to the order Kennung, creating the order with the next
    // number of the current year when the archive does not know it yet (then
    // Vorgaenger, if given, names the order it was derived from). Bytes equal to
    // the latest version (Doppelt::Letzte) or to any version of the order
    // (Doppelt::Jede) add nothing.
    TAbgelegt Ablegen(const QString& Kennung, const TNeueVersion& Version, TDoppelt Doppelt = TDoppelt::Letzte,
                      const QString& Vorgaenger = QString());

    struct TBestellinfo
    {
        QString Kennung;
        QString Nummer;
        QString Status;
        QString Vorgaenger;
        int Versionen = 0;
    };
    std::optional<TBestellinfo> Bestellung(const QString& Kennung) const;
    std::optional<TBestellinfo> Bestellung_Zur_Nummer(const QString& Nummer) const;
    // The order one of whose versions holds exactly these bytes.
    std::optional<TBestellinfo> Bestellung_Zum_Inhalt(const QByteArray& Inhalt) const;

    struct TVersion
    {
        int Nr = 0;
        QDateTime Zeit;
        QString Benutzer;
        QString Pfad;
        int Positionen = 0;
        std::int64_t Gesamtsumme = 0;
    };
    // Oldest first.
    std::vector<TVersion> Versionen(const QString& Kennung) const;
    // The bytes of version Nr of the order (0: the latest); empty if there is none.
    QByteArray Inhalt(const QString& Kennung, int Nr = 0) const;

    void Status_Setzen(const QString& Kennung, const QString& Status, const QString& Benutzer = Anmeldename());
    struct TStatuswechsel
    {
        QDateTime Zeit;
        QString Benutzer;
        QString Status;
    };
    std::vector<TStatuswechsel> Statusverlauf(const QString& Kennung) const;

    // The list's columns, in the order the search query returns them; the
    // order's identity follows as the last column.
    enum class TSpalte { Nummer, Datum, Rechnungsempfaenger, Ansprechpartner, Bauvorhaben, Positionen, Gesamtsumme,
                         Status, Gespeichert, Benutzer, Anzahl };
    struct TSuche
    {
        QString Text;    // every word must occur, in any listed text field or the number
        QString Status;  // empty: every status
        QDate Von, Bis;  // the order's date, where it is one; invalid: open
        TSpalte Sortierung = TSpalte::Gespeichert;
        Qt::SortOrder Richtung = Qt::DescendingOrder;
    };
    // The matching orders, executed and fetched as they are read.
    QSqlQuery Suchen(const TSuche& Suche) const;

    // The distinct texts of a field for completion, the most recently saved first.
    QStringList Werte(TSpalte Feld) const;
    // Contact person and telephone of the latest order for this invoice recipient.
    std::optional<std::pair<QString, QString>> Kontakt(const QString& Rechnungsempfaenger) const;

    struct TUmzug
    {
        int Bestellungen = 0; // orders new here
        int Versionen = 0;    // versions new here
        int Vorhanden = 0;    // versions this archive held already
        std::vector<std::pair<QString, QString>> Umnummeriert; // number there, number here
    };
    // Copies every order of Quelle with its versions and status changes into
    // this archive, each order in a transaction of its own. A version is known
    // by its order's identity, its bytes and its time of saving, so a second
    // run adds nothing. An order keeps its number unless this archive gave it
    // to another one already; then it gets the next free number.
    TUmzug Uebernehmen(const TAblage& Quelle);

    QSqlDatabase& Datenbank() { return m_Db; }
    const TAblagedialekt& Dialekt() const { return m_Dialekt; }

private:
    QSqlQuery Abfrage() const;
    [[noreturn]] void Fehler(const QSqlQuery& Abfrage) const;
    void Ausfuehren(QSqlQuery& Abfrage) const;
    std::optional<TBestellinfo> Info_Lesen(const QString& Bedingung, const QVariant& Wert) const;
    QString Nummer_Ziehen(int Jahr, int& Laufnummer);
    void Bestellung_Uebernehmen(const TAblage& Quelle, const QString& Kennung, TUmzug& Umzug);

    QString m_Pfad;
    QString m_Verbindung;
    TAblagedialekt m_Dialekt;
    QSqlDatabase m_Db;
};
