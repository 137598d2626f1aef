// Moving orders from one archive into another, e.g. from the file of a
// dealer who started alone onto the team's server.

#include "archive/TAblage.h"

#include <QSqlError>
#include <QVariant>

namespace {

// The order's own columns and those of its latest version.
const QStringList Kopfspalten = {"kennung", "nummer", "jahr", "laufnummer", "status", "angelegt"};
const QStringList Feldspalten = {"gespeichert", "benutzer", "pfad", "datum", "tag", "ansprechpartner", "telefon",
                                 "rechnungsempfaenger", "bauvorhaben", "bemerkungen", "positionen", "fenster",
                                 "warensumme", "gesamtsumme"};
const QString Versionsspalten = QStringLiteral("nr, gespeichert, benutzer, pfad, pruefsumme, inhalt, positionen, "
                                               "gesamtsumme");

// Qt reads a NULL text as an untyped null, which the server's driver cannot bind.
QVariant Gebunden(const QVariant& Wert)
{
    return Wert.isNull() ? QVariant(QMetaType::fromType<QString>()) : Wert;
}

QString Platzhalter(qsizetype Anzahl)
{
    QStringList Liste;
    for (qsizetype i = 0; i < Anzahl; ++i)
        Liste << QStringLiteral("?");
    return Liste.join(QStringLiteral(", "));
}

} // namespace

TAblage::TUmzug TAblage::Uebernehmen(const TAblage& Quelle)
{
    QSqlQuery A = Quelle.Abfrage();
    A.prepare(QStringLiteral("SELECT kennung, vorgaenger FROM bestellungen ORDER BY angelegt, nummer"));
    Quelle.Ausfuehren(A);
    std::vector<std::pair<QString, QString>> Liste;
    while (A.next())
        Liste.emplace_back(A.value(0).toString(), A.value(1).toString());
    A.finish();

    // The counters first pass every number that comes, so that nobody draws one
    // of them meanwhile and an order keeps its number wherever this archive has it free.
    A.prepare(QStringLiteral("SELECT jahr, MAX(laufnummer) FROM bestellungen GROUP BY jahr"));
    Quelle.Ausfuehren(A);
    std::vector<std::pair<int, int>> Hoechste;
    while (A.next())
        Hoechste.emplace_back(A.value(0).toInt(), A.value(1).toInt());
    A.finish();
    for (const auto& [Jahr, Laufnummer] : Hoechste) {
        TTransaktion T(m_Db, m_Dialekt);
        QSqlQuery Z = Abfrage();
        Z.prepare(QStringLiteral("INSERT INTO nummernkreis (jahr, letzte) VALUES (?, 0) ON CONFLICT (jahr) DO NOTHING"));
        Z.addBindValue(Jahr);
        Ausfuehren(Z);
        Z.prepare(QStringLiteral("UPDATE nummernkreis SET letzte = CASE WHEN letzte < ? THEN ? ELSE letzte END "
                                 "WHERE jahr = ?"));
        for (const QVariant& Wert : {QVariant(Laufnummer), QVariant(Laufnummer), QVariant(Jahr)})
            Z.addBindValue(Wert);
        Ausfuehren(Z);
        T.Abschliessen();
    }

    TUmzug Umzug;
    for (const auto& Bestellung : Liste)
        Bestellung_Uebernehmen(Quelle, Bestellung.first, Umzug);
    // Once every order is here, whatever order they came in.
    QSqlQuery B = Abfrage();
    B.prepare(QStringLiteral("UPDATE bestellungen SET vorgaenger = ? WHERE kennung = ? AND vorgaenger IS NULL"));
    for (const auto& [Kennung, Vorgaenger] : Liste) {
        if (Vorgaenger.isEmpty())
            continue;
        B.addBindValue(Vorgaenger);
        B.addBindValue(Kennung);
        Ausfuehren(B);
    }
    return Umzug;
}

