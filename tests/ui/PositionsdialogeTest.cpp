#include "base/Zahlformat.h"
#include "order/TBestellung.h"
#include "ui/shared/TDialogkontext.h"
#include "ui/dialogs/TForm_Freie.h"
#include "ui/dialogs/TForm_Freie_Zulage_Fenster.h"
#include "ui/dialogs/TForm_Freie_Zulage_M2.h"
#include "ui/dialogs/TForm_Freie_Zulage_Stueck.h"
#include "ui/dialogs/TForm_Freie_Zulage_Umlfm.h"
#include "ui/dialogs/TForm_Lieferung.h"
#include "ui/dialogs/TForm_Montage.h"
#include "ui/dialogs/TForm_Sonderfarbe.h"
#include "ui/dialogs/TForm_Zulage1.h"
#include "ui/dialogs/TForm_Zulage2.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& Text, std::ostream* Aus)
{
    *Aus << '"' << Text.toStdString() << '"';
}

namespace {

// Stands in for the main window: one order, a selected row, a count of refreshes.
class TTestkontext final : public TDialogkontext
{
public:
    TBestellung& Bestellung() override { return Auftrag; }
    int Ausgewaehlte_Zeile() const override { return Zeile; }
    void Zeile_Waehlen(int Neue_Zeile) override
    {
        Zeile = Neue_Zeile;
        Hauptfenster_Aktualisieren();
    }
    void Hauptfenster_Aktualisieren() override { ++Aktualisierungen; }
    void Infofenster_Zeigen(const char*) override {}
    void Bearbeitung_Abbrechen() override { ++Abbrueche; }

    TBestellung Auftrag;
    int Zeile = -1;
    int Aktualisierungen = 0;
    int Abbrueche = 0;
};

const QColor Rot(255, 0, 0);

class Positionsdialoge : public ::testing::Test
{
protected:
    // Appends a position of the kind and selects its row.
    template <class T>
    T& Anfuegen(std::uint32_t Typ, const QString& Vorlage = QString())
    {
        Kontext.Auftrag.Position_Anfuegen(Typ, Vorlage);
        Kontext.Zeile = Kontext.Auftrag.Anzahl_Positionen() - 1;
        return *Kontext.Auftrag.Eintrag(Kontext.Zeile).Als<T>();
    }

    // Shows the dialog as the main window's coupling does and makes it the active window.
    void Zeigen(QWidget& Dialog)
    {
        Dialog.show();
        Dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Dialog));
    }

    template <class W = QLineEdit>
    static W* Feld(const QWidget& Dialog, const char* Name)
    {
        auto* Gefunden = Dialog.findChild<W*>(QLatin1String(Name));
        EXPECT_NE(Gefunden, nullptr) << Name;
        return Gefunden;
    }

    // Types into the field as the user would, then leaves it with Enter.
    static void Eingeben(QLineEdit* Edit, const QString& Text)
    {
        Edit->setFocus(Qt::MouseFocusReason);
        Edit->selectAll();
        QTest::keyClicks(Edit, Text);
        QTest::keyClick(Edit, Qt::Key_Return);
    }

    static void Tippen(QWidget* Ziel, const QString& Text)
    {
        for (QChar Zeichen : Text)
            QTest::sendKeyEvent(QTest::Click, Ziel, Qt::Key_unknown, QString(Zeichen), Qt::NoModifier);
    }

    static QString Fokus()
    {
        const QWidget* Widget = QApplication::focusWidget();
        return Widget ? Widget->objectName() : QStringLiteral("(keiner)");
    }

    QString Einzelpreis_im_Raster() const
    {
        const TPositionseintrag& Eintrag = Kontext.Auftrag.Eintrag(Kontext.Zeile);
        if (Eintrag.Preis_Anfragen())
            return QStringLiteral("Bitte anfragen");
        return Zahlformat::Betrag(
            Eintrag.Einzelpreis(Kontext.Auftrag.Gesamt_UM_Fenster(), Kontext.Auftrag.Summe_Waren()));
    }

    TTestkontext Kontext;
};

// ------------------------------------------------------------ the free position

TEST_F(Positionsdialoge, FreiePositionPreisMitEnterGespeichertUndFokusZurAnzahl)
{
    auto& Position = Anfuegen<TPosition_Freie>(Positionstyp::Freie);
    TForm_Freie Dialog(Kontext);
    Zeigen(Dialog);
    auto* Edit_Preis = Feld(Dialog, "Edit_Preis");
    const int Vorher = Kontext.Aktualisierungen;

    Eingeben(Edit_Preis, QStringLiteral("12,5"));

    EXPECT_EQ(Position.Stueckpreis, 12.5L);
    EXPECT_EQ(QApplication::focusWidget(), Feld(Dialog, "Edit_Anzahl"));
    EXPECT_EQ(Edit_Preis->text(), QStringLiteral("12,5"));
    EXPECT_NE(Edit_Preis->palette().color(QPalette::Text), Rot);
    EXPECT_GT(Kontext.Aktualisierungen, Vorher);
    EXPECT_EQ(Einzelpreis_im_Raster(), QStringLiteral("12,50"));
}

