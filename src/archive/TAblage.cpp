#include "archive/TAblage.h"

#include "archive/Suchtext.h"
#include "archive/TAblageeinstellung.h"
#include "archive/TSchema.h"
#include "base/Zahlformat.h"
#include "order/TBestellung.h"

#include <QAtomicInteger>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>

#include <array>

// ------------------------------------------------------------ transaction

TTransaktion::TTransaktion(QSqlDatabase& Db, const TAblagedialekt& Dialekt)
    : m_Db(Db)
    , m_Dialekt(Dialekt)
{
    QSqlQuery Beginn(m_Db);
    if (!Beginn.exec(m_Dialekt.Schreibtransaktion()))
        throw EAblagefehler(Beginn.lastError(), m_Dialekt);
}

TTransaktion::~TTransaktion()
{
    if (m_Offen)
        QSqlQuery(m_Db).exec(QStringLiteral("ROLLBACK"));
}

void TTransaktion::Abschliessen()
{
    QSqlQuery Ende(m_Db);
    if (!Ende.exec(QStringLiteral("COMMIT")))
        throw EAblagefehler(Ende.lastError(), m_Dialekt);
    m_Offen = false;
}

// ------------------------------------------------------------ fields

namespace {

std::int64_t Cent(long double Wert)
{
    // Rounded as the window shows the amount, so list and window agree to the cent.
    QString Text = Zahlformat::Betrag(Wert, QLocale::c());
    Text.remove(QLatin1Char('.'));
    return Text.toLongLong();
}

// The order's date as yyyy-MM-dd where its text is a date, for the date filter.
QVariant Tag(const QString& Datum)
{
    for (const char* Format : {"yyyy-MM-dd", "d.M.yyyy", "dd.MM.yyyy"}) {
        const QDate Gelesen = QDate::fromString(Datum.trimmed(), QLatin1String(Format));
        if (Gelesen.isValid())
            return Gelesen.toString(Qt::ISODate);
    }
    return QVariant(QMetaType::fromType<QString>());
}

// Qt binds a null text as NULL; the archive's text columns hold empty texts instead.
QVariant Text(const QString& Wert)
{
    return Wert.isNull() ? QVariant(QStringLiteral("")) : QVariant(Wert);
}

QString Pruefsumme(const QByteArray& Inhalt)
{
    return QString::fromLatin1(QCryptographicHash::hash(Inhalt, QCryptographicHash::Sha256).toHex());
}

const std::array<const char*, int(TAblage::TSpalte::Anzahl)> Spaltennamen = {
    "nummer", "datum", "rechnungsempfaenger", "ansprechpartner", "bauvorhaben", "positionen", "gesamtsumme",
    "status", "gespeichert", "benutzer"};

QString Spalte(TAblage::TSpalte S)
{
    return QLatin1String(Spaltennamen[std::size_t(S)]);
}

} // namespace

TAblagefelder TAblagefelder::Von(const TBestellung& B)
{
    TAblagefelder F;
    F.Datum = B.Datum;
    F.Ansprechpartner = B.Ansprechpartner;
    F.Telefon = B.Telefon;
    F.Rechnungsempfaenger = B.Rechnungsempfaenger;
    F.Bauvorhaben = B.Bauvorhaben;
    F.Bemerkungen = B.Bemerkungen;
    F.Positionen = B.Anzahl_Positionen();
    for (const TPositionseintrag& E : B.Positionen())
        if (const TPosition* P = E.Als<TPosition>())
            F.Fenster += P->Abmessungen.Anzahl();
    const TSummen S = B.Summen();
    F.Warensumme = Cent(S.Summe_Waren);
    F.Gesamtsumme = Cent(S.Gesamtsumme);
    return F;
}

// ------------------------------------------------------------ set-up

const QStringList& TAblage::Statuswerte()
{
    static const QStringList Werte = {QStringLiteral("Angebot"), QStringLiteral("Bestellt"),
                                      QStringLiteral("Erledigt"), QStringLiteral("Abgelehnt")};
    return Werte;
}

QString TAblage::Standardpfad()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("ablage.sqlite"));
}

