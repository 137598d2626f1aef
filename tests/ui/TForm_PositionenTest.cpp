#include "base/Zahlformat.h"
#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "ui/shared/TComboBoxColor.h"
#include "ui/editor/TForm_Positionen.h"
#include "ui/shared/TEinstellungen.h"
#include "ui/shared/TDialogkontext.h"
#include "ui/shared/TEingabehinweis.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QHash>
#include <QTest>
#include <QWheelEvent>

#include <memory>
#include <vector>

namespace {

const QColor Himmelblau(166, 202, 240);
const QColor Rot(255, 0, 0);

// Stands in for the main window: one order, a selected row, and a record of
// what the grid would show at every refresh.
class TTestkontext : public TDialogkontext
{
public:
    struct TGridzeile
    {
        QString Bez;
        QString Beschreibung;
        long double Gesamtpreis;
    };

    TBestellung& Bestellung() override { return m_Bestellung; }
    int Ausgewaehlte_Zeile() const override { return Zeile; }
    void Hauptfenster_Aktualisieren() override
    {
        const TPositionseintrag& E = m_Bestellung.Eintrag(Zeile);
        Grid.push_back({E.Bez(), E.Beschreibung(), E.Gesamtpreis(0, 0)});
    }
    void Zeile_Waehlen(int Neue_Zeile) override
    {
        Zeile = Neue_Zeile;
        Hauptfenster_Aktualisieren();
    }
    void Infofenster_Zeigen(const char* Klasse) override { Infofenster << QString::fromLatin1(Klasse); }

    int Zeile = 0;
    std::vector<TGridzeile> Grid;
    QStringList Infofenster;

private:
    TBestellung m_Bestellung;
};

class TForm_PositionenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Kontext.Bestellung().Position_Anfuegen(Positionstyp::Fenster);
        Form = std::make_unique<TForm_Positionen>(Kontext);
    }

    TPosition& Fenster() { return *Kontext.Bestellung().Eintrag(Kontext.Zeile).Als<TPosition>(); }

    // Shows the editor the way the main window does; becoming active loads the position.
    void Zeigen()
    {
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        // Out of the first entry field, so that no test stores it by accident.
        Element<QPushButton>("BitBtn1")->setFocus();
        Kontext.Grid.clear();
    }

    template <class T>
    T* Element(const char* Name)
    {
        T* Gefunden = Form->findChild<T*>(QLatin1String(Name));
        if (!Gefunden)
            ADD_FAILURE() << "no control " << Name;
        return Gefunden;
    }
    QComboBox* Liste(const char* Name) { return Element<QComboBox>(Name); }
    QLineEdit* Feld(const char* Name) { return Element<QLineEdit>(Name); }
    QCheckBox* Haken(const char* Name) { return Element<QCheckBox>(Name); }
    QString Wert(const char* Name) { return Element<QLabel>(Name)->text(); }

    // Picks an item the way a user does: open the list, move to the item, Enter.
    void Waehlen(const char* Name, int Index)
    {
        QComboBox* Box = Liste(Name);
        ASSERT_TRUE(Box->isEnabled()) << Name;
        Box->setFocus(Qt::MouseFocusReason);
        Box->showPopup();
        Box->view()->setCurrentIndex(Box->model()->index(Index, 0));
        QTest::keyClick(Box->view(), Qt::Key_Return);
        ASSERT_EQ(Box->currentIndex(), Index) << Name;
    }

    // Types into a field and leaves it with Tab.
    void Eingeben(const char* Name, const QString& Text)
    {
        QLineEdit* E = Feld(Name);
        E->setFocus();
        E->selectAll();
        if (Text.isEmpty())
            QTest::keyClick(E, Qt::Key_Delete);
        else
            QTest::keyClicks(E, Text);
        QTest::keyClick(E, Qt::Key_Tab);
    }

    // keyClicks knows ASCII only; umlauts and the euro sign are typed as text.
    static void Tippen(QWidget* Ziel, const QString& Text)
    {
        for (QChar Zeichen : Text)
            QTest::sendKeyEvent(QTest::Click, Ziel, Qt::Key_unknown, QString(Zeichen), Qt::NoModifier);
    }

    static bool Rot_Geschrieben(const QLineEdit* E) { return E->palette().color(QPalette::Text) == Rot; }

    TTestkontext Kontext;
    std::unique_ptr<TForm_Positionen> Form;
};

} // namespace

// ---------------------------------------------------------------- display

TEST_F(TForm_PositionenTest, ErstesFensterZeigtSeineVorgaben)
{
    Zeigen();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Position bearbeiten"));
    EXPECT_EQ(Form->size(), QSize(785 + 260, 511)); // the sketch beside the controls
    EXPECT_EQ(Liste("CBC_Fluegel")->currentText(), QStringLiteral("1 Flügel/Fester Flügel"));
    EXPECT_EQ(Feld("EditA_Breite")->text(), QStringLiteral("1000"));
    EXPECT_EQ(Feld("EditA_Hoehe")->text(), QStringLiteral("2000"));
    EXPECT_EQ(Feld("EditA_HoeheOberlicht")->text(), QString());
    EXPECT_FALSE(Feld("EditA_HoeheOberlicht")->isEnabled());
    EXPECT_EQ(Feld("EditA_Anzahl")->text(), QStringLiteral("1"));
    for (const QComboBox* Box : Form->findChildren<QComboBox*>())
        EXPECT_EQ(Box->currentIndex(), 0) << Box->objectName().toStdString();
    EXPECT_EQ(Wert("Label_Sonderformen"), QStringLiteral("(--)"));
    EXPECT_EQ(Wert("LabelF_UM"), QStringLiteral("6"));
    EXPECT_EQ(Wert("LabelF_Meterpreis"), QStringLiteral("66,00"));
    EXPECT_EQ(Wert("LabelF_Stueckpreis"), QStringLiteral("0,00"));
    EXPECT_EQ(Wert("LabelF_Stueckzahl"), QStringLiteral("1"));
    EXPECT_EQ(Wert("LabelF_Einzelpreis"), QStringLiteral("396,00"));
    EXPECT_EQ(Wert("LabelF_Gesamtpreis"), QStringLiteral("396,00"));
}

