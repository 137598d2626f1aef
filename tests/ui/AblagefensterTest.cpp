#include "Hauptfenster_Testhilfen.h"

#include "archive/TAblage.h"
#include "archive/TAblageeinstellung.h"
#include "archive/TWarteschlange.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "ui/main/TAblageanbindung.h"
#include "ui/main/TForm_Ablage.h"
#include "ui/main/TForm_Einstellungen.h"
#include "ui/shared/TEinstellungen.h"
#include "ui/main/TForm_Haupt.h"
#include "Testdateien.h"

#include <QAction>
#include <QTimer>
#include <QRadioButton>
#include <QComboBox>
#include <QApplication>
#include <QCompleter>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QLabel>

#include <algorithm>
#include <deque>

using namespace Hauptfenster_Test;

namespace {

class AblagefensterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Ordner.isValid());
        Fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    }
    void Anbinden(const QString& Ablagepfad)
    {
        Fenster.Ablage_Anbinden(new TAblageanbindung(Ablagepfad, &Fenster));
    }
    template <class T>
    T* S(const char* Name)
    {
        return Suchen<T>(Fenster, Name);
    }
    void Speichern_Unter(const QString& Name)
    {
        Dienste.Pfade = {Pfad(Name)};
        S<QAction>("Speichernunter1")->trigger();
    }
    void Tippen_In(const char* Feld, const QString& Text)
    {
        auto* Edit = S<QLineEdit>(Feld);
        Edit->setFocus();
        Edit->selectAll();
        Tippen(Edit, Text);
    }
    QString Pfad(const QString& Name) const { return Ordner.filePath(Name); }
    QString Ablagepfad() const { return Pfad(QStringLiteral("ablage.sqlite")); }
    int Fehlermeldungen() const
    {
        return int(std::count_if(Dienste.Meldungen.begin(), Dienste.Meldungen.end(),
                                 [](const TTestdienste::TMeldung& M) { return M.Art == QLatin1String("Fehler"); }));
    }

    QTemporaryDir Ordner;
    TTestdienste Dienste;
    TForm_Haupt Fenster;
};

QString Nummer(int n)
{
    return QStringLiteral("%1-%2").arg(QDate::currentDate().year()).arg(n, 4, 10, QLatin1Char('0'));
}

} // namespace

// Every save that changes the order is a version; the key goes into the file
// and keeps the order one across renaming; the title shows number and file.
TEST_F(AblagefensterTest, SpeichernLegtFassungenAbUndDieKennungFolgtDerDatei)
{
    Anbinden(Ablagepfad());
    EXPECT_EQ(Fenster.windowTitle(), QStringLiteral("Unbenannt[*] – Quadrolis C2"));
    Tippen_In("Edit_Rechnungsempfaenger", QStringLiteral("Müller"));
    Speichern_Unter(QStringLiteral("a.dat"));
    const QString Kennung = Fenster.Bestellung().Kennung;
    ASSERT_TRUE(TAblage::Ist_Kennung(Kennung));
    EXPECT_TRUE(Inhalt(Pfad(QStringLiteral("a.dat"))).contains("Kennung=" + Kennung.toLatin1()));
    EXPECT_EQ(Fenster.windowTitle(), Nummer(1) + QStringLiteral(" – a.dat[*] – Quadrolis C2"));
    EXPECT_FALSE(Fenster.isWindowModified());

    S<QAction>("Speichern1")->trigger();
    Tippen_In("Edit_Bauvorhaben", QStringLiteral("Am Hang"));
    S<QAction>("Speichern1")->trigger();
    ASSERT_TRUE(QFile::rename(Pfad(QStringLiteral("a.dat")), Pfad(QStringLiteral("b.dat"))));
    ASSERT_TRUE(Fenster.Bestellung_Oeffnen(Pfad(QStringLiteral("b.dat"))));
    Speichern_Unter(QStringLiteral("c.dat"));

    TAblage A(Ablagepfad());
    EXPECT_EQ(Fenster.Bestellung().Kennung, Kennung);
    EXPECT_EQ(Fenster.windowTitle(), Nummer(1) + QStringLiteral(" – c.dat[*] – Quadrolis C2"));
    const auto Versionen = A.Versionen(Kennung);
    ASSERT_EQ(Versionen.size(), 3u) << "unverändertes Speichern fügt keine Fassung hinzu";
    EXPECT_EQ(A.Inhalt(Kennung), Inhalt(Pfad(QStringLiteral("c.dat"))));
    EXPECT_EQ(Versionen.back().Pfad, Pfad(QStringLiteral("c.dat")));
    EXPECT_EQ(Fehlermeldungen(), 0);
}

