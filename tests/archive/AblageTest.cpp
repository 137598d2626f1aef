#include "archive/Ablageimport.h"
#include "archive/TAblage.h"
#include "archive/TAblageeinstellung.h"
#include "archive/TSchema.h"
#include "archive/TVersionsvergleich.h"
#include "archive/TWarteschlange.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "Testdateien.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <set>
#include <thread>

inline void PrintTo(const QString& Text, std::ostream* Aus)
{
    *Aus << '"' << Text.toStdString() << '"';
}
inline void PrintTo(const QStringList& Liste, std::ostream* Aus)
{
    *Aus << '{' << Liste.join(QStringLiteral(" | ")).toStdString() << '}';
}

namespace {

// Opens Ort without the archive, runs Befehle and returns its tables and
// applied migrations; empty when it cannot be opened.
QStringList Roh(const QString& Ort, const QStringList& Befehle = {})
{
    const TAblagedialekt D(TAblagedialekt::Art_Von(Ort));
    QStringList Stand;
    {
        QSqlDatabase Db = QSqlDatabase::addDatabase(D.Treiber(), QStringLiteral("roh"));
        D.Ort_Setzen(Db, Ort);
        if (Db.open()) {
            QSqlQuery Q(Db);
            for (const QString& Befehl : Befehle)
                EXPECT_TRUE(Q.exec(Befehl)) << Q.lastError().text().toStdString();
            Stand = Db.tables();
            Stand.sort();
            Q.exec(QStringLiteral("SELECT version FROM migrationen ORDER BY version"));
            while (Q.next())
                Stand << Q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("roh"));
    return Stand;
}

// A PostgreSQL 15 cluster of this test program alone, started by
// postgres_temp.sh when a test first needs it and stopped when the program
// ends; the script stops it as well when the program dies.
class TServer
{
public:
    static TServer& Gemeinsam()
    {
        static TServer Server;
        return Server;
    }
    ~TServer()
    {
        if (m_Eingabe >= 0) {
            close(m_Eingabe);
            waitpid(m_Kind, nullptr, 0);
        }
    }
    bool Laeuft() const { return m_Eingabe >= 0; }
    const QString& Ordner() const { return m_Ordner; }
    QString Uri(const QString& Datenbank, const QString& Benutzer = QStringLiteral("postgres"),
                const QString& Passwort = QStringLiteral("geheim")) const
    {
        return QStringLiteral("postgresql://%1:%2@/%3?host=%4").arg(Benutzer, Passwort, Datenbank, m_Ordner);
    }
    QString Neue_Datenbank()
    {
        const QString Name = QStringLiteral("ablage_%1").arg(++m_Datenbanken);
        Roh(Uri(QStringLiteral("postgres")), {QStringLiteral("CREATE DATABASE ") + Name});
        return Uri(Name);
    }
    // Stops ("stop") or starts ("start") the server again, as the script does.
    bool Steuern(const QString& Befehl)
    {
        const QString Programm = QStringLiteral("/usr/lib/postgresql/15/bin/pg_ctl");
        QStringList Argumente = {QStringLiteral("-D"), m_Ordner + QStringLiteral("/daten"), QStringLiteral("-w"), Befehl};
        Argumente << (Befehl == QLatin1String("stop")
                          ? QStringList{QStringLiteral("-m"), QStringLiteral("immediate")}
                          : QStringList{QStringLiteral("-l"), m_Ordner + QStringLiteral("/server.log"), QStringLiteral("-o"),
                                        QStringLiteral("-k %1 -c listen_addresses= -F -c max_connections=40").arg(m_Ordner)});
        QProcess P;
        if (geteuid() == 0)
            P.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("nobody"),
                                                           QStringLiteral("--"), Programm} + Argumente);
        else
            P.start(Programm, Argumente);
        return P.waitForFinished(60000) && P.exitCode() == 0;
    }
    // A database set up by tools/ablage-server.sql, reached as the role it creates.
    QString Datenbank_Der_Rolle()
    {
        const QString Name = QStringLiteral("ablage_%1").arg(++m_Datenbanken);
        QProcess Psql;
        QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
        Umgebung.insert(QStringLiteral("PGPASSWORD"), QStringLiteral("geheim"));
        Psql.setProcessEnvironment(Umgebung);
        Psql.start(QStringLiteral("/usr/lib/postgresql/15/bin/psql"),
                   {QStringLiteral("-q"), QStringLiteral("-h"), m_Ordner, QStringLiteral("-U"), QStringLiteral("postgres"),
                    QStringLiteral("-v"), QStringLiteral("datenbank=") + Name, QStringLiteral("-v"),
                    QStringLiteral("passwort=rolle"), QStringLiteral("-f"),
                    QStringLiteral(QUADROLIS_TESTDATEN "/../../tools/ablage-server.sql")});
        if (!Psql.waitForFinished(60000) || Psql.exitCode() != 0)
            ADD_FAILURE() << Psql.readAllStandardError().toStdString();
        return Uri(Name, QStringLiteral("quadrolis"), QStringLiteral("rolle"));
    }

private:
    TServer()
    {
        char Vorlage[] = "/tmp/quadrolis-pg-XXXXXX";
        if (!mkdtemp(Vorlage))
            return;
        m_Ordner = QString::fromLocal8Bit(Vorlage);
        Schreiben(m_Ordner + QStringLiteral("/passwort"), "geheim\n");
        const QByteArray Skript = QUADROLIS_TESTDATEN "/../archive/postgres_temp.sh";
        const QByteArray Ordner = m_Ordner.toLocal8Bit();
        const QByteArray Passwort = Ordner + "/passwort";
        int Ein[2], Aus[2];
        if (pipe2(Ein, O_CLOEXEC) != 0 || pipe2(Aus, O_CLOEXEC) != 0)
            return;
        m_Kind = fork();
        if (m_Kind == 0) {
            dup2(Ein[0], 0);
            dup2(Aus[1], 1);
            execl("/bin/bash", "bash", Skript.constData(), Ordner.constData(), Passwort.constData(), nullptr);
            _exit(127);
        }
        close(Ein[0]);
        close(Aus[1]);
        QByteArray Antwort;
        char Zeichen = 0;
        while (!Antwort.endsWith('\n') && read(Aus[0], &Zeichen, 1) == 1)
            Antwort += Zeichen;
        close(Aus[0]);
        if (Antwort == "bereit\n")
            m_Eingabe = Ein[1];
        else {
            close(Ein[1]);
            waitpid(m_Kind, nullptr, 0);
        }
    }