TEST_F(Positionsdialoge, FreiePositionPreisAusserhalbDerGrenzenRotUndBleibtMitHinweis)
{
    auto& Position = Anfuegen<TPosition_Freie>(Positionstyp::Freie);
    Position.Stueckpreis = 40;
    TForm_Freie Dialog(Kontext);
    Zeigen(Dialog);
    auto* Edit_Preis = Feld(Dialog, "Edit_Preis");
    EXPECT_EQ(Edit_Preis->text(), QStringLiteral("40"));

    Edit_Preis->setFocus(Qt::MouseFocusReason);
    Edit_Preis->selectAll();
    QTest::keyClicks(Edit_Preis, QStringLiteral("1000000"));
    EXPECT_EQ(Edit_Preis->palette().color(QPalette::Text), Rot);
    EXPECT_EQ(Position.Stueckpreis, 40) << "nothing is stored while typing";

    QTest::keyClick(Edit_Preis, Qt::Key_Tab);
    EXPECT_EQ(Position.Stueckpreis, 40);
    EXPECT_EQ(Edit_Preis->text(), QStringLiteral("40"));
    EXPECT_EQ(Einzelpreis_im_Raster(), QStringLiteral("40,00"));
    const auto* Hinweis = Dialog.findChild<QLabel*>(QStringLiteral("Eingabehinweis"));
    ASSERT_NE(Hinweis, nullptr);
    EXPECT_TRUE(Hinweis->isVisible());
    EXPECT_TRUE(Hinweis->text().endsWith(QStringLiteral(" 1000000 liegt außerhalb -999999–999999; 40 bleibt.")))
        << Hinweis->text().toStdString();
    EXPECT_TRUE(Dialog.rect().contains(Hinweis->geometry())) << "the note stands inside the dialog";

    // Either decimal separator, where two decimals at most follow it; the
    // three digits of a thousands group are refused.
    struct TFall
    {
        QLocale::Language Sprache;
        const char* Eingabe;
        long double Preis;
    };
    const TFall Faelle[] = {{QLocale::German, "199.90", 199.9L},  {QLocale::German, "180,50", 180.5L},
                            {QLocale::English, "180,50", 180.5L}, {QLocale::English, "199.9", 199.9L},
                            {QLocale::German, "1.000", 40},       {QLocale::English, "1,000", 40}};
    const QLocale Vorher;
    for (const TFall& Fall : Faelle) {
        SCOPED_TRACE(Fall.Eingabe);
        Position.Stueckpreis = 40;
        QLocale::setDefault(QLocale(Fall.Sprache));
        Eingeben(Edit_Preis, QString::fromLatin1(Fall.Eingabe));
        QLocale::setDefault(Vorher);
        EXPECT_EQ(Position.Stueckpreis, Fall.Preis);
    }
}

TEST_F(Positionsdialoge, OKNachDemTippenSpeichertDenPreisUndSchliesst)
{
    auto& Position = Anfuegen<TPosition_Freie>(Positionstyp::Freie);
    TForm_Freie Dialog(Kontext);
    Zeigen(Dialog);
    auto* Edit_Preis = Feld(Dialog, "Edit_Preis");
    Edit_Preis->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Edit_Preis, QStringLiteral("7,25"));

    QTest::mouseClick(Feld<QPushButton>(Dialog, "BitBtn1"), Qt::LeftButton);

    EXPECT_EQ(Position.Stueckpreis, 7.25L);
    EXPECT_FALSE(Dialog.isVisible());
}

TEST_F(Positionsdialoge, MemoSpeichertJedeAenderungAlsBeschreibung)
{
    auto& Position = Anfuegen<TPosition_Freie>(Positionstyp::Freie);
    TForm_Freie Dialog(Kontext);
    Zeigen(Dialog);
    auto* Memo1 = Feld<QPlainTextEdit>(Dialog, "Memo1");
    EXPECT_EQ(Memo1->toPlainText(), QStringLiteral("Freie Position"));
    Memo1->setFocus();
    QTest::keyClick(Memo1, Qt::Key_End, Qt::ControlModifier);
    const int Vorher = Kontext.Aktualisierungen;

    QTest::keyClicks(Memo1, QStringLiteral(" aus Eiche"));

    EXPECT_EQ(Position.Beschreibung(), QStringLiteral("Freie Position aus Eiche"));
    EXPECT_EQ(Kontext.Aktualisierungen - Vorher, 10) << "one refresh per keystroke";
}

