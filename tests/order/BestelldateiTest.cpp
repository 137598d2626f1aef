#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "base/TIniDatei.h"
#include "Testdateien.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

TEST(Bestelldatei, KurzesBeispielByteFuerByte)
{
    TBestellung B;
    B.Filename = QStringLiteral("C:\\Angebote\\Bestellung_2011-03-07.dat");
    B.Datum = QStringLiteral("2011-03-07");
    B.Position_Anfuegen(Positionstyp::Freie);
    auto* F = B.Eintrag(0).Als<TPosition_Freie>();
    F->Bez = QStringLiteral("A");
    F->Anzahl = 2;
    F->Stueckpreis = 12.5L;

    TIniDatei Ini(QLatin1Char(','));
    ASSERT_TRUE(B.Ini_Speichern(Ini));
    const QByteArray Erwartet = "[Version]\r\n"
                                "Info=1.2\r\n"
                                "\r\n"
                                "[Bestellung]\r\n"
                                "lengthPositionen=1\r\n"
                                "Filename=C:\\Angebote\\Bestellung_2011-03-07.dat\r\n"
                                "wurdeGeandert=1\r\n"
                                "Datum=2011-03-07\r\n"
                                "Ansprechpartner=\r\n"
                                "Telefon=\r\n"
                                "Rechnungsempfaenger=\r\n"
                                "Bauvorhaben=\r\n"
                                "RabattChecked=0\r\n"
                                "RabattAuswahlText=\r\n"
                                "RabattAuswahl=0\r\n"
                                "Rabatt=0\r\n"
                                "RabattObjekt=0\r\n"
                                "Bemerkungen=\r\n"
                                "GesamtUM=0\r\n"
                                "Dateiname=\r\n"
                                "MitNachtext=1\r\n"
                                "\r\n"
                                "[Bestellung/Positionen0]\r\n"
                                "Positionstyp=4\r\n"
                                "\r\n"
                                "[Bestellung/Positionen0/PositionFreie]\r\n"
                                "ItemIndex0=0\r\n"
                                "Bez=A\r\n"
                                "Anzahl=2\r\n"
                                "\r\n"
                                "[Bestellung/Positionen0/PositionFreie/Preis]\r\n"
                                "Stueckpreis=12,5\r\n"
                                "\r\n";
    // What follows is the description text under a key of its own.
    const QByteArray Bytes = Ini.Bytes();
    EXPECT_EQ(Bytes.left(Erwartet.size()), Erwartet);
    EXPECT_TRUE(Bytes.mid(Erwartet.size()).contains("Text=Freie Position\r\n"));
}

TEST(Bestelldatei, FensterabschnitteInDerFestenReihenfolge)
{
    TBestellung B;
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Position_Anfuegen(Positionstyp::Fenster);
    TIniDatei Ini(QLatin1Char(','));
    B.Ini_Speichern(Ini);
    const QStringList Abschnitte = Ini.Abschnitte();
    const QString P = QStringLiteral("Bestellung/Positionen2");
    const QStringList Erwartet = {P,
                                  P + "/Position",
                                  P + "/Position/Abmessungen",
                                  P + "/Position/Hoelzer",
                                  P + "/Position/Profile",
                                  P + "/Position/Balkon",
                                  P + "/Position/Oberflaechen",
                                  P + "/Position/Versiegelung",
                                  P + "/Position/Regenschienen",
                                  P + "/Position/Beschlaege",
                                  P + "/Position/Glaeser",
                                  P + "/Position/Sprossen",
                                  P + "/Position/Rolladen",
                                  P + "/Position/Ergaenzungen",
                                  P + "/Position/Sonderausfuehrungen",
                                  P + "/Position/Zierprofile",
                                  P + "/Position/Lagen",
                                  P + "/Position/Sonderformen"};
    EXPECT_EQ(Abschnitte.mid(Abschnitte.indexOf(P)), Erwartet);
}

TEST(Bestelldatei, LeereBestellungHinUndZurueck)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("leer.dat"));
    TBestellung B;
    B.Bemerkungen = QStringLiteral("bitte rückrufen");
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, B));
    EXPECT_EQ(B.Filename, Pfad);

    TBestellung Geladen;
    Geladen.Position_Anfuegen(Positionstyp::Fenster);
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, Geladen));
    EXPECT_EQ(Geladen.Anzahl_Positionen(), 0);
    EXPECT_EQ(Geladen.Bemerkungen, QStringLiteral("bitte rückrufen"));
    EXPECT_EQ(Geladen.Filename, Pfad);
}

TEST(Bestelldatei, SpeichernUeberLaengereDateiErsetztAlles)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    Schreiben(Pfad, QByteArray(100000, 'x') + "\r\n[Alt]\r\nSchluessel=1\r\n");
    TBestellung B;
    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, B));
    const QByteArray Neu = Inhalt(Pfad);
    EXPECT_TRUE(Neu.startsWith("[Version]\r\n"));
    EXPECT_FALSE(Neu.contains("Alt"));
    EXPECT_LT(Neu.size(), 1000);
}

