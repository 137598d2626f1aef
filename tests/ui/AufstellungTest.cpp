#include "Mit_Hauptfenster.h"
#include "Testdateien.h"

#include "base/Zahlformat.h"
#include "order/TBestellung.h"
#include "positions/Positionstyp.h"
#include "positions/TPosition_Montage.h"
#include "sheet/TBestellblatt.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/main/TPositionsmodell.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <optional>
#include <utility>
#include <vector>

using namespace Hauptfenster_Test;

namespace {

using TZeilen = std::vector<std::pair<QString, QString>>;

// An amount as the window shows it; a price to ask for counts as nothing.
long double Zahlformat_Lesen(const QString& Text)
{
    return Zahlformat::Zahl_Eingabe_Erweitert_Deuten(Text).value_or(0);
}

class AufstellungTest : public TMit_Hauptfenster
{
protected:
    // The rows of the breakdown under the grid, as the user reads them.
    static TZeilen Aufstellung(const TForm_Haupt& F)
    {
        TZeilen Zeilen;
        for (int i = 0;; ++i) {
            const QByteArray Nummer = QByteArray::number(i);
            auto* Text = F.findChild<QLabel*>(QLatin1String("Aufstellung_Text_" + Nummer));
            if (!Text || Text->text().isEmpty())
                return Zeilen;
            Zeilen.emplace_back(Text->text(), Suchen<QLabel>(F, ("Aufstellung_Betrag_" + Nummer).constData())->text());
        }
    }
};

// Every sum row of the sheet stands under the grid with its label and amount,
// in the sheet's order; the only other row says what delivery and installation
// add, and equals their prices in the grid.
TEST_F(AufstellungTest, ZeigtDieSummenDesBestellblatts)
{
    const char* Dateien[] = {"bestellblatt_gold.dat", "skizzen.dat", "dezimal_komma.dat"};
    const struct
    {
        const char* Kennung;
        std::int32_t Auswahl, Rabatt, Objekt;
    } Rabatte[] = {{"", 0, 0, 0}, {"RSG", -15, 0, 0}, {"TFS", 5, 3, 0}, {"TGF", 10, 3, 7}, {"", 0, 0, 12}};
    int Mit_Montage = 0;
    for (const char* Datei : Dateien) {
        for (const auto& R : Rabatte) {
            for (const bool Steuer : {false, true}) {
                SCOPED_TRACE(std::string(Datei) + " " + R.Kennung + (Steuer ? " mit USt." : ""));
                if (Fenster.Ungesichert())
                    Dienste.Wahlen.push_back(1);
                ASSERT_TRUE(Fenster.Bestellung_Oeffnen(Testdatei(Datei)));
                if (++Mit_Montage % 2 == 0) {
                    B().Position_Anfuegen(Positionstyp::Montage);
                    B().Eintrag(B().Anzahl_Positionen() - 1).Als<TPosition_Montage>()->Preis = 123.455L;
                }
                B().RabattAuswahlText = QLatin1String(R.Kennung);
                B().RabattAuswahl = R.Auswahl;
                B().Rabatt = R.Rabatt;
                B().RabattObjekt = R.Objekt;
                Suchen<QCheckBox>(Fenster, "CB_Umsatzsteuer")->setChecked(Steuer);
                Fenster.Hauptfenster_Aktualisieren();

                const TZeilen Gezeigt = Aufstellung(Fenster);
                const TBestellblatt Blatt(B(), Fenster.Umsatzsteuer());
                std::size_t i = 0;
                long double Lieferung_Montage = 0;
                for (int Zeile = 0; Zeile < B().Anzahl_Positionen(); ++Zeile) {
                    const std::uint32_t Typ = B().Eintrag(Zeile).Positionstyp();
                    if (Typ == Positionstyp::Lieferung || Typ == Positionstyp::Montage)
                        Lieferung_Montage += Zahlformat_Lesen(Zelle(Suchen<QTableView>(Fenster, "StringGrid1"), Zeile, 5));
                }
                for (const TBlattsumme& S : Blatt.Summen) {
                    if (S.Art == TBlattsumme::TArt::Umlaufmeter)
                        continue;
                    if (i < Gezeigt.size() && Gezeigt[i].first == QStringLiteral("davon Lieferung und Montage:")) {
                        EXPECT_NEAR(Zahlformat_Lesen(Gezeigt[i].second), Lieferung_Montage, 0.005L);
                        ++i;
                    }
                    ASSERT_LT(i, Gezeigt.size()) << S.Beschriftung.toStdString();
                    EXPECT_EQ(Gezeigt[i].first, S.Beschriftung.trimmed());
                    EXPECT_EQ(Gezeigt[i].second, S.Betrag) << S.Beschriftung.toStdString();
                    ++i;
                }
                EXPECT_EQ(i, Gezeigt.size());
                EXPECT_EQ(Gezeigt.size() > Blatt.Summen.size() - 2, Lieferung_Montage != 0);
                EXPECT_EQ(Steuer, Gezeigt.back().first == QStringLiteral("Summe brutto:"));
            }
        }
    }
}

// The sliding-folding door from a file keeps its row but enters no sum, and its price cells say so.
TEST_F(AufstellungTest, TuerOhneBerechnungZeigtNichtBerechnet)
{
    ASSERT_TRUE(Fenster.Bestellung_Oeffnen(Testdatei("bestellblatt_gold.dat")));
    const TZeilen Vorher = Aufstellung(Fenster);
    B().Position_Anfuegen(Positionstyp::Zulage2);
    Fenster.Hauptfenster_Aktualisieren();
    const auto* Raster = Suchen<QTableView>(Fenster, "StringGrid1");
    const int Zeile = B().Anzahl_Positionen() - 1;
    EXPECT_EQ(Zelle(Raster, Zeile, 4), TPositionsmodell::Nicht_Berechnet);
    EXPECT_EQ(Zelle(Raster, Zeile, 5), TPositionsmodell::Nicht_Berechnet);
    EXPECT_EQ(Aufstellung(Fenster), Vorher);
    EXPECT_LE(Raster->fontMetrics().horizontalAdvance(TPositionsmodell::Nicht_Berechnet) + 6, Raster->columnWidth(4));
}

// The tax and its rate are kept between runs and reach the written sheet.
TEST_F(AufstellungTest, UmsatzsteuerWirdBehaltenUndErreichtDasBlatt)
{
    ASSERT_TRUE(Fenster.Bestellung_Oeffnen(Testdatei("bestellblatt_gold.dat")));
    EXPECT_EQ(Fenster.Umsatzsteuer(), std::nullopt);
    QTest::mouseClick(Suchen<QCheckBox>(Fenster, "CB_Umsatzsteuer"), Qt::LeftButton);
    auto* Satz = Suchen<QLineEdit>(Fenster, "Edit_UStSatz");
    EXPECT_EQ(Satz->text(), QStringLiteral("19"));
    Satz->setFocus();
    Satz->selectAll();
    QTest::keyClicks(Satz, QStringLiteral("7,5"));
    QTest::keyClick(Satz, Qt::Key_Return);
    const TZeilen Gezeigt = Aufstellung(Fenster);
    ASSERT_GE(Gezeigt.size(), 2u);
    EXPECT_EQ(Gezeigt[Gezeigt.size() - 2].first, QStringLiteral("zzgl. USt. 7,5 %:"));

    QTemporaryDir Ordner;
    const QString Blatt = Ordner.filePath(QStringLiteral("blatt.htm"));
    Dienste.Pfade.push_back(Blatt);
    QTest::mouseClick(Suchen<QPushButton>(Fenster, "Button_Bestellblatt"), Qt::LeftButton);
    const QByteArray Html = Inhalt(Blatt);
    EXPECT_TRUE(Html.contains("zzgl. USt. 7,5 %: </th><td colspan=\"2\">" + Gezeigt[Gezeigt.size() - 2].second.toLatin1()));
    EXPECT_TRUE(Html.contains("Summe brutto: </th><td colspan=\"2\">" + Gezeigt.back().second.toLatin1()));

    TForm_Haupt Naechster;
    EXPECT_TRUE(Suchen<QCheckBox>(Naechster, "CB_Umsatzsteuer")->isChecked());
    EXPECT_EQ(Suchen<QLineEdit>(Naechster, "Edit_UStSatz")->text(), QStringLiteral("7,5"));
    ASSERT_TRUE(Naechster.Umsatzsteuer());
    EXPECT_EQ(Naechster.Umsatzsteuer()->Satz_Hundertstel, 750);
    // A rate that cannot be one leaves the last good one.
    Satz->selectAll();
    QTest::keyClicks(Satz, QStringLiteral("120"));
    QTest::keyClick(Satz, Qt::Key_Return);
    EXPECT_EQ(Satz->text(), QStringLiteral("7,5"));
}

} // namespace