TEST_F(TForm_PositionenTest, AktivierungAktualisiertDasHauptfensterEinmalUndAendertNichts)
{
    Fenster().Hoelzer.ItemIndex_Setzen(1);
    Fenster().Profile.ItemIndex_Setzen(3, 2);
    const QString Vorher = Fenster().Beschreibung();
    Form->Focus_Form_Positionen();
    EXPECT_EQ(Kontext.Grid.size(), 1u);
    EXPECT_EQ(Fenster().Beschreibung(), Vorher);
    EXPECT_EQ(Liste("CBC_Holz")->currentText(), QStringLiteral("Fichte"));
    EXPECT_EQ(Liste("CBC_Konterholz")->currentText(), QStringLiteral("Konterholz 2 Stück"));
}

TEST_F(TForm_PositionenTest, FenstertypNullZeigtKeineFluegelaufteilung)
{
    Fenster().Abmessungen.Fenstertyp_Setzen(0);
    Zeigen();
    EXPECT_EQ(Liste("CBC_Fluegel")->currentIndex(), -1);
    EXPECT_FALSE(Feld("EditA_HoeheOberlicht")->isEnabled());
    EXPECT_TRUE(Liste("CBC_Oberlichtoeffner")->isEnabled());
    EXPECT_TRUE(Haken("CB_PutzFangschere")->isEnabled());
}

TEST_F(TForm_PositionenTest, KeinFensterInDerZeileLaesstDieAnzeigeStehen)
{
    Kontext.Bestellung().Position_Anfuegen(Positionstyp::Freie);
    Kontext.Zeile = 1;
    Form->Focus_Form_Positionen();
    EXPECT_TRUE(Kontext.Grid.empty());
    EXPECT_EQ(Wert("LabelF_Einzelpreis"), QString());
}

TEST_F(TForm_PositionenTest, AndereZeileWirdBeimNaechstenAktivierenGeladen)
{
    Zeigen();
    Kontext.Bestellung().Position_Anfuegen(Positionstyp::Fenster);
    Kontext.Zeile = 1;
    Fenster().Abmessungen.Breite_Setzen(1500);
    Fenster().Bez = QStringLiteral("Bad");
    Form->Focus_Form_Positionen();
    EXPECT_EQ(Feld("EditA_Breite")->text(), QStringLiteral("1500"));
    EXPECT_EQ(Feld("Edit_Bez")->text(), QStringLiteral("Bad"));
}

TEST_F(TForm_PositionenTest, LaufmeterAllgemeinPreiseMitZweiStellen)
{
    Fenster().Abmessungen.Breite_Setzen(1200);
    Fenster().Abmessungen.Hoehe_Setzen(3000);
    Zeigen();
    EXPECT_EQ(Wert("LabelF_UM"), QStringLiteral("8,4"));
    EXPECT_EQ(Wert("LabelF_Meterpreis"), QStringLiteral("66,00"));
    EXPECT_EQ(Wert("LabelF_Einzelpreis"), QStringLiteral("554,40"));
}

// ---------------------------------------------------------------- choices

TEST_F(TForm_PositionenTest, SteinbankAendertPositionPreiseUndGridSofort)
{
    Zeigen();
    Waehlen("CBC_Rolladen", 1);
    ASSERT_EQ(Kontext.Grid.size(), 1u);
    EXPECT_EQ(Wert("LabelF_Stueckpreis"), QStringLiteral("54,00"));
    EXPECT_EQ(Kontext.Grid.back().Gesamtpreis, 450.0L);

    const QString Ohne_Bank = Kontext.Grid.back().Beschreibung;
    Waehlen("CBC_Bank", 1);
    EXPECT_EQ(Fenster().Rolladen.ItemIndex_Lesen(7), 1);
    ASSERT_EQ(Kontext.Grid.size(), 2u);
    EXPECT_NE(Kontext.Grid.back().Beschreibung, Ohne_Bank);
    EXPECT_EQ(Kontext.Grid.back().Beschreibung, Fenster().Beschreibung());
}

TEST_F(TForm_PositionenTest, BankOhneRolladenGesperrtAberBehalten)
{
    Zeigen();
    Waehlen("CBC_Rolladen", 1);
    Waehlen("CBC_Bank", 1);
    Waehlen("CBC_Rolladen", 0);
    EXPECT_FALSE(Liste("CBC_Bank")->isEnabled());
    EXPECT_EQ(Liste("CBC_Bank")->currentText(), QStringLiteral("Steinbank"));
    EXPECT_EQ(Fenster().Rolladen.ItemIndex_Lesen(7), 1);
    Waehlen("CBC_Rolladen", 1);
    EXPECT_TRUE(Liste("CBC_Bank")->isEnabled());
    EXPECT_EQ(Liste("CBC_Bank")->currentText(), QStringLiteral("Steinbank"));
}

class TFluegelwechselTest : public TForm_PositionenTest
{
protected:
    void SetUp() override
    {
        TForm_PositionenTest::SetUp();
        Fenster().Abmessungen.Fenstertyp_Setzen(2);
        Fenster().Abmessungen.HoeheOberlicht_Setzen(400);
        Fenster().Sonderausfuehrungen.ItemIndex_Setzen(1, 2);
        Fenster().Beschlaege.ItemIndex_Setzen(4, 1);
        Fenster().Ergaenzungen.ItemIndex_Setzen(7, 1);
        Zeigen();
        ASSERT_EQ(Feld("EditA_HoeheOberlicht")->text(), QStringLiteral("400"));
        ASSERT_TRUE(Haken("CB_PutzFangschere")->isChecked());
    }
};