    QString m_Ordner;
    pid_t m_Kind = -1;
    int m_Eingabe = -1;
    int m_Datenbanken = 0;
};

// Rolle: a server database as tools/ablage-server.sql sets it up, reached as its role.
TNeueVersion Version(const QByteArray& Inhalt, const QString& Empfaenger = QString())
{
    TNeueVersion V{Inhalt, QStringLiteral("/tmp/a.dat"), QDateTime::currentDateTime(), QStringLiteral("tester"), {}};
    V.Felder.Rechnungsempfaenger = Empfaenger;
    return V;
}

enum class TMotor { SQLite, PostgreSQL, Rolle };

class Ablage : public ::testing::TestWithParam<TMotor>
{
protected:
    QTemporaryDir Ordner;
    QString Pfad;

    void SetUp() override
    {
        if (GetParam() != TMotor::SQLite) {
            ASSERT_TRUE(TServer::Gemeinsam().Laeuft())
                << "PostgreSQL 15 startet nicht (/usr/lib/postgresql/15/bin, tools/install-deps.sh)";
        }
        Pfad = Neuer_Ort();
    }

    // An empty archive of the engine under test.
    QString Neuer_Ort()
    {
        if (GetParam() == TMotor::PostgreSQL)
            return TServer::Gemeinsam().Neue_Datenbank();
        if (GetParam() == TMotor::Rolle)
            return TServer::Gemeinsam().Datenbank_Der_Rolle();
        return Ordner.filePath(QStringLiteral("ablage%1.sqlite").arg(++m_Orte));
    }

    static int Zeilen(TAblage& A, const char* Tabelle)
    {
        QSqlQuery Q(A.Datenbank());
        Q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(Tabelle)));
        return Q.next() ? Q.value(0).toInt() : -1;
    }

    static QStringList Nummern(QSqlQuery Q)
    {
        QStringList Liste;
        while (Q.next())
            Liste << Q.value(0).toString();
        Liste.sort();
        return Liste;
    }

private:
    int m_Orte = 0;
};

// What only a file can be: damaged, a folder, killed at its commit.
class Ablagedatei : public Ablage
{
};

std::string Motorname(const ::testing::TestParamInfo<TMotor>& Info)
{
    return std::array{"SQLite", "PostgreSQL", "PostgreSQL_Rolle"}[std::size_t(Info.param)];
}

void PrintTo(TMotor Motor, std::ostream* Aus)
{
    *Aus << Motorname({Motor, 0});
}

TAblage::TSuche Suche(const QString& Text, const QString& Status = QString())
{
    TAblage::TSuche S;
    S.Text = Text;
    S.Status = Status;
    return S;
}

QString Jahresnummer(int n)
{
    return QStringLiteral("%1-%2").arg(QDate::currentDate().year()).arg(n, 4, 10, QLatin1Char('0'));
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Motoren, Ablage, ::testing::Values(TMotor::SQLite, TMotor::PostgreSQL, TMotor::Rolle),
                         Motorname);
