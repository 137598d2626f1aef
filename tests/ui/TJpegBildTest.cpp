#include "ui/info/TJpegBild.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// Left half red, right half blue; gray pictures get one byte per pixel.
QByteArray Kodieren(int Breite, int Hoehe, bool Grau)
{
    jpeg_compress_struct Info;
    jpeg_error_mgr Fehler;
    Info.err = jpeg_std_error(&Fehler);
    jpeg_create_compress(&Info);
    unsigned char* Puffer = nullptr;
    unsigned long Laenge = 0;
    jpeg_mem_dest(&Info, &Puffer, &Laenge);
    Info.image_width = JDIMENSION(Breite);
    Info.image_height = JDIMENSION(Hoehe);
    Info.input_components = Grau ? 1 : 3;
    Info.in_color_space = Grau ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, 95, TRUE);
    jpeg_start_compress(&Info, TRUE);
    QByteArray Zeile(Breite * Info.input_components, '\0');
    for (int x = 0; x < Breite; ++x) {
        const bool Links = x < Breite / 2;
        if (Grau) {
            Zeile[x] = char(Links ? 40 : 220);
        } else {
            Zeile[3 * x] = char(Links ? 255 : 0);
            Zeile[3 * x + 1] = 0;
            Zeile[3 * x + 2] = char(Links ? 0 : 255);
        }
    }
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW Zeiger = reinterpret_cast<JSAMPROW>(Zeile.data());
        jpeg_write_scanlines(&Info, &Zeiger, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    QByteArray Ergebnis(reinterpret_cast<const char*>(Puffer), qsizetype(Laenge));
    std::free(Puffer);
    return Ergebnis;
}

bool Nahe(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24
           && std::abs(a.blue() - b.blue()) < 24;
}

} // namespace

TEST(TJpegBild, FarbbildWirdMitGroesseUndFarbenGelesen)
{
    QString Fehler;
    const QImage Bild = TJpegBild::Dekodieren(Kodieren(64, 24, false), &Fehler);
    ASSERT_FALSE(Bild.isNull()) << Fehler.toStdString();
    EXPECT_EQ(Bild.size(), QSize(64, 24));
    EXPECT_TRUE(Nahe(Bild.pixelColor(4, 12), Qt::red));
    EXPECT_TRUE(Nahe(Bild.pixelColor(60, 12), Qt::blue));
    EXPECT_TRUE(Nahe(Bild.pixelColor(10, 23), Qt::red));
}

TEST(TJpegBild, GraubildWirdZuRgb)
{
    QBuffer Quelle;
    Quelle.setData(Kodieren(32, 8, true));
    const QImage Bild = TJpegBild::Lesen(Quelle);
    ASSERT_FALSE(Bild.isNull());
    EXPECT_TRUE(Nahe(Bild.pixelColor(2, 2), QColor(40, 40, 40)));
    EXPECT_TRUE(Nahe(Bild.pixelColor(30, 2), QColor(220, 220, 220)));
}

TEST(TJpegBild, BeschaedigteDatenGebenLeeresBildUndMeldung)
{
    const QByteArray Gut = Kodieren(64, 64, false);
    QByteArray Kopfdefekt = Gut;
    // The first marker after SOI is overwritten with bytes that are no marker.
    Kopfdefekt[2] = 0x12;
    Kopfdefekt[3] = 0x34;
    QByteArray Datenfehler = Gut;
    for (qsizetype i = Gut.size() / 2; i < Gut.size() / 2 + 40; ++i)
        Datenfehler[i] = char(0xFF);

    const struct
    {
        const char* Fall;
        QByteArray Daten;
    } Faelle[] = {
        {"leer", QByteArray()},
        {"kein JPEG", QByteArrayLiteral("Bestellung_2024-01-01.dat")},
        {"abgeschnitten", Gut.left(Gut.size() / 3)},
        {"Kopf zerstoert", Kopfdefekt},
        {"Daten zerstoert", Datenfehler},
    };
    for (const auto& F : Faelle) {
        QString Fehler;
        const QImage Bild = TJpegBild::Dekodieren(F.Daten, &Fehler);
        EXPECT_TRUE(Bild.isNull()) << F.Fall;
        EXPECT_TRUE(Fehler.startsWith(QStringLiteral("JPEG-Bild nicht lesbar: "))) << F.Fall;
        EXPECT_GT(Fehler.size(), 24) << F.Fall;
    }
}

TEST(TJpegBild, FehlendeDateiNenntDenPfad)
{
    QString Fehler;
    const QString Pfad = QDir::temp().filePath(QStringLiteral("gibt_es_nicht_4711.jpg"));
    EXPECT_TRUE(TJpegBild::Laden(Pfad, &Fehler).isNull());
    EXPECT_TRUE(Fehler.startsWith(Pfad));
}

TEST(TJpegBild, MitgelieferteBilderSindLesbar)
{
    const QFileInfoList Bilder = QDir(QStringLiteral(":/bilder")).entryInfoList({QStringLiteral("*.jpg")});
    ASSERT_GE(Bilder.size(), 30);
    for (const QFileInfo& Datei : Bilder) {
        QString Fehler;
        const QImage Bild = TJpegBild::Laden(Datei.filePath(), &Fehler);
        EXPECT_FALSE(Bild.isNull()) << Datei.fileName().toStdString() << ": " << Fehler.toStdString();
        EXPECT_LE(Datei.size(), 150 * 1024) << Datei.fileName().toStdString();
    }
}