TEST_F(TFluegelwechselTest, ZweiFluegelLeertOberlichtOeffnerUndSchere)
{
    Waehlen("CBC_Fluegel", 2);
    EXPECT_EQ(Fenster().Abmessungen.Fenstertyp_Lesen(), 3);
    EXPECT_EQ(Fenster().Abmessungen.HoeheOberlicht(), 0);
    EXPECT_EQ(Fenster().Sonderausfuehrungen.ItemIndex_Lesen(1), 0);
    EXPECT_EQ(Fenster().Beschlaege.ItemIndex_Lesen(4), 0);
    EXPECT_EQ(Fenster().Ergaenzungen.ItemIndex_Lesen(7), 0);
    EXPECT_EQ(Feld("EditA_HoeheOberlicht")->text(), QString());
    EXPECT_FALSE(Feld("EditA_HoeheOberlicht")->isEnabled());
    EXPECT_FALSE(Liste("CBC_Oberlichtoeffner")->isEnabled());
    EXPECT_EQ(Liste("CBC_Oberlichtoeffner")->currentIndex(), 0);
    EXPECT_FALSE(Haken("CB_PutzFangschere")->isEnabled());
    EXPECT_FALSE(Haken("CB_PutzFangschere")->isChecked());
    EXPECT_EQ(Kontext.Grid.size(), 1u);
}

TEST_F(TFluegelwechselTest, ZweiFluegelMitOberlichtBehaeltAlleDrei)
{
    Waehlen("CBC_Fluegel", 3);
    EXPECT_EQ(Fenster().Abmessungen.Fenstertyp_Lesen(), 4);
    EXPECT_EQ(Fenster().Abmessungen.HoeheOberlicht(), 400);
    EXPECT_EQ(Fenster().Sonderausfuehrungen.ItemIndex_Lesen(1), 2);
    EXPECT_EQ(Fenster().Beschlaege.ItemIndex_Lesen(4), 1);
    EXPECT_EQ(Fenster().Ergaenzungen.ItemIndex_Lesen(7), 0);
    EXPECT_EQ(Feld("EditA_HoeheOberlicht")->text(), QStringLiteral("400"));
    EXPECT_TRUE(Liste("CBC_Oberlichtoeffner")->isEnabled());
    EXPECT_EQ(Liste("CBC_Oberlichtoeffner")->currentText(), QStringLiteral("mit Kurbel"));
    EXPECT_TRUE(Haken("CB_PutzFangschere")->isChecked());
}

TEST_F(TForm_PositionenTest, SchallschutzglasAbNeunErzwingtZweiteDichtung)
{
    Zeigen();
    QCheckBox* Dichtung = Haken("CheckBox_2te_Dichtung");
    Waehlen("CBC_Glas_1", 8);
    EXPECT_FALSE(Dichtung->isChecked());
    EXPECT_TRUE(Dichtung->isEnabled());
    EXPECT_EQ(Fenster().Sonderausfuehrungen.ItemIndex_Lesen(3), 0);

    Waehlen("CBC_Glas_1", 9);
    EXPECT_TRUE(Dichtung->isChecked());
    EXPECT_FALSE(Dichtung->isEnabled());
    EXPECT_EQ(Fenster().Sonderausfuehrungen.ItemIndex_Lesen(3), 1);

    Waehlen("CBC_Glas_1", 8);
    EXPECT_TRUE(Dichtung->isChecked());
    EXPECT_TRUE(Dichtung->isEnabled());
    EXPECT_EQ(Fenster().Sonderausfuehrungen.ItemIndex_Lesen(3), 1);

    QTest::mouseClick(Dichtung, Qt::LeftButton);
    EXPECT_EQ(Fenster().Sonderausfuehrungen.ItemIndex_Lesen(3), 0);
}

TEST_F(TForm_PositionenTest, GespeichertesSchallschutzglasErzwingtDichtungBeimAnzeigen)
{
    Fenster().Glaeser.ItemIndex_Setzen(0, 12);
    Zeigen();
    EXPECT_EQ(Fenster().Sonderausfuehrungen.ItemIndex_Lesen(3), 1);
    EXPECT_TRUE(Haken("CheckBox_2te_Dichtung")->isChecked());
    EXPECT_FALSE(Haken("CheckBox_2te_Dichtung")->isEnabled());
}

TEST_F(TForm_PositionenTest, SonderfarbeFuegtIhrePositionHinzuUndEntferntSie)
{
    Zeigen();
    Waehlen("CBC_Oberflaeche", 7);
    QCheckBox* Sonderfarbe = Haken("CheckBox_Sonderfarbe");
    QTest::mouseClick(Sonderfarbe, Qt::LeftButton);
    EXPECT_EQ(Fenster().Oberflaechen.ItemIndex_Lesen(), 8);
    EXPECT_TRUE(Kontext.Bestellung().Typ_Vorhanden(Positionstyp::Sonderfarbe));
    EXPECT_FALSE(Liste("CBC_Oberflaeche")->isEnabled());
    EXPECT_EQ(Liste("CBC_Oberflaeche")->currentIndex(), 0);

    QTest::mouseClick(Sonderfarbe, Qt::LeftButton);
    EXPECT_EQ(Fenster().Oberflaechen.ItemIndex_Lesen(), 0);
    EXPECT_FALSE(Kontext.Bestellung().Typ_Vorhanden(Positionstyp::Sonderfarbe));
    EXPECT_TRUE(Liste("CBC_Oberflaeche")->isEnabled());
    EXPECT_EQ(Liste("CBC_Oberflaeche")->currentText(), QStringLiteral("1 farbig            nach RAL-Standard"));
}

// "zzgl. /Stk." holds the non-discountable share (here the sliding element,
// 299,00 per window) besides the per-piece surcharges (the threshold, 99,90
// per metre of width).
TEST_F(TForm_PositionenTest, ZzglProStueckEnthaeltDenNichtRabattfaehigenAnteil)
{
    Fenster().Abmessungen.Fenstertyp_Setzen(3);
    Fenster().Ergaenzungen.ItemIndex_Setzen(7, 1);
    Zeigen();
    Waehlen("CBC_Bodenschwelle", 1);
    ASSERT_EQ(Fenster().Ergaenzungen.ItemIndex_Lesen(7), 1);
    EXPECT_EQ(Fenster().Einzelpreis_Nicht_Rabattfaehig(), 299.0L);
    EXPECT_EQ(Wert("LabelF_Stueckpreis"), QStringLiteral("398,90"));
    Eingeben("EditA_Breite", QStringLiteral("1200"));
    EXPECT_EQ(Wert("LabelF_Stueckpreis"), QStringLiteral("418,88"));
    const TPosition& P = Fenster();
    EXPECT_EQ(Wert("LabelF_Einzelpreis"), Zahlformat::Betrag(P.Meterpreis() * P.Abmessungen.UM() + 418.88L));
}