QString TAblage::Anmeldename()
{
    for (const char* Name : {"USER", "LOGNAME", "USERNAME"}) {
        const QString Wert = qEnvironmentVariable(Name);
        if (!Wert.isEmpty())
            return Wert;
    }
    return QStringLiteral("unbekannt");
}

QString TAblage::Neue_Kennung()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

bool TAblage::Ist_Kennung(const QString& Text)
{
    return Text.size() == 36 && !QUuid::fromString(Text).isNull();
}

QString TAblage::Betrag(std::int64_t Cent, const QLocale& Gebietsschema)
{
    const std::uint64_t Betrag = Cent < 0 ? std::uint64_t(0) - std::uint64_t(Cent) : std::uint64_t(Cent);
    return (Cent < 0 ? QStringLiteral("-") : QString()) + QString::number(Betrag / 100) + Gebietsschema.decimalPoint()
           + QStringLiteral("%1").arg(Betrag % 100, 2, 10, QLatin1Char('0'));
}

QString TAblage::Suchtext_Aus(const QStringList& Felder)
{
    return Suchtext::Normalisieren(Felder.join(QLatin1Char('\n')));
}

QString TAblage::Standardort()
{
    const QString Ort = qEnvironmentVariable("QUADROLIS_ABLAGE").trimmed();
    return Ort.isEmpty() ? TAblageeinstellung::Lesen().Ort() : Ort;
}

TAblage::TAblage(const QString& Pfad, int Schema_Bis)
    : m_Pfad(Pfad)
    , m_Dialekt(TAblagedialekt::Art_Von(Pfad))
{
    static QAtomicInteger<int> Zaehler;
    m_Verbindung = QStringLiteral("ablage-%1").arg(Zaehler.fetchAndAddRelaxed(1));

    const bool Datei = m_Dialekt.Art() == TAblagedialekt::TArt::SQLite;
    const QFileInfo Info(Pfad);
    if (Datei && Info.exists() && !Info.isFile())
        throw EAblagefehler(QStringLiteral("Die Ablage \"%1\" ist keine Datei.").arg(Pfad),
                            TAblagedialekt::TUrsache::Schreibgeschuetzt);
    if (Datei && !Info.exists() && !QDir().mkpath(Info.absolutePath()))
        throw EAblagefehler(QStringLiteral("Der Ordner der Ablage \"%1\" kann nicht angelegt werden.")
                                .arg(Info.absolutePath()),
                            TAblagedialekt::TUrsache::Schreibgeschuetzt);

    m_Db = QSqlDatabase::addDatabase(m_Dialekt.Treiber(), m_Verbindung);
    try {
        if (!m_Db.isValid())
            throw EAblagefehler(Datei ? QStringLiteral("Der SQLite-Treiber von Qt fehlt (Paket libqt6sql6-sqlite).")
                                      : QStringLiteral("Der PostgreSQL-Treiber von Qt fehlt (Paket libqt6sql6-psql)."));
        m_Dialekt.Ort_Setzen(m_Db, Pfad);
        if (!m_Db.open())
            throw EAblagefehler(m_Db.lastError(), m_Dialekt);
        TSchema(m_Db, m_Dialekt).Aktualisieren(Schema_Bis < 0 ? TSchema::Aktuelle_Version : Schema_Bis);
    } catch (...) {
        m_Db.close();
        m_Db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_Verbindung);
        throw;
    }
}

void TAblage::Neu_Verbinden()
{
    m_Db.close();
    if (!m_Db.open())
        throw EAblagefehler(m_Db.lastError(), m_Dialekt);
    // Meanwhile a newer program may have stepped the database forward.
    TSchema(m_Db, m_Dialekt).Aktualisieren();
}

