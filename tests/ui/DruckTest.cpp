#include "Hauptfenster_Testhilfen.h"

#include "order/TBestellung.h"
#include "print/TDruckblatt.h"
#include "ui/main/TForm_Haupt.h"
#include "Testdateien.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Hauptfenster_Test;

namespace {

qsizetype Seitenzahl(const QByteArray& Pdf)
{
    return QString::fromLatin1(Pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")));
}

class DruckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Ordner.isValid());
        Fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
        Dienste.Druckziel = Pfad(QStringLiteral("gedruckt.pdf"));
    }

    QAction* Aktion(const char* Name) { return Suchen<QAction>(Fenster, Name); }
    void Neu(const QString& Text) { Eintrag_Waehlen(Suchen<QComboBox>(Fenster, "CBC_Haupt_NeuePos"), Text); }
    QString Pfad(const QString& Name) const { return Ordner.filePath(Name); }
    void Fenster_Anlegen(int Anzahl)
    {
        for (int i = 0; i < Anzahl; ++i)
            Fenster.NeuePosition_Anlegen(Positionstyp::Fenster);
    }

    QTemporaryDir Ordner;
    TTestdienste Dienste;
    TForm_Haupt Fenster;
};

TEST_F(DruckTest, BefehleStehenImDateimenueUndBrauchenPositionen)
{
    const struct
    {
        const char* Name;
        QString Text;
        QKeySequence Taste;
    } Befehle[] = {
        {"BestellblattPDF1", QStringLiteral("Bestellblatt als PDF…"), QKeySequence()},
        {"Drucken1", QStringLiteral("Drucken…"), QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Druckvorschau1", QStringLiteral("Druckvorschau"), QKeySequence()},
    };
    const QMenu* Datei = Suchen<QMenu>(Fenster, "Datei1");
    for (const auto& Befehl : Befehle) {
        SCOPED_TRACE(Befehl.Name);
        QAction* A = Aktion(Befehl.Name);
        EXPECT_TRUE(Datei->actions().contains(A));
        EXPECT_EQ(A->text(), Befehl.Text);
        EXPECT_EQ(A->shortcut(), Befehl.Taste);
        EXPECT_FALSE(A->isEnabled());
    }
    Neu(QStringLiteral("Fenster"));
    for (const auto& Befehl : Befehle)
        EXPECT_TRUE(Aktion(Befehl.Name)->isEnabled()) << Befehl.Name;
}

TEST_F(DruckTest, PdfWirdMitVorschlagGespeichertUndGemeldet)
{
    Neu(QStringLiteral("Fenster"));
    Dienste.Pfade = {Pfad(QStringLiteral("blatt"))};
    Aktion("BestellblattPDF1")->trigger();

    const QString Name = Pfad(QStringLiteral("blatt.pdf"));
    const QByteArray Pdf = Inhalt(Name);
    EXPECT_TRUE(Pdf.startsWith("%PDF-"));
    EXPECT_EQ(Seitenzahl(Pdf), Seitenzahl(TDruckblatt::Mit_Skizzen(Fenster.Bestellung()).Pdf()));
    ASSERT_EQ(Dienste.Dateiwahlen.size(), 1u);
    EXPECT_EQ(Dienste.Dateiwahlen[0].Titel, QStringLiteral("Bestellblatt als PDF speichern unter"));
    EXPECT_EQ(Dienste.Dateiwahlen[0].Filter, QStringLiteral("Bestellblatt (*.pdf);;Alle (*)"));
    EXPECT_EQ(Dienste.Dateiwahlen[0].Endung, QStringLiteral("pdf"));
    EXPECT_EQ(Dienste.Dateiwahlen[0].Vorschlag, QStringLiteral("Bestellblatt_") + Heute());
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Informationen"));
    EXPECT_EQ(Dienste.Meldungen[0].Text,
              Name + QStringLiteral(" gespeichert! Sie können das Bestellblatt nun öffnen, ausdrucken und "
                                    "zurückfaxen oder einfach per e-Mail zurücksenden!"));

    // Cancelled: nothing written, nothing said.
    Dienste.Pfade = {QString()};
    Aktion("BestellblattPDF1")->trigger();
    EXPECT_EQ(Dienste.Meldungen.size(), 1u);

    const QString Unmoeglich = Pfad(QStringLiteral("fehlt/blatt.pdf"));
    Dienste.Pfade = {Unmoeglich};
    Aktion("BestellblattPDF1")->trigger();
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Meldungen[1].Art, QStringLiteral("Fehler"));
    EXPECT_TRUE(Dienste.Meldungen[1].Text.startsWith(QStringLiteral("Fehler beim Speichern von ") + Unmoeglich));
    EXPECT_EQ(Inhalt(Name), Pdf);
    EXPECT_TRUE(Dienste.Geoeffnet.empty());
}

TEST_F(DruckTest, StrgPDrucktNachDemDialogDieselbenSeitenWieDasPdf)
{
    Fenster_Anlegen(40);
    QApplication::setActiveWindow(&Fenster);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenster));

    Dienste.Druckantworten = {false};
    QTest::keyClick(&Fenster, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Dienste.Druckdialoge, 1);
    EXPECT_FALSE(QFile::exists(Dienste.Druckziel));

    Dienste.Druckantworten = {true};
    QTest::keyClick(&Fenster, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Dienste.Druckdialoge, 2);
    const qsizetype Seiten = Seitenzahl(Inhalt(Dienste.Druckziel));
    EXPECT_GE(Seiten, 2);
    EXPECT_EQ(Seiten, Seitenzahl(TDruckblatt::Mit_Skizzen(Fenster.Bestellung()).Pdf()));
    EXPECT_TRUE(Dienste.Meldungen.empty());
}

TEST_F(DruckTest, DruckvorschauZeigtDieSeitenDesBlatts)
{
    Fenster_Anlegen(40);
    Aktion("Druckvorschau1")->trigger();
    EXPECT_EQ(Dienste.Vorschauen, 1);
    const qsizetype Seiten = Seitenzahl(Inhalt(Dienste.Druckziel));
    EXPECT_GE(Seiten, 2);
    EXPECT_EQ(Seiten, Seitenzahl(TDruckblatt::Mit_Skizzen(Fenster.Bestellung()).Pdf()));
}

} // namespace
