#include "base/Dateifehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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

// A file the program names itself is created or replaced only as a regular
// file: a link (to a file, to nowhere) or a pipe standing there stays as it is,
// and what a link points to is neither written nor created.
TEST(Dateifehler, EigeneDateiFolgtKeinemVerweis)
{
    QTemporaryDir Ordner;
    const auto Pfad = [&](const char* Name) { return Ordner.filePath(QLatin1String(Name)); };
    const auto Inhalt = [](const QString& P) {
        QFile F(P);
        return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray("<fehlt>");
    };
    {
        QFile F(Pfad("opfer.txt"));
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write("Notiz");
    }
    ASSERT_TRUE(QFile::link(Pfad("opfer.txt"), Pfad("verweis.dat")));
    ASSERT_TRUE(QFile::link(Pfad("neu.txt"), Pfad("insleere.dat")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Pfad("pipe.dat")).constData(), 0600), 0);
    {
        QFile F(Pfad("alt.dat"));
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write("alt");
    }
    const struct
    {
        const char* Name;
        const char* Grund; // empty: written
    } Faelle[] = {
        {"verweis.dat", "ist ein Verweis"}, {"insleere.dat", "ist ein Verweis"},
        {"pipe.dat", "keine gewöhnliche Datei"}, {"alt.dat", ""},
        {"frisch.dat", ""},
    };
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Name);
        const auto Grund = Dateifehler::Eigene_Datei_Ersetzen(Pfad(F.Name), "neu");
        EXPECT_EQ(Grund.value_or(QString()).contains(QString::fromUtf8(F.Grund)), true);
        EXPECT_EQ(Grund.has_value(), *F.Grund != '\0');
        if (!Grund) {
            EXPECT_EQ(Inhalt(Pfad(F.Name)), "neu");
        }
    }
    EXPECT_EQ(Inhalt(Pfad("opfer.txt")), "Notiz");
    EXPECT_FALSE(QFile::exists(Pfad("neu.txt")));
    EXPECT_TRUE(QFileInfo(Pfad("verweis.dat")).isSymLink());
    EXPECT_TRUE(QFileInfo(Pfad("insleere.dat")).isSymLink());
    // Nothing is left over beside the files.
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Hidden | QDir::Files | QDir::System).size(), 6);
}
