#include "Hauptfenster_Testhilfen.h"

#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "positions/TPosition_Freie.h"
#include "ui/shared/TDialogkontext.h"
#include "ui/dialogs/TForm_Freie.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/shared/TWindows1252Validator.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace Hauptfenster_Test;

namespace {

const QString Eingeschleust =
    QStringLiteral("Bäckerei Müller\nRabatt=50\n[Bestellung/Positionen0/Position/Abmessungen]\nAnzahl=999");
const QString Einzeilig =
    QStringLiteral("Bäckerei Müller Rabatt=50 [Bestellung/Positionen0/Position/Abmessungen] Anzahl=999");

void Einfuegen(QLineEdit* Feld, const QString& Text)
{
    Feld->setFocus(Qt::MouseFocusReason);
    Feld->selectAll();
    QApplication::clipboard()->setText(Text);
    QTest::keyClick(Feld, Qt::Key_V, Qt::ControlModifier);
}

class TKontext final : public TDialogkontext
{
public:
    TBestellung& Bestellung() override { return Auftrag; }
    int Ausgewaehlte_Zeile() const override { return 0; }
    void Zeile_Waehlen(int) override {}
    void Hauptfenster_Aktualisieren() override {}
    void Infofenster_Zeigen(const char*) override {}
    TBestellung Auftrag;
};

} // namespace

TEST(EinzeiligeFelder, ZeilenumbruecheWerdenLeerzeichenAndereSteuerzeichenFallenWeg)
{
    struct Fall
    {
        QString Text;
        int Cursor;
        QString Erwartet;
        int Erwarteter_Cursor;
    };
    const Fall Faelle[] = {
        {QStringLiteral("a\r\nb"), 4, QStringLiteral("a b"), 3},
        {QStringLiteral("a\n\n\rb"), 1, QStringLiteral("a b"), 1},
        {QStringLiteral("\x1b[2Ja\tb\x7f"), 8, QStringLiteral("[2Jab"), 5},
        {QStringLiteral("a\u0085b"), 3, QStringLiteral("ab"), 2},
        {QStringLiteral("Tür"), 2, QStringLiteral("Tür"), 2},
    };
    TWindows1252Validator Pruefer;
    for (const Fall& F : Faelle) {
        QString Text = F.Text;
        int Cursor = F.Cursor;
        EXPECT_EQ(Pruefer.validate(Text, Cursor), QValidator::Acceptable);
        EXPECT_EQ(Text, F.Erwartet);
        EXPECT_EQ(Cursor, F.Erwarteter_Cursor) << F.Erwartet.toStdString();
    }
    // Set by the program, too.
    QLineEdit Feld;
    Feld.setValidator(new TWindows1252Validator(&Feld));
    Feld.setText(QStringLiteral("oben\nunten"));
    EXPECT_EQ(Feld.text(), QStringLiteral("oben unten"));
}

TEST(EinzeiligeFelder, EingefuegterAuftragImKopffeldAendertKeineZahl)
{
    QTemporaryDir Ordner;
    TTestdienste Dienste;
    TForm_Haupt Fenster;
    Fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    Eintrag_Waehlen(Suchen<QComboBox>(Fenster, "CBC_Haupt_NeuePos"), QStringLiteral("Fenster"));
    auto* Feld = Suchen<QLineEdit>(Fenster, "Edit_Rechnungsempfaenger");
    Einfuegen(Feld, Eingeschleust);
    EXPECT_EQ(Feld->text(), Einzeilig);
    TBestellung& B = Fenster.Bestellung();
    EXPECT_EQ(B.Rechnungsempfaenger, Einzeilig);
    const long double Summe = B.Gesamtsumme();

    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    Dienste.Pfade = {Pfad};
    Suchen<QAction>(Fenster, "Speichernunter1")->trigger();
    ASSERT_TRUE(Dienste.Meldungen.empty()) << Dienste.Meldungen[0].Text.toStdString();

    TBestellung Zurueck;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, Zurueck));
    EXPECT_EQ(Zurueck.Rechnungsempfaenger, Einzeilig);
    EXPECT_EQ(Zurueck.Rabatt, B.Rabatt);
    EXPECT_EQ(Zurueck.Anzahl_Positionen(), 1);
    EXPECT_EQ(Zurueck.Eintrag(0).Anzahl(), B.Eintrag(0).Anzahl());
    EXPECT_EQ(Zurueck.Gesamtsumme(), Summe);
    EXPECT_EQ(Zurueck.Ansprechpartner, B.Ansprechpartner);
}

TEST(EinzeiligeFelder, EingefuegterAuftragImDialogfeldAendertKeineZahl)
{
    QTemporaryDir Ordner;
    TKontext Kontext;
    Kontext.Auftrag.Position_Anfuegen(Positionstyp::Freie);
    TForm_Freie Dialog(Kontext);
    Dialog.show();
    Dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dialog));
    auto* Feld = Dialog.findChild<QLineEdit*>(QStringLiteral("Edit_Bez"));
    ASSERT_NE(Feld, nullptr);
    Einfuegen(Feld, Eingeschleust);
    EXPECT_EQ(Feld->text(), Einzeilig);
    QTest::keyClick(Feld, Qt::Key_Return);
    EXPECT_EQ(Kontext.Auftrag.Eintrag(0).Bez(), Einzeilig);

    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, Kontext.Auftrag));
    TBestellung Zurueck;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, Zurueck));
    ASSERT_EQ(Zurueck.Anzahl_Positionen(), 1);
    EXPECT_EQ(Zurueck.Eintrag(0).Bez(), Einzeilig);
    EXPECT_EQ(Zurueck.Eintrag(0).Anzahl(), Kontext.Auftrag.Eintrag(0).Anzahl());
    EXPECT_EQ(Zurueck.Gesamtsumme(), Kontext.Auftrag.Gesamtsumme());
}

// A line edit cuts at 32767 characters by default, when the program sets a
// text as well as when the user pastes one: a text field keeps it whole.
TEST(EinzeiligeFelder, LangerTextBleibtGanz)
{
    const QString Lang = QString(40000, QLatin1Char('x')) + QStringLiteral("Ende");
    TTestdienste Dienste;
    TForm_Haupt Fenster;
    Fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    TBestellung& B = Fenster.Bestellung();
    B.Ansprechpartner = Lang;
    Fenster.Hauptfenster_Aktualisieren();
    EXPECT_EQ(B.Ansprechpartner, Lang) << "shown and stored back";
    Einfuegen(Suchen<QLineEdit>(Fenster, "Edit_Bemerkungen"), Lang);
    EXPECT_EQ(B.Bemerkungen, Lang) << "pasted";

    TKontext Kontext;
    Kontext.Auftrag.Position_Anfuegen(Positionstyp::Freie);
    Kontext.Auftrag.Eintrag(0).Als<TPosition_Freie>()->Bez = Lang;
    TForm_Freie Dialog(Kontext);
    Dialog.show();
    Dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dialog));
    auto* Feld = Dialog.findChild<QLineEdit*>(QStringLiteral("Edit_Bez"));
    ASSERT_NE(Feld, nullptr);
    Feld->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Feld, Qt::Key_Return);
    EXPECT_EQ(Kontext.Auftrag.Eintrag(0).Bez(), Lang) << "loaded and stored back";
}