// A variant continues under a new name as an order of its own, which names
// the one it came from; the original file and order stay as they were.
TEST_F(AblagefensterTest, VarianteIstEineNeueBestellungMitIhremVorgaenger)
{
    Anbinden(Ablagepfad());
    Tippen_In("Edit_Rechnungsempfaenger", QStringLiteral("Müller"));
    Speichern_Unter(QStringLiteral("a.dat"));
    const QString Original = Fenster.Bestellung().Kennung;
    const QByteArray Datei_A = Inhalt(Pfad(QStringLiteral("a.dat")));
    Dienste.Pfade = {QString()};
    S<QAction>("Variante1")->trigger();
    EXPECT_EQ(Fenster.Bestellung().Kennung, Original) << "cancelled: nothing changes";

    QString Vorher = Original;
    for (const int n : {2, 3}) {
        const QString Name = QStringLiteral("a_Variante_%1.dat").arg(n);
        Dienste.Pfade = {Pfad(Name)};
        S<QAction>("Variante1")->trigger();
        EXPECT_EQ(Dienste.Dateiwahlen.back().Vorschlag, Pfad(Name));
        const QString Kennung = Fenster.Bestellung().Kennung;
        ASSERT_TRUE(TAblage::Ist_Kennung(Kennung));
        EXPECT_NE(Kennung, Vorher);
        TAblage A(Ablagepfad());
        EXPECT_EQ(A.Bestellung(Kennung)->Vorgaenger, Vorher);
        EXPECT_EQ(A.Inhalt(Kennung), Inhalt(Pfad(Name)));
        EXPECT_EQ(Fenster.windowTitle(), Nummer(n) + QStringLiteral(" – ") + Name + QStringLiteral("[*] – Quadrolis C2"));
        Vorher = Kennung;
    }
    EXPECT_EQ(Inhalt(Pfad(QStringLiteral("a.dat"))), Datei_A);
    EXPECT_EQ(TAblage(Ablagepfad()).Versionen(Original).size(), 1u);
    EXPECT_EQ(Fehlermeldungen(), 0);
}

// An archive that cannot be opened is reported once; the files are saved as
// without an archive, without a key, and the archive file stays as it was.
TEST_F(AblagefensterTest, UnbrauchbareAblageLaesstDasSpeichernGelingen)
{
    const QString Kaputt = Pfad(QStringLiteral("kaputt.sqlite"));
    Schreiben(Kaputt, QByteArray(4096, 'x'));
    for (const QString& Ort : {Kaputt, Ordner.path()}) {
        SCOPED_TRACE(Ort.toStdString());
        Dienste.Meldungen.clear();
        TForm_Haupt Ohne;
        TForm_Haupt Mit;
        Mit.Ablage_Anbinden(new TAblageanbindung(Ort, &Mit));
        for (TForm_Haupt* F : {&Ohne, &Mit}) {
            F->Bestellung().Rechnungsempfaenger = QStringLiteral("Müller");
            for (int Mal = 0; Mal < 2; ++Mal) {
                Dienste.Pfade = {Pfad(F == &Ohne ? QStringLiteral("ohne.dat") : QStringLiteral("mit.dat"))};
                Suchen<QAction>(*F, "Speichernunter1")->trigger();
            }
        }
        EXPECT_EQ(Inhalt(Pfad(QStringLiteral("mit.dat"))),
                  Inhalt(Pfad(QStringLiteral("ohne.dat"))).replace("ohne.dat", "mit.dat"));
        EXPECT_EQ(Fehlermeldungen(), 1);
        ASSERT_FALSE(Dienste.Meldungen.empty());
        EXPECT_TRUE(Dienste.Meldungen.front().Text.contains(QStringLiteral("ohne Ablage"))) << Dienste.Meldungen.front().Text.toStdString();
        EXPECT_EQ(Inhalt(Kaputt), QByteArray(4096, 'x'));
    }
}

