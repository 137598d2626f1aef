#pragma once

#include "archive/TAblage.h"

#include <QDir>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

// An archive of many orders for the benchmarks, made once per program: names,
// places and projects drawn from short lists, with umlauts, one version each.
// Written without waiting for the disk; what is measured runs as in the program.
inline QString Ablage_Mit_Bestand(int Anzahl)
{
    static QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("bestand-%1.sqlite").arg(Anzahl));
    if (QFile::exists(Pfad))
        return Pfad;
    const QStringList Namen = {"Müller", "Schmidt", "Schneider", "Fischer", "Weiß", "Meyer", "Wagner", "Becker",
                               "Schulz", "Hoffmann", "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf",
                               "Schröder", "Neumann", "Schwarz", "Zimmermann", "Braun", "Krüger", "Hofmann", "Hartmann"};
    const QStringList Orte = {"Neubau", "Altbau", "Sanierung", "Anbau", "Wintergarten", "Dachgeschoss", "Scheune"};
    const QStringList Strassen = {"Am Hang", "Lindenweg", "Hauptstraße", "Gartenstraße", "Mühlgasse", "Bergstraße"};
    TAblage A(Pfad);
    QSqlQuery(A.Datenbank()).exec(QStringLiteral("PRAGMA synchronous = OFF"));
    const QByteArray Inhalt(2048, 'x');
    for (int i = 0; i < Anzahl; ++i) {
        TAblagefelder F;
        F.Datum = QDate(2020, 1, 1).addDays(i % 2000).toString(Qt::ISODate);
        F.Rechnungsempfaenger = QStringLiteral("%1 %2").arg(Namen[i % Namen.size()]).arg(i);
        F.Ansprechpartner = QStringLiteral("Herr %1").arg(Namen[(i / 7) % Namen.size()]);
        F.Telefon = QStringLiteral("0351 %1").arg(100000 + i);
        F.Bauvorhaben = QStringLiteral("%1 %2 %3").arg(Orte[i % Orte.size()], Strassen[(i / 3) % Strassen.size()]).arg(i % 97);
        F.Positionen = 1 + i % 40;
        F.Gesamtsumme = 100000 + i;
        A.Ablegen(TAblage::Neue_Kennung(),
                  {Inhalt + QByteArray::number(i), QStringLiteral("/angebote/b%1.dat").arg(i),
                   QDateTime::fromSecsSinceEpoch(1600000000 + i * 60LL), QStringLiteral("verkauf"), F});
    }
    return Pfad;
}
