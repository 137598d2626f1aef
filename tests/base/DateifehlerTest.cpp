#include "base/Dateifehler.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

TEST(Dateifehler, HaeufigeUrsachenAufDeutschMitDemDateinamen)
{
    const struct
    {
        int Fehlernummer;
        bool Schreiben;
        const char* Satzteil;
    } Faelle[] = {
        {EACCES, false, "Keine Berechtigung"}, {EPERM, true, "Keine Berechtigung"}, {EROFS, true, "Keine Berechtigung"},
        {ENOSPC, true, "Der Datenträger ist voll"}, {EDQUOT, true, "Der Datenträger ist voll"},
        {ENOENT, false, "existiert nicht"}, {ENOENT, true, "Der Ordner"}, {ENOTDIR, true, "Der Ordner"},
        {EISDIR, true, "ist ein Ordner"}, {ENXIO, false, "keine gewöhnliche Datei"},
        {EIO, false, "Lesefehler"}, {EIO, true, "Schreibfehler"}, {EFBIG, true, "zu groß"},
        {0, true, "Schreibfehler"}, {0, false, "Lesefehler"},
    };
    const QString Pfad = QStringLiteral("/home/anna/Bestellung_2026-12-08.dat");
    for (const auto& F : Faelle) {
        const QString Text = Dateifehler::Meldung_Nach(F.Fehlernummer, F.Schreiben, Pfad);
        EXPECT_TRUE(Text.contains(QString::fromUtf8(F.Satzteil))) << F.Fehlernummer << ' ' << qPrintable(Text);
        EXPECT_TRUE(Text.contains(QLatin1Char('"') + Pfad + QLatin1Char('"'))) << qPrintable(Text);
        // No text of the system's own (English) reaches the user.
        EXPECT_FALSE(Text.contains(QString::fromLocal8Bit(std::strerror(F.Fehlernummer)))) << qPrintable(Text);
    }
}

TEST(Dateifehler, GleicheDateiAuchUeberVerweisUndAndereSchreibweise)
{
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("a.dat"));
    QFile F(Datei);
    ASSERT_TRUE(F.open(QIODevice::WriteOnly));
    F.close();
    const QString Verweis = Ordner.filePath(QStringLiteral("v.htm"));
    ASSERT_TRUE(QFile::link(Datei, Verweis));
    const QString Andere = Ordner.filePath(QStringLiteral("b.dat"));
    ASSERT_TRUE(QFile::copy(Datei, Andere));

    EXPECT_TRUE(Dateifehler::Gleiche_Datei(Datei, Datei));
    EXPECT_TRUE(Dateifehler::Gleiche_Datei(Datei, Verweis));
    EXPECT_TRUE(Dateifehler::Gleiche_Datei(Datei, Ordner.path() + QStringLiteral("/./a.dat")));
    EXPECT_FALSE(Dateifehler::Gleiche_Datei(Datei, Andere));
    EXPECT_FALSE(Dateifehler::Gleiche_Datei(Datei, Ordner.filePath(QStringLiteral("fehlt.htm"))));
}