TEST_F(Positionsdialoge, HandlerAendernKeinePositionFremderArt)
{
    auto& Montage = Anfuegen<TPosition_Montage>(Positionstyp::Montage);
    Montage.Preis = 150;
    TForm_Freie Dialog(Kontext);
    Zeigen(Dialog);
    auto* Edit_Preis = Feld(Dialog, "Edit_Preis");
    EXPECT_EQ(Edit_Preis->text(), QString()) << "a position of another kind is not loaded";
    const int Vorher = Kontext.Aktualisierungen;

    Eingeben(Edit_Preis, QStringLiteral("99"));
    Eingeben(Feld(Dialog, "Edit_Bez"), QStringLiteral("Falsch"));

    EXPECT_EQ(Montage.Preis, 150);
    EXPECT_EQ(Montage.Bez, QString());
    EXPECT_GT(Kontext.Aktualisierungen, Vorher) << "the main window is refreshed all the same";
}

// ------------------------------------------------------------ bounds of the number fields

template <class D>
std::function<QWidget*(TDialogkontext&)> Fabrik()
{
    return [](TDialogkontext& K) { return new D(K); };
}

template <class T, class F>
std::function<long double(const TPositionseintrag&)> Wert(F T::*Feld)
{
    return [Feld](const TPositionseintrag& Eintrag) { return static_cast<long double>(Eintrag.Als<T>()->*Feld); };
}

TEST_F(Positionsdialoge, GrenzenDerZahlenfelder)
{
    using Fr = TPosition_Freie;
    using M2 = TPosition_Freie_Zulage_M2;
    using Fe = TPosition_Freie_Zulage_Fenster;
    using Mo = TPosition_Montage;
    using Z1 = TPosition_Zulage1;
    struct TFall
    {
        std::function<QWidget*(TDialogkontext&)> Erzeugen;
        std::uint32_t Typ;
        const char* Feld;
        const char* Eingabe;
        // none: refused, the value stays
        std::optional<long double> Gespeichert;
        std::function<long double(const TPositionseintrag&)> Lesen;
    };
    constexpr std::nullopt_t Bleibt = std::nullopt;
    const std::vector<TFall> Faelle = {
        {Fabrik<TForm_Freie>(), Positionstyp::Freie, "Edit_Anzahl", "99", 99, Wert(&Fr::Anzahl)},
        {Fabrik<TForm_Freie>(), Positionstyp::Freie, "Edit_Anzahl", "100", Bleibt, Wert(&Fr::Anzahl)},
        {Fabrik<TForm_Freie>(), Positionstyp::Freie, "Edit_Preis", "-999999", -999999, Wert(&Fr::Stueckpreis)},
        {Fabrik<TForm_Freie>(), Positionstyp::Freie, "Edit_Preis", "-1000000", Bleibt, Wert(&Fr::Stueckpreis)},
        {Fabrik<TForm_Freie>(), Positionstyp::Freie, "Edit_Preis", "12,5x", Bleibt, Wert(&Fr::Stueckpreis)},
        {Fabrik<TForm_Freie_Zulage_M2>(), Positionstyp::Freie_Zulage_M2, "Edit_m2", "1,5", 1.5L, Wert(&M2::M2)},
        {Fabrik<TForm_Freie_Zulage_M2>(), Positionstyp::Freie_Zulage_M2, "Edit_m2", "10000", Bleibt, Wert(&M2::M2)},
        {Fabrik<TForm_Freie_Zulage_Fenster>(), Positionstyp::Freie_Zulage_Fenster, "Edit_Umlfm", "-2,5", -2.5L,
         Wert(&Fe::Umlfm)},
        {Fabrik<TForm_Montage>(), Positionstyp::Montage, "Edit_Preis", "-1", Bleibt, Wert(&Mo::Preis)},
        {Fabrik<TForm_Montage>(), Positionstyp::Montage, "Edit_Preis", "99999", 99999, Wert(&Mo::Preis)},
        {Fabrik<TForm_Zulage1>(), Positionstyp::Zulage1, "Edit_Anzahl", "9999", 9999, Wert(&Z1::Anzahl)},
        {Fabrik<TForm_Zulage1>(), Positionstyp::Zulage1, "Edit_Anzahl", "10000", Bleibt, Wert(&Z1::Anzahl)},
    };
    for (const TFall& Fall : Faelle) {
        SCOPED_TRACE(std::string(Fall.Feld) + " " + Fall.Eingabe);
        TTestkontext K;
        K.Auftrag.Position_Anfuegen(Fall.Typ);
        K.Zeile = 0;
        std::unique_ptr<QWidget> Dialog(Fall.Erzeugen(K));
        Zeigen(*Dialog);
        auto* Edit = Feld(*Dialog, Fall.Feld);
        ASSERT_NE(Edit, nullptr);

        const long double Vorher = Fall.Lesen(K.Auftrag.Eintrag(0));
        const QString Vorher_Gezeigt = Edit->text();

        Eingeben(Edit, QString::fromLatin1(Fall.Eingabe));

        EXPECT_EQ(Fall.Lesen(K.Auftrag.Eintrag(0)), Fall.Gespeichert.value_or(Vorher));
        EXPECT_EQ(Edit->text(), Fall.Gespeichert ? QString::fromLatin1(Fall.Eingabe) : Vorher_Gezeigt);
        const auto* Hinweis = Dialog->findChild<QLabel*>(QStringLiteral("Eingabehinweis"));
        EXPECT_EQ(Hinweis && Hinweis->isVisible(), !Fall.Gespeichert);
    }
}