INSTANTIATE_TEST_SUITE_P(Datei, Ablagedatei, ::testing::Values(TMotor::SQLite), Motorname);

// From an empty database and from every earlier schema: the archive ends at
// the current version, keeps what it held and finds it through the search.
TEST_P(Ablage, SchemaWirdVonJedemStandAusAktualisiert)
{
    for (int Start = 0; Start < TSchema::Aktuelle_Version; ++Start) {
        SCOPED_TRACE(Start);
        if (Start > 0)
            Pfad = Neuer_Ort();
        if (Start > 0) {
            TAblage Alt(Pfad, Start);
            QSqlQuery Q(Alt.Datenbank());
            // As the program of that schema wrote it: the search text came with version 2.
            const bool mitSuchtext = Start >= 2;
            ASSERT_TRUE(Q.exec(QStringLiteral(
                "INSERT INTO bestellungen (kennung, nummer, jahr, laufnummer, status, angelegt, versionen, "
                "gespeichert, benutzer, pfad, datum, ansprechpartner, telefon, rechnungsempfaenger, bauvorhaben, "
                "bemerkungen, positionen, fenster, warensumme, gesamtsumme%2) VALUES ('%1', '2025-0007', 2025, 7, "
                "'Angebot', 0, 1, 0, 'x', '', '', '', '', 'Müller', '', '', 0, 0, 0, 0%3)")
                                   .arg(TAblage::Neue_Kennung(), mitSuchtext ? QStringLiteral(", suchtext") : QString(),
                                        mitSuchtext ? QStringLiteral(", 'muller'") : QString())))
                << Q.lastError().text().toStdString();
        }
        TAblage A(Pfad);
        EXPECT_EQ(TSchema(A.Datenbank(), A.Dialekt()).Version(), TSchema::Aktuelle_Version);
        EXPECT_EQ(Zeilen(A, "migrationen"), TSchema::Aktuelle_Version);
        const QStringList Gefunden = Nummern(A.Suchen(Suche(QStringLiteral("mueller"))));
        EXPECT_EQ(Gefunden, Start > 0 ? QStringList{QStringLiteral("2025-0007")} : QStringList{});
    }
}

TEST_P(Ablage, NeueresSchemaBleibtUnberuehrt)
{
    {
        TAblage A(Pfad);
        ASSERT_TRUE(QSqlQuery(A.Datenbank()).exec(QStringLiteral("INSERT INTO migrationen VALUES (99, 0, '9.9')")));
    }
    const QStringList Vorher = Roh(Pfad);
    ASSERT_TRUE(Vorher.contains(QStringLiteral("99")));
    for (const auto& Versuch : {std::function<void()>([&] { TAblage{Pfad}; }), std::function<void()>([&] {
                                    TAblage::Pruefen(Pfad);
                                })}) {
        try {
            Versuch();
            ADD_FAILURE() << "geöffnet";
        } catch (const EAblagefehler& E) {
            EXPECT_TRUE(E.Meldung().contains(QStringLiteral("neueren Programmversion"))) << E.Meldung().toStdString();
        }
    }
    EXPECT_EQ(Roh(Pfad), Vorher);
}

// Neither a newer schema nor a damaged file is written to; each is refused in German.
TEST_P(Ablagedatei, NeueresOderBeschaedigtesBleibtUnberuehrt)
{
    {
        TAblage A(Pfad);
        QSqlQuery(A.Datenbank()).exec(QStringLiteral("INSERT INTO migrationen VALUES (99, 0, '9.9')"));
    }
    struct TFall
    {
        const char* Name;
        std::function<void()> Vorbereiten;
        const char* Meldung;
    };
    const TFall Faelle[] = {
        {"neuer", [] {}, "neueren Programmversion"},
        {"kaputt", [&] { Schreiben(Pfad, QByteArray(8192, 'x')); }, "beschädigt"},
        {"halb", [&] { Schreiben(Pfad, "SQLite format 3" + QByteArray(1, '\0') + QByteArray(4000, '\x7f')); },
         "beschädigt"},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Name);
        F.Vorbereiten();
        const QByteArray Vorher = Inhalt(Pfad);
        try {
            TAblage A(Pfad);
            ADD_FAILURE() << "geöffnet";
        } catch (const EAblagefehler& E) {
            EXPECT_TRUE(E.Meldung().contains(QString::fromUtf8(F.Meldung))) << E.Meldung().toStdString();
        }
        EXPECT_EQ(Inhalt(Pfad), Vorher);
    }
}

TEST_P(Ablagedatei, OrtOhneDateiWirdAbgelehnt)
{
    Schreiben(Ordner.filePath(QStringLiteral("datei")), "x");
    for (const QString& Ort : {Ordner.path(), Ordner.filePath(QStringLiteral("datei/ablage.sqlite"))})
        EXPECT_THROW(TAblage{Ort}, EAblagefehler) << Ort.toStdString();
}