void TAblage::Bestellung_Uebernehmen(const TAblage& Quelle, const QString& Kennung, TUmzug& Umzug)
{
    QSqlQuery Q = Quelle.Abfrage();
    Q.prepare(QStringLiteral("SELECT %1, %2 FROM bestellungen WHERE kennung = ?")
                  .arg(Kopfspalten.join(QStringLiteral(", ")), Feldspalten.join(QStringLiteral(", "))));
    Q.addBindValue(Kennung);
    Quelle.Ausfuehren(Q);
    if (!Q.next())
        return;
    QVariantList Kopf, Felder;
    for (int i = 0; i < Kopfspalten.size(); ++i)
        Kopf << Gebunden(Q.value(i));
    for (int i = 0; i < Feldspalten.size(); ++i)
        Felder << Gebunden(Q.value(int(Kopfspalten.size()) + i));
    Q.prepare(QStringLiteral("SELECT %1 FROM versionen WHERE kennung = ? ORDER BY nr").arg(Versionsspalten));
    Q.addBindValue(Kennung);
    Quelle.Ausfuehren(Q);
    std::vector<QVariantList> Versionen;
    while (Q.next()) {
        QVariantList Zeile;
        for (int i = 0; i < 8; ++i)
            Zeile << Gebunden(Q.value(i));
        Versionen.push_back(Zeile);
    }
    Q.prepare(QStringLiteral("SELECT nr, zeit, benutzer, status FROM statuswechsel WHERE kennung = ? ORDER BY nr"));
    Q.addBindValue(Kennung);
    Quelle.Ausfuehren(Q);
    std::vector<QVariantList> Wechsel;
    while (Q.next())
        Wechsel.push_back({Q.value(0), Q.value(1), Gebunden(Q.value(2)), Q.value(3)});
    Q.finish();

    TTransaktion T(m_Db, m_Dialekt);
    QSqlQuery A = Abfrage();
    // Taking the order's row first waits for anyone saving it meanwhile.
    A.prepare(QStringLiteral("UPDATE bestellungen SET versionen = versionen WHERE kennung = ?"));
    A.addBindValue(Kennung);
    Ausfuehren(A);
    const bool Neu = A.numRowsAffected() == 0;

    QString Nummer = Kopf[1].toString();
    int Letzte = 0;
    qint64 Gespeichert = 0;
    if (Neu) {
        A.prepare(QStringLiteral("SELECT count(*) FROM bestellungen WHERE nummer = ?"));
        A.addBindValue(Nummer);
        Ausfuehren(A);
        if (!A.next())
            Fehler(A);
        if (A.value(0).toInt() > 0) {
            int Laufnummer = 0;
            const QString Frei = Nummer_Ziehen(Kopf[2].toInt(), Laufnummer);
            Umzug.Umnummeriert.emplace_back(Nummer, Frei);
            Nummer = Frei;
            Kopf[1] = Nummer;
            Kopf[3] = Laufnummer;
        }
    } else {
        A.prepare(QStringLiteral("SELECT nummer, versionen, gespeichert FROM bestellungen WHERE kennung = ?"));
        A.addBindValue(Kennung);
        Ausfuehren(A);
        if (!A.next())
            Fehler(A);
        Nummer = A.value(0).toString();
        Letzte = A.value(1).toInt();
        Gespeichert = A.value(2).toLongLong();
    }

    const QString Suchtext = Suchtext_Aus({Nummer, Felder[3].toString(), Felder[5].toString(), Felder[6].toString(),
                                           Felder[7].toString(), Felder[8].toString(), Felder[9].toString()});
    if (Neu) {
        A.prepare(QStringLiteral("INSERT INTO bestellungen (%1, %2, versionen, suchtext) VALUES (%3)")
                      .arg(Kopfspalten.join(QStringLiteral(", ")), Feldspalten.join(QStringLiteral(", ")),
                           Platzhalter(Kopfspalten.size() + Feldspalten.size() + 2)));
        for (const QVariant& Wert : Kopf + Felder)
            A.addBindValue(Wert);
        A.addBindValue(0);
        A.addBindValue(Suchtext);
        Ausfuehren(A);
        ++Umzug.Bestellungen;
        A.prepare(QStringLiteral("INSERT INTO statuswechsel (kennung, nr, zeit, benutzer, status) VALUES (?, ?, ?, ?, ?)"));
        for (const QVariantList& Zeile : Wechsel) {
            A.addBindValue(Kennung);
            for (const QVariant& Wert : Zeile)
                A.addBindValue(Wert);
            Ausfuehren(A);
        }
    } else if (Felder[0].toLongLong() > Gespeichert) {
        A.prepare(QStringLiteral("UPDATE bestellungen SET %1 = ?, suchtext = ? WHERE kennung = ?")
                      .arg(Feldspalten.join(QStringLiteral(" = ?, "))));
        for (const QVariant& Wert : Felder)
            A.addBindValue(Wert);
        A.addBindValue(Suchtext);
        A.addBindValue(Kennung);
        Ausfuehren(A);
    }

    QSqlQuery Vorhanden = Abfrage();
    Vorhanden.prepare(QStringLiteral("SELECT count(*) FROM versionen WHERE kennung = ? AND pruefsumme = ? "
                                     "AND gespeichert = ?"));
    A.prepare(QStringLiteral("INSERT INTO versionen (kennung, %1) VALUES (?, %2)")
                  .arg(Versionsspalten, Platzhalter(8)));
    const int Vorher = Letzte;
    for (QVariantList& Zeile : Versionen) {
        Vorhanden.addBindValue(Kennung);
        Vorhanden.addBindValue(Zeile[4]);
        Vorhanden.addBindValue(Zeile[1]);
        Ausfuehren(Vorhanden);
        if (!Vorhanden.next())
            Fehler(Vorhanden);
        if (Vorhanden.value(0).toInt() > 0) {
            ++Umzug.Vorhanden;
            continue;
        }
        Zeile[0] = ++Letzte;
        A.addBindValue(Kennung);
        for (const QVariant& Wert : Zeile)
            A.addBindValue(Wert);
        Ausfuehren(A);
    }
    if (Letzte != Vorher) {
        A.prepare(QStringLiteral("UPDATE bestellungen SET versionen = ? WHERE kennung = ?"));
        A.addBindValue(Letzte);
        A.addBindValue(Kennung);
        Ausfuehren(A);
        Umzug.Versionen += Letzte - Vorher;
    }
    T.Abschliessen();
}
