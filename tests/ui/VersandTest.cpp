#include "Mit_Hauptfenster.h"
#include "Testdateien.h"

#include "order/TBestellung.h"
#include "sheet/Herstellerdaten.h"
#include "sheet/TBestellblatt.h"
#include "ui/main/TForm_Haupt.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>
#include <optional>

using namespace Hauptfenster_Test;

namespace {

class VersandTest : public TMit_Hauptfenster
{
protected:
    QAction* Aktion(const char* Name) { return Suchen<QAction>(Fenster, Name); }

    // A copy of a test order in the temporary folder, opened.
    QString Kopie_Oeffnen(const char* Quelle, const QString& Name)
    {
        const QString Pfad = Ordner.filePath(Name);
        QFile::remove(Pfad);
        EXPECT_TRUE(QFile::copy(Testdatei(Quelle), Pfad));
        if (Fenster.Ungesichert())
            Dienste.Wahlen.push_back(1);
        EXPECT_TRUE(Fenster.Bestellung_Oeffnen(Pfad));
        return Pfad;
    }

    QTemporaryDir Ordner;
};

// ------------------------------------------------------------ mail

TEST_F(VersandTest, MailBetreffNenntBauvorhabenUndEmpfaengerOderDieDatei)
{
    const struct
    {
        const char* Bauvorhaben;
        const char* Empfaenger;
        const char* Betreff;
    } Faelle[] = {
        {"Haus Sonne", "Müller GmbH", "Bestellung Haus Sonne – Müller GmbH"},
        {"", "Müller GmbH", "Bestellung Müller GmbH"},
        {"Haus Sonne", "  ", "Bestellung Haus Sonne"},
        {"", "", "Bestellung Auftrag 7.dat"},
    };
    TBestellung Bestellung;
    Bestellung.Filename = QStringLiteral("/tmp/ablage/Auftrag 7.dat");
    for (const auto& F : Faelle) {
        Bestellung.Bauvorhaben = QString::fromUtf8(F.Bauvorhaben);
        Bestellung.Rechnungsempfaenger = QString::fromUtf8(F.Empfaenger);
        EXPECT_EQ(TForm_Haupt::Mail_Betreff(Bestellung), QString::fromUtf8(F.Betreff));
    }
}

// Changes are saved first; the message carries the order file and its PDF
// sheet, goes to the maker and names the count and the total.
TEST_F(VersandTest, MailSpeichertZuerstUndHaengtBestellungUndBlattAn)
{
    const QString Auftrag = Kopie_Oeffnen("bestellblatt_gold.dat", QStringLiteral("Auftrag Süd.dat"));
    auto* Bauvorhaben = Suchen<QLineEdit>(Fenster, "Edit_Bauvorhaben");
    Bauvorhaben->clear();
    Tippen(Bauvorhaben, QStringLiteral("Haus Sonne"));
    ASSERT_TRUE(Fenster.Ungesichert());

    Aktion("Mail1")->trigger();
    ASSERT_EQ(Dienste.Mails.size(), 1u);
    const TDienste::TMail& Mail = Dienste.Mails[0];
    const QString Blatt = Ordner.filePath(QStringLiteral("Auftrag Süd.pdf"));
    EXPECT_EQ(Mail.Empfaenger, Herstellerdaten::EMail);
    EXPECT_EQ(Mail.Anhaenge, QStringList({Auftrag, Blatt}));
    EXPECT_TRUE(Mail.Betreff.startsWith(QStringLiteral("Bestellung Haus Sonne")));
    EXPECT_FALSE(Fenster.Ungesichert());
    EXPECT_TRUE(Inhalt(Auftrag).contains("Bauvorhaben=Haus Sonne"));
    EXPECT_TRUE(Inhalt(Blatt).startsWith("%PDF-"));
    const TBestellblatt Inhalt_Blatt(B());
    EXPECT_TRUE(Mail.Text.contains(QString::number(Inhalt_Blatt.Positionen.size()) + QStringLiteral(" Positionen über ")
                                   + Suchen<QLineEdit>(Fenster, "Edit_Summe")->text() + QStringLiteral(" € netto")))
        << Mail.Text.toStdString();
    EXPECT_TRUE(Dienste.Meldungen.empty());
    EXPECT_EQ(TDienste::Mailaufruf(Mail),
              QStringList({QStringLiteral("--utf8"), QStringLiteral("--subject"), Mail.Betreff, QStringLiteral("--body"),
                           Mail.Text, QStringLiteral("--attach"), Auftrag, QStringLiteral("--attach"), Blatt,
                           Herstellerdaten::EMail}));

    // Without a mail program the user learns so and gets the folder of the two files.
    Dienste.Mailantworten.push_back(false);
    Aktion("Mail1")->trigger();
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_TRUE(Dienste.Meldungen[0].Text.startsWith(QStringLiteral("Es ist kein E-Mail-Programm eingerichtet")));
    ASSERT_EQ(Dienste.Geoeffnet.size(), 1u);
    EXPECT_EQ(Dienste.Geoeffnet[0], QUrl::fromLocalFile(Ordner.path()));
}

TEST_F(VersandTest, MailOhneGespeicherteBestellungFragtNachDemNamenUndBrichtMitIhmAb)
{
    Eintrag_Waehlen(Suchen<QComboBox>(Fenster, "CBC_Haupt_NeuePos"), QStringLiteral("Fenster"));
    Dienste.Pfade.push_back(QString());
    QTest::keyClick(&Fenster, Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(Dienste.Dateiwahlen.size(), 1u);
    EXPECT_EQ(Dienste.Dateiwahlen[0].Titel, QStringLiteral("Bestellung speichern unter"));
    EXPECT_TRUE(Dienste.Mails.empty());
}

// The real xdg-email of a desktop without a named environment: it asks the
// mailto handler of the user's mimeapps.list, here a stand-in that writes
// down which attachments it found.
TEST(E_Mail_Echt, XdgEmailReichtBeideAnhaengeAnDasMailprogramm)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty())
        GTEST_SKIP() << "xdg-email (xdg-utils) fehlt";
    QTemporaryDir Ordner;
    const QDir O(Ordner.path());
    ASSERT_TRUE(O.mkpath(QStringLiteral("konfiguration")) && O.mkpath(QStringLiteral("daten/applications")));
    const QString Empfangen = O.filePath(QStringLiteral("empfangen.txt"));
    const QString Programm = O.filePath(QStringLiteral("mailprogramm.sh"));
    Schreiben(Programm, "#!/bin/bash\n"
                        "url=\"$1\"\n"
                        "{ echo \"url $url\"\n"
                        "  IFS='&' read -ra teile <<< \"${url#*\\?}\"\n"
                        "  for t in \"${teile[@]}\"; do\n"
                        "    case \"$t\" in attach=*)\n"
                        "      f=\"${t#attach=}\"; f=\"$(printf '%b' \"${f//%/\\\\x}\")\"\n"
                        "      if [ -f \"$f\" ]; then echo \"da $f\"; else echo \"fehlt $f\"; fi;;\n"
                        "    esac\n"
                        "  done\n"
                        "} > \"" + Empfangen.toUtf8() + "\"\n");
    ASSERT_TRUE(QFile::setPermissions(Programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    Schreiben(O.filePath(QStringLiteral("daten/applications/stellvertreter-mail.desktop")),
              "[Desktop Entry]\nType=Application\nName=Stellvertreter\nExec=" + Programm.toUtf8()
                  + " %u\nMimeType=x-scheme-handler/mailto;\n");
    Schreiben(O.filePath(QStringLiteral("konfiguration/mimeapps.list")),
              "[Default Applications]\nx-scheme-handler/mailto=stellvertreter-mail.desktop\n");
    const QString Auftrag = O.filePath(QStringLiteral("Auftrag Süd.dat"));
    const QString Blatt = O.filePath(QStringLiteral("Auftrag Süd.pdf"));
    Schreiben(Auftrag, "[Version]\nInfo=1.2\n");
    Schreiben(Blatt, "%PDF-1.4\n");

    // Only this folder decides; nothing of the machine's desktop takes part.
    const std::map<const char*, QByteArray> Umgebung = {
        {"XDG_CONFIG_HOME", O.filePath(QStringLiteral("konfiguration")).toUtf8()},
        {"XDG_CONFIG_DIRS", O.filePath(QStringLiteral("konfiguration")).toUtf8()},
        {"XDG_DATA_HOME", O.filePath(QStringLiteral("daten")).toUtf8()},
        {"XDG_DATA_DIRS", O.filePath(QStringLiteral("daten")).toUtf8()},
        {"XDG_CURRENT_DESKTOP", "X-Generic"},
        {"DISPLAY", ":99"},
        {"BROWSER", "false"},
        {"MAILER", {}},
        {"KDE_FULL_SESSION", {}},
        {"GNOME_DESKTOP_SESSION_ID", {}},
        {"DESKTOP_SESSION", {}},
        {"WAYLAND_DISPLAY", {}},
    };
    std::map<const char*, std::optional<QByteArray>> Vorher;
    for (const auto& [Name, Wert] : Umgebung) {
        Vorher[Name] = qEnvironmentVariableIsSet(Name) ? std::optional<QByteArray>(qgetenv(Name)) : std::nullopt;
        if (Wert.isNull())
            qunsetenv(Name);
        else
            qputenv(Name, Wert);
    }
    std::optional<bool> Angenommen;
    TDienste::Aktuell().E_Mail(nullptr,
                               {Herstellerdaten::EMail, QStringLiteral("Bestellung Haus Sonne – Müller"),
                                QStringLiteral("Guten Tag,\n\nanbei die Bestellung."), {Auftrag, Blatt}},
                               [&Angenommen](bool Ergebnis) { Angenommen = Ergebnis; });
    const bool Fertig = QTest::qWaitFor([&Angenommen] { return Angenommen.has_value(); }, 30000);
    for (const auto& [Name, Wert] : Vorher) {
        if (Wert)
            qputenv(Name, *Wert);
        else
            qunsetenv(Name);
    }
    ASSERT_TRUE(Fertig);
    EXPECT_TRUE(*Angenommen);
    const QStringList Zeilen = QString::fromUtf8(Inhalt(Empfangen)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(Zeilen.size(), 3) << Zeilen.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(Zeilen[0].startsWith(QStringLiteral("url mailto:") + Herstellerdaten::EMail + QLatin1Char('?')));
    EXPECT_EQ(Zeilen.mid(1), QStringList({QStringLiteral("da ") + Auftrag, QStringLiteral("da ") + Blatt}));
}

// ------------------------------------------------------------ sheet dialogs and recent files

TEST_F(VersandTest, BlattdialogeBeginnenImOrdnerDerBestellung)
{
    const QString Blatt = QStringLiteral("Bestellblatt_") + Heute();
    for (const char* Name : {"Button_Bestellblatt", "BestellblattPDF1"}) {
        SCOPED_TRACE(Name);
        Dienste.Dateiwahlen.clear();
        Dienste.Pfade.push_back(QString());
        const auto Ausloesen = [&] {
            if (auto* Knopf = Fenster.findChild<QPushButton*>(QLatin1String(Name)))
                QTest::mouseClick(Knopf, Qt::LeftButton);
            else
                Aktion(Name)->trigger();
        };
        Eintrag_Waehlen(Suchen<QComboBox>(Fenster, "CBC_Haupt_NeuePos"), QStringLiteral("Fenster"));
        Ausloesen();
        Kopie_Oeffnen("bestellblatt_gold.dat", QStringLiteral("auftrag.dat"));
        Dienste.Pfade.push_back(QString());
        Ausloesen();
        ASSERT_EQ(Dienste.Dateiwahlen.size(), 2u);
        EXPECT_EQ(Dienste.Dateiwahlen[0].Vorschlag, Blatt) << "a new order has no folder yet";
        EXPECT_EQ(Dienste.Dateiwahlen[1].Vorschlag, QDir(Ordner.path()).filePath(Blatt));
        Dienste.Wahlen.push_back(1);
        Aktion("Neu1")->trigger();
    }
}

TEST_F(VersandTest, ZuletztGeoeffnetHaeltAchtPfadeUndVergisstVerschwundene)
{
    QStringList Pfade;
    for (int i = 1; i <= 9; ++i)
        Pfade.prepend(Kopie_Oeffnen("bestellblatt_gold.dat", QStringLiteral("auftrag %1.dat").arg(i)));
    Pfade.removeLast();
    EXPECT_EQ(Fenster.Zuletzt_Geoeffnet(), Pfade);
    const auto Eintraege_Im_Menue = [](const TForm_Haupt& F) {
        QStringList Texte;
        for (const QAction* A : Suchen<QMenu>(F, "Zuletzt1")->actions())
            Texte << A->text();
        return Texte;
    };
    EXPECT_EQ(Eintraege_Im_Menue(Fenster).size(), TForm_Haupt::Zuletzt_Anzahl);
    EXPECT_EQ(Eintraege_Im_Menue(Fenster)[0], QStringLiteral("&1 ") + QDir::toNativeSeparators(Pfade[0]));

    // The next run knows them; a chosen entry opens its order, a gone one leaves the list with a note.
    TForm_Haupt Naechster;
    EXPECT_EQ(Naechster.Zuletzt_Geoeffnet(), Pfade);
    Suchen<QAction>(Naechster, "Zuletzt_3")->trigger();
    EXPECT_EQ(Naechster.Bestellung().Filename, Pfade[2]);
    EXPECT_EQ(Naechster.Zuletzt_Geoeffnet()[0], Pfade[2]);
    ASSERT_TRUE(QFile::remove(Pfade[5]));
    Suchen<QAction>(Naechster, "Zuletzt_6")->trigger();
    EXPECT_EQ(Naechster.Zuletzt_Geoeffnet().size(), TForm_Haupt::Zuletzt_Anzahl - 1);
    EXPECT_FALSE(Naechster.Zuletzt_Geoeffnet().contains(Pfade[5]));
    ASSERT_FALSE(Dienste.Meldungen.empty());
    EXPECT_EQ(Dienste.Meldungen.back().Text,
              QStringLiteral("Die Datei %1 gibt es nicht mehr. Sie wurde aus der Liste \"Zuletzt geöffnet\" entfernt.")
                  .arg(QDir::toNativeSeparators(Pfade[5])));
    EXPECT_EQ(Naechster.Bestellung().Filename, Pfade[2]);
}

} // namespace
