#include "archive/Ablageimport.h"
#include "archive/TAblage.h"
#include "archive/TSchema.h"
#include "archive/TVersionsvergleich.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "Testdateien.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <memory>

inline void PrintTo(const QString& Text, std::ostream* Aus)
{
    *Aus << '"' << Text.toStdString() << '"';
}
inline void PrintTo(const QStringList& Liste, std::ostream* Aus)
{
    *Aus << '{' << Liste.join(QStringLiteral(" | ")).toStdString() << '}';
}

namespace {

class Ablage : public ::testing::Test
{
protected:
    QTemporaryDir Ordner;
    QString Pfad = Ordner.filePath(QStringLiteral("ablage.sqlite"));

    static TNeueVersion Version(const QByteArray& Inhalt, const QString& Empfaenger = QString())
    {
        TNeueVersion V{Inhalt, QStringLiteral("/tmp/a.dat"), QDateTime::currentDateTime(), QStringLiteral("tester"), {}};
        V.Felder.Rechnungsempfaenger = Empfaenger;
        return V;
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
};

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

// From an empty database and from every earlier schema: the archive ends at
// the current version, keeps what it held and finds it through the search.
TEST_F(Ablage, SchemaWirdVonJedemStandAusAktualisiert)
{
    for (int Start = 0; Start < TSchema::Aktuelle_Version; ++Start) {
        SCOPED_TRACE(Start);
        QFile::remove(Pfad);
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
        EXPECT_EQ(TSchema(A.Datenbank(), TAblagedialekt()).Version(), TSchema::Aktuelle_Version);
        EXPECT_EQ(Zeilen(A, "migrationen"), TSchema::Aktuelle_Version);
        const QStringList Gefunden = Nummern(A.Suchen(Suche(QStringLiteral("mueller"))));
        EXPECT_EQ(Gefunden, Start > 0 ? QStringList{QStringLiteral("2025-0007")} : QStringList{});
    }
}

// Neither a newer schema nor a damaged file is written to; each is refused in German.
TEST_F(Ablage, NeueresOderBeschaedigtesBleibtUnberuehrt)
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

TEST_F(Ablage, OrtOhneDateiWirdAbgelehnt)
{
    Schreiben(Ordner.filePath(QStringLiteral("datei")), "x");
    for (const QString& Ort : {Ordner.path(), Ordner.filePath(QStringLiteral("datei/ablage.sqlite"))})
        EXPECT_THROW(TAblage{Ort}, EAblagefehler) << Ort.toStdString();
}

TEST_F(Ablage, VersionenNummernStatusUndVorgaenger)
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
}

TEST_F(Ablage, SucheFindetUmlauteUmschriftenUndNummern)
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
TEST_F(Ablage, AbgebrochenerSchreiberHinterlaesstDenVorigenStand)
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
TEST_F(Ablage, ImportDerTestdaten)
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

// The key is written only when the order has one and read back on open.
TEST_F(Ablage, KennungInDerBestelldatei)
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