void TAblage::Pruefen(const QString& Ort)
{
    const TAblagedialekt Dialekt(TAblagedialekt::Art_Von(Ort));
    if (Dialekt.Art() == TAblagedialekt::TArt::SQLite && !QFileInfo::exists(Ort))
        return;
    static QAtomicInteger<int> Zaehler;
    const QString Name = QStringLiteral("ablage-pruefen-%1").arg(Zaehler.fetchAndAddRelaxed(1));
    {
        QSqlDatabase Db = QSqlDatabase::addDatabase(Dialekt.Treiber(), Name);
        try {
            if (!Db.isValid())
                throw EAblagefehler(QStringLiteral("Der Treiber %1 von Qt fehlt.").arg(Dialekt.Treiber()));
            Dialekt.Ort_Setzen(Db, Ort);
            if (!Db.open())
                throw EAblagefehler(Db.lastError(), Dialekt);
            TSchema(Db, Dialekt).Pruefen();
            if (const QString Rechte = Dialekt.Rechteabfrage(); !Rechte.isEmpty()) {
                QSqlQuery A(Db);
                if (!A.exec(Rechte) || !A.next())
                    throw EAblagefehler(A.lastError(), Dialekt);
                if (!A.value(0).toBool())
                    throw EAblagefehler(QStringLiteral("Der Benutzer hat auf dem Server nicht die Rechte, die die "
                                                       "Ablage braucht."),
                                        TAblagedialekt::TUrsache::Keine_Rechte);
            }
        } catch (...) {
            Db.close();
            Db = QSqlDatabase();
            QSqlDatabase::removeDatabase(Name);
            throw;
        }
        Db.close();
    }
    QSqlDatabase::removeDatabase(Name);
}

TAblage::~TAblage()
{
    m_Db.close();
    m_Db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_Verbindung);
}

QSqlQuery TAblage::Abfrage() const
{
    QSqlQuery A(m_Db);
    A.setForwardOnly(true);
    return A;
}

void TAblage::Fehler(const QSqlQuery& A) const
{
    throw EAblagefehler(A.lastError(), m_Dialekt);
}

void TAblage::Ausfuehren(QSqlQuery& A) const
{
    if (!A.exec())
        Fehler(A);
}

// ------------------------------------------------------------ writing

QString TAblage::Nummer_Ziehen(int Jahr, int& Laufnummer)
{
    QSqlQuery A = Abfrage();
    A.prepare(QStringLiteral("INSERT INTO nummernkreis (jahr, letzte) VALUES (?, 0) ON CONFLICT (jahr) DO NOTHING"));
    A.addBindValue(Jahr);
    Ausfuehren(A);
    A.prepare(QStringLiteral("UPDATE nummernkreis SET letzte = letzte + 1 WHERE jahr = ?"));
    A.addBindValue(Jahr);
    Ausfuehren(A);
    A.prepare(QStringLiteral("SELECT letzte FROM nummernkreis WHERE jahr = ?"));
    A.addBindValue(Jahr);
    Ausfuehren(A);
    if (!A.next())
        Fehler(A);
    Laufnummer = A.value(0).toInt();
    return QStringLiteral("%1-%2").arg(Jahr).arg(Laufnummer, 4, 10, QLatin1Char('0'));
}