// ------------------------------------------------------------ loading on activation

TEST_F(Positionsdialoge, JederDialogLaedtSeinePositionBeimAktivieren)
{
    auto& Freie = Anfuegen<TPosition_Freie>(Positionstyp::Freie);
    Freie.Text_Setzen(QStringLiteral("Rundbogen"));
    Freie.Stueckpreis = 12.5L;
    Freie.Anzahl = 3;
    Freie.Bez = QStringLiteral("F1");
    auto& Umlfm = Anfuegen<TPosition_Freie_Zulage_Umlfm>(Positionstyp::Freie_Zulage_Umlfm, QStringLiteral("Meranti"));
    Umlfm.Bez = QStringLiteral("U1");
    Umlfm.Anzahl = 2;
    auto& M2 = Anfuegen<TPosition_Freie_Zulage_M2>(Positionstyp::Freie_Zulage_M2);
    M2.M2preis = 230;
    M2.M2 = 1.5L;
    auto& Stueck = Anfuegen<TPosition_Freie_Zulage_Stueck>(Positionstyp::Freie_Zulage_Stueck, QStringLiteral("Regel air"));
    Stueck.Anzahl = 0;
    auto& Fenster = Anfuegen<TPosition_Freie_Zulage_Fenster>(Positionstyp::Freie_Zulage_Fenster);
    Fenster.Meterpreis = -11;
    Fenster.Umlfm = 4.25L;
    auto& Montage = Anfuegen<TPosition_Montage>(Positionstyp::Montage);
    Montage.Preis = 150;
    Montage.Anzahl = 3;
    Montage.Bez = QStringLiteral("M");
    auto& Zulage1 = Anfuegen<TPosition_Zulage1>(Positionstyp::Zulage1);
    Zulage1.Anzahl = 4;
    Zulage1.Bez = QStringLiteral("Pflege");
    auto& Zulage2 = Anfuegen<TPosition_Zulage2>(Positionstyp::Zulage2);
    Zulage2.ItemIndex_Setzen(2);
    Zulage2.Bez = QStringLiteral("SFT");
    auto& Lieferung = Anfuegen<TPosition_Lieferung>(Positionstyp::Lieferung);
    Lieferung.ItemIndex_Setzen(1);
    Lieferung.Bez = QStringLiteral("L");
    auto& Sonderfarbe = Anfuegen<TPosition_Sonderfarbe>(Positionstyp::Sonderfarbe);
    Sonderfarbe.Sonderfarbe = QStringLiteral("RAL 6005 Moosgrün");
    Sonderfarbe.Bez = QStringLiteral("S");

    struct TErwartung
    {
        std::function<QWidget*(TDialogkontext&)> Erzeugen;
        int Zeile;
        QString Titel;
        QSize Flaeche;
        std::vector<std::pair<const char*, QString>> Felder;
        QString Memo;
        std::pair<const char*, QString> Auswahl;
    };
    const std::vector<TErwartung> Erwartungen = {
        {Fabrik<TForm_Freie>(), 0, QStringLiteral("Freie Position"), {305, 283},
         {{"Edit_Preis", "12,5"}, {"Edit_Anzahl", "3"}, {"Edit_Bez", "F1"}}, QStringLiteral("Rundbogen"), {}},
        {Fabrik<TForm_Freie_Zulage_Umlfm>(), 1, QStringLiteral("Zulage Umlfm Position"), {305, 283},
         {{"Edit_Preis", "15"}, {"Edit_Anzahl", "2"}, {"Edit_Bez", "U1"}}, QStringLiteral("Meranti"), {}},
        {Fabrik<TForm_Freie_Zulage_M2>(), 2, QStringLiteral("Freie Zulage Position m2"), {305, 283},
         {{"Edit_Preis", "230"}, {"Edit_m2", "1,5"}, {"Edit_Anzahl", "1"}, {"Edit_Bez", ""}},
         QStringLiteral("Freie Zulage m2 Position"), {}},
        {Fabrik<TForm_Freie_Zulage_Stueck>(), 3, QStringLiteral("Freie Zulage Position Stueck"), {305, 283},
         {{"Edit_Preis", "64"}, {"Edit_Anzahl", ""}}, QStringLiteral("Regel air"), {}},
        {Fabrik<TForm_Freie_Zulage_Fenster>(), 4, QStringLiteral("Freie Zulage Position Fenster"), {305, 315},
         {{"Edit_Preis", "-11"}, {"Edit_Umlfm", "4,25"}, {"Edit_Anzahl", "1"}},
         QStringLiteral("Freie Zulage Fenster Position"), {}},
        {Fabrik<TForm_Montage>(), 5, QStringLiteral("Montage"), {303, 122},
         {{"Edit_Preis", "150"}, {"Edit_Anzahl", "3"}, {"Edit_Bez", "M"}}, {}, {}},
        {Fabrik<TForm_Zulage1>(), 6, QStringLiteral("Angebot"), {383, 106},
         {{"Edit_Anzahl", "4"}, {"Edit_Bez", "Pflege"}}, {}, {}},
        {Fabrik<TForm_Zulage2>(), 7, QStringLiteral("Zulage 2"), {262, 140},
         {{"Edit_Anzahl", "1"}, {"Edit_Bez", "SFT"}}, {}, {"CBC_SFT", QStringLiteral("SFT 5 fünfflügelig")}},
        {Fabrik<TForm_Lieferung>(), 8, QStringLiteral("Lieferung"), {295, 95}, {{"Edit_Bez", "L"}}, {},
         {"ComboBox1", QStringLiteral("Lieferung bundesweit")}},
        {Fabrik<TForm_Sonderfarbe>(), 9, QStringLiteral("Sonderfarbe"), {295, 95},
         {{"Edit1", QStringLiteral("RAL 6005 Moosgrün")}, {"Edit_Bez", "S"}}, {}, {}},
    };
    for (const TErwartung& Erwartet : Erwartungen) {
        SCOPED_TRACE(Erwartet.Titel.toStdString());
        Kontext.Zeile = Erwartet.Zeile;
        std::unique_ptr<QWidget> Dialog(Erwartet.Erzeugen(Kontext));
        EXPECT_EQ(Dialog->windowTitle(), Erwartet.Titel);
        // Where "Abbrechen" finds no room left of OK, the window grows to hold it under OK.
        EXPECT_EQ(Dialog->width(), Erwartet.Flaeche.width());
        EXPECT_GE(Dialog->height(), Erwartet.Flaeche.height());
        EXPECT_LE(Dialog->height(), Erwartet.Flaeche.height() + 31);

        Zeigen(*Dialog);

        for (const auto& [Name, Text] : Erwartet.Felder)
            EXPECT_EQ(Feld(*Dialog, Name)->text(), Text) << Name;
        if (!Erwartet.Memo.isNull()) {
            EXPECT_EQ(Feld<QPlainTextEdit>(*Dialog, "Memo1")->toPlainText(), Erwartet.Memo);
        }
        if (Erwartet.Auswahl.first) {
            EXPECT_EQ(Feld<QComboBox>(*Dialog, Erwartet.Auswahl.first)->currentText(), Erwartet.Auswahl.second);
        }
        // Esc is "Abbrechen": the window closes and the position goes back.
        const int Abbrueche = Kontext.Abbrueche;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(Dialog->isVisible());
        EXPECT_EQ(Kontext.Abbrueche, Abbrueche + 1);
    }
}