TEST_P(Ablage, VersionenNummernStatusUndVorgaenger)
{
    TAblage A(Pfad);
    const QString K1 = TAblage::Neue_Kennung();
    const QString K2 = TAblage::Neue_Kennung();
    const QByteArray Bytes1("[Version]\r\nInfo=1.2\r\n\xe4\0", 21);

    const TAblage::TAbgelegt Erst = A.Ablegen(K1, Version(Bytes1));
    EXPECT_EQ(Erst.Nummer, Jahresnummer(1));
    EXPECT_TRUE(Erst.Neue_Version);
    EXPECT_FALSE(A.Ablegen(K1, Version(Bytes1)).Neue_Version) << "gleiche Bytes, keine neue Version";
    EXPECT_EQ(A.Ablegen(K1, Version("zwei")).Version, 2);
    EXPECT_EQ(A.Ablegen(K1, Version(Bytes1)).Version, 3) << "Speichern des alten Stands ist eine neue Version";
    EXPECT_EQ(A.Ablegen(K1, Version(Bytes1), TAblage::TDoppelt::Jede).Version, 3);

    const TAblage::TAbgelegt Variante = A.Ablegen(K2, Version("v"), TAblage::TDoppelt::Letzte, K1);
    EXPECT_EQ(Variante.Nummer, Jahresnummer(2));
    EXPECT_EQ(A.Bestellung(K2)->Vorgaenger, K1);
    EXPECT_EQ(A.Bestellung_Zur_Nummer(Jahresnummer(2))->Kennung, K2);
    EXPECT_EQ(A.Bestellung_Zum_Inhalt("zwei")->Kennung, K1);

    EXPECT_EQ(A.Inhalt(K1, 1), Bytes1);
    EXPECT_EQ(A.Inhalt(K1, 2), QByteArray("zwei"));
    EXPECT_EQ(A.Inhalt(K1), Bytes1);
    ASSERT_EQ(A.Versionen(K1).size(), 3u);
    EXPECT_EQ(A.Versionen(K1)[1].Benutzer, QStringLiteral("tester"));

    EXPECT_EQ(A.Bestellung(K1)->Status, QStringLiteral("Angebot"));
    A.Status_Setzen(K1, QStringLiteral("Bestellt"), QStringLiteral("chef"));
    A.Status_Setzen(K1, QStringLiteral("Erledigt"), QStringLiteral("chef"));
    EXPECT_THROW(A.Status_Setzen(K1, QStringLiteral("Verloren")), EAblagefehler);
    QStringList Verlauf;
    for (const TAblage::TStatuswechsel& W : A.Statusverlauf(K1))
        Verlauf << W.Status;
    EXPECT_EQ(Verlauf, (QStringList{"Angebot", "Bestellt", "Erledigt"}));
    EXPECT_EQ(A.Bestellung(K1)->Status, QStringLiteral("Erledigt"));

    // Long remarks of little repetition are kept whole on every engine.
    TNeueVersion Lang = Version("lang");
    for (int i = 0; i < 300; ++i)
        Lang.Felder.Bemerkungen += TAblage::Neue_Kennung();
    EXPECT_NO_THROW(A.Ablegen(TAblage::Neue_Kennung(), Lang));
}

TEST_P(Ablage, SucheFindetUmlauteUmschriftenUndNummern)
{
    TAblage A(Pfad);
    const char* Empfaenger[] = {"Müller & Söhne GbR", "Mueller Bau", "Bäckerei Weiß", "Schulze", "Groß_Bau 100%"};
    for (const char* E : Empfaenger)
        A.Ablegen(TAblage::Neue_Kennung(), Version(QByteArray(E), QString::fromUtf8(E)));

    struct TFall
    {
        QByteArray Text;
        QStringList Nummern;
    };
    const TFall Faelle[] = {
        {"mueller", {Jahresnummer(1), Jahresnummer(2)}},
        {"muller", {Jahresnummer(1), Jahresnummer(2)}},
        {"MÜLLER", {Jahresnummer(1), Jahresnummer(2)}},
        {"müller söhne", {Jahresnummer(1)}},
        {"baeckerei weiss", {Jahresnummer(3)}},
        {"WEISS", {Jahresnummer(3)}},
        {"gross_", {Jahresnummer(5)}},
        {"100%", {Jahresnummer(5)}},
        {"%", {Jahresnummer(5)}},
        {"_", {Jahresnummer(5)}},
        {Jahresnummer(4).toUtf8(), {Jahresnummer(4)}},
        {"meier", {}},
    };
    for (const TFall& F : Faelle)
        EXPECT_EQ(Nummern(A.Suchen(Suche(QString::fromUtf8(F.Text)))), F.Nummern) << F.Text.constData();

    A.Status_Setzen(A.Bestellung_Zur_Nummer(Jahresnummer(2))->Kennung, QStringLiteral("Abgelehnt"));
    EXPECT_EQ(Nummern(A.Suchen(Suche(QStringLiteral("mueller"), QStringLiteral("Abgelehnt")))),
              QStringList{Jahresnummer(2)});
    EXPECT_EQ(A.Werte(TAblage::TSpalte::Rechnungsempfaenger).size(), 5);
}

