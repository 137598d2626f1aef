#include "print/TTextsatz.h"

#include "fonts/TSchriften.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>

namespace {

struct TFall
{
    QString Text;
    TTextsatz::TArt Art;
    qreal Breite;
    int Zeilen, Hoechstens;
    // Smallest and largest size allowed, as a share of the given one.
    qreal Kleinste, Groesste;
};

TEST(TTextsatz, WorteBrechenNurWoKeineKleinereSchriftReicht)
{
    QImage Geraet(10, 10, QImage::Format_RGB32);
    const QFont Schrift = TSchriften::Schrift(8);
    const qreal Wohnzimmer = QFontMetricsF(Schrift, &Geraet).horizontalAdvance(QStringLiteral("Wohnzimmer"));
    const qreal k = TTextsatz::Kleinste_Groesse;
    const TFall Faelle[] = {
        {QStringLiteral("Wohnzimmer"), TTextsatz::TArt::Text, Wohnzimmer * 2, 1, 1, 1, 1},
        {QStringLiteral("Wohnzimmer"), TTextsatz::TArt::Text, Wohnzimmer * 0.9, 1, 1, k, 0.9},
        {QStringLiteral("Wohnzimmer links"), TTextsatz::TArt::Text, Wohnzimmer * 0.9, 2, 2, k, 0.9},
        {QStringLiteral("1000000,00"), TTextsatz::TArt::Zahl, Wohnzimmer * 0.3, 1, 1, 0, 0.5},
        {QStringLiteral("Donaudampfschifffahrtsgesellschaft"), TTextsatz::TArt::Text, Wohnzimmer, 3, 5, k, k},
        {QString(300, QLatin1Char('B')), TTextsatz::TArt::Text, Wohnzimmer, 20, 40, k, k},
    };
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(F.Text.left(40).toStdString());
        const TTextsatz Satz(F.Text, Schrift, F.Breite, Geraet, F.Art);
        const QStringList Zeilen = Satz.Zeilen();
        const qreal Anteil = Satz.Schrift().pointSizeF() / Schrift.pointSizeF();
        EXPECT_GE(Anteil, F.Kleinste - 1e-9);
        EXPECT_LE(Anteil, F.Groesste + 1e-9);
        EXPECT_GE(Zeilen.size(), F.Zeilen);
        EXPECT_LE(Zeilen.size(), F.Hoechstens);
        QString Zusammen;
        for (qsizetype i = 0; i < Zeilen.size(); ++i) {
            QString Zeile = Zeilen[i];
            EXPECT_LE(QFontMetricsF(Satz.Schrift(), &Geraet).horizontalAdvance(Zeile.trimmed()), F.Breite) << Zeile.toStdString();
            // A word broken at a syllable carries the hyphen; without syllables it breaks where the width ends.
            const bool Silben = F.Text.contains(QStringLiteral("dampf"));
            if (Silben && i + 1 < Zeilen.size()) {
                EXPECT_TRUE(Zeile.endsWith(u'-')) << Zeile.toStdString();
            }
            if (Silben && Zeile.endsWith(u'-'))
                Zeile.chop(1);
            Zusammen += Zeile;
        }
        EXPECT_EQ(Zusammen.simplified().remove(u' '), QString(F.Text).remove(u' '));
    }
}

} // namespace
