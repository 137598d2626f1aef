#include "Hauptfenster_Testhilfen.h"

#include "base/Fehler.h"
#include "order/TBestellung.h"
#include "positions/TPosition_Freie.h"
#include "positions/TZulagevorlage.h"
#include "ui/shared/TComboBoxColor.h"
#include "ui/main/TAufAbPfeile.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/main/THaupt_Layout.h"
#include "ui/main/TOptionenMenue.h"
#include "ui/main/TPositionsmodell.h"
#include "ui/main/TProgramm.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>
#include <QWheelEvent>

#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace Hauptfenster_Test;

namespace {

const QString Angebot = QStringLiteral("Jetzt im Angebot: Aidol-Induline Pflegebalsam");

class TForm_HauptTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Fenster.show();
        QApplication::setActiveWindow(&Fenster);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    }

    template <class T>
    T* S(const char* Name)
    {
        return Suchen<T>(Fenster, Name);
    }
    QTableView* Raster() { return S<QTableView>("StringGrid1"); }
    QComboBox* NeuePos() { return S<QComboBox>("CBC_Haupt_NeuePos"); }
    void Neu(const QString& Text) { Eintrag_Waehlen(NeuePos(), Text); }
    TBestellung& B() { return Fenster.Bestellung(); }
    std::uint32_t Typ(int i) { return B().Eintrag(i).Positionstyp(); }
    bool Sichtbar(const char* Name) { return S<QWidget>(Name)->isVisibleTo(&Fenster); }

    // Clicks through the program's default error handler, as the running program
    // does, and lets the queued error report of the slot's guard run.
    static void Geschuetzt_Klicken(QWidget* Knopf)
    {
        const QPointF Mitte = QRectF(Knopf->rect()).center();
        QMouseEvent Druck(QEvent::MouseButtonPress, Mitte, Knopf->mapToGlobal(Mitte), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent Loslassen(QEvent::MouseButtonRelease, Mitte, Knopf->mapToGlobal(Mitte), Qt::LeftButton,
                              Qt::NoButton, Qt::NoModifier);
        TProgramm::Zustellen(Knopf, &Druck);
        TProgramm::Zustellen(Knopf, &Loslassen);
        QCoreApplication::processEvents();
    }

    TTestdienste Dienste;
    TForm_Haupt Fenster;
};

// ------------------------------------------------------------ layout and the empty order

TEST_F(TForm_HauptTest, LeereBestellungZeigtDenHinweisStattDesRasters)
{
    EXPECT_TRUE(Sichtbar("Panel1"));
    EXPECT_EQ(S<QLabel>("Panel1")->text(), QStringLiteral("Bitte fangen Sie mit einer neuen Position an"));
    EXPECT_FALSE(Sichtbar("StringGrid1"));
    for (const char* Knopf : {"Button_Position_Bearbeiten", "Button_Position_Loeschen", "Button_Bestellblatt"})
        EXPECT_FALSE(S<QPushButton>(Knopf)->isEnabled()) << Knopf;
    EXPECT_EQ(S<QLineEdit>("Edit_GesamtUM")->text(), QStringLiteral("0,00"));
    EXPECT_EQ(S<QLineEdit>("Edit_Montage_UM")->text(), QStringLiteral("0,00"));
    EXPECT_EQ(S<QLineEdit>("Edit_Summe")->text(), QStringLiteral("0,00"));
    EXPECT_EQ(S<QLineEdit>("Edit_Datum")->text(), Heute());
    EXPECT_EQ(Eintraege(NeuePos()),
              QStringList({QStringLiteral("Bitte wählen ..."), QStringLiteral("Fenster"),
                           QStringLiteral("Freie Position"), QStringLiteral("Zulage Umlfm"),
                           QStringLiteral("Zulage m2"), QStringLiteral("Zulage Stueck"),
                           QStringLiteral("Zulage Fenster"), Angebot}));
    EXPECT_EQ(NeuePos()->currentIndex(), 0);
    auto* Liste = static_cast<TComboBoxColor*>(NeuePos());
    EXPECT_EQ(Liste->Hintergrundfarben()[7], QColor(148, 255, 155));
    EXPECT_EQ(Liste->Hintergrundfarben()[1], QColor(Qt::white));
    EXPECT_TRUE(S<QCheckBox>("CB_Mit_Nachtext")->isChecked());
    EXPECT_FALSE(S<QCheckBox>("CB_Rabatt")->isChecked());
    EXPECT_FALSE(Sichtbar("Edit_Rabatt"));
    EXPECT_FALSE(Sichtbar("Edit_Zwischensumme"));
}