// While the archive cannot be written each save waits on this computer, the
// status bar and the archive window say so, and the next save that reaches
// the archive brings them all in, in order.
TEST_F(AblagefensterTest, WartendeFassungenWerdenNachgetragen)
{
    ASSERT_TRUE(QDir().mkpath(Ablagepfad()));
    Anbinden(Ablagepfad());
    QList<QByteArray> Gespeichert;
    const char* Hinweise[] = {"Ablage nicht erreichbar – 1 Version wartet",
                              "Ablage nicht erreichbar – 2 Versionen warten", ""};
    for (const char* Hinweis : Hinweise) {
        if (!*Hinweis) {
            ASSERT_TRUE(QDir(Ablagepfad()).removeRecursively());
            // Typing in the search does not try the archive again at once; saving does.
            S<QAction>("Ablage1")->trigger();
            EXPECT_TRUE(S<QLabel>("Label_Hinweis")->text().contains(QStringLiteral("nichts Aktuelles")));
        }
        Tippen_In("Edit_Bauvorhaben", QString::fromUtf8(Hinweis) + QStringLiteral("."));
        Speichern_Unter(QStringLiteral("a.dat"));
        Gespeichert << Inhalt(Pfad(QStringLiteral("a.dat")));
        auto* Label = Fenster.findChild<QLabel*>(QStringLiteral("Label_Ablage_Wartend"));
        ASSERT_TRUE(Label);
        EXPECT_EQ(Label->isVisibleTo(&Fenster) ? Label->text() : QString(), QString::fromUtf8(Hinweis));
        if (Label->isVisibleTo(&Fenster)) {
            S<QAction>("Ablage1")->trigger();
            EXPECT_TRUE(S<QLabel>("Label_Hinweis")->text().contains(QStringLiteral("nichts Aktuelles")));
        }
    }
    EXPECT_EQ(Fehlermeldungen(), 1);
    TAblage A(Ablagepfad());
    const QString Kennung = Fenster.Bestellung().Kennung;
    ASSERT_EQ(A.Versionen(Kennung).size(), 3u);
    for (int Nr = 1; Nr <= 3; ++Nr)
        EXPECT_EQ(A.Inhalt(Kennung, Nr), Gespeichert[Nr - 1]);
    EXPECT_EQ(Fenster.windowTitle(), Nummer(1) + QStringLiteral(" – a.dat[*] – Quadrolis C2"));
}

// Versions an earlier run left waiting reach the archive once the program runs again.
TEST_F(AblagefensterTest, WartendeAusFruehererSitzungGehenBeimStart)
{
    const QString Kennung = TAblage::Neue_Kennung();
    TWarteschlange(Ablagepfad()).Anhaengen(
        {Kennung, {}, {"alt", QStringLiteral("/a.dat"), QDateTime::currentDateTime(), QStringLiteral("tester"), {}}});
    Anbinden(Ablagepfad());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Fenster.Ablageanbindung()->Wartende_Versionen() == 0; }, 5000));
    EXPECT_EQ(TAblage(Ablagepfad()).Inhalt(Kennung), QByteArray("alt"));
}