TEST_F(TForm_PositionenTest, FluegelwechselWendetDieDichtungsregelAn)
{
    Zeigen();
    Fenster().Glaeser.ItemIndex_Setzen(0, 10);
    Fenster().Sonderausfuehrungen.ItemIndex_Setzen(3, 0);
    Waehlen("CBC_Fluegel", 2);
    EXPECT_EQ(Fenster().Sonderausfuehrungen.ItemIndex_Lesen(3), 1);
    EXPECT_TRUE(Haken("CheckBox_2te_Dichtung")->isChecked());
    EXPECT_FALSE(Haken("CheckBox_2te_Dichtung")->isEnabled());
}

TEST_F(TForm_PositionenTest, OberflaecheNachSonderfarbenfensterBleibtErhalten)
{
    Fenster().Oberflaechen.ItemIndex_Setzen(8);
    Kontext.Bestellung().Position_Anfuegen(Positionstyp::Fenster);
    Kontext.Bestellung().Eintrag(1).Als<TPosition>()->Oberflaechen.ItemIndex_Setzen(5);
    Zeigen();
    ASSERT_TRUE(Haken("CheckBox_Sonderfarbe")->isChecked());
    ASSERT_FALSE(Liste("CBC_Oberflaeche")->isEnabled());

    Kontext.Zeile = 1;
    Form->Focus_Form_Positionen();
    EXPECT_EQ(Fenster().Oberflaechen.ItemIndex_Lesen(), 5);
    EXPECT_EQ(Liste("CBC_Oberflaeche")->currentIndex(), 5);
    EXPECT_TRUE(Liste("CBC_Oberflaeche")->isEnabled());
    EXPECT_FALSE(Haken("CheckBox_Sonderfarbe")->isChecked());
    EXPECT_EQ(Kontext.Bestellung().Eintrag(0).Als<TPosition>()->Oberflaechen.ItemIndex_Lesen(), 8);
}

TEST_F(TForm_PositionenTest, SonderformZeigtIhrenNamen)
{
    Zeigen();
    Waehlen("CBE_Sonderformen", 7);
    EXPECT_EQ(Fenster().Sonderformen.ItemIndex_Lesen(), 7);
    EXPECT_EQ(Wert("Label_Sonderformen"), QStringLiteral("(Rundbogen)"));
    EXPECT_EQ(Liste("CBE_Sonderformen")->itemIcon(7).actualSize(QSize(64, 64)), QSize(30, 30));
}

TEST_F(TForm_PositionenTest, UnabhaengigeListenBeeinflussenSichNicht)
{
    Zeigen();
    Waehlen("CBC_FuellungAnzahl", 3);
    Waehlen("CBC_Felder", 4);
    Waehlen("CBC_Rahmen_Seiten", 8);
    EXPECT_EQ(Fenster().Ergaenzungen.ItemIndex_Lesen(8), 3);
    EXPECT_EQ(Fenster().Ergaenzungen.ItemIndex_Lesen(0), 0);
    EXPECT_EQ(Fenster().Sprossen.ItemIndex_Lesen(1), 4);
    EXPECT_EQ(Fenster().Zierprofile.ItemIndex_Lesen(5), 8);
    EXPECT_TRUE(Liste("CBC_FuellungAnzahl")->isEnabled());
    EXPECT_TRUE(Liste("CBC_Rahmen_Seiten")->isEnabled());
}

// Each list stores its choice in its own row of the window: chosen to its
// last entry one after the other, all of them show it again once the window
// is loaded anew (a list writing into another's row would show that one changed).
TEST_F(TForm_PositionenTest, JedeListeSchreibtInIhreZeile)
{
    Zeigen();
    std::vector<QComboBox*> Gewaehlt;
    for (QComboBox* Box : Form->findChildren<QComboBox*>()) {
        if (!Box->isEnabled() || Box->objectName() == QLatin1String("CBC_Fluegel"))
            continue;
        Waehlen(Box->objectName().toLatin1().constData(), Box->count() - 1);
        Gewaehlt.push_back(Box);
    }
    ASSERT_GE(Gewaehlt.size(), 25u);
    for (QComboBox* Box : Gewaehlt)
        Box->setCurrentIndex(0);
    Form->Focus_Form_Positionen();
    for (QComboBox* Box : Gewaehlt)
        EXPECT_EQ(Box->currentIndex(), Box->count() - 1) << Box->objectName().toStdString();
}

// The window opens where it was last closed, also in the next run; never off the screens.
TEST_F(TForm_PositionenTest, OeffnetWoEsZuletztStand)
{
    Zeigen();
    Form->move(140, 90);
    Form->hide();
    EXPECT_EQ(TForm_Positionen(Kontext).pos(), QPoint(140, 90));
    TEinstellungen().setValue(QStringLiteral("Editor/Lage"), QPoint(-90000, -90000));
    EXPECT_NE(TForm_Positionen(Kontext).pos(), QPoint(-90000, -90000));
}

TEST_F(TForm_PositionenTest, TastendruckKlapptDieFluegellisteAuf)
{
    Zeigen();
    QComboBox* Fluegel = Liste("CBC_Fluegel");
    Fluegel->setFocus();
    QTest::keyClick(Fluegel, '2');
    ASSERT_TRUE(Fluegel->view()->isVisible());
    EXPECT_EQ(Fenster().Abmessungen.Fenstertyp_Lesen(), 1) << "typing only searches the open list";
    QTest::keyClick(Fluegel->view(), Qt::Key_Return);
    EXPECT_EQ(Fenster().Abmessungen.Fenstertyp_Lesen(), 3);
}