// A writer killed at the moment of a commit leaves the archive as the
// previous commit left it, and the next writer gets on with it.
TEST_P(Ablagedatei, AbgebrochenerSchreiberHinterlaesstDenVorigenStand)
{
    const QString K = TAblage::Neue_Kennung();
    {
        TAblage A(Pfad);
        A.Ablegen(K, Version("eins"));
    }
    const pid_t Kind = fork();
    ASSERT_GE(Kind, 0);
    if (Kind == 0) {
        TAblage A(Pfad);
        auto* Handle = *static_cast<sqlite3* const*>(A.Datenbank().driver()->handle().data());
        static int Commits = 0;
        sqlite3_commit_hook(
            Handle, [](void*) { if (++Commits == 2) raise(SIGKILL); return 0; }, nullptr);
        A.Ablegen(K, Version("zwei"));
        A.Ablegen(TAblage::Neue_Kennung(), Version("drei"));
        _exit(0);
    }
    int Status = 0;
    waitpid(Kind, &Status, 0);
    ASSERT_TRUE(WIFSIGNALED(Status));

    TAblage A(Pfad);
    EXPECT_EQ(A.Versionen(K).size(), 2u);
    EXPECT_EQ(A.Bestellung(K)->Versionen, 2);
    EXPECT_EQ(Zeilen(A, "bestellungen"), 1);
    EXPECT_EQ(A.Ablegen(K, Version("vier")).Version, 3);
    EXPECT_EQ(A.Ablegen(TAblage::Neue_Kennung(), Version("drei")).Nummer, Jahresnummer(2));
}

// tests/data: the readable orders are archived, the broken ones named with
// the reader's reason, and a second import adds nothing.
TEST_P(Ablage, ImportDerTestdaten)
{
    TAblage A(Pfad);
    const QStringList Dateien = Ablageimport::Dateien({QStringLiteral(QUADROLIS_TESTDATEN)});
    ASSERT_GT(Dateien.size(), 10);
    const Ablageimport::TErgebnis Erst = Ablageimport::Importieren(A, Dateien);
    QStringList Abgelehnt;
    for (const auto& [Datei, Grund] : Erst.Abgelehnt) {
        Abgelehnt << QFileInfo(Datei).fileName();
        EXPECT_FALSE(Grund.isEmpty());
    }
    for (const QString& Datei : Dateien) {
        const QString Name = QFileInfo(Datei).fileName();
        const bool Kaputt = Name.contains(QLatin1String("kaputt")) || Name == QLatin1String("abgeschnitten.dat")
                            || Name == QLatin1String("binaer.dat") || Name.contains(QLatin1String("ohne_abschnitte"));
        EXPECT_EQ(Abgelehnt.contains(Name), Kaputt) << Name.toStdString();
    }
    EXPECT_EQ(Erst.Aufgenommen + int(Erst.Abgelehnt.size()), int(Dateien.size()));
    EXPECT_EQ(Zeilen(A, "versionen"), Erst.Aufgenommen);

    const Ablageimport::TErgebnis Zweit = Ablageimport::Importieren(A, Dateien);
    EXPECT_EQ(Zweit.Aufgenommen, 0);
    EXPECT_EQ(Zweit.Vorhanden, Erst.Aufgenommen);
    EXPECT_EQ(Zeilen(A, "versionen"), Erst.Aufgenommen);

    const Ablageimport::TErgebnis Halb = Ablageimport::Importieren(A, Dateien, [](int n, int) { return n < 2; });
    EXPECT_TRUE(Halb.Abgebrochen);
}