TEST_F(TForm_HauptTest, FensterHatDieVorgegebenenMasse)
{
    EXPECT_EQ(Fenster.windowTitle(), QStringLiteral("Unbenannt[*] – Quadrolis C2"));
    const QSize Kleinste(496, 572 + THaupt_Layout::Aufstellungshoehe);
    EXPECT_EQ(Fenster.centralWidget()->size(), Kleinste);
    EXPECT_EQ(Fenster.centralWidget()->minimumSize(), Kleinste);
    EXPECT_EQ(Fenster.size(), QSize(496, Kleinste.height() + Fenster.menuBar()->height() + Fenster.statusBar()->height()));
    EXPECT_TRUE(Fenster.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Raster()->selectionBehavior(), QAbstractItemView::SelectRows);
    auto* Rabattliste = S<TComboBoxColor>("CBC_RabattAuswahl");
    EXPECT_FALSE(Rabattliste->isVisibleTo(&Fenster));
    EXPECT_FALSE(Rabattliste->isEnabled());
    EXPECT_EQ(Rabattliste->Hintergrundfarben()[0], QColor(166, 202, 240));
    EXPECT_EQ(Rabattliste->Hintergrundfarben()[1], QColor(Qt::white));

    // Where each control stands at the smallest size, seen from the grid's corners.
    const auto Lagen = [this] {
        std::map<QString, QRect> L;
        for (QWidget* W : Fenster.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            L[W->objectName()] = W->geometry();
        return L;
    };
    const std::map<QString, QRect> Klein = Lagen();
    const QRect Raster_Klein = Klein.at(QStringLiteral("StringGrid1"));
    for (const QSize Groesse : {Kleinste, QSize(1260, 940)}) {
        SCOPED_TRACE(Groesse.width());
        Fenster.resize(Groesse.width(), Groesse.height() + Fenster.menuBar()->height() + Fenster.statusBar()->height());
        QCoreApplication::processEvents();
        ASSERT_EQ(Fenster.centralWidget()->size(), Groesse);
        const int dx = Groesse.width() - Kleinste.width();
        const int dy = Groesse.height() - Kleinste.height();
        // The grid and its description column take the room; nothing else changes size.
        EXPECT_EQ(Raster()->size(), QSize(465 + dx, 193 + dy));
        const int Breiten[] = {25, 45, 30, 216 + dx, 57, 66};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(Raster()->columnWidth(i), Breiten[i]) << i;
        const QRect Raster_Jetzt = Raster()->geometry();
        for (const auto& [Name, Lage] : Lagen()) {
            const QRect Vorher = Klein.at(Name);
            if (Name == QStringLiteral("StringGrid1") || Name == QStringLiteral("Panel1")
                || Name == QStringLiteral("Label3"))
                continue;
            EXPECT_EQ(Lage.size(), Vorher.size()) << Name.toStdString();
            // Under the grid a control keeps its distance from the grid's bottom, the
            // breakdown and the price heads from its right edge as well.
            const bool Rechts = Name.startsWith(QStringLiteral("Aufstellung_")) || Name == QStringLiteral("Label4")
                                || Name == QStringLiteral("Label5");
            const bool Unten = Vorher.top() >= Raster_Klein.bottom();
            EXPECT_EQ(Lage.left() - (Rechts ? Raster_Jetzt.right() : 0), Vorher.left() - (Rechts ? Raster_Klein.right() : 0))
                << Name.toStdString();
            EXPECT_EQ(Lage.top() - (Unten ? Raster_Jetzt.bottom() : 0), Vorher.top() - (Unten ? Raster_Klein.bottom() : 0))
                << Name.toStdString();
        }

        // Every control lies inside the client area and no two visible ones overlap.
        const QRect Client(QPoint(0, 0), Fenster.centralWidget()->size());
        std::vector<QWidget*> Sichtbare;
        for (QWidget* W : Fenster.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(Client.contains(W->geometry())) << W->objectName().toStdString();
            if (!W->isHidden() && W->objectName() != QStringLiteral("Panel1"))
                Sichtbare.push_back(W);
        }
        for (std::size_t i = 0; i < Sichtbare.size(); ++i)
            for (std::size_t j = i + 1; j < Sichtbare.size(); ++j)
                EXPECT_FALSE(Sichtbare[i]->geometry().intersects(Sichtbare[j]->geometry()))
                    << Sichtbare[i]->objectName().toStdString() << " / " << Sichtbare[j]->objectName().toStdString();
    }

    // Every caption fits its control, and "Bitte anfragen" its price column.
    for (QWidget* W : Fenster.centralWidget()->findChildren<QWidget*>()) {
        const std::string Name = W->objectName().toStdString();
        if (auto* L = qobject_cast<QLabel*>(W)) {
            if (L->wordWrap())
                EXPECT_LE(L->heightForWidth(L->width()), L->height()) << Name;
            else
                EXPECT_LE(L->fontMetrics().horizontalAdvance(L->text()), L->width()) << Name;
        } else if (auto* Haken = qobject_cast<QCheckBox*>(W)) {
            EXPECT_LE(Haken->sizeHint().width(), Haken->width()) << Name;
        } else if (auto* Knopf = qobject_cast<QPushButton*>(W)) {
            EXPECT_LE(Knopf->fontMetrics().horizontalAdvance(Knopf->text()) + 8, Knopf->width()) << Name;
        }
    }
    EXPECT_LE(Raster()->fontMetrics().horizontalAdvance(QStringLiteral("Bitte anfragen")) + 6, 57);
}

// The size and place of the window are those of the last run.
TEST_F(TForm_HauptTest, GroesseGiltAuchImNaechstenLauf)
{
    Fenster.resize(900, 860);
    QCoreApplication::processEvents();
    Dienste.Antworten.push_back(true);
    ASSERT_TRUE(Fenster.close());
    TForm_Haupt Naechster;
    EXPECT_EQ(Naechster.size(), QSize(900, 860));
}

// ------------------------------------------------------------ adding positions

TEST_F(TForm_HauptTest, NeuePositionAusDerListeWirdAngehaengtUndAusgewaehlt)
{
    Neu(QStringLiteral("Fenster"));
    ASSERT_EQ(B().Anzahl_Positionen(), 1);
    EXPECT_EQ(Typ(0), Positionstyp::Fenster);
    EXPECT_TRUE(Sichtbar("StringGrid1"));
    EXPECT_EQ(Raster()->model()->rowCount(), 1);
    EXPECT_EQ(Zelle(Raster(), 0, 0), QStringLiteral("1"));
    EXPECT_EQ(Zelle(Raster(), 0, 2), QStringLiteral("1"));
    EXPECT_EQ(Zelle(Raster(), 0, 3), TPositionsmodell::Kurzbeschreibung(*B().Eintrag(0).Als<TPosition>()));
    EXPECT_EQ(NeuePos()->currentText(), QStringLiteral("Bitte wählen ..."));
    for (const char* Knopf : {"Button_Position_Bearbeiten", "Button_Position_Loeschen", "Button_Bestellblatt"})
        EXPECT_TRUE(S<QPushButton>(Knopf)->isEnabled()) << Knopf;

    Neu(QStringLiteral("Zulage m2"));
    Neu(QStringLiteral("Zulage m2"));
    ASSERT_EQ(B().Anzahl_Positionen(), 3);
    EXPECT_EQ(Typ(1), Positionstyp::Freie_Zulage_M2);
    EXPECT_EQ(Typ(2), Positionstyp::Freie_Zulage_M2);
    EXPECT_EQ(Ausgewaehlt(Raster()), 2);
    EXPECT_EQ(Fenster.Ausgewaehlte_Zeile(), 2);
    EXPECT_EQ(Zelle(Raster(), 2, 0), QStringLiteral("3"));
}

// Every entry appends the kind it carries; the list holds that kind as item
// data, and the offer's entry leaves the list while the order has an offer.
TEST_F(TForm_HauptTest, JederEintragDerListeHaengtSeineArtAn)
{
    const std::vector<std::pair<QString, std::uint32_t>> Erwartet = {
        {QStringLiteral("Bitte wählen ..."), 0},        {QStringLiteral("Fenster"), 1},
        {QStringLiteral("Freie Position"), 4},          {QStringLiteral("Zulage Umlfm"), 9},
        {QStringLiteral("Zulage m2"), 10},              {QStringLiteral("Zulage Stueck"), 11},
        {QStringLiteral("Zulage Fenster"), 12},         {Angebot, 7},
    };
    const auto& Tabelle = Fenster.NeuePos_Tabelle().Eintraege();
    ASSERT_EQ(Tabelle.size(), Erwartet.size());
    for (std::size_t i = 0; i < Tabelle.size(); ++i) {
        const auto& [Text, Art] = Erwartet[i];
        SCOPED_TRACE(Text.toStdString());
        EXPECT_EQ(Tabelle[i].Text, Text);
        EXPECT_EQ(Tabelle[i].Typ, Art);
        ASSERT_EQ(NeuePos()->itemText(int(i)), Text);
        EXPECT_EQ(NeuePos()->itemData(int(i)).toUInt(), Art);

        const int Vorher = B().Anzahl_Positionen();
        Neu(Text);
        EXPECT_EQ(NeuePos()->currentIndex(), 0);
        if (Art == 0) {
            EXPECT_EQ(B().Anzahl_Positionen(), Vorher);
            continue;
        }
        ASSERT_EQ(B().Anzahl_Positionen(), Vorher + 1);
        EXPECT_EQ(Typ(Vorher), Art);
    }
    ASSERT_EQ(NeuePos()->count(), 7);
    for (int i = 0; i < NeuePos()->count(); ++i)
        EXPECT_EQ(NeuePos()->itemData(i).toUInt(), Erwartet[std::size_t(i)].second);
}

// Neither a wheel notch over the closed new-position list nor one after
// clicking into it appends a position.
TEST_F(TForm_HauptTest, MausradHaengtNieEinePositionAn)
{
    const auto Drehen = [](QWidget* Ziel) {
        const QPointF Mitte = QRectF(Ziel->rect()).center();
        for (const int Richtung : {-120, 120}) {
            QWheelEvent Rad(Mitte, Ziel->mapToGlobal(Mitte), QPoint(), QPoint(0, Richtung), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(Ziel, &Rad);
        }
    };
    Drehen(NeuePos());
    EXPECT_EQ(B().Anzahl_Positionen(), 0);
    NeuePos()->setFocus(Qt::MouseFocusReason);
    Drehen(NeuePos());
    EXPECT_EQ(B().Anzahl_Positionen(), 0);
    EXPECT_EQ(NeuePos()->currentIndex(), 0);
}

// A label that the "Bez." column cuts shows in full as the cell's tooltip.
TEST_F(TForm_HauptTest, AbgeschnitteneBezeichnungAlsTooltip)
{
    Neu(QStringLiteral("Freie Position"));
    Neu(QStringLiteral("Freie Position"));
    const QString Lang = QStringLiteral("Wohnzimmer links neben der Terrassentür");
    // The dialogs change the selected position only.
    Fenster.Zeile_Waehlen(0);
    B().Eintrag(0).Als<TPosition_Freie>()->Bez = Lang;
    Fenster.Zeile_Waehlen(1);
    B().Eintrag(1).Als<TPosition_Freie>()->Bez = QStringLiteral("Bad");
    Fenster.Hauptfenster_Aktualisieren();
    const auto Mitte = [&](int Zeile, int Spalte) {
        return Raster()->visualRect(Raster()->model()->index(Zeile, Spalte)).center();
    };
    EXPECT_EQ(Fenster.Raster_Tooltip(Mitte(0, 1)), Lang);
    EXPECT_EQ(Fenster.Raster_Tooltip(Mitte(1, 1)), QString()) << "a label that fits needs no tooltip";
    EXPECT_EQ(Fenster.Raster_Tooltip(Mitte(0, 3)), QString()) << "only the label column";
}

TEST_F(TForm_HauptTest, OptionenMenueHaengtVorgaben)
{
    QAction* Meranti = S<QAction>("Meranti1");
    EXPECT_EQ(Meranti->text(), QStringLiteral("Meranti"));
    Neu(QStringLiteral("Fenster"));
    Meranti->trigger();
    Meranti->trigger();
    S<QAction>("FensterV11")->trigger();
    ASSERT_EQ(B().Anzahl_Positionen(), 4);
    EXPECT_EQ(Typ(1), Positionstyp::Freie_Zulage_Umlfm);
    EXPECT_EQ(Typ(2), Positionstyp::Freie_Zulage_Umlfm);
    EXPECT_EQ(Typ(3), Positionstyp::Freie_Zulage_Fenster);
    EXPECT_EQ(Ausgewaehlt(Raster()), 3);
    EXPECT_TRUE(B().Eintrag(2).Beschreibung().contains(QStringLiteral("Meranti")));
    S<QAction>("Laerche1")->trigger();
    EXPECT_TRUE(B().Eintrag(4).Beschreibung().contains(QStringLiteral("Lärche")));
    EXPECT_EQ(Ausgewaehlt(Raster()), 4);
}

TEST_F(TForm_HauptTest, OptionenMenueHaengtJedeVorgabeSeinerTabelleAn)
{
    const auto& Tabelle = TOptionenMenue::Eintraege();
    ASSERT_EQ(S<QMenu>("Optionen1")->actions().size(), qsizetype(Tabelle.size()));
    int Zeile = 0;
    for (const TOptionenMenue::TEintrag& Eintrag : Tabelle) {
        SCOPED_TRACE(Eintrag.Name);
        QAction* Punkt = S<QAction>(Eintrag.Name);
        EXPECT_EQ(Punkt->text(), Eintrag.Text);
        Punkt->trigger();
        const TZulagevorlage& Vorlage = TZulagevorlage::Von(Eintrag.Vorlage);
        ASSERT_EQ(B().Anzahl_Positionen(), Zeile + 1);
        EXPECT_EQ(Typ(Zeile), Vorlage.Typ);
        EXPECT_TRUE(B().Eintrag(Zeile).Beschreibung().contains(Vorlage.Schluessel))
            << B().Eintrag(Zeile).Beschreibung().toStdString();
        EXPECT_EQ(Ausgewaehlt(Raster()), Zeile);
        ++Zeile;
    }
}

TEST_F(TForm_HauptTest, AngebotVerschwindetUndKommtZurueck)
{
    Neu(QStringLiteral("Fenster"));
    Neu(Angebot);
    EXPECT_EQ(Typ(1), Positionstyp::Zulage1);
    EXPECT_FALSE(Eintraege(NeuePos()).contains(Angebot));
    EXPECT_EQ(NeuePos()->count(), 7);

    Zeile_Anklicken(Raster(), 1);
    QTest::mouseClick(S<QPushButton>("Button_Position_Loeschen"), Qt::LeftButton);
    EXPECT_EQ(B().Anzahl_Positionen(), 1);
    EXPECT_EQ(Eintraege(NeuePos()).last(), Angebot);
    EXPECT_EQ(static_cast<TComboBoxColor*>(NeuePos())->Hintergrundfarben()[7], QColor(148, 255, 155));
}

// ------------------------------------------------------------ grid rows

TEST_F(TForm_HauptTest, FehlenderPreisHeisstBitteAnfragen)
{
    Neu(QStringLiteral("Freie Position"));
    Neu(QStringLiteral("Zulage Umlfm"));
    EXPECT_EQ(Zelle(Raster(), 0, 4), QStringLiteral("Bitte anfragen"));
    EXPECT_EQ(Zelle(Raster(), 0, 5), QStringLiteral("Bitte anfragen"));
    EXPECT_EQ(Zelle(Raster(), 1, 4), QStringLiteral("0,00"));
    EXPECT_EQ(Zelle(Raster(), 1, 5), QStringLiteral("0,00"));

    Fenster.Zeile_Waehlen(0);
    auto* Freie = B().Eintrag(0).Als<TPosition_Freie>();
    Freie->Stueckpreis = 12.5L;
    Freie->Anzahl = 3;
    Freie->Bez = QStringLiteral("A1");
    Fenster.Hauptfenster_Aktualisieren();
    EXPECT_EQ(Zelle(Raster(), 0, 1), QStringLiteral("A1"));
    EXPECT_EQ(Zelle(Raster(), 0, 2), QStringLiteral("3"));
    EXPECT_EQ(Zelle(Raster(), 0, 4), QStringLiteral("12,50"));
    EXPECT_EQ(Zelle(Raster(), 0, 5), QStringLiteral("37,50"));
    EXPECT_EQ(S<QLineEdit>("Edit_Summe")->text(), QStringLiteral("37,50"));
}

TEST(TPositionsmodell, KurzbeschreibungEinesFensters)
{
    TPosition P;
    P.Abmessungen.Breite_Setzen(1200);
    P.Abmessungen.Hoehe_Setzen(1400);
    P.Abmessungen.HoeheOberlicht_Setzen(300);
    P.Abmessungen.Drehrichtung = QStringLiteral("DL");
    const QString Text = TPositionsmodell::Kurzbeschreibung(P);
    EXPECT_EQ(Text, P.Abmessungen.Eintrag_Lesen().Name + QStringLiteral("; 1200x1400 (300 OL) DL; ")
                        + P.Profile.Eintrag_Lesen(0).Name + QStringLiteral("; ") + P.Hoelzer.Eintrag_Lesen().Name);

    TPosition Ohne;
    ASSERT_FALSE(Ohne.Abmessungen.hatOberlicht());
    EXPECT_FALSE(TPositionsmodell::Kurzbeschreibung(Ohne).contains(QStringLiteral("OL)")));
    EXPECT_TRUE(TPositionsmodell::Kurzbeschreibung(Ohne).contains(QStringLiteral("; 1000x2000 ; ")));
}

TEST(TPositionsmodell, FehlerEinerZeileVerlaesstDasModellNicht)
{
    auto Bestellung = std::make_shared<TBestellung>();
    Bestellung->Position_Anfuegen(Positionstyp::Fenster);
    Bestellung->Eintrag(0).Als<TPosition>()->Hoelzer.ItemIndex_Setzen(99);
    TPositionsmodell Modell;
    QSignalSpy Fehler(&Modell, &TPositionsmodell::Fehler);
    Modell.Aufbauen(*Bestellung);
    EXPECT_EQ(Modell.index(0, 0).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(Modell.index(0, 3).data().toString(), QString());
    EXPECT_EQ(Modell.index(0, 4).data().toString(), QString());
    EXPECT_EQ(Fehler.count(), 1);
}

// ------------------------------------------------------------ deleting and moving

TEST_F(TForm_HauptTest, SonderfarbeLaesstSichNichtLoeschen)
{
    Neu(QStringLiteral("Fenster"));
    B().Eintrag(0).Als<TPosition>()->Oberflaechen.ItemIndex_Setzen(TOberflaechen::Index_Sonderfarbe);
    B().Sonderfarbe_Abgleichen();
    Fenster.Hauptfenster_Aktualisieren();
    ASSERT_EQ(B().Anzahl_Positionen(), 2);
    ASSERT_EQ(Typ(1), Positionstyp::Sonderfarbe);

    Zeile_Anklicken(Raster(), 1);
    EXPECT_EQ(Fenster.Ausgewaehlte_Zeile(), 1);
    EXPECT_FALSE(S<QPushButton>("Button_Position_Loeschen")->isEnabled());
    QTest::keyClick(Raster(), Qt::Key_Delete);
    EXPECT_EQ(B().Anzahl_Positionen(), 2);

    // Deleting the window takes the special colour with it.
    Zeile_Anklicken(Raster(), 0);
    EXPECT_TRUE(S<QPushButton>("Button_Position_Loeschen")->isEnabled());
    QTest::keyClick(Raster(), Qt::Key_Delete);
    EXPECT_EQ(B().Anzahl_Positionen(), 0);
    EXPECT_FALSE(Sichtbar("StringGrid1"));
    EXPECT_FALSE(S<QPushButton>("Button_Position_Loeschen")->isEnabled());
}

TEST_F(TForm_HauptTest, LoeschenBehaeltDieZeileBisZurLetzten)
{
    Neu(QStringLiteral("Fenster"));
    Neu(QStringLiteral("Freie Position"));
    Neu(QStringLiteral("Zulage Stueck"));
    Zeile_Anklicken(Raster(), 1);
    QTest::mouseClick(S<QPushButton>("Button_Position_Loeschen"), Qt::LeftButton);
    ASSERT_EQ(B().Anzahl_Positionen(), 2);
    EXPECT_EQ(Typ(1), Positionstyp::Freie_Zulage_Stueck);
    EXPECT_EQ(Ausgewaehlt(Raster()), 1);
    QTest::mouseClick(S<QPushButton>("Button_Position_Loeschen"), Qt::LeftButton);
    EXPECT_EQ(B().Anzahl_Positionen(), 1);
    EXPECT_EQ(Ausgewaehlt(Raster()), 0);
}

// The grid's model keeps every rule of Qt's item models while positions are
// added, moved, deleted and the order starts anew; a broken rule aborts the test.
TEST_F(TForm_HauptTest, RastermodellHaeltDieRegelnDerModelle)
{
    QAbstractItemModelTester Pruefer(Raster()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    auto* Pfeile = S<TAufAbPfeile>("UpDown1");
    for (const QString& Art : {QStringLiteral("Fenster"), QStringLiteral("Freie Position"),
                               QStringLiteral("Zulage m2"), QStringLiteral("Zulage Stueck")})
        Neu(Art);
    ASSERT_EQ(Raster()->model()->rowCount(), 4);
    Zeile_Anklicken(Raster(), 1);
    QTest::mouseClick(Pfeile->Ab(), Qt::LeftButton);
    QTest::mouseClick(Pfeile->Auf(), Qt::LeftButton);
    QTest::mouseClick(S<QPushButton>("Button_Position_Loeschen"), Qt::LeftButton);
    EXPECT_EQ(Raster()->model()->rowCount(), 3);
    for (int Zeile = 0; Zeile < Raster()->model()->rowCount(); ++Zeile)
        for (int Spalte = 0; Spalte < Raster()->model()->columnCount(); ++Spalte)
            EXPECT_TRUE(Raster()->model()->index(Zeile, Spalte).isValid());
    for (int Rest = B().Anzahl_Positionen(); Rest > 0; --Rest)
        QTest::mouseClick(S<QPushButton>("Button_Position_Loeschen"), Qt::LeftButton);
    EXPECT_EQ(Raster()->model()->rowCount(), 0);
}

TEST_F(TForm_HauptTest, VerschiebenAnDenEnden)
{
    auto* Pfeile = S<TAufAbPfeile>("UpDown1");
    Neu(QStringLiteral("Fenster"));
    QTest::mouseClick(Pfeile->Ab(), Qt::LeftButton);
    QTest::mouseClick(Pfeile->Auf(), Qt::LeftButton);
    EXPECT_EQ(B().Anzahl_Positionen(), 1);
    EXPECT_EQ(Ausgewaehlt(Raster()), 0);

    Neu(QStringLiteral("Freie Position"));
    Neu(QStringLiteral("Zulage m2"));
    Zeile_Anklicken(Raster(), 0);
    QTest::mouseClick(Pfeile->Auf(), Qt::LeftButton);
    EXPECT_EQ(Typ(0), Positionstyp::Fenster);
    EXPECT_EQ(Ausgewaehlt(Raster()), 0);

    QTest::mouseClick(Pfeile->Ab(), Qt::LeftButton);
    EXPECT_EQ(Typ(0), Positionstyp::Freie);
    EXPECT_EQ(Typ(1), Positionstyp::Fenster);
    EXPECT_EQ(Ausgewaehlt(Raster()), 1);
    EXPECT_EQ(Zelle(Raster(), 1, 3), TPositionsmodell::Kurzbeschreibung(*B().Eintrag(1).Als<TPosition>()));

    QTest::mouseClick(Pfeile->Ab(), Qt::LeftButton);
    QTest::mouseClick(Pfeile->Ab(), Qt::LeftButton);
    EXPECT_EQ(Typ(2), Positionstyp::Fenster);
    EXPECT_EQ(Typ(1), Positionstyp::Freie_Zulage_M2);
    EXPECT_EQ(Ausgewaehlt(Raster()), 2);
}

// ------------------------------------------------------------ dialogs of the positions

class TKopplungTest : public TForm_HauptTest
{
protected:
    void SetUp() override
    {
        TForm_HauptTest::SetUp();
        for (QWidget* D : {&Fensterdialog, &Freiedialog})
            D->setWindowFlags(Qt::Window);
        Fenster.Dialog_Koppeln(Positionstyp::Fenster, &Fensterdialog, [this] {
            ++Fenster_Geladen;
            Fenster_Zeile = Fenster.Ausgewaehlte_Zeile();
        });
        Fenster.Dialog_Koppeln(Positionstyp::Freie, &Freiedialog, [this] { ++Freie_Geladen; });
    }

    QWidget Fensterdialog;
    QWidget Freiedialog;
    int Fenster_Geladen = 0;
    int Fenster_Zeile = -1;
    int Freie_Geladen = 0;
};

TEST_F(TKopplungTest, AuswahlTauschtDenOffenenDialog)
{
    Neu(QStringLiteral("Freie Position"));
    Neu(QStringLiteral("Fenster"));
    Neu(QStringLiteral("Zulage m2"));
    EXPECT_FALSE(Fensterdialog.isVisible());
    EXPECT_FALSE(Freiedialog.isVisible());

    // A kind without a dialog opens nothing.
    QTest::mouseClick(S<QPushButton>("Button_Position_Bearbeiten"), Qt::LeftButton);
    EXPECT_FALSE(Fensterdialog.isVisible());
    EXPECT_FALSE(Freiedialog.isVisible());

    Zeile_Anklicken(Raster(), 0);
    EXPECT_FALSE(Freiedialog.isVisible());
    QTest::mouseClick(S<QPushButton>("Button_Position_Bearbeiten"), Qt::LeftButton);
    EXPECT_TRUE(Freiedialog.isVisible());
    EXPECT_EQ(Freie_Geladen, 1);

    Zeile_Anklicken(Raster(), 1);
    EXPECT_FALSE(Freiedialog.isVisible());
    EXPECT_TRUE(Fensterdialog.isVisible());
    EXPECT_EQ(Fenster_Geladen, 1);
    EXPECT_EQ(Fenster_Zeile, 1);

    // A row without a dialog closes the open one.
    Zeile_Anklicken(Raster(), 2);
    EXPECT_FALSE(Fensterdialog.isVisible());
    EXPECT_FALSE(Freiedialog.isVisible());
}

TEST_F(TKopplungTest, NeuePositionOeffnetNurWennEinDialogOffenIst)
{
    Neu(QStringLiteral("Freie Position"));
    Zeile_Doppelklicken(Raster(), 0);
    ASSERT_TRUE(Freiedialog.isVisible());

    Neu(QStringLiteral("Fenster"));
    EXPECT_FALSE(Freiedialog.isVisible());
    EXPECT_TRUE(Fensterdialog.isVisible());
    EXPECT_EQ(Fenster_Zeile, 1);

    Neu(QStringLiteral("Fenster"));
    EXPECT_TRUE(Fensterdialog.isVisible());
    EXPECT_EQ(Fenster_Geladen, 1) << "an open dialog of the right kind stays as it is";

    // Deleting every position closes the dialog.
    for (int Rest = B().Anzahl_Positionen(); Rest > 0; --Rest)
        QTest::mouseClick(S<QPushButton>("Button_Position_Loeschen"), Qt::LeftButton);
    EXPECT_FALSE(Fensterdialog.isVisible());
    EXPECT_FALSE(Freiedialog.isVisible());
}

// ------------------------------------------------------------ errors and closing

TEST_F(TForm_HauptTest, FehlerImHandlerWirdGemeldetUndDasProgrammLaeuftWeiter)
{
    QWidget Dialog;
    Fenster.Dialog_Koppeln(Positionstyp::Fenster, &Dialog,
                           [] { throw EBereichsfehler(QStringLiteral("Bereichsüberschreitung: Index 42")); });
    Fenster.Dialog_Koppeln(Positionstyp::Freie, &Dialog, [] { throw std::out_of_range("vector::at"); });
    Neu(QStringLiteral("Fenster"));

    Geschuetzt_Klicken(S<QPushButton>("Button_Position_Bearbeiten"));
    ASSERT_EQ(Dienste.Meldungen.size(), 1u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Fehler"));
    EXPECT_EQ(Dienste.Meldungen[0].Text, QStringLiteral("Bereichsüberschreitung: Index 42"));
    Dialog.hide();

    Neu(QStringLiteral("Freie Position"));
    EXPECT_EQ(B().Anzahl_Positionen(), 2);
    EXPECT_EQ(Raster()->model()->rowCount(), 2);
    Geschuetzt_Klicken(S<QPushButton>("Button_Position_Bearbeiten"));
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Meldungen[1].Text, QStringLiteral("vector::at"));
    EXPECT_TRUE(S<QPushButton>("Button_Position_Loeschen")->isEnabled());
}

TEST(TProgramm, GeschuetztFaengtJedeAusnahme)
{
    TTestdienste Dienste;
    EXPECT_TRUE(TProgramm::Geschuetzt([] { return true; }));
    EXPECT_FALSE(TProgramm::Geschuetzt([]() -> bool { throw EUeberlauffehler(QStringLiteral("Überlauf")); }));
    EXPECT_FALSE(TProgramm::Geschuetzt([]() -> bool { throw 42; }));
    ASSERT_EQ(Dienste.Meldungen.size(), 2u);
    EXPECT_EQ(Dienste.Meldungen[0].Art, QStringLiteral("Fehler"));
    EXPECT_EQ(Dienste.Meldungen[0].Text, QStringLiteral("Überlauf"));
    EXPECT_EQ(Dienste.Meldungen[1].Text, QStringLiteral("Unbekannter Fehler"));
}

TEST_F(TForm_HauptTest, SchliessknopfOhneAenderungenFragtNicht)
{
    QSignalSpy Geschlossen(&Fenster, &TForm_Haupt::Geschlossen);
    Fenster.close();
    EXPECT_FALSE(Fenster.isVisible());
    EXPECT_EQ(Geschlossen.count(), 1);
    EXPECT_TRUE(Dienste.Meldungen.empty());
}

// ------------------------------------------------------------ header fields

TEST_F(TForm_HauptTest, KopffelderSchreibenInDieBestellung)
{
    auto* Bauvorhaben = S<QLineEdit>("Edit_Bauvorhaben");
    auto* Bemerkungen = S<QLineEdit>("Edit_Bemerkungen");
    Tippen(Bauvorhaben, QStringLiteral("Haus Süd"));
    QTest::keyClicks(Bemerkungen, QStringLiteral("bis Mai"));
    S<QLineEdit>("Edit_Datum")->clear();
    Tippen(S<QLineEdit>("Edit_Datum"), QStringLiteral("nächste Woche"));
    EXPECT_EQ(B().Bauvorhaben, QStringLiteral("Haus Süd"));
    EXPECT_EQ(B().Bemerkungen, QStringLiteral("bis Mai"));
    EXPECT_EQ(B().Datum, QStringLiteral("nächste Woche"));
}

TEST_F(TForm_HauptTest, AktualisierenZeigtAlleKopfdatenDerBestellung)
{
    B().Datum = QStringLiteral("1.4.");
    B().Ansprechpartner = QStringLiteral("Frau Adler");
    B().Telefon = QStringLiteral("030 1");
    B().Rechnungsempfaenger = QStringLiteral("Adler KG");
    B().Bauvorhaben = QStringLiteral("Neubau");
    B().Bemerkungen = QStringLiteral("eilig");
    Fenster.Hauptfenster_Aktualisieren();
    EXPECT_EQ(S<QLineEdit>("Edit_Datum")->text(), QStringLiteral("1.4."));
    EXPECT_EQ(S<QLineEdit>("Edit_Ansprechpartner")->text(), QStringLiteral("Frau Adler"));
    EXPECT_EQ(S<QLineEdit>("Edit_Telefon")->text(), QStringLiteral("030 1"));
    EXPECT_EQ(S<QLineEdit>("Edit_Rechnungsempfaenger")->text(), QStringLiteral("Adler KG"));
    EXPECT_EQ(S<QLineEdit>("Edit_Bauvorhaben")->text(), QStringLiteral("Neubau"));
    EXPECT_EQ(S<QLineEdit>("Edit_Bemerkungen")->text(), QStringLiteral("eilig"));
    EXPECT_EQ(B().Ansprechpartner, QStringLiteral("Frau Adler"));
    EXPECT_EQ(B().Bemerkungen, QStringLiteral("eilig"));
}

TEST_F(TForm_HauptTest, KopffelderNehmenNurWindows1252)
{
    for (const char* Name : {"Edit_Datum", "Edit_Ansprechpartner", "Edit_Telefon", "Edit_Rechnungsempfaenger",
                             "Edit_Bauvorhaben", "Edit_Bemerkungen"}) {
        auto* Feld = S<QLineEdit>(Name);
        Feld->clear();
        Tippen(Feld, QStringLiteral("Ä€ł"));
        EXPECT_EQ(Feld->text(), QStringLiteral("Ä€")) << Name;
        Feld->insert(QStringLiteral("x\u4E2D"));
        EXPECT_EQ(Feld->text(), QStringLiteral("Ä€")) << Name;
    }
    EXPECT_EQ(B().Ansprechpartner, QStringLiteral("Ä€"));
    EXPECT_EQ(B().Bemerkungen, QStringLiteral("Ä€"));
}

TEST_F(TForm_HauptTest, NachtextFolgtDemHaken)
{
    auto* Haken = S<QCheckBox>("CB_Mit_Nachtext");
    QTest::mouseClick(Haken, Qt::LeftButton);
    EXPECT_FALSE(B().MitNachtext);
    B().MitNachtext = true;
    Fenster.Hauptfenster_Aktualisieren();
    EXPECT_TRUE(Haken->isChecked());
}

} // namespace