TEST_F(TForm_PositionenTest, OkVerbirgtUndBehaeltDieAenderungen)
{
    Zeigen();
    Waehlen("CBC_Holz", 1);
    QTest::mouseClick(Element<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Fenster().Hoelzer.ItemIndex_Lesen(), 1);
}

TEST_F(TForm_PositionenTest, FragezeichenOeffnetDieDrehrichtungen)
{
    Zeigen();
    QTest::mouseClick(Element<QLabel>("LabelA_Drehrichtungen_Hilfe"), Qt::LeftButton);
    EXPECT_EQ(Kontext.Infofenster, QStringList{QStringLiteral("TAboutBox_Drehrichtungen")});
}

// ---------------------------------------------------------------- entry fields

TEST_F(TForm_PositionenTest, ZuSchmaleBreiteWirdRotUndBleibtMitHinweis)
{
    Zeigen();
    QLineEdit* Breite = Feld("EditA_Breite");
    Breite->setFocus();
    Breite->selectAll();
    for (QChar Ziffer : QStringLiteral("299")) {
        QTest::keyClick(Breite, Ziffer.toLatin1());
        EXPECT_TRUE(Rot_Geschrieben(Breite)) << Breite->text().toStdString();
    }
    EXPECT_EQ(Fenster().Abmessungen.Breite(), 1000) << "nothing is stored while typing";
    QTest::keyClick(Breite, Qt::Key_Tab);
    EXPECT_EQ(Fenster().Abmessungen.Breite(), 1000);
    EXPECT_EQ(Breite->text(), QStringLiteral("1000"));
    EXPECT_FALSE(Rot_Geschrieben(Breite));
    const auto* Hinweis = Element<QLabel>("Eingabehinweis");
    ASSERT_NE(Hinweis, nullptr);
    EXPECT_TRUE(Hinweis->isVisible());
    EXPECT_EQ(Hinweis->text(), QStringLiteral("Die Breite 299 mm liegt außerhalb 300–6000 mm; 1000 bleibt."));
    EXPECT_TRUE(Form->rect().contains(Hinweis->geometry())) << "the note stands inside the editor";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Hinweis->isVisible(); }, TEingabehinweis::Anzeigedauer_ms + 5000))
        << "the note goes by itself";

    Eingeben("EditA_Breite", QStringLiteral("300"));
    EXPECT_EQ(Fenster().Abmessungen.Breite(), 300);
    EXPECT_FALSE(Rot_Geschrieben(Breite));
}

// Leaving the editor by activating another window or by its title-bar close
// stores a valid width exactly as leaving the field would; a red one stays
// unsaved in its field.
TEST_F(TForm_PositionenTest, WegklickenUndSchliessenSpeichernDieGueltigeEingabe)
{
    struct TFall
    {
        const char* Weg;
        QString Eingabe;
        int Gespeichert;
    };
    const TFall Faelle[] = {
        {"Hauptfenster", QStringLiteral("1234"), 1234},
        {"Schliessen", QStringLiteral("1235"), 1235},
        {"Hauptfenster", QStringLiteral("12"), 1000},
        {"Schliessen", QStringLiteral("9999"), 1000},
    };
    QWidget Hauptfenster;
    for (const TFall& F : Faelle) {
        Fenster().Abmessungen.Breite_Setzen(1000);
        Zeigen();
        QLineEdit* Breite = Feld("EditA_Breite");
        Breite->setFocus();
        Breite->selectAll();
        QTest::keyClicks(Breite, F.Eingabe);
        ASSERT_EQ(Fenster().Abmessungen.Breite(), 1000) << "nothing is stored while typing";

        if (QLatin1String(F.Weg) == QLatin1String("Hauptfenster")) {
            Hauptfenster.show();
            Hauptfenster.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&Hauptfenster));
        } else {
            EXPECT_TRUE(Form->close());
            EXPECT_FALSE(Form->isVisible());
        }
        EXPECT_EQ(Fenster().Abmessungen.Breite(), F.Gespeichert) << F.Weg << " " << F.Eingabe.toStdString();
        if (F.Gespeichert != 1000) {
            ASSERT_FALSE(Kontext.Grid.empty()) << "the grid shows the stored width";
            EXPECT_EQ(Kontext.Grid.back().Gesamtpreis, Fenster().Gesamtpreis());
            EXPECT_EQ(Breite->text(), F.Eingabe);
        } else {
            EXPECT_EQ(Breite->text(), F.Eingabe) << "a red entry stays in its field";
            EXPECT_TRUE(Rot_Geschrieben(Breite));
        }
        Hauptfenster.hide();
        Form->hide();
    }
}

TEST_F(TForm_PositionenTest, WegklickenOhneEingabeAendertNichts)
{
    Zeigen();
    Feld("EditA_Hoehe")->setFocus();
    QWidget Hauptfenster;
    Hauptfenster.show();
    Hauptfenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Hauptfenster));
    EXPECT_TRUE(Kontext.Grid.empty()) << "an untouched field is not stored again";
    EXPECT_EQ(Fenster().Abmessungen.Hoehe(), 2000);
}