TEST_F(Positionsdialoge, OffenerDialogLaedtErstBeimNaechstenAktivierenUndVerwirftUngespeichertes)
{
    auto& Erste = Anfuegen<TPosition_Freie_Zulage_M2>(Positionstyp::Freie_Zulage_M2);
    Erste.M2 = 2;
    auto& Zweite = Anfuegen<TPosition_Freie_Zulage_M2>(Positionstyp::Freie_Zulage_M2);
    Zweite.M2 = 7.5L;
    Kontext.Zeile = 0;
    TForm_Freie_Zulage_M2 Dialog(Kontext);
    Zeigen(Dialog);
    auto* Edit_m2 = Feld(Dialog, "Edit_m2");
    Edit_m2->setFocus(Qt::MouseFocusReason);
    Edit_m2->selectAll();
    QTest::keyClicks(Edit_m2, QStringLiteral("55"));

    // A click on another row of the main window: the dialog loses the focus, but the field is not left.
    QWidget Hauptfenster;
    Zeigen(Hauptfenster);
    Kontext.Zeile = 1;
    EXPECT_EQ(Erste.M2, 2);
    EXPECT_EQ(Edit_m2->text(), QStringLiteral("55"));

    Zeigen(Dialog);
    EXPECT_EQ(Edit_m2->text(), QStringLiteral("7,5"));
    EXPECT_EQ(Erste.M2, 2);
    EXPECT_EQ(Zweite.M2, 7.5L);
}

// ------------------------------------------------------------ choices