// A colleague saved the order meanwhile, through a connection of their own:
// the save asks, naming who and when. Looking first archives nothing and
// shows what this version changes; the next save archives it. "Trotzdem"
// archives at once. Every version stays.
TEST_F(AblagefensterTest, KollegeHatInzwischenGespeichert)
{
    Anbinden(Ablagepfad());
    Tippen_In("Edit_Rechnungsempfaenger", QStringLiteral("Müller"));
    Speichern_Unter(QStringLiteral("a.dat"));
    const QString Kennung = Fenster.Bestellung().Kennung;
    TAblage Kollege(Ablagepfad());
    const auto Kollege_Speichert = [&](const QString& Bauvorhaben) {
        TBestellung B;
        ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad(QStringLiteral("a.dat")), B));
        B.Bauvorhaben = Bauvorhaben;
        QByteArray Bytes;
        ASSERT_TRUE(Bestelldatei::Bytes_Erzeugen(B, Bytes));
        Kollege.Ablegen(Kennung, {Bytes, QStringLiteral("/b.dat"), QDateTime(QDate(2026, 12, 8), QTime(14, 2)),
                                  QStringLiteral("anna"), TAblagefelder::Von(B)});
    };
    const auto Speichern = [&](const QString& Bauvorhaben, std::deque<int> Wahl) {
        Dienste.Wahlen = std::move(Wahl);
        Tippen_In("Edit_Bauvorhaben", Bauvorhaben);
        S<QAction>("Speichern1")->trigger();
    };

    Kollege_Speichert(QStringLiteral("Anbau"));
    Speichern(QStringLiteral("Neubau"), {1});
    ASSERT_EQ(Dienste.Auswahlknoepfe.size(), 1u);
    EXPECT_EQ(Dienste.Auswahlknoepfe[0], (QStringList{"Trotzdem als neueste Version speichern",
                                                      "Erst die Fassung von anna ansehen"}));
    EXPECT_TRUE(Dienste.Meldungen.back().Text.contains(
        QStringLiteral("von anna am 08.12.2026 um 14:02 Uhr gespeichert (Fassung 2); Sie hatten Fassung 1")))
        << Dienste.Meldungen.back().Text.toStdString();
    EXPECT_EQ(Kollege.Versionen(Kennung).size(), 2u);
    auto* Vergleich = Fenster.findChild<QDialog*>(QStringLiteral("Vergleich"));
    ASSERT_TRUE(Vergleich);
    EXPECT_TRUE(Vergleich->findChild<QPlainTextEdit*>()->toPlainText().contains(QStringLiteral("\"Anbau\" → \"Neubau\"")));

    Speichern(QStringLiteral("Neubau"), {});
    EXPECT_EQ(Kollege.Versionen(Kennung).size(), 3u);
    Kollege_Speichert(QStringLiteral("Scheune"));
    Speichern(QStringLiteral("Altbau"), {0});
    EXPECT_EQ(Dienste.Auswahlknoepfe.size(), 2u);
    ASSERT_EQ(Kollege.Versionen(Kennung).size(), 5u);
    EXPECT_EQ(Kollege.Inhalt(Kennung), Inhalt(Pfad(QStringLiteral("a.dat"))));
}

