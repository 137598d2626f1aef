#include "base/Fehler.h"
#include "ui/shared/Slotschutz.h"

#include "Hauptfenster_Testhilfen.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

using Hauptfenster_Test::TTestdienste;

namespace {

// A receiver whose slot throws for one text and records the others.
class TEmpfaenger : public QObject
{
public:
    void Text_Pruefen(const QString& Text)
    {
        if (Text == QLatin1String("kaputt"))
            throw EKonvertierungsfehler(QStringLiteral("'kaputt' ist kein gültiger Wert"));
        Gesehen.push_back(Text);
    }
    QStringList Gesehen;
};

TEST(Slotschutz, AusnahmeImSlotWirdSpaeterAlsFehlerGemeldet)
{
    TTestdienste Dienste;
    QPushButton Knopf;
    int Danach = 0;
    Slotschutz::Verbinden(&Knopf, &QPushButton::clicked, &Knopf,
                          [] { throw EBereichsfehler(QStringLiteral("Bereichsüberschreitung: Index 7")); });
    // A second slot on the same signal still runs: the first one's error did not leave the emission.
    Slotschutz::Verbinden(&Knopf, &QPushButton::clicked, &Knopf, [&Danach](bool) { ++Danach; });

    EXPECT_NO_THROW(Knopf.click());
    EXPECT_EQ(Danach, 1);
    // Shown through a queued call, not inside the signal.
    EXPECT_TRUE(Dienste.Meldungen.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Fehler"));
    EXPECT_EQ(Dienste.Meldungen[0].Text, QStringLiteral("Bereichsüberschreitung: Index 7"));
}

TEST(Slotschutz, MethodeMitArgumentUndJedeArtVonAusnahme)
{
    TTestdienste Dienste;
    QLineEdit Feld;
    TEmpfaenger Empfaenger;
    Slotschutz::Verbinden(&Feld, &QLineEdit::textChanged, &Empfaenger, &TEmpfaenger::Text_Pruefen);
    Slotschutz::Verbinden(&Feld, &QLineEdit::returnPressed, &Feld, [] { throw std::out_of_range("vector::at"); });
    Slotschutz::Verbinden(&Feld, &QLineEdit::editingFinished, &Feld, [] { throw 42; });

    Feld.setText(QStringLiteral("gut"));
    EXPECT_NO_THROW(Feld.setText(QStringLiteral("kaputt")));
    Feld.setText(QStringLiteral("wieder gut"));
    EXPECT_EQ(Empfaenger.Gesehen, QStringList({QStringLiteral("gut"), QStringLiteral("wieder gut")}));
    EXPECT_NO_THROW(emit Feld.returnPressed());
    EXPECT_NO_THROW(emit Feld.editingFinished());
    QCoreApplication::processEvents();
    ASSERT_EQ(Dienste.Meldungen.size(), 3u);
    EXPECT_EQ(Dienste.Meldungen[0].Text, QStringLiteral("'kaputt' ist kein gültiger Wert"));
    EXPECT_EQ(Dienste.Meldungen[1].Text, QStringLiteral("vector::at"));
    EXPECT_EQ(Dienste.Meldungen[2].Text, QStringLiteral("Unbekannter Fehler"));
}

TEST(Slotschutz, KeinBerichtNachDemEndeDesEmpfaengers)
{
    TTestdienste Dienste;
    QPushButton Knopf;
    int Aufrufe = 0;
    {
        QObject Empfaenger;
        Slotschutz::Verbinden(&Knopf, &QPushButton::clicked, &Empfaenger, [&Aufrufe] { ++Aufrufe; });
        Knopf.click();
    }
    Knopf.click();
    EXPECT_EQ(Aufrufe, 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Dienste.Meldungen.empty());
}

} // namespace