TEST(Bestelldatei, AlleArtenHinUndZurueck)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("alle.dat"));
    TBestellung B;
    B.Rabatt = 7;
    B.RabattAuswahlText = QStringLiteral("TGF");
    B.RabattAuswahl = 10;
    B.MitNachtext = false;
    B.GesamtUM = 3.25L;
    B.Position_Anfuegen(Positionstyp::Fenster);
    B.Eintrag(0).Als<TPosition>()->Abmessungen.Fenstertyp_Setzen(3);
    B.Eintrag(0).Als<TPosition>()->Oberflaechen.ItemIndex_Setzen(8);
    B.Sonderfarbe_Abgleichen();
    B.Eintrag(1).Als<TPosition_Sonderfarbe>()->Sonderfarbe = QStringLiteral("RAL 3004");
    B.Position_Anfuegen(Positionstyp::Freie);
    B.Eintrag(2).Als<TPosition_Freie>()->Text_Setzen(QStringLiteral("Fensterbank Eiche"));
    B.Eintrag(2).Als<TPosition_Freie>()->Stueckpreis = 99.95L;
    for (std::uint32_t Typ : {5u, 6u, 7u, 8u, 9u, 10u, 11u})
        B.Position_Anfuegen(Typ);
    B.Eintrag(4).Als<TPosition_Montage>()->Preis = 150;
    B.Eintrag(4).Als<TPosition_Montage>()->Anzahl = 3;
    B.Position_Anfuegen(Positionstyp::Freie_Zulage_Fenster, QStringLiteral("Ohne Fensterflügel"));
    auto* Z = B.Eintrag(10).Als<TPosition_Freie_Zulage_Fenster>();
    Z->Umlfm = 3.5L;
    Z->Bez = QStringLiteral("<b>&");

    ASSERT_TRUE(Bestelldatei::Bestellung_Speichern(Pfad, B));
    TBestellung G;
    ASSERT_TRUE(Bestelldatei::Bestellung_Laden(Pfad, G));

    ASSERT_EQ(G.Anzahl_Positionen(), B.Anzahl_Positionen());
    for (int i = 0; i < B.Anzahl_Positionen(); ++i) {
        EXPECT_EQ(G.Eintrag(i).Positionstyp(), B.Eintrag(i).Positionstyp());
        EXPECT_EQ(G.Eintrag(i).Beschreibung(), B.Eintrag(i).Beschreibung()) << i;
        EXPECT_EQ(G.Eintrag(i).Bez(), B.Eintrag(i).Bez()) << i;
    }
    const auto* Z2 = G.Eintrag(10).Als<TPosition_Freie_Zulage_Fenster>();
    EXPECT_EQ(Z2->Umlfm, 3.5L);
    EXPECT_EQ(Z2->Meterpreis, -11.0L);
    EXPECT_EQ(G.Eintrag(4).Gesamtpreis(0, 0), 450.0L);
    EXPECT_EQ(G.Eintrag(2).Als<TPosition_Freie>()->Text(), QStringLiteral("Fensterbank Eiche"));
    EXPECT_EQ(G.Eintrag(1).Als<TPosition_Sonderfarbe>()->Sonderfarbe, QStringLiteral("RAL 3004"));
    EXPECT_EQ(G.Rabatt, 7);
    EXPECT_EQ(G.RabattAuswahlText, QStringLiteral("TGF"));
    EXPECT_FALSE(G.MitNachtext);
    EXPECT_EQ(G.GesamtUM, 3.25L);
    EXPECT_NEAR(double(G.Gesamtsumme()), double(B.Gesamtsumme()), 1e-9); // floats are kept as doubles
}

TEST(Bestelldatei, ErklaertePositionOhneAbschnittIstAbgeschnitten)
{
    // A count with no sections, and a file cut after its second position.
    const std::pair<const char*, const char*> Faelle[] = {
        {"zwei_fenster_ohne_abschnitte.dat", "[Bestellung/Positionen0]"},
        {"abgeschnitten.dat", "[Bestellung/Positionen2]"},
    };
    for (const auto& [Datei, Abschnitt] : Faelle) {
        TBestellung B;
        const auto Ergebnis = Bestelldatei::Bestellung_Laden(Testdatei(Datei), B);
        EXPECT_FALSE(Ergebnis) << Datei;
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QLatin1String(Abschnitt))) << qPrintable(Ergebnis.Fehlertext);
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QStringLiteral("unvollständig"))) << qPrintable(Ergebnis.Fehlertext);
        EXPECT_EQ(B.Anzahl_Positionen(), 0);
    }
}

