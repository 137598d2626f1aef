#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "ui/main/TVerlauf.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray Dateitext(const TBestellung& Bestellung)
{
    QByteArray Text;
    EXPECT_TRUE(Bestelldatei::Bytes_Erzeugen(Bestellung, Text));
    return Text;
}

// Drives the history the way the main window does: only the entry given an
// object of its own is changed in place, every other change replaces entries.
class VerlaufTest : public ::testing::Test
{
protected:
    VerlaufTest()
        : Verlauf(B, {})
    {
    }

    QByteArray Datei() const { return Dateitext(B); }

    // One random edit of the kinds the program makes.
    void Zufaellige_Aenderung(std::mt19937& Zufall)
    {
        const int Anzahl = B.Anzahl_Positionen();
        const auto Zahl = [&](int Bis) { return int(Zufall() % unsigned(Bis)); };
        switch (Anzahl == 0 ? 0 : Zahl(7)) {
        case 0: B.Position_Anfuegen(Zahl(3) == 0 ? Positionstyp::Freie : Positionstyp::Fenster); break;
        case 1: {
            const int Zeile = Zahl(Anzahl);
            Verlauf.Zum_Aendern_Freigeben(Zeile);
            TPositionseintrag& E = B.Eintrag(Zeile);
            if (auto* F = E.Als<TPosition>()) {
                F->Hoelzer.ItemIndex_Setzen(Zahl(2));
                F->Abmessungen.Breite_Setzen(QString::number(800 + Zahl(800)));
                // The special colour brings or takes the order's special-colour position.
                F->Oberflaechen.ItemIndex_Setzen(Zahl(3) == 0 ? TOberflaechen::Index_Sonderfarbe : Zahl(8));
                B.Sonderfarbe_Abgleichen();
            } else if (auto* P = E.Als<TPosition_Freie>()) {
                P->Stueckpreis = Zahl(10000) / 100.0L;
            }
            break;
        }
        case 2:
            if (B.Eintrag(Anzahl - 1).Positionstyp() != Positionstyp::Sonderfarbe) {
                B.Position_Loeschen(Zahl(Anzahl));
                B.Sonderfarbe_Abgleichen();
            }
            break;
        case 3: B.Positionen_Tauschen(Zahl(Anzahl), Zahl(Anzahl)); break;
        case 4: B.Ansprechpartner = QStringLiteral("Kunde %1").arg(Zahl(5)); break;
        case 5: B.Rabatt = Zahl(20); break;
        default: {
            const int Zeile = Zahl(Anzahl);
            if (B.Eintrag(Zeile).Positionstyp() != Positionstyp::Sonderfarbe)
                B.Positionen_Ersetzen(Zeile + 1, 0, {B.Eintrag(Zeile).Klonen()});
        }
        }
    }

    TBestellung B;
    TVerlauf Verlauf;
};

} // namespace

// Every state of a random run of edits comes back byte for byte, backwards and forwards.
TEST_F(VerlaufTest, ZufaelligeFolgeHinUndZurueck)
{
    std::mt19937 Zufall(20261208);
    std::vector<QByteArray> Zustaende{Datei()};
    for (int i = 0; i < 400; ++i) {
        Zufaellige_Aenderung(Zufall);
        Verlauf.Festhalten({});
        if (Verlauf.Stapel().count() == int(Zustaende.size()))
            Zustaende.push_back(Datei());
        ASSERT_EQ(Datei(), Zustaende.back()) << "Schritt " << i;
    }
    ASSERT_GT(Zustaende.size(), 300u);
    for (int i = int(Zustaende.size()) - 2; i >= 0; --i) {
        Verlauf.Rueckgaengig({});
        ASSERT_EQ(Datei(), Zustaende[std::size_t(i)]) << "zurück zu " << i;
    }
    for (std::size_t i = 1; i < Zustaende.size(); ++i) {
        Verlauf.Wiederholen({});
        ASSERT_EQ(Datei(), Zustaende[i]) << "wieder zu " << i;
    }
}

// A change in place after an undo must not reach the recorded states.
TEST_F(VerlaufTest, AenderungNachRueckgaengigLaesstVerlaufUnberuehrt)
{
    const QByteArray Leer = Datei();
    B.Position_Anfuegen(Positionstyp::Fenster);
    Verlauf.Festhalten({});
    const QByteArray Ein_Fenster = Datei();
    Verlauf.Zum_Aendern_Freigeben(0);
    B.Eintrag(0).Als<TPosition>()->Hoelzer.ItemIndex_Setzen(1);
    Verlauf.Festhalten({});
    Verlauf.Rueckgaengig({});
    Verlauf.Zum_Aendern_Freigeben(0);
    B.Eintrag(0).Als<TPosition>()->Abmessungen.Breite_Setzen(QStringLiteral("1500"));
    Verlauf.Festhalten({});
    const QByteArray Breiter = Datei();
    Verlauf.Rueckgaengig({});
    EXPECT_EQ(Datei(), Ein_Fenster);
    Verlauf.Rueckgaengig({});
    EXPECT_EQ(Datei(), Leer);
    Verlauf.Wiederholen({});
    EXPECT_EQ(Datei(), Ein_Fenster);
    Verlauf.Wiederholen({});
    EXPECT_EQ(Datei(), Breiter);
}

// Steps under one key become one; undoing back to the saved state clears the mark.
TEST_F(VerlaufTest, GleicherSchluesselWirdEinSchrittUndSauberFolgt)
{
    Verlauf.Gesichert();
    for (const char* Text : {"M", "Me", "Mei", "Meie", "Meier"}) {
        B.Ansprechpartner = QString::fromLatin1(Text);
        Verlauf.Benennen(QStringLiteral("Ansprechpartner"), QStringLiteral("Kopf 1"));
        Verlauf.Festhalten({});
    }
    EXPECT_EQ(Verlauf.Stapel().count(), 1);
    EXPECT_EQ(Verlauf.Stapel().undoText(), QStringLiteral("Ansprechpartner"));
    EXPECT_TRUE(Verlauf.Ungesichert());
    Verlauf.Rueckgaengig({});
    EXPECT_EQ(B.Ansprechpartner, QString());
    EXPECT_FALSE(Verlauf.Ungesichert());
    // Typed and deleted again: no step remains.
    for (const char* Text : {"X", ""}) {
        B.Telefon = QString::fromLatin1(Text);
        Verlauf.Benennen(QStringLiteral("Telefon"), QStringLiteral("Kopf 2"));
        Verlauf.Festhalten({});
    }
    EXPECT_FALSE(Verlauf.Stapel().canUndo());
}