TAblage::TAbgelegt TAblage::Ablegen(const QString& Kennung, const TNeueVersion& V, TDoppelt Doppelt,
                                    const QString& Vorgaenger)
{
    if (!Ist_Kennung(Kennung))
        throw EAblagefehler(QStringLiteral("\"%1\" ist keine Kennung einer Bestellung.").arg(Kennung));
    const QString Summe = Pruefsumme(V.Inhalt);
    const TAblagefelder& F = V.Felder;
    const qint64 Zeit = V.Zeit.toMSecsSinceEpoch();

    TTransaktion T(m_Db, m_Dialekt);
    TAbgelegt Ergebnis;
    Ergebnis.Kennung = Kennung;

    QSqlQuery A = Abfrage();
    const std::optional<TBestellinfo> Vorhanden = Bestellung(Kennung);
    if (Vorhanden) {
        Ergebnis.Nummer = Vorhanden->Nummer;
        A.prepare(Doppelt == TDoppelt::Letzte
                      ? QStringLiteral("SELECT nr FROM versionen WHERE kennung = ? AND pruefsumme = ? AND nr = ?")
                      : QStringLiteral("SELECT nr FROM versionen WHERE kennung = ? AND pruefsumme = ? AND nr <= ? "
                                       "ORDER BY nr DESC"));
        A.addBindValue(Kennung);
        A.addBindValue(Summe);
        A.addBindValue(Vorhanden->Versionen);
        Ausfuehren(A);
        if (A.next()) {
            Ergebnis.Version = A.value(0).toInt();
            return Ergebnis;
        }
        // Taking the order's row first serialises writers of one order on every engine.
        A.prepare(QStringLiteral("UPDATE bestellungen SET versionen = versionen + 1, gespeichert = ?, benutzer = ?, "
                                 "pfad = ?, datum = ?, tag = ?, ansprechpartner = ?, telefon = ?, "
                                 "rechnungsempfaenger = ?, bauvorhaben = ?, bemerkungen = ?, positionen = ?, "
                                 "fenster = ?, warensumme = ?, gesamtsumme = ?, suchtext = ? WHERE kennung = ?"));
    } else {
        int Laufnummer = 0;
        const int Jahr = QDate::currentDate().year();
        Ergebnis.Nummer = Nummer_Ziehen(Jahr, Laufnummer);
        const bool mitVorgaenger = !Vorgaenger.isEmpty() && Bestellung(Vorgaenger).has_value();
        A.prepare(QStringLiteral("INSERT INTO bestellungen (kennung, nummer, jahr, laufnummer, vorgaenger, status, "
                                 "angelegt, versionen, gespeichert, benutzer, pfad, datum, tag, ansprechpartner, "
                                 "telefon, rechnungsempfaenger, bauvorhaben, bemerkungen, positionen, fenster, "
                                 "warensumme, gesamtsumme, suchtext) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        A.addBindValue(Kennung);
        A.addBindValue(Ergebnis.Nummer);
        A.addBindValue(Jahr);
        A.addBindValue(Laufnummer);
        A.addBindValue(mitVorgaenger ? QVariant(Vorgaenger) : QVariant(QMetaType::fromType<QString>()));
        A.addBindValue(Statuswerte().front());
        A.addBindValue(Zeit);
    }
    A.addBindValue(Zeit);
    A.addBindValue(Text(V.Benutzer));
    A.addBindValue(Text(V.Pfad));
    A.addBindValue(Text(F.Datum));
    A.addBindValue(Tag(F.Datum));
    A.addBindValue(Text(F.Ansprechpartner));
    A.addBindValue(Text(F.Telefon));
    A.addBindValue(Text(F.Rechnungsempfaenger));
    A.addBindValue(Text(F.Bauvorhaben));
    A.addBindValue(Text(F.Bemerkungen));
    A.addBindValue(F.Positionen);
    A.addBindValue(F.Fenster);
    A.addBindValue(qint64(F.Warensumme));
    A.addBindValue(qint64(F.Gesamtsumme));
    A.addBindValue(Suchtext_Aus({Ergebnis.Nummer, F.Datum, F.Ansprechpartner, F.Telefon, F.Rechnungsempfaenger,
                                 F.Bauvorhaben, F.Bemerkungen}));
    if (Vorhanden)
        A.addBindValue(Kennung);
    Ausfuehren(A);

    Ergebnis.Version = 1;
    if (Vorhanden) {
        // Read once the row is ours: a writer on another connection may have added a version meanwhile.
        A.prepare(QStringLiteral("SELECT versionen FROM bestellungen WHERE kennung = ?"));
        A.addBindValue(Kennung);
        Ausfuehren(A);
        if (!A.next())
            Fehler(A);
        Ergebnis.Version = A.value(0).toInt();
    }
    Ergebnis.Neue_Version = true;
    A.prepare(QStringLiteral("INSERT INTO versionen (kennung, nr, gespeichert, benutzer, pfad, pruefsumme, inhalt, "
                             "positionen, gesamtsumme) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& Wert : {QVariant(Kennung), QVariant(Ergebnis.Version), QVariant(Zeit), Text(V.Benutzer),
                                 Text(V.Pfad), QVariant(Summe), QVariant(V.Inhalt), QVariant(F.Positionen),
                                 QVariant(qint64(F.Gesamtsumme))})
        A.addBindValue(Wert);
    Ausfuehren(A);
    if (!Vorhanden) {
        A.prepare(QStringLiteral("INSERT INTO statuswechsel (kennung, nr, zeit, benutzer, status) VALUES (?, 1, ?, ?, ?)"));
        A.addBindValue(Kennung);
        A.addBindValue(Zeit);
        A.addBindValue(Text(V.Benutzer));
        A.addBindValue(Statuswerte().front());
        Ausfuehren(A);
    }
    T.Abschliessen();
    return Ergebnis;
}

void TAblage::Status_Setzen(const QString& Kennung, const QString& Status, const QString& Benutzer)
{
    if (!Statuswerte().contains(Status))
        throw EAblagefehler(QStringLiteral("Unbekannter Status \"%1\".").arg(Status));
    TTransaktion T(m_Db, m_Dialekt);
    QSqlQuery A = Abfrage();
    A.prepare(QStringLiteral("UPDATE bestellungen SET status = ? WHERE kennung = ?"));
    A.addBindValue(Status);
    A.addBindValue(Kennung);
    Ausfuehren(A);
    if (A.numRowsAffected() != 1)
        throw EAblagefehler(QStringLiteral("Die Bestellung ist nicht in der Ablage."));
    // Untyped values in a SELECT list are text to the server; the number is read first instead.
    A.prepare(QStringLiteral("SELECT COALESCE(MAX(nr), 0) + 1 FROM statuswechsel WHERE kennung = ?"));
    A.addBindValue(Kennung);
    Ausfuehren(A);
    if (!A.next())
        Fehler(A);
    const int Nr = A.value(0).toInt();
    A.prepare(QStringLiteral("INSERT INTO statuswechsel (kennung, nr, zeit, benutzer, status) VALUES (?, ?, ?, ?, ?)"));
    A.addBindValue(Kennung);
    A.addBindValue(Nr);
    A.addBindValue(QDateTime::currentMSecsSinceEpoch());
    A.addBindValue(Text(Benutzer));
    A.addBindValue(Status);
    Ausfuehren(A);
    T.Abschliessen();
}

// ------------------------------------------------------------ reading

std::optional<TAblage::TBestellinfo> TAblage::Info_Lesen(const QString& Bedingung, const QVariant& Wert) const
{
    QSqlQuery A = Abfrage();
    A.prepare(QStringLiteral("SELECT kennung, nummer, status, vorgaenger, versionen FROM bestellungen WHERE ")
              + Bedingung);
    A.addBindValue(Wert);
    Ausfuehren(A);
    if (!A.next())
        return std::nullopt;
    return TBestellinfo{A.value(0).toString(), A.value(1).toString(), A.value(2).toString(), A.value(3).toString(),
                        A.value(4).toInt()};
}

std::optional<TAblage::TBestellinfo> TAblage::Bestellung(const QString& Kennung) const
{
    return Info_Lesen(QStringLiteral("kennung = ?"), Kennung);
}

std::optional<TAblage::TBestellinfo> TAblage::Bestellung_Zur_Nummer(const QString& Nummer) const
{
    return Info_Lesen(QStringLiteral("nummer = ?"), Nummer.trimmed());
}

std::optional<TAblage::TBestellinfo> TAblage::Bestellung_Zum_Inhalt(const QByteArray& Inhalt) const
{
    return Info_Lesen(QStringLiteral("kennung = (SELECT MIN(kennung) FROM versionen WHERE pruefsumme = ?)"),
                      Pruefsumme(Inhalt));
}

std::vector<TAblage::TVersion> TAblage::Versionen(const QString& Kennung) const
{
    QSqlQuery A = Abfrage();
    A.prepare(QStringLiteral("SELECT nr, gespeichert, benutzer, pfad, positionen, gesamtsumme FROM versionen "
                             "WHERE kennung = ? ORDER BY nr"));
    A.addBindValue(Kennung);
    Ausfuehren(A);
    std::vector<TVersion> Liste;
    while (A.next())
        Liste.push_back({A.value(0).toInt(), QDateTime::fromMSecsSinceEpoch(A.value(1).toLongLong()),
                         A.value(2).toString(), A.value(3).toString(), A.value(4).toInt(), A.value(5).toLongLong()});
    return Liste;
}

QByteArray TAblage::Inhalt(const QString& Kennung, int Nr) const
{
    QSqlQuery A = Abfrage();
    A.prepare(Nr > 0 ? QStringLiteral("SELECT inhalt FROM versionen WHERE kennung = ? AND nr = ?")
                     : QStringLiteral("SELECT inhalt FROM versionen WHERE kennung = ? ORDER BY nr DESC"));
    A.addBindValue(Kennung);
    if (Nr > 0)
        A.addBindValue(Nr);
    Ausfuehren(A);
    return A.next() ? A.value(0).toByteArray() : QByteArray();
}

std::vector<TAblage::TStatuswechsel> TAblage::Statusverlauf(const QString& Kennung) const
{
    QSqlQuery A = Abfrage();
    A.prepare(QStringLiteral("SELECT zeit, benutzer, status FROM statuswechsel WHERE kennung = ? ORDER BY nr"));
    A.addBindValue(Kennung);
    Ausfuehren(A);
    std::vector<TStatuswechsel> Liste;
    while (A.next())
        Liste.push_back({QDateTime::fromMSecsSinceEpoch(A.value(0).toLongLong()), A.value(1).toString(),
                         A.value(2).toString()});
    return Liste;
}

QSqlQuery TAblage::Suchen(const TSuche& Suche) const
{
    QStringList Bedingungen;
    QVariantList Werte;
    for (const QString& Wort : Suchtext::Normalisieren(Suche.Text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Bedingungen << m_Dialekt.Enthaelt(QStringLiteral("suchtext"));
        Werte << m_Dialekt.Suchwert(Wort);
    }
    if (!Suche.Status.isEmpty()) {
        Bedingungen << QStringLiteral("status = ?");
        Werte << Suche.Status;
    }
    if (Suche.Von.isValid()) {
        Bedingungen << QStringLiteral("tag >= ?");
        Werte << Suche.Von.toString(Qt::ISODate);
    }
    if (Suche.Bis.isValid()) {
        Bedingungen << QStringLiteral("tag <= ?");
        Werte << Suche.Bis.toString(Qt::ISODate);
    }
    QString Sql = QStringLiteral("SELECT nummer, datum, rechnungsempfaenger, ansprechpartner, bauvorhaben, "
                                 "positionen, gesamtsumme, status, gespeichert, benutzer, kennung FROM bestellungen");
    if (!Bedingungen.isEmpty())
        Sql += QStringLiteral(" WHERE ") + Bedingungen.join(QStringLiteral(" AND "));
    const QString Richtung = Suche.Richtung == Qt::AscendingOrder ? QStringLiteral(" ASC") : QStringLiteral(" DESC");
    Sql += QStringLiteral(" ORDER BY ") + Spalte(Suche.Sortierung) + Richtung;
    if (Suche.Sortierung != TSpalte::Nummer)
        Sql += QStringLiteral(", nummer") + Richtung;

    QSqlQuery A(m_Db);
    A.prepare(Sql);
    for (const QVariant& Wert : Werte)
        A.addBindValue(Wert);
    Ausfuehren(A);
    return A;
}

QStringList TAblage::Werte(TSpalte Feld) const
{
    if (Feld != TSpalte::Rechnungsempfaenger && Feld != TSpalte::Ansprechpartner && Feld != TSpalte::Bauvorhaben)
        return {};
    const QString Name = Spalte(Feld);
    QSqlQuery A = Abfrage();
    A.prepare(QStringLiteral("SELECT %1 FROM bestellungen WHERE %1 <> '' GROUP BY %1 ORDER BY MAX(gespeichert) DESC")
                  .arg(Name));
    Ausfuehren(A);
    QStringList Liste;
    while (A.next())
        Liste << A.value(0).toString();
    return Liste;
}

std::optional<std::pair<QString, QString>> TAblage::Kontakt(const QString& Rechnungsempfaenger) const
{
    QSqlQuery A = Abfrage();
    A.prepare(QStringLiteral("SELECT ansprechpartner, telefon FROM bestellungen WHERE rechnungsempfaenger = ? "
                             "ORDER BY gespeichert DESC"));
    A.addBindValue(Rechnungsempfaenger);
    Ausfuehren(A);
    if (!A.next())
        return std::nullopt;
    return std::make_pair(A.value(0).toString(), A.value(1).toString());
}