// Two connections saving at the same moment: new orders get distinct
// numbers, and versions of one order distinct version numbers.
TEST_P(Ablage, GleichzeitigeSchreiberBekommenVerschiedeneNummern)
{
    const QString Gemeinsame = TAblage::Neue_Kennung();
    TAblage(Pfad).Ablegen(Gemeinsame, Version("0"));
    constexpr int Je = 20;
    std::vector<TAblage::TAbgelegt> Ergebnisse[2];
    QString Fehler[2];
    std::vector<std::thread> Schreiber;
    for (int s = 0; s < 2; ++s)
        Schreiber.emplace_back([&, s] {
            try {
                TAblage A(Pfad);
                for (int i = 0; i < Je; ++i) {
                    const QByteArray Bytes = QByteArray::number(s) + '-' + QByteArray::number(i);
                    Ergebnisse[s].push_back(A.Ablegen(TAblage::Neue_Kennung(), Version(Bytes)));
                    Ergebnisse[s].push_back(A.Ablegen(Gemeinsame, Version(Bytes)));
                }
            } catch (const EFehler& F) {
                Fehler[s] = F.Meldung();
            }
        });
    for (std::thread& T : Schreiber)
        T.join();
    EXPECT_EQ(Fehler[0] + Fehler[1], QString());
    std::set<QString> Nummern;
    std::set<int> Versionen;
    for (const auto& Liste : Ergebnisse)
        for (const TAblage::TAbgelegt& E : Liste)
            if (!(E.Kennung == Gemeinsame ? Versionen.insert(E.Version).second : Nummern.insert(E.Nummer).second))
                ADD_FAILURE() << "doppelt: " << E.Nummer.toStdString() << " Fassung " << E.Version;
    EXPECT_EQ(Nummern.size(), std::size_t(2 * Je));
    EXPECT_EQ(Nummern.count(Jahresnummer(2 * Je + 1)), 1u);
    TAblage A(Pfad);
    EXPECT_EQ(A.Versionen(Gemeinsame).size(), std::size_t(2 * Je + 1));
    EXPECT_EQ(Versionen.size(), std::size_t(2 * Je));
}

// A file's orders move with every version and status change; a number taken
// already is replaced, the others kept; a run again copies only what is new.
TEST_P(Ablage, UmzugAusDerDateiFuegtBeimZweitenLaufNichtsHinzu)
{
    TAblage Datei(Ordner.filePath(QStringLiteral("alt.sqlite")));
    const QString K1 = TAblage::Neue_Kennung(), K2 = TAblage::Neue_Kennung(), K3 = TAblage::Neue_Kennung();
    for (const char* Bytes : {"a", "b", "a"})
        Datei.Ablegen(K1, Version(Bytes));
    Datei.Status_Setzen(K1, QStringLiteral("Bestellt"), QStringLiteral("chef"));
    Datei.Ablegen(K2, Version("v", QStringLiteral("Weiß")), TAblage::TDoppelt::Letzte, K1);
    Datei.Ablegen(K3, Version("drei"));

    TAblage A(Pfad);
    A.Ablegen(TAblage::Neue_Kennung(), Version("hier"));
    struct TLauf
    {
        int Bestellungen, Versionen, Vorhanden;
        std::vector<std::pair<QString, QString>> Umnummeriert;
    };
    const TLauf Laeufe[] = {{3, 5, 0, {{Jahresnummer(1), Jahresnummer(4)}}}, {0, 1, 5, {}}, {0, 0, 6, {}}};
    for (const TLauf& L : Laeufe) {
        if (&L == &Laeufe[1])
            Datei.Ablegen(K1, Version("c"));
        const TAblage::TUmzug U = A.Uebernehmen(Datei);
        EXPECT_EQ(U.Bestellungen, L.Bestellungen);
        EXPECT_EQ(U.Versionen, L.Versionen);
        EXPECT_EQ(U.Vorhanden, L.Vorhanden);
        EXPECT_EQ(U.Umnummeriert, L.Umnummeriert);
    }
    EXPECT_EQ(Zeilen(A, "versionen"), 7);
    EXPECT_EQ(Zeilen(A, "statuswechsel"), 5);
    const std::vector<TAblage::TVersion> Alt = Datei.Versionen(K1), Neu = A.Versionen(K1);
    ASSERT_EQ(Neu.size(), 4u);
    for (int Nr = 1; Nr <= 4; ++Nr) {
        EXPECT_EQ(A.Inhalt(K1, Nr), Datei.Inhalt(K1, Nr));
        EXPECT_EQ(Neu[std::size_t(Nr - 1)].Zeit, Alt[std::size_t(Nr - 1)].Zeit);
    }
    EXPECT_EQ(A.Bestellung(K1)->Nummer, Jahresnummer(4));
    EXPECT_EQ(A.Bestellung(K1)->Status, QStringLiteral("Bestellt"));
    EXPECT_EQ(A.Statusverlauf(K1).size(), 2u);
    EXPECT_EQ(A.Bestellung(K2)->Nummer, Jahresnummer(2));
    EXPECT_EQ(A.Bestellung(K2)->Vorgaenger, K1);
    EXPECT_EQ(Nummern(A.Suchen(Suche(QStringLiteral("weiss")))), QStringList{Jahresnummer(2)});
    EXPECT_EQ(Nummern(A.Suchen(Suche(Jahresnummer(4)))), QStringList{Jahresnummer(4)});
    EXPECT_EQ(A.Ablegen(TAblage::Neue_Kennung(), Version("neu")).Nummer, Jahresnummer(5));
}