// "Einstellungen…": the server's fields, a check that says in German what
// went wrong, the settings kept without the password, and the program's
// archive moving to the server they name unless QUADROLIS_ABLAGE says otherwise.
TEST_F(AblagefensterTest, EinstellungenWaehlenDenServer)
{
    Anbinden(Ablagepfad());
    QString Ergebnis;
    bool Gesperrt = false;
    QTimer::singleShot(0, [&] {
        auto* D = qobject_cast<TForm_Einstellungen*>(QApplication::activeModalWidget());
        ASSERT_TRUE(D);
        Gesperrt = !Suchen<QLineEdit>(*D, "Edit_Server")->isEnabled();
        Suchen<QRadioButton>(*D, "Radio_Server")->setChecked(true);
        Suchen<QLineEdit>(*D, "Edit_Server")->setText(Ordner.path());
        Suchen<QLineEdit>(*D, "Edit_Benutzer")->setText(QStringLiteral("verkauf"));
        Suchen<QLineEdit>(*D, "Edit_Passwort")->setText(QStringLiteral("streng-geheim"));
        Suchen<QComboBox>(*D, "CB_Sslmode")->setCurrentIndex(1);
        Suchen<QPushButton>(*D, "Button_Pruefen")->click();
        Ergebnis = Suchen<QLabel>(*D, "Label_Ergebnis")->text();
        D->accept();
    });
    S<QAction>("Einstellungen1")->trigger();
    EXPECT_TRUE(Gesperrt) << "Serverfelder ohne Server gesperrt";
    EXPECT_TRUE(Ergebnis.contains(QStringLiteral("nicht erreichbar"))) << Ergebnis.toStdString();
    const QString Ort = Fenster.Ablageanbindung()->Ort();
    EXPECT_TRUE(Ort.startsWith(QStringLiteral("postgresql://verkauf:streng-geheim@/quadrolis_ablage?sslmode=require")))
        << Ort.toStdString();
    EXPECT_EQ(TAblage::Standardort(), Ort);
    TEinstellungen Einstellungen;
    Einstellungen.sync();
    EXPECT_EQ(Einstellungen.value(QStringLiteral("Ablage/Benutzer")).toString(), QStringLiteral("verkauf"));
    EXPECT_FALSE(Inhalt(Einstellungen.fileName()).contains("streng-geheim"));
    qputenv("QUADROLIS_ABLAGE", Ablagepfad().toUtf8());
    EXPECT_EQ(TAblage::Standardort(), Ablagepfad());
    qunsetenv("QUADROLIS_ABLAGE");
    TAblageeinstellung::Sitzungspasswort().clear();
}