TEST_F(Positionsdialoge, AuswahllistenSpeichernDenGewaehltenIndex)
{
    auto& Zulage2 = Anfuegen<TPosition_Zulage2>(Positionstyp::Zulage2);
    TForm_Zulage2 SFT_Dialog(Kontext);
    Zeigen(SFT_Dialog);
    auto* CBC_SFT = Feld<QComboBox>(SFT_Dialog, "CBC_SFT");
    CBC_SFT->setFocus();
    int Vorher = Kontext.Aktualisierungen;
    QTest::keyClick(CBC_SFT, Qt::Key_Down);
    QTest::keyClick(CBC_SFT, Qt::Key_Down);
    EXPECT_EQ(Zulage2.ItemIndex_Lesen(), 2);
    EXPECT_EQ(Kontext.Aktualisierungen - Vorher, 2);
    EXPECT_EQ(Zulage2.Beschreibung(), QStringLiteral("SFT 5 fünfflüglig"));

    auto& Lieferung = Anfuegen<TPosition_Lieferung>(Positionstyp::Lieferung);
    TForm_Lieferung Lieferdialog(Kontext);
    Zeigen(Lieferdialog);
    auto* ComboBox1 = Feld<QComboBox>(Lieferdialog, "ComboBox1");
    EXPECT_EQ(ComboBox1->currentIndex(), 0);
    ComboBox1->setFocus();
    Vorher = Kontext.Aktualisierungen;
    QTest::keyClick(ComboBox1, Qt::Key_End);
    EXPECT_EQ(Lieferung.ItemIndex_Lesen(), 2);
    EXPECT_EQ(Lieferung.Beschreibung(), QStringLiteral("Lieferung Österreich/Schweiz"));
    EXPECT_GT(Kontext.Aktualisierungen, Vorher);
}