// The server stopped in the middle of a save and of a session: the version
// being written leaves no trace, those saved meanwhile wait in files and
// reach the archive once and in order when it is back.
TEST(AblageServer, AusfallMittenImSpeichernUndNachtragen)
{
    TServer& S = TServer::Gemeinsam();
    ASSERT_TRUE(S.Laeuft());
    const QString Ort = S.Neue_Datenbank();
    QTemporaryDir Ordner;
    TWarteschlange W(Ort, Ordner.path());
    TAblage A(Ort);
    const QString K = TAblage::Neue_Kennung(), K2 = TAblage::Neue_Kennung();
    A.Ablegen(K, Version("eins"));
    {
        // Another writer holds version 2 uncommitted, so this save waits half done.
        const TAblagedialekt D(TAblagedialekt::TArt::PostgreSQL);
        QSqlDatabase Sperre = QSqlDatabase::addDatabase(D.Treiber(), QStringLiteral("sperre"));
        D.Ort_Setzen(Sperre, Ort);
        ASSERT_TRUE(Sperre.open());
        QSqlQuery Q(Sperre);
        ASSERT_TRUE(Q.exec(QStringLiteral("BEGIN")));
        ASSERT_TRUE(Q.exec(QStringLiteral("INSERT INTO versionen (kennung, nr, gespeichert, benutzer, pfad, pruefsumme, "
                                          "inhalt, positionen, gesamtsumme) VALUES ('%1', 2, 0, '', '', '', '', 0, 0)")
                               .arg(K)));
        bool Abgebrochen = false;
        std::thread Schreiber([&] {
            try {
                A.Ablegen(K, Version("zwei"));
            } catch (const EAblagefehler&) {
                Abgebrochen = true;
            }
        });
        for (int i = 0; i < 500; ++i) {
            Q.exec(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE wait_event_type = 'Lock'"));
            if (Q.next() && Q.value(0).toInt() > 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_TRUE(S.Steuern(QStringLiteral("stop")));
        Schreiber.join();
        EXPECT_TRUE(Abgebrochen);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("sperre"));

    for (const auto& [Kennung, Bytes] : {std::pair{K, "zwei"}, {K2, "neu"}, {K, "drei"}})
        W.Anhaengen({Kennung, {}, Version(Bytes)});
    EXPECT_THROW(W.Zustellen(A), EAblagefehler);
    EXPECT_THROW(A.Neu_Verbinden(), EAblagefehler);
    EXPECT_EQ(W.Anzahl(), 3);

    ASSERT_TRUE(S.Steuern(QStringLiteral("start")));
    A.Neu_Verbinden();
    EXPECT_EQ(A.Bestellung(K)->Versionen, 1) << "nichts halb geschrieben";
    EXPECT_EQ(A.Versionen(K).size(), 1u);
    QStringList Zugestellt;
    W.Zustellen(A, [&](const TWarteschlange::TEintrag& E, const TAblage::TAbgelegt& Ergebnis) {
        Zugestellt << QString::fromLatin1(E.Version.Inhalt) + QString::number(Ergebnis.Version);
    });
    EXPECT_EQ(Zugestellt, (QStringList{"zwei2", "neu1", "drei3"}));
    EXPECT_EQ(W.Anzahl(), 0);
    EXPECT_EQ(A.Inhalt(K, 2), QByteArray("zwei"));
    // Delivered once more, as after a crash before its file was gone: nothing added.
    W.Anhaengen({K, {}, Version("drei")});
    W.Zustellen(A);
    EXPECT_EQ(A.Versionen(K).size(), 3u);
    EXPECT_EQ(A.Bestellung(K2)->Versionen, 1);
}

// A refused connection says in German what went wrong, without the password.
TEST(AblageServer, VerbindungsfehlerWerdenBenannt)
{
    TServer& S = TServer::Gemeinsam();
    ASSERT_TRUE(S.Laeuft());
    const QString Leer = S.Neue_Datenbank();
    Roh(Leer, {QStringLiteral("CREATE ROLE gast LOGIN PASSWORD 'gast'")});
    struct TFall
    {
        QString Ort;
        const char* Meldung;
    };
    const TFall Faelle[] = {
        {S.Uri(QStringLiteral("postgres"), QStringLiteral("postgres"), QStringLiteral("falsch")),
         "Benutzername oder Passwort ist falsch"},
        {S.Uri(QStringLiteral("gibt_es_nicht")), "gibt es auf dem Server nicht"},
        {QStringLiteral("postgresql://postgres:geheim@/postgres?host=/gibt/es/nicht"), "nicht erreichbar"},
        {QString(Leer).replace(QStringLiteral("postgres:geheim"), QStringLiteral("gast:gast")),
         "nicht die Rechte"},
    };
    // Opening, and the check of "Verbindung prüfen".
    const std::function<void(const QString&)> Versuche[] = {[](const QString& Ort) { TAblage{Ort}; },
                                                             &TAblage::Pruefen};
    for (const TFall& F : Faelle)
        for (const auto& Versuch : Versuche) {
            SCOPED_TRACE(F.Ort.toStdString());
            try {
                Versuch(F.Ort);
                ADD_FAILURE() << "geöffnet";
            } catch (const EAblagefehler& E) {
                EXPECT_TRUE(E.Meldung().contains(QString::fromUtf8(F.Meldung))) << E.Meldung().toStdString();
            }
        }
    EXPECT_EQ(Roh(Leer), QStringList{}) << "nichts angelegt";
    // The settings' fields make a URI that reaches the server; the check changes nothing.
    TAblageeinstellung E;
    E.Server = true;
    E.Host = S.Ordner();
    E.Benutzer = QStringLiteral("postgres");
    E.Datenbank = Leer.section(QStringLiteral("@/"), 1).section(QLatin1Char('?'), 0, 0);
    EXPECT_NO_THROW(TAblage::Pruefen(E.Uri(QStringLiteral("geheim"))));
    EXPECT_EQ(Roh(Leer), QStringList{});
    EXPECT_THROW(TAblage::Pruefen(E.Uri(QStringLiteral("falsch"))), EAblagefehler);
    EXPECT_EQ(TAblagedialekt::Anzeigename(S.Uri(QStringLiteral("x"))).contains(QStringLiteral("geheim")), false);
}

// The key is written only when the order has one and read back on open.
TEST(Ablagekennung, KennungInDerBestelldatei)
{
    TBestellung B;
    QByteArray Ohne, Mit;
    ASSERT_TRUE(Bestelldatei::Bytes_Erzeugen(B, Ohne));
    EXPECT_FALSE(Ohne.contains("Kennung"));
    B.Kennung = TAblage::Neue_Kennung();
    ASSERT_TRUE(Bestelldatei::Bytes_Erzeugen(B, Mit));
    EXPECT_EQ(Mit, QByteArray(Ohne).replace("MitNachtext=1\r\n", "MitNachtext=1\r\nKennung=" + B.Kennung.toLatin1() + "\r\n"));
    TBestellung Gelesen;
    ASSERT_TRUE(Bestelldatei::Bestellung_Lesen(Mit, Gelesen, QStringLiteral("x")));
    EXPECT_EQ(Gelesen.Kennung, B.Kennung);
}

TEST(Versionsvergleich, BeschreibtAenderungenInWorten)
{
    TBestellung Alt;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Testdatei("bestellblatt_gold.dat"), Alt));
    struct TFall
    {
        const char* Name;
        std::function<void(TBestellung&)> Aendern;
        QStringList Erwartet;
    };
    const auto Fenster = [](TBestellung& B) { return B.Eintrag(0).Als<TPosition>(); };
    const TFall Faelle[] = {
        {"nichts", [](TBestellung&) {}, {"Keine Unterschiede."}},
        {"Kopf", [](TBestellung& B) { B.Bauvorhaben = QStringLiteral("Altbau"); },
         {"Bauvorhaben: \"Neubau \"Am Hang\"\" → \"Altbau\""}},
        {"Holzart", [&](TBestellung& B) { Fenster(B)->Hoelzer.ItemIndex_Setzen(1); },
         {"Pos. 1: Holzart Fichte keilgezinkt → Fichte; Einzelpreis 396,00 → 450,00; Gesamtpreis 792,00 → 900,00",
          "Summe: 913,74 → 1005,18"}},
        {"Anzahl", [&](TBestellung& B) { Fenster(B)->Abmessungen.Anzahl_Setzen(3); },
         {"Pos. 1: Anzahl 2 → 3; Gesamtpreis 792,00 → 1188,00", "Summe: 913,74 → 1249,04"}},
        {"entfernt", [](TBestellung& B) { B.Position_Loeschen(2); }, 
         {"Pos. 3 entfernt: A&B", "Pos. 3 (vorher Pos. 2) verschoben: SFT", "Summe: 913,74 → 890,60"}},
        {"hinzugefügt", [](TBestellung& B) { B.Position_Anfuegen(Positionstyp::Freie); },
         {"Pos. 5 hinzugefügt: Fensterbank 3 < 4 & mehr"}},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Name);
        TBestellung Neu;
        ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Testdatei("bestellblatt_gold.dat"), Neu));
        F.Aendern(Neu);
        EXPECT_EQ(Versionsvergleich::Unterschiede(Alt, Neu), F.Erwartet);
    }
}