// The window through its controls: search as one types, status filter, the
// version list, the comparison, a status change and opening from the archive.
TEST_F(AblagefensterTest, SuchenVergleichenStatusUndOeffnen)
{
    QByteArray Gold = Inhalt(Testdatei("bestellblatt_gold.dat"));
    QByteArray Geaendert = Gold;
    Geaendert += "\r\n[Bestellung/Positionen0/Position/Hoelzer]\r\nItemIndex=1\r\n";
    const QString Kennung = TAblage::Neue_Kennung();
    const QString Markup_Pfad = QStringLiteral("/weg/<b>gold</b><img src=\"x.png\">.dat");
    {
        TAblage A(Ablagepfad());
        for (const QByteArray& Bytes : {Gold, Geaendert}) {
            TBestellung B;
            ASSERT_TRUE(Bestelldatei::Bestellung_Lesen(Bytes, B, QString()));
            A.Ablegen(Kennung, {Bytes, Markup_Pfad, QDateTime::currentDateTime(),
                                QStringLiteral("tester"), TAblagefelder::Von(B)});
        }
        TAblagefelder Andere;
        Andere.Rechnungsempfaenger = QStringLiteral("Schulze");
        A.Ablegen(TAblage::Neue_Kennung(), {"x", {}, QDateTime::currentDateTime(), {}, Andere});
    }
    Anbinden(Ablagepfad());
    S<QAction>("Ablage1")->trigger();
    auto* Ablage = S<TForm_Ablage>("TForm_Ablage");
    ASSERT_TRUE(Ablage->isVisible());
    auto* Tabelle = Suchen<QTableView>(*Ablage, "Tabelle_Bestellungen");
    EXPECT_EQ(Tabelle->model()->rowCount(), 2);

    Tippen(Suchen<QLineEdit>(*Ablage, "Edit_Suche"), QStringLiteral("muller sohne"));
    ASSERT_EQ(Tabelle->model()->rowCount(), 1);
    EXPECT_EQ(Zelle(Tabelle, 0, 0), Nummer(1));
    EXPECT_EQ(Zelle(Tabelle, 0, 6), QStringLiteral("1005,18"));
    auto* Versionen = Suchen<QTableWidget>(*Ablage, "Tabelle_Versionen");
    ASSERT_EQ(Versionen->rowCount(), 2);
    EXPECT_EQ(Versionen->item(0, 3)->text(), QStringLiteral("1005,18"));
    // A stored path is shown as the text it is, as a tool tip would render it.
    const QString Tipp = Versionen->item(0, 0)->toolTip();
    QTextDocument Tooltip;
    Qt::mightBeRichText(Tipp) ? Tooltip.setHtml(Tipp) : Tooltip.setPlainText(Tipp);
    EXPECT_EQ(Tooltip.toPlainText(), Markup_Pfad);
    EXPECT_EQ(Suchen<QLabel>(*Ablage, "Label_Verlauf")->textFormat(), Qt::PlainText);

    QTest::mouseClick(Suchen<QPushButton>(*Ablage, "Button_Vergleichen"), Qt::LeftButton);
    auto* Vergleich = Suchen<QDialog>(*Ablage, "Vergleich");
    EXPECT_TRUE(Suchen<QPlainTextEdit>(*Vergleich, "Text_Unterschiede")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Pos. 1: Holzart Fichte keilgezinkt → Fichte; Einzelpreis 396,00 → 450,00")));
    Vergleich->close();

    Eintrag_Waehlen(Suchen<QComboBox>(*Ablage, "CB_Neuer_Status"), QStringLiteral("Bestellt"));
    QTest::mouseClick(Suchen<QPushButton>(*Ablage, "Button_Status_Setzen"), Qt::LeftButton);
    EXPECT_EQ(Zelle(Tabelle, 0, 7), QStringLiteral("Bestellt"));
    auto* Status = Suchen<QComboBox>(*Ablage, "CB_Status");
    for (const auto& [Wert, Zeilen] : {std::pair{"Bestellt", 1}, std::pair{"Angebot", 0}}) {
        Eintrag_Waehlen(Status, QString::fromUtf8(Wert));
        EXPECT_EQ(Tabelle->model()->rowCount(), Zeilen) << Wert;
    }
    Eintrag_Waehlen(Status, QStringLiteral("Bestellt"));

    // The file is gone: the order opens from the archive's bytes, and saving asks where.
    Zeile_Doppelklicken(Tabelle, 0);
    EXPECT_EQ(Fenster.Bestellung().Rechnungsempfaenger, QStringLiteral("Müller & Söhne GbR"));
    EXPECT_EQ(Fenster.Bestellung().Kennung, Kennung);
    EXPECT_EQ(Fenster.Bestellung().Filename, QString());
    EXPECT_EQ(Fenster.windowTitle(), Nummer(1) + QStringLiteral(" – Unbenannt[*] – Quadrolis C2"));
    Speichern_Unter(QStringLiteral("zurueck.dat"));
    EXPECT_TRUE(Dienste.Pfade.empty());
    EXPECT_EQ(TAblage(Ablagepfad()).Versionen(Kennung).size(), 3u);
}

// A known invoice recipient fills contact and telephone from the latest order.
TEST_F(AblagefensterTest, BekannterEmpfaengerFuelltKontakt)
{
    {
        TAblage A(Ablagepfad());
        TAblagefelder F;
        F.Rechnungsempfaenger = QStringLiteral("Bäckerei Weiß");
        F.Ansprechpartner = QStringLiteral("Frau Weiß");
        F.Telefon = QStringLiteral("0351 42");
        A.Ablegen(TAblage::Neue_Kennung(), {"b", {}, QDateTime::currentDateTime(), {}, F});
    }
    Anbinden(Ablagepfad());
    auto* Empfaenger = S<QLineEdit>("Edit_Rechnungsempfaenger");
    EXPECT_EQ(static_cast<QStringListModel*>(Empfaenger->completer()->model())->stringList(),
              QStringList{QStringLiteral("Bäckerei Weiß")});
    emit Empfaenger->completer()->activated(QStringLiteral("Bäckerei Weiß"));
    EXPECT_EQ(S<QLineEdit>("Edit_Ansprechpartner")->text(), QStringLiteral("Frau Weiß"));
    EXPECT_EQ(S<QLineEdit>("Edit_Telefon")->text(), QStringLiteral("0351 42"));
    EXPECT_EQ(Fenster.Bestellung().Rechnungsempfaenger, QStringLiteral("Bäckerei Weiß"));
}