TEST_F(Positionsdialoge, SonderfarbeSpeichertFarbeUndBezBeimVerlassen)
{
    auto& Position = Anfuegen<TPosition_Sonderfarbe>(Positionstyp::Sonderfarbe);
    TForm_Sonderfarbe Dialog(Kontext);
    Zeigen(Dialog);
    auto* Edit1 = Feld(Dialog, "Edit1");
    Edit1->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Edit1, QStringLiteral("Ochsenblutrot"));
    EXPECT_EQ(Position.Sonderfarbe, QString());

    QTest::keyClick(Edit1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Feld(Dialog, "Edit_Bez"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Haus 2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_EQ(Position.Beschreibung(), QStringLiteral("Sonderfarbe: Ochsenblutrot"));
    EXPECT_EQ(Position.Bez, QStringLiteral("Haus 2"));
    EXPECT_EQ(QApplication::focusWidget(), Feld<QPushButton>(Dialog, "BitBtn1"));
}

// ------------------------------------------------------------ focus

struct TFokusfall
{
    const char* Dialog;
    std::function<QWidget*(TDialogkontext&)> Erzeugen;
    std::uint32_t Typ;
    std::vector<const char*> Enter;  // pairs: field, where Enter leads
    std::vector<const char*> Tab;    // the tab order, from the first control
};

TEST_F(Positionsdialoge, EnterUndTabfolge)
{
    const std::vector<TFokusfall> Faelle = {
        {"TForm_Freie", Fabrik<TForm_Freie>(), Positionstyp::Freie,
         {"Edit_Preis", "Edit_Anzahl", "Edit_Anzahl", "Edit_Bez", "Edit_Bez", "BitBtn1"},
         {"Memo1", "Edit_Preis", "Edit_Anzahl", "Edit_Bez", "BitBtn1"}},
        {"TForm_Freie_Zulage_Stueck", Fabrik<TForm_Freie_Zulage_Stueck>(), Positionstyp::Freie_Zulage_Stueck,
         {"Edit_Preis", "Edit_Anzahl", "Edit_Anzahl", "Edit_Bez", "Edit_Bez", "BitBtn1"},
         {"Memo1", "Edit_Preis", "Edit_Anzahl", "Edit_Bez", "BitBtn1"}},
        {"TForm_Freie_Zulage_Umlfm", Fabrik<TForm_Freie_Zulage_Umlfm>(), Positionstyp::Freie_Zulage_Umlfm,
         {"Edit_Preis", "Edit_Preis", "Edit_Anzahl", "Edit_Bez", "Edit_Bez", "BitBtn1"},
         {"Memo1", "Edit_Preis", "Edit_Bez", "BitBtn1", "Edit_Anzahl"}},
        {"TForm_Freie_Zulage_M2", Fabrik<TForm_Freie_Zulage_M2>(), Positionstyp::Freie_Zulage_M2,
         {"Edit_Preis", "Edit_Anzahl", "Edit_Anzahl", "Edit_Bez", "Edit_m2", "Edit_Bez", "Edit_Bez", "BitBtn1"},
         {"Memo1", "Edit_Preis", "Edit_Anzahl", "Edit_Bez", "BitBtn1", "Edit_m2"}},
        {"TForm_Freie_Zulage_Fenster", Fabrik<TForm_Freie_Zulage_Fenster>(), Positionstyp::Freie_Zulage_Fenster,
         {"Edit_Preis", "Edit_Anzahl", "Edit_Umlfm", "Edit_Bez", "Edit_Anzahl", "Edit_Bez", "Edit_Bez", "BitBtn1"},
         {"Memo1", "Edit_Preis", "Edit_Umlfm", "Edit_Bez", "BitBtn1", "Edit_Anzahl"}},
        {"TForm_Montage", Fabrik<TForm_Montage>(), Positionstyp::Montage,
         {"Edit_Preis", "Edit_Anzahl", "Edit_Anzahl", "Edit_Bez", "Edit_Bez", "BitBtn1"},
         {"Edit_Preis", "Edit_Anzahl", "Edit_Bez", "BitBtn1"}},
        {"TForm_Zulage1", Fabrik<TForm_Zulage1>(), Positionstyp::Zulage1,
         {"Edit_Bez", "Edit_Anzahl", "Edit_Anzahl", "BitBtn1"}, {"Edit_Bez", "Edit_Anzahl", "BitBtn1"}},
        {"TForm_Zulage2", Fabrik<TForm_Zulage2>(), Positionstyp::Zulage2,
         {"Edit_Bez", "Edit_Anzahl", "Edit_Anzahl", "BitBtn1"}, {"Edit_Bez", "Edit_Anzahl", "BitBtn1", "CBC_SFT"}},
        {"TForm_Sonderfarbe", Fabrik<TForm_Sonderfarbe>(), Positionstyp::Sonderfarbe,
         {"Edit1", "Edit_Bez", "Edit_Bez", "BitBtn1"}, {"Edit1", "Edit_Bez", "BitBtn1"}},
        {"TForm_Lieferung", Fabrik<TForm_Lieferung>(), Positionstyp::Lieferung,
         {"Edit_Bez", "BitBtn1"}, {"ComboBox1", "Edit_Bez", "BitBtn1"}},
    };
    for (const TFokusfall& Fall : Faelle) {
        SCOPED_TRACE(Fall.Dialog);
        TTestkontext K;
        K.Auftrag.Position_Anfuegen(Fall.Typ);
        K.Zeile = 0;
        std::unique_ptr<QWidget> Dialog(Fall.Erzeugen(K));
        Zeigen(*Dialog);

        for (std::size_t i = 0; i + 1 < Fall.Enter.size(); i += 2) {
            auto* Von = Feld<QWidget>(*Dialog, Fall.Enter[i]);
            Von->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(Von, Qt::Key_Return);
            EXPECT_EQ(Fokus(), QLatin1String(Fall.Enter[i + 1]))
                << "Enter in " << Fall.Enter[i];
        }

        Feld<QWidget>(*Dialog, Fall.Tab.front())->setFocus(Qt::MouseFocusReason);
        for (std::size_t i = 1; i < Fall.Tab.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(Fokus(), QLatin1String(Fall.Tab[i])) << "Tab " << i;
        }
    }
}

// ------------------------------------------------------------ layout

TEST_F(Positionsdialoge, SteuerelementeLiegenImFensterOhneSichZuUeberdecken)
{
    const std::pair<const char*, std::function<QWidget*(TDialogkontext&)>> Dialoge[] = {
        {"TForm_Freie", Fabrik<TForm_Freie>()},
        {"TForm_Freie_Zulage_Stueck", Fabrik<TForm_Freie_Zulage_Stueck>()},
        {"TForm_Freie_Zulage_Umlfm", Fabrik<TForm_Freie_Zulage_Umlfm>()},
        {"TForm_Freie_Zulage_M2", Fabrik<TForm_Freie_Zulage_M2>()},
        {"TForm_Freie_Zulage_Fenster", Fabrik<TForm_Freie_Zulage_Fenster>()},
        {"TForm_Montage", Fabrik<TForm_Montage>()},
        {"TForm_Zulage1", Fabrik<TForm_Zulage1>()},
        {"TForm_Zulage2", Fabrik<TForm_Zulage2>()},
        {"TForm_Sonderfarbe", Fabrik<TForm_Sonderfarbe>()},
        {"TForm_Lieferung", Fabrik<TForm_Lieferung>()},
    };
    for (const auto& [Name, Erzeugen] : Dialoge) {
        SCOPED_TRACE(Name);
        std::unique_ptr<QWidget> Dialog(Erzeugen(Kontext));
        Dialog->show();
        const QList<QWidget*> Teile = Dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        ASSERT_GE(Teile.size(), 3);
        for (qsizetype i = 0; i < Teile.size(); ++i) {
            const std::string Teil = Teile[i]->objectName().toStdString();
            EXPECT_TRUE(Dialog->rect().contains(Teile[i]->geometry())) << Teil;
            for (qsizetype j = i + 1; j < Teile.size(); ++j) {
                EXPECT_FALSE(Teile[i]->geometry().intersects(Teile[j]->geometry()))
                    << Teil << " / " << Teile[j]->objectName().toStdString();
            }
            // A caption shows its whole text.
            if (const auto* Label = qobject_cast<const QLabel*>(Teile[i])) {
                EXPECT_LE(Label->fontMetrics().horizontalAdvance(Label->text()), Label->width()) << Teil;
            }
        }
    }
}

// ------------------------------------------------------------ Windows-1252

TEST_F(Positionsdialoge, TextfelderWeisenZeichenAusserhalbWindows1252Ab)
{
    auto& Position = Anfuegen<TPosition_Freie>(Positionstyp::Freie);
    TForm_Freie Dialog(Kontext);
    Zeigen(Dialog);
    auto* Edit_Bez = Feld(Dialog, "Edit_Bez");
    auto* Memo1 = Feld<QPlainTextEdit>(Dialog, "Memo1");
    Memo1->clear();

    for (QWidget* Ziel : std::initializer_list<QWidget*>{Edit_Bez, Memo1}) {
        Ziel->setFocus(Qt::MouseFocusReason);
        Tippen(Ziel, QStringLiteral("Tür漢€"));
        QApplication::clipboard()->setText(QStringLiteral("漢字"));
        QTest::keyClick(Ziel, Qt::Key_V, Qt::ControlModifier);
        QApplication::clipboard()->setText(QStringLiteral("-Š"));
        QTest::keyClick(Ziel, Qt::Key_V, Qt::ControlModifier);
    }

    EXPECT_EQ(Edit_Bez->text(), QStringLiteral("Tür€-Š"));
    EXPECT_EQ(Memo1->toPlainText(), QStringLiteral("Tür€-Š"));
    EXPECT_EQ(Position.Text(), QStringLiteral("Tür€-Š"));
}

TEST_F(Positionsdialoge, MausradWechseltDieListeNurMitFokus)
{
    auto& Lieferung = Anfuegen<TPosition_Lieferung>(Positionstyp::Lieferung);
    TForm_Lieferung Dialog(Kontext);
    Zeigen(Dialog);
    auto* Liste = Feld<QComboBox>(Dialog, "ComboBox1");
    Feld(Dialog, "Edit_Bez")->setFocus();
    const auto Drehen = [Liste] {
        const QPointF Mitte = QRectF(Liste->rect()).center();
        QWheelEvent Rad(Mitte, Liste->mapToGlobal(Mitte), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(Liste, &Rad);
    };
    Drehen();
    EXPECT_EQ(Liste->currentIndex(), 0);
    EXPECT_EQ(Lieferung.ItemIndex_Lesen(), 0);
    EXPECT_FALSE(Liste->hasFocus());
    Liste->setFocus(Qt::MouseFocusReason);
    Drehen();
    EXPECT_EQ(Liste->currentIndex(), 1);
    EXPECT_EQ(Lieferung.ItemIndex_Lesen(), 1);
}

// ------------------------------------------------------------ fixed texts

TEST_F(Positionsdialoge, FesteTexteVonAngebotUndSchiebeFaltTuer)
{
    const auto Beschriftungen = [](const QWidget& Dialog) {
        QStringList Texte;
        for (const QLabel* L : Dialog.findChildren<QLabel*>()) {
            Texte << L->text();
            EXPECT_GE(L->width(), L->fontMetrics().horizontalAdvance(L->text())) << L->text().toStdString();
        }
        return Texte;
    };

    TForm_Zulage1 Angebot(Kontext);
    const QStringList Angebotstexte = Beschriftungen(Angebot);
    for (const QString& Text : {QStringLiteral("Jetzt im Angebot: Aidol-Induline Pflegebalsam"),
                                QStringLiteral("Zum Aktionspreis von 19,99 €. Zu empfehlen: 2x im Jahr außen auftragen. "),
                                QStringLiteral("Fenster pflegen anstatt streichen!"), QStringLiteral("Pos. Bez.:"),
                                QStringLiteral("Anzahl:")})
        EXPECT_TRUE(Angebotstexte.contains(Text)) << Text.toStdString();
    const QLabel* Titel = nullptr;
    for (const QLabel* L : Angebot.findChildren<QLabel*>())
        if (L->text().startsWith(QLatin1String("Jetzt im Angebot")))
            Titel = L;
    ASSERT_NE(Titel, nullptr);
    EXPECT_TRUE(Titel->font().bold());
    EXPECT_GT(Titel->font().pointSizeF(), Angebot.font().pointSizeF());

    TForm_Zulage2 Tuer(Kontext);
    const QStringList Tuertexte = Beschriftungen(Tuer);
    for (const QString& Text : {QStringLiteral("Schiebe-Falt-Tür"), QStringLiteral("Typ:"), QStringLiteral("Pos. Bez.:"),
                                QStringLiteral("Anzahl:")})
        EXPECT_TRUE(Tuertexte.contains(Text)) << Text.toStdString();
    auto* Typen = Feld<QComboBox>(Tuer, "CBC_SFT");
    ASSERT_NE(Typen, nullptr);
    QStringList Eintraege;
    for (int i = 0; i < Typen->count(); ++i)
        Eintraege << Typen->itemText(i);
    EXPECT_EQ(Eintraege, QStringList({QStringLiteral("SFT 3 dreiflügelig"), QStringLiteral("SFT 4 vierflügelig"),
                                      QStringLiteral("SFT 5 fünfflügelig"), QStringLiteral("SFT 6 sechsflügelig")}));
}

} // namespace
