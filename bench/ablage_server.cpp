// The archive on a PostgreSQL server: bench/ablage_server.sh starts a
// throw-away one as the tests do and names it in QUADROLIS_BENCH_SERVER.

#include "Ablage_Bestand.h"

#include "order/Bestelldatei.h"
#include "order/TBestellung.h"

#include <QSqlQuery>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

namespace {

// A database of its own on the server, created once per name.
QString Serverablage(const QString& Name)
{
    const QString Server = qEnvironmentVariable("QUADROLIS_BENCH_SERVER");
    if (Server.isEmpty())
        return QString();
    static std::set<QString> Angelegt;
    QString Ort = Server;
    Ort.replace(QStringLiteral("@/postgres"), QStringLiteral("@/") + Name);
    if (Angelegt.insert(Name).second) {
        {
            TAblage Verwaltung(Server);
            QSqlQuery(Verwaltung.Datenbank()).exec(QStringLiteral("CREATE DATABASE ") + Name);
        }
        // As tools/ablage-server.sql sets a database up: with the index of letter triples.
        const TAblagedialekt D(TAblagedialekt::TArt::PostgreSQL);
        {
            QSqlDatabase Db = QSqlDatabase::addDatabase(D.Treiber(), QStringLiteral("einrichten"));
            D.Ort_Setzen(Db, Ort);
            if (Db.open())
                QSqlQuery(Db).exec(QStringLiteral("CREATE EXTENSION pg_trgm"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("einrichten"));
    }
    return Ort;
}

// The 100 000 orders of the file benchmarks, moved onto the server once.
QString Server_Mit_Bestand(int Anzahl)
{
    static QString Ort;
    if (Ort.isEmpty()) {
        Ort = Serverablage(QStringLiteral("bestand"));
        if (!Ort.isEmpty())
            TAblage(Ort).Uebernehmen(TAblage(Ablage_Mit_Bestand(Anzahl)));
    }
    return Ort;
}

void Server_Suche_Je_Tastendruck(benchmark::State& State, const char* Text)
{
    const QString Ort = Server_Mit_Bestand(100000);
    if (Ort.isEmpty()) {
        State.SkipWithError("QUADROLIS_BENCH_SERVER fehlt (bench/ablage_server.sh)");
        return;
    }
    TAblage A(Ort);
    TAblage::TSuche Suche;
    Suche.Text = QString::fromUtf8(Text);
    for (auto _ : State) {
        QSqlQuery Treffer = A.Suchen(Suche);
        int Zeilen = 0;
        while (Zeilen < 256 && Treffer.next())
            ++Zeilen;
        benchmark::DoNotOptimize(Zeilen);
    }
}
BENCHMARK_CAPTURE(Server_Suche_Je_Tastendruck, haeufig_mueller, "mueller")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Server_Suche_Je_Tastendruck, zwei_woerter, "muller am hang")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Server_Suche_Je_Tastendruck, selten_telefon, "0351 19999")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Server_Suche_Je_Tastendruck, kein_treffer, "qqqq")->Unit(benchmark::kMillisecond);

TNeueVersion Fassung(const QByteArray& Bytes, const TAblagefelder& Felder)
{
    return {Bytes, QStringLiteral("/angebote/a.dat"), QDateTime::currentDateTime(), QStringLiteral("verkauf"), Felder};
}

// What a save adds on the server: an order of 20 positions, one version in its transaction.
void Server_Ablegen(benchmark::State& State)
{
    const QString Ort = Serverablage(QStringLiteral("ablegen"));
    if (Ort.isEmpty()) {
        State.SkipWithError("QUADROLIS_BENCH_SERVER fehlt (bench/ablage_server.sh)");
        return;
    }
    TAblage A(Ort);
    TBestellung B;
    for (int i = 0; i < 20; ++i)
        B.Position_Anfuegen(i % 5 == 0 ? Positionstyp::Freie : Positionstyp::Fenster);
    B.Rechnungsempfaenger = QStringLiteral("Müller & Söhne GbR");
    QByteArray Bytes;
    Bestelldatei::Bytes_Erzeugen(B, Bytes);
    const TAblagefelder Felder = TAblagefelder::Von(B);
    const QString Kennung = TAblage::Neue_Kennung();
    for (auto _ : State) {
        Bytes += ' ';
        A.Ablegen(Kennung, Fassung(Bytes, Felder));
    }
}
BENCHMARK(Server_Ablegen)->Unit(benchmark::kMillisecond);

// 8 writers at once, 1000 versions each, a new order every tenth: every
// version must be there afterwards and every number unique.
void Server_Acht_Schreiber(benchmark::State& State)
{
    constexpr int Schreiber = 8, Je = 1000;
    static int Lauf = 0; // each repetition in a database of its own
    for (auto _ : State) {
        const QString Ort = Serverablage(QStringLiteral("schreiber%1").arg(++Lauf));
        if (Ort.isEmpty()) {
            State.SkipWithError("QUADROLIS_BENCH_SERVER fehlt (bench/ablage_server.sh)");
            return;
        }
        TAblage{Ort}; // the schema, before the clock matters
        std::atomic<int> Fehler = 0;
        QString Meldung;
        std::vector<std::thread> Faeden;
        for (int s = 0; s < Schreiber; ++s)
            Faeden.emplace_back([&, s] {
                try {
                    TAblage A(Ort);
                    QString Kennung;
                    for (int i = 0; i < Je; ++i) {
                        if (i % 10 == 0)
                            Kennung = TAblage::Neue_Kennung();
                        A.Ablegen(Kennung, Fassung(QByteArray::number(s) + '-' + QByteArray::number(i), {}));
                    }
                } catch (const EFehler& F) {
                    if (++Fehler == 1)
                        Meldung = F.Meldung();
                }
            });
        for (std::thread& F : Faeden)
            F.join();
        State.PauseTiming();
        TAblage A(Ort);
        QSqlQuery Q(A.Datenbank());
        Q.exec(QStringLiteral("SELECT (SELECT count(*) FROM versionen), (SELECT count(DISTINCT nummer) FROM "
                              "bestellungen), (SELECT count(*) FROM bestellungen)"));
        Q.next();
        if (Fehler > 0 || Q.value(0).toInt() != Schreiber * Je || Q.value(1).toInt() != Schreiber * Je / 10
            || Q.value(2).toInt() != Schreiber * Je / 10) {
            const QString Text = QStringLiteral("%1 Fassungen, %2 Nummern, %3 Bestellungen; %4")
                                     .arg(Q.value(0).toInt())
                                     .arg(Q.value(1).toInt())
                                     .arg(Q.value(2).toInt())
                                     .arg(Meldung);
            State.SkipWithError(Text.toStdString().c_str());
            break;
        }
        State.ResumeTiming();
    }
    State.counters["Fassungen/s"] =
        benchmark::Counter(double(Schreiber * Je) * double(State.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(Server_Acht_Schreiber)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