TEST(Bestelldatei, BeschaedigteDateienAendernNichts)
{
    struct Fall
    {
        const char* Datei;
        const char* Abschnitt;
        const char* Schluessel;
        const char* Wert;
    };
    const Fall Faelle[] = {
        {"kaputt_fenstertyp.dat", "Bestellung/Positionen0/Position/Abmessungen", "ItemIndex", "42"},
        {"kaputt_glasindex.dat", "Bestellung/Positionen0/Position/Glaeser", "ItemIndex3", "17"},
        {"kaputt_positionstyp.dat", "Bestellung/Positionen0", "Positionstyp", "2"},
        {"kaputt_ueberlauf.dat", "Bestellung/Positionen0/Position/Abmessungen", "Hoehe", "2000000000"},
        {"kaputt_anzahl.dat", "Bestellung", "lengthPositionen", "100001"},
        {"kaputt_lieferung.dat", "Bestellung/Positionen0/PositionLieferung", "ItemIndex0", "3"},
        {"kaputt_positionstyp_minus.dat", "Bestellung/Positionen0", "Positionstyp", "\"-1\""},
        {"kaputt_rabatt.dat", "Bestellung", "Rabatt", "1000"},
        {"kaputt_um.dat", "Bestellung/Positionen0/Position/Abmessungen", "UM", "1E308"},
        {"kaputt_anzahl_negativ.dat", "Bestellung/Positionen0/PositionFreie", "Anzahl", "-3"},
        {"kaputt_preis_unendlich.dat", "Bestellung/Positionen0/PositionFreie/Preis", "Stueckpreis", "1e999"},
    };
    for (const Fall& F : Faelle) {
        TBestellung Aktuell;
        Aktuell.Position_Anfuegen(Positionstyp::Freie);
        Aktuell.Ansprechpartner = QStringLiteral("bleibt");
        Aktuell.Filename = QStringLiteral("vorher.dat");
        const auto Ergebnis = Bestelldatei::Bestellung_Laden(Testdatei(F.Datei), Aktuell);
        EXPECT_FALSE(Ergebnis) << F.Datei;
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QLatin1String(F.Abschnitt))) << qPrintable(Ergebnis.Fehlertext);
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QLatin1String(F.Schluessel))) << qPrintable(Ergebnis.Fehlertext);
        EXPECT_TRUE(Ergebnis.Fehlertext.contains(QLatin1String(F.Wert))) << qPrintable(Ergebnis.Fehlertext);
        EXPECT_EQ(Aktuell.Anzahl_Positionen(), 1);
        EXPECT_EQ(Aktuell.Eintrag(0).Positionstyp(), Positionstyp::Freie);
        EXPECT_EQ(Aktuell.Ansprechpartner, QStringLiteral("bleibt"));
        EXPECT_EQ(Aktuell.Filename, QStringLiteral("vorher.dat"));
    }
}

TEST(Bestelldatei, FehlendeDateiIstEinFehler)
{
    TBestellung B;
    EXPECT_FALSE(Bestelldatei::Bestellung_Laden(Testdatei("gibt_es_nicht.dat"), B));
}

TEST(Bestelldatei, NichtDarstellbarerTextWirdNichtGespeichert)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    Schreiben(Pfad, "vorher");
    TBestellung B;
    B.Bauvorhaben = QStringLiteral("Haus ✓");
    const auto Ergebnis = Bestelldatei::Bestellung_Speichern(Pfad, B);
    EXPECT_FALSE(Ergebnis);
    EXPECT_TRUE(Ergebnis.Fehlertext.contains(QStringLiteral("Haus ✓")));
    EXPECT_EQ(Inhalt(Pfad), QByteArray("vorher"));
    EXPECT_TRUE(B.Filename.isEmpty());
}

TEST(Bestelldatei, MisslungenesSchreibenLaesstAlteDateiStehen)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("b.dat"));
    Schreiben(Pfad, "vorher");
    // A file-size limit makes the disk refuse the order halfway, even for root.
    rlimit Vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Vorher), 0);
    rlimit Eng = Vorher;
    Eng.rlim_cur = 64;
    const auto Signal_Vorher = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Eng), 0);
    TBestellung B;
    const auto Ergebnis = Bestelldatei::Bestellung_Speichern(Pfad, B);
    setrlimit(RLIMIT_FSIZE, &Vorher);
    std::signal(SIGXFSZ, Signal_Vorher);
    EXPECT_FALSE(Ergebnis);
    EXPECT_FALSE(Ergebnis.Fehlertext.isEmpty());
    EXPECT_EQ(Inhalt(Pfad), QByteArray("vorher"));
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("b.dat")});
}

TEST(Bestelldatei, UnschreibbarerPfadIstEinFehler)
{
    QTemporaryDir Ordner;
    TBestellung B;
    B.Filename = QStringLiteral("alt.dat");
    EXPECT_FALSE(Bestelldatei::Bestellung_Speichern(Ordner.path(), B)); // a folder, not a file
    EXPECT_FALSE(Bestelldatei::Bestellung_Speichern(Ordner.filePath(QStringLiteral("fehlt/b.dat")), B));
    EXPECT_EQ(B.Filename, QStringLiteral("alt.dat"));
}