TEST_F(TForm_PositionenTest, EnterAufOkDruecktEs)
{
    Zeigen();
    auto* Ok = Element<QPushButton>("BitBtn1");
    Ok->setFocus();
    QTest::keyClick(Ok, Qt::Key_Return);
    EXPECT_FALSE(Form->isVisible());
    Zeigen();
    QTest::keyClick(Ok, Qt::Key_Enter);
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(TForm_PositionenTest, EnterImOberlichtSpeichertUndSpringtZurAnzahl)
{
    Fenster().Abmessungen.Fenstertyp_Setzen(2);
    Zeigen();
    QLineEdit* Oberlicht = Feld("EditA_HoeheOberlicht");
    Oberlicht->setFocus();
    Oberlicht->selectAll();
    QTest::keyClicks(Oberlicht, QStringLiteral("450"));
    QTest::keyClick(Oberlicht, Qt::Key_Return);
    EXPECT_EQ(Fenster().Abmessungen.HoeheOberlicht(), 450);
    EXPECT_EQ(QApplication::focusWidget(), Feld("EditA_Anzahl"));
}

// One wheel notch over a list the user has not clicked changes nothing.
TEST_F(TForm_PositionenTest, MausradWirktNurAufListenMitFokus)
{
    Zeigen();
    const auto Drehen = [](QWidget* Ziel) {
        const QPointF Mitte = QRectF(Ziel->rect()).center();
        QWheelEvent Rad(Mitte, Ziel->mapToGlobal(Mitte), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(Ziel, &Rad);
    };
    for (QComboBox* Box : Form->findChildren<QComboBox*>()) {
        if (!Box->isEnabled() || Box->count() < 2)
            continue;
        const QString Vorher = Fenster().Beschreibung();
        const int Index = Box->currentIndex();
        Drehen(Box);
        EXPECT_EQ(Box->currentIndex(), Index) << Box->objectName().toStdString();
        EXPECT_FALSE(Box->hasFocus()) << Box->objectName().toStdString();
        EXPECT_EQ(Fenster().Beschreibung(), Vorher) << Box->objectName().toStdString();
    }
    EXPECT_TRUE(Kontext.Grid.empty());

    QComboBox* Holz = Liste("CBC_Holz");
    Holz->setFocus(Qt::MouseFocusReason);
    Drehen(Holz);
    EXPECT_EQ(Holz->currentIndex(), 1) << "with the focus the wheel chooses";
}

// The closed box tells every item from the others of its list, and its
// tooltip gives the full text.
TEST_F(TForm_PositionenTest, GeschlosseneListenZeigenUnterscheidbareTexte)
{
    Zeigen();
    for (const TComboBoxColor* Box : Form->findChildren<TComboBoxColor*>()) {
        QHash<QString, int> Gesehen;
        for (int i = 0; i < Box->count(); ++i) {
            const QString Gezeigt = Box->Angezeigter_Text(i);
            const auto Frueher = Gesehen.constFind(Gezeigt);
            if (Frueher != Gesehen.constEnd() && Box->itemText(*Frueher) != Box->itemText(i)) {
                ADD_FAILURE() << Box->objectName().toStdString() << ": \"" << Box->itemText(*Frueher).toStdString()
                              << "\" and \"" << Box->itemText(i).toStdString() << "\" both show as \""
                              << Gezeigt.toStdString() << "\"";
            }
            Gesehen.insert(Gezeigt, i);
        }
    }
    auto* Oeffner = Element<TComboBoxColor>("CBC_Oberlichtoeffner");
    Oeffner->setCurrentIndex(3);
    EXPECT_EQ(Oeffner->Tooltip_Text(),
              QStringLiteral("mit Motor 24 V (ohne Steurung/Schaler)\nFür Fenster mit Oberlicht"));
    auto* Glas = Element<TComboBoxColor>("CBC_Glas_1");
    Glas->setCurrentIndex(Glas->count() - 1);
    EXPECT_EQ(Glas->Tooltip_Text(), Glas->itemText(Glas->count() - 1));
}

// A refused entry keeps the stored value: the field shows it again and a note says why.
TEST_F(TForm_PositionenTest, ZahlenfelderBehaltenDenWertBeiAbgelehnterEingabe)
{
    struct TFall
    {
        const char* Feld;
        QString Eingabe;
        int Gespeichert;
        QString Hinweis;
    };
    const TFall Faelle[] = {
        {"EditA_Breite", QStringLiteral("6000"), 6000, {}},
        {"EditA_Breite", QStringLiteral("99999"), 6000, QStringLiteral("Die Breite 9999 mm liegt außerhalb 300–6000 mm; 6000 bleibt.")},
        {"EditA_Breite", QStringLiteral("6001"), 6000, QStringLiteral("Die Breite 6001 mm liegt außerhalb 300–6000 mm; 6000 bleibt.")},
        {"EditA_Breite", QStringLiteral("12a"), 6000, QStringLiteral("Die Breite „12a“ ist keine ganze Zahl; 6000 bleibt.")},
        {"EditA_Hoehe", QStringLiteral("5000"), 5000, {}},
        {"EditA_Hoehe", QStringLiteral("5001"), 5000, QStringLiteral("Die Höhe 5001 mm liegt außerhalb 300–5000 mm; 5000 bleibt.")},
        {"EditA_Hoehe", QStringLiteral("0800"), 800, {}},
        {"EditA_Hoehe", QString(), 800, QStringLiteral("Die Höhe darf nicht leer sein; 800 bleibt.")},
        {"EditA_Anzahl", QString(), 1, QStringLiteral("Die Anzahl darf nicht leer sein; 1 bleibt.")},
        {"EditA_Anzahl", QStringLiteral("0"), 0, {}},
        {"EditA_Anzahl", QStringLiteral("-1"), 0, QStringLiteral("Die Anzahl -1 liegt außerhalb 0–10000; 0 bleibt.")},
        {"EditA_Anzahl", QStringLiteral("+12"), 12, {}},
    };
    Zeigen();
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(std::string(F.Feld) + " " + F.Eingabe.toStdString());
        Eingeben(F.Feld, F.Eingabe);
        const TAbmessungen& A = Fenster().Abmessungen;
        const int Gespeichert = QLatin1String(F.Feld) == QLatin1String("EditA_Breite") ? A.Breite()
                              : QLatin1String(F.Feld) == QLatin1String("EditA_Hoehe")  ? A.Hoehe()
                                                                                        : A.Anzahl();
        EXPECT_EQ(Gespeichert, F.Gespeichert);
        EXPECT_EQ(Feld(F.Feld)->text(), QString::number(F.Gespeichert));
        EXPECT_FALSE(Rot_Geschrieben(Feld(F.Feld)));
        auto* Hinweis = Form->findChild<QLabel*>(QStringLiteral("Eingabehinweis"));
        EXPECT_EQ(Hinweis && Hinweis->isVisible() ? Hinweis->text() : QString(), F.Hinweis);
        if (Hinweis)
            Hinweis->hide();
    }
}

TEST_F(TForm_PositionenTest, AnzahlNullErgibtGesamtpreisNull)
{
    Zeigen();
    Eingeben("EditA_Anzahl", QStringLiteral("0"));
    EXPECT_EQ(Wert("LabelF_Stueckzahl"), QStringLiteral("0"));
    EXPECT_EQ(Wert("LabelF_Gesamtpreis"), QStringLiteral("0,00"));
    EXPECT_EQ(Wert("LabelF_Einzelpreis"), QStringLiteral("396,00"));
}

TEST_F(TForm_PositionenTest, OberlichthoeheNurInnerhalbDerHoehengrenzen)
{
    Fenster().Abmessungen.Fenstertyp_Setzen(2);
    Fenster().Abmessungen.Hoehe_Setzen(1000);
    Zeigen();
    const int Vorher = Fenster().Abmessungen.HoeheOberlicht();
    Eingeben("EditA_HoeheOberlicht", QStringLiteral("250"));
    EXPECT_EQ(Fenster().Abmessungen.HoeheOberlicht(), Vorher);
    EXPECT_TRUE(Fenster().Abmessungen.hatOberlicht());
    EXPECT_EQ(Feld("EditA_HoeheOberlicht")->text(), Vorher ? QString::number(Vorher) : QString());

    Eingeben("EditA_HoeheOberlicht", QStringLiteral("3000"));
    EXPECT_EQ(Fenster().Abmessungen.HoeheOberlicht(), 3000);
}

TEST_F(TForm_PositionenTest, FenstertypWechselFaerbtUnveraenderteBreiteNeu)
{
    Fenster().Abmessungen.Breite_Setzen(2000);
    Zeigen();
    ASSERT_FALSE(Rot_Geschrieben(Feld("EditA_Breite")));
    Fenster().Abmessungen.Fenstertyp_Setzen(0);
    Form->Focus_Form_Positionen();
    EXPECT_TRUE(Rot_Geschrieben(Feld("EditA_Breite"))) << "2000 exceeds the 1400 of a fixed glazing";
}

TEST_F(TForm_PositionenTest, EnterInDerHoeheSpringtZumOberlichtNurMitOberlicht)
{
    struct TFall
    {
        int Fluegel_Eintrag;
        const char* Ziel;
    };
    for (const TFall& F : {TFall{2, "EditA_Anzahl"}, TFall{3, "EditA_HoeheOberlicht"}}) {
        Zeigen();
        Waehlen("CBC_Fluegel", F.Fluegel_Eintrag);
        QLineEdit* Hoehe = Feld("EditA_Hoehe");
        Hoehe->setFocus();
        Hoehe->selectAll();
        QTest::keyClicks(Hoehe, QStringLiteral("1500"));
        QTest::keyClick(Hoehe, Qt::Key_Return);
        EXPECT_EQ(Fenster().Abmessungen.Hoehe(), 1500);
        EXPECT_EQ(QApplication::focusWidget(), Feld(F.Ziel)) << F.Ziel;
    }
}

TEST_F(TForm_PositionenTest, EnterFuehrtDurchDieMasse)
{
    Zeigen();
    QLineEdit* Breite = Feld("EditA_Breite");
    Breite->setFocus();
    Breite->selectAll();
    QTest::keyClicks(Breite, QStringLiteral("1100"));
    QTest::keyClick(Breite, Qt::Key_Return);
    EXPECT_EQ(Fenster().Abmessungen.Breite(), 1100);
    EXPECT_EQ(QApplication::focusWidget(), Feld("EditA_Hoehe"));

    QLineEdit* Anzahl = Feld("EditA_Anzahl");
    Anzahl->setFocus();
    Anzahl->selectAll();
    QTest::keyClicks(Anzahl, QStringLiteral("3"));
    QTest::keyClick(Anzahl, Qt::Key_Return);
    EXPECT_EQ(Fenster().Abmessungen.Anzahl(), 3);
    EXPECT_EQ(QApplication::focusWidget(), Anzahl);
}

TEST_F(TForm_PositionenTest, BezeichnungMitEnterErscheintSofortImGrid)
{
    Zeigen();
    QLineEdit* Bez = Feld("Edit_Bez");
    Bez->setFocus();
    Tippen(Bez, QStringLiteral("Küche links"));
    EXPECT_EQ(Fenster().Bez, QString());
    QTest::keyClick(Bez, Qt::Key_Return);
    EXPECT_EQ(Fenster().Bez, QStringLiteral("Küche links"));
    ASSERT_FALSE(Kontext.Grid.empty());
    EXPECT_EQ(Kontext.Grid.back().Bez, QStringLiteral("Küche links"));
    EXPECT_EQ(QApplication::focusWidget(), Element<QPushButton>("BitBtn1"));
}

TEST_F(TForm_PositionenTest, TextfelderNehmenNurWindows1252Zeichen)
{
    Zeigen();
    QLineEdit* Bez = Feld("Edit_Bez");
    Bez->setFocus();
    Tippen(Bez, QStringLiteral("a€Ωb"));
    EXPECT_EQ(Bez->text(), QStringLiteral("a€b"));
}

TEST_F(TForm_PositionenTest, DrehrichtungWirdUnveraendertGespeichert)
{
    Zeigen();
    QLineEdit* Drehrichtung = Feld("EditA_Drehrichtung");
    Drehrichtung->setFocus();
    QTest::keyClicks(Drehrichtung, QStringLiteral(" DK links "));
    QTest::keyClick(Drehrichtung, Qt::Key_Return);
    EXPECT_EQ(Fenster().Abmessungen.Drehrichtung, QStringLiteral(" DK links "));
    EXPECT_EQ(QApplication::focusWidget(), Feld("EditA_Anzahl"));
}

TEST_F(TForm_PositionenTest, AnschlagWirdBeiJedemTastendruckOhneAktualisierungGespeichert)
{
    Fenster().Zierprofile.Anschlag = QStringLiteral("40");
    Zeigen();
    QLineEdit* Anschlag = Feld("Edit_Anschlag");
    EXPECT_EQ(Anschlag->text(), QStringLiteral("40"));
    Anschlag->setFocus();
    QTest::keyClick(Anschlag, Qt::Key_End);
    QTest::keyClick(Anschlag, '5');
    EXPECT_EQ(Fenster().Zierprofile.Anschlag, QStringLiteral("405"));
    EXPECT_TRUE(Kontext.Grid.empty());
}

// ---------------------------------------------------------------- layout

TEST_F(TForm_PositionenTest, KostenfreieEintraegeSindHimmelblau)
{
    struct TFall
    {
        const char* Liste;
        QList<int> Blau;
    };
    const TFall Faelle[] = {
        {"CBC_Fluegel",              {}},
        {"CBC_Fensterbankanschluss", {0, 1, 2, 3}},
        {"CBC_Profil",               {0, 1}},
        {"CBC_Konterholz",           {0}},
        {"CBC_Holz",                 {0}},
        {"CBC_Oberflaeche",          {0, 6}},
        {"CBC_Fluegelabdeckung",     {0}},
        {"CBC_Regen_Abdeckung",      {0, 1, 2, 3}},
        {"CBC_Regen_Fenster",        {0, 1, 2, 3}},
        {"CBC_Kaempfer",             {0, 1, 2, 3, 4}},
        {"CBC_Schlagleiste",         {0, 1, 2, 3, 4, 5}},
        {"CBC_Sprossen",             {0}},
        {"CBC_Felder",               {0}},
        {"CBC_Glas_1",               {0}},
        {"CBC_Glas_2",               {0}},
        {"CBC_Glas_3",               {0}},
        {"CBC_Glas_4",               {0}},
        {"CBC_Versiegelung",         {0}},
        {"CBC_Roto",                 {0}},
        {"CBC_Sicherheit",           {0}},
        {"CBC_Rolladen",             {0}},
        {"CBC_Bank",                 {0, 1}},
        {"CBC_Oberlichtoeffner",     {0}},
        {"CBC_Bodenschwelle",        {0}},
        {"CBC_Fuellung",             {0}},
        {"CBC_FuellungAnzahl",       {0}},
        {"CBC_Oliven",               {0}},
        {"CBC_Rahmen",               {0}},
        {"CBC_Rahmen_Seiten",        {0}},
    };
    EXPECT_EQ(std::size(Faelle), std::size_t(Form->findChildren<TComboBoxColor*>().size())) << "every option list";
    for (const TFall& F : Faelle) {
        const auto* Box = Element<TComboBoxColor>(F.Liste);
        for (int i = 0; i < Box->count(); ++i)
            EXPECT_EQ(Box->Hintergrundfarben()[std::size_t(i)],
                      F.Blau.contains(i) ? Himmelblau : QColor(Qt::white))
                << F.Liste << " item " << i;
    }
}

TEST_F(TForm_PositionenTest, TabfolgeFolgtDenGruppen)
{
    QStringList Folge;
    QWidget* w = Feld("EditA_Anzahl");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            Folge << w->objectName();
        w = w->nextInFocusChain();
    } while (w != Feld("EditA_Anzahl"));
    const QStringList Anfang{"EditA_Anzahl",         "CBC_Fluegel",              "EditA_Breite",
                             "EditA_Hoehe",          "EditA_HoeheOberlicht",     "CBC_Fensterbankanschluss",
                             "EditA_Drehrichtung",   "CBC_Regen_Abdeckung"};
    EXPECT_EQ(Folge.mid(0, Anfang.size()), Anfang);
    const qsizetype Ok = Folge.indexOf(QStringLiteral("BitBtn1"));
    ASSERT_GT(Ok, 0);
    EXPECT_EQ(Folge[Ok - 1], QStringLiteral("CheckBoxE_Oliven_1"));
    EXPECT_EQ(Folge[Ok + 1], QStringLiteral("Button_Abbrechen"));
    EXPECT_EQ(Folge[Ok + 2], QStringLiteral("Button_Fuer_Alle"));
    EXPECT_EQ(Folge[Ok + 3], QStringLiteral("CBC_Rahmen"));
    EXPECT_EQ(Folge.back(), QStringLiteral("Edit_Bez"));
}

TEST_F(TForm_PositionenTest, NichtsUeberlapptUndJederTextPasst)
{
    const QList<QGroupBox*> Gruppen = Form->findChildren<QGroupBox*>();
    for (const QGroupBox* G : Gruppen) {
        EXPECT_TRUE(Form->rect().contains(G->geometry())) << G->objectName().toStdString();
        for (const QGroupBox* H : Gruppen) {
            if (G != H) {
                EXPECT_FALSE(G->geometry().intersects(H->geometry()))
                    << G->objectName().toStdString() << " / " << H->objectName().toStdString();
            }
        }
        const QList<QWidget*> Kinder = G->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* K : Kinder) {
            EXPECT_TRUE(G->rect().contains(K->geometry())) << K->objectName().toStdString();
            for (const QWidget* L : Kinder) {
                if (K != L) {
                    EXPECT_FALSE(K->geometry().intersects(L->geometry()))
                        << G->objectName().toStdString() << ": " << K->objectName().toStdString() << " / "
                        << L->objectName().toStdString();
                }
            }
        }
    }
    for (const QLabel* L : Form->findChildren<QLabel*>()) {
        if (!L->text().isEmpty() && !L->objectName().startsWith(QLatin1String("LabelF_"))) {
            EXPECT_GE(L->width(), L->fontMetrics().horizontalAdvance(L->text())) << L->text().toStdString();
        }
    }
    for (const QCheckBox* C : Form->findChildren<QCheckBox*>())
        EXPECT_GE(C->width(), C->sizeHint().width()) << C->objectName().toStdString();
}
