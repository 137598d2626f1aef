#include "base/Fehler.h"
#include "base/Zahlformat.h"
#include "base/TIniDatei.h"
#include "positions/TPosition_Freie.h"
#include "positions/TPosition_Freie_Zulage_Fenster.h"
#include "positions/TPosition_Freie_Zulage_M2.h"
#include "positions/TPosition_Freie_Zulage_Stueck.h"
#include "positions/TPosition_Freie_Zulage_Umlfm.h"
#include "positions/TPosition_Lieferung.h"
#include "positions/TPosition_Montage.h"
#include "positions/TPosition_Sonderfarbe.h"
#include "positions/TPosition_Zulage1.h"
#include "positions/TPosition_Zulage2.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringList>

#include <typeinfo>
#include <vector>

namespace {

using namespace Qt::StringLiterals;

const QString P = u"Bestellung/Positionen2"_s;
const QString Ohne_Fluegel = u"Ohne Fensterflügel bei Fensterkombinationen Fest im Rahmen mit DK oder Dreh oder FF"_s;

QString Betrag(long double Wert) { return Zahlformat::Betrag(Wert); }

TIniDatei Datei_Aus(const QString& Text)
{
    TIniDatei Ini(QLatin1Char(','));
    Ini.Bytes_Lesen(Text.toLatin1());
    return Ini;
}

// Writes Quelle and reads the bytes back into a fresh object, as a saved and reopened order does.
template <class T>
T Gespeichert_Und_Geladen(const T& Quelle)
{
    TIniDatei Schreiber(QLatin1Char(','));
    EXPECT_TRUE(Quelle.Ini_Speichern(Schreiber, P));
    TIniDatei Leser(QLatin1Char(','));
    Leser.Bytes_Lesen(Schreiber.Bytes());
    T Ziel;
    EXPECT_TRUE(Ziel.Ini_Laden(Leser, P));
    return Ziel;
}

// A file without the kind's sections must leave every value as it was.
template <class T>
T Leer_Geladen(T Ziel)
{
    EXPECT_TRUE(Ziel.Ini_Laden(TIniDatei(QLatin1Char(',')), P));
    return Ziel;
}

template <class T>
void Laden_Und_Pruefen(const TIniDatei& Ini)
{
    T X;
    X.Ini_Laden(Ini, P);
    X.Auswahl_Pruefen(P);
}

// ---------------------------------------------------------------- presets

struct TVorlagenfall
{
    QString Vorlage;
    QString Text; // empty: the kind's default text
    long double Preis;
};

template <class T>
void Vorlagen_Pruefen(long double T::*Preis, const QString& Vorgabe, const std::vector<TVorlagenfall>& Faelle)
{
    EXPECT_EQ(T().Text(), Vorgabe);
    for (const TVorlagenfall& F : Faelle) {
        SCOPED_TRACE(F.Vorlage.toStdString());
        const T Position(F.Vorlage);
        EXPECT_EQ(Position.Text(), F.Text.isEmpty() ? Vorgabe : F.Text);
        EXPECT_EQ(Position.*Preis, F.Preis);
        EXPECT_EQ(Position.Anzahl, 1);
        EXPECT_TRUE(Position.Bez.isEmpty());
    }
}

TEST(PositionsartenVorlagen, NurDerGenaueSchluesselGilt)
{
    Vorlagen_Pruefen(&TPosition_Freie_Zulage_Umlfm::Meterpreis, u"Freie Zulage Umlfm Position"_s,
                     {{u"Meranti"_s, u"Meranti"_s, 15}, {u"Lärche"_s, u"Lärche"_s, 15},
                      {u"Ohne Fensterflügel"_s, Ohne_Fluegel, -11}, {u""_s, {}, 0}, {u"meranti"_s, {}, 0},
                      {u"Meranti "_s, {}, 0}});
    Vorlagen_Pruefen(&TPosition_Freie_Zulage_M2::M2preis, u"Freie Zulage m2 Position"_s,
                     {{u"Fensterbänke aus Leimholzplatte"_s,
                       u"Fensterbänke aus Leimholzplatte 27mm stark, Kiefer, 2 Stirnseiten und eine Vorderkante "
                       u"profiliert, Kante abgerundet und vorlackiert. "_s, 230},
                      {u"Fensterbänke aus Plattenwerkstoff"_s,
                       u"Fensterbänke aus Plattenwerkstoff Mdf 28mm stark, 2 Stirnseiten und eine Vorderkante "
                       u"profiliert, Kante abgerundet und vorlackiert. "_s, 190},
                      {u"Fensterbaenke aus Leimholzplatte"_s, {}, 0}, {u"Regel air"_s, {}, 0}});
    Vorlagen_Pruefen(&TPosition_Freie_Zulage_Stueck::Stueckpreis, u"Freie Zulage Stueck Position"_s,
                     {{u"Nach außen öffnend"_s, u"Nach außen öffnend"_s, 350}, {u"Regel air"_s, u"Regel air"_s, 64},
                      {u"Regel Air"_s, {}, 0}, {u"Nach aussen öffnend"_s, {}, 0}});
    Vorlagen_Pruefen(&TPosition_Freie_Zulage_Fenster::Meterpreis, u"Freie Zulage Fenster Position"_s,
                     {{u"Ohne Fensterflügel"_s, Ohne_Fluegel, -11}, {u"V1"_s, u"Fenster V1 (Kunststoff Design)"_s, 0},
                      {u"V2"_s, u"Fenster V2 (Kunststoff AKF)"_s, 0}, {u"v1"_s, {}, 0},
                      {u"Fenster V1 (Kunststoff Design)"_s, {}, 0}});
    EXPECT_EQ(TPosition_Freie_Zulage_M2(u"Fensterbänke aus Leimholzplatte"_s).M2, 0);
    EXPECT_EQ(TPosition_Freie_Zulage_Fenster(u"Ohne Fensterflügel"_s).Umlfm, 0);
}

TEST(PositionsartenVorlagen, VorgabenDerUebrigenArten)
{
    EXPECT_EQ(TPosition_Freie().Text(), u"Freie Position"_s);
    EXPECT_EQ(TPosition_Zulage1().Beschreibung(),
              u"Jetzt im Angebot: Aidol-Induline Pflegebalsam zum Aktionspreis von 19,99 Euro. "
              u"Zu empfehlen: 2x im Jahr außen auftragen. Fenster pflegen anstatt streichen!"_s);
    EXPECT_EQ(TPosition_Zulage1().Gesamtpreis(), 0); // a new offer costs nothing until counted
    EXPECT_EQ(TPosition_Lieferung().ItemIndex_Lesen(), 0);
    EXPECT_EQ(TPosition_Zulage2().ItemIndex_Lesen(), 0);
    EXPECT_EQ(TPosition_Zulage2().Anzahl, 1);
    EXPECT_EQ(TPosition_Montage().Anzahl, 1);
}

// ---------------------------------------------------------------- prices and descriptions

TEST(PositionsartenPreise, FreieArten)
{
    TPosition_Freie Freie;
    Freie.Text_Setzen(u"Rollo"_s);
    Freie.Stueckpreis = 12.5;
    Freie.Anzahl = 4;
    EXPECT_EQ(Freie.Gesamtpreis_Nicht_Rabattfaehig(), 50);
    EXPECT_EQ(Freie.Beschreibung(), u"Rollo"_s);

    TPosition_Freie_Zulage_Stueck Regel(u"Regel air"_s);
    Regel.Anzahl = 3;
    EXPECT_EQ(Betrag(Regel.Einzelpreis()), u"64,00"_s);
    EXPECT_EQ(Betrag(Regel.Gesamtpreis()), u"192,00"_s);
    EXPECT_EQ(Regel.Gesamtpreis_Nicht_Rabattfaehig(), Regel.Gesamtpreis());
    EXPECT_EQ(Regel.Beschreibung(), u"Regel air"_s);

    TPosition_Freie_Zulage_Umlfm Meranti(u"Meranti"_s);
    Meranti.Anzahl = 2;
    EXPECT_EQ(Meranti.Gesamtpreis(0), 0); // an order without windows
    EXPECT_EQ(Meranti.Einzelpreis(12.5), 187.5);
    EXPECT_EQ(Meranti.Gesamtpreis_Nicht_Rabattfaehig(12.5), 375);
    EXPECT_EQ(Meranti.Beschreibung(), u"Meranti (15,00 EUR/umlfm)"_s);

    TPosition_Freie_Zulage_M2 Sims(u"Fensterbänke aus Leimholzplatte"_s);
    EXPECT_EQ(Sims.Gesamtpreis(), 0);
    Sims.M2 = 1.5;
    EXPECT_EQ(Betrag(Sims.Einzelpreis()), u"345,00"_s);
    EXPECT_TRUE(Sims.Beschreibung().startsWith(u"Fensterbänke aus Leimholzplatte 27mm"_s));
    EXPECT_TRUE(Sims.Beschreibung().endsWith(u"vorlackiert.  (230,00 EUR/m2 x 1,50 m2)"_s));
    Sims.Anzahl = 3;
    EXPECT_EQ(Sims.Gesamtpreis_Nicht_Rabattfaehig(), 1035);

    // A negative metre price lowers the non-discountable share.
    TPosition_Freie_Zulage_Fenster Ohne(u"Ohne Fensterflügel"_s);
    Ohne.Umlfm = 3.5;
    Ohne.Anzahl = 2;
    EXPECT_EQ(Ohne.Einzelpreis(), -38.5);
    EXPECT_EQ(Ohne.Gesamtpreis_Nicht_Rabattfaehig(), -77);
    EXPECT_EQ(Ohne.Beschreibung(), Ohne_Fluegel + u" (-11,00 EUR/Umlfm x 3,50 Umlfm)"_s);
    EXPECT_EQ(TPosition_Freie_Zulage_Umlfm(u"Ohne Fensterflügel"_s).Gesamtpreis_Nicht_Rabattfaehig(10), -110);
}

TEST(PositionsartenPreise, LieferungIstAbDerSchwelleFrei)
{
    struct TFall
    {
        std::int32_t Index;
        long double Summe_Waren;
        long double Preis;
    };
    const TFall Faelle[] = {{0, 0, 220},        {0, 4199.99L, 220}, {0, 4200, 0},      {0, 1e6L, 0},
                            {1, 7999.99L, 470}, {1, 8000, 0},       {2, 9999.99L, 720}, {2, 10000, 0}};
    for (const TFall& F : Faelle) {
        SCOPED_TRACE(testing::Message() << F.Index << " bei " << double(F.Summe_Waren));
        TPosition_Lieferung Lieferung;
        Lieferung.ItemIndex_Setzen(F.Index);
        EXPECT_EQ(Lieferung.Einzelpreis(F.Summe_Waren), F.Preis);
        EXPECT_EQ(Lieferung.Gesamtpreis(F.Summe_Waren), F.Preis);
    }
    const QStringList Namen = {u"Lieferung in Sachsen"_s, u"Lieferung bundesweit"_s, u"Lieferung Österreich/Schweiz"_s};
    ASSERT_EQ(TPosition_Lieferung::Katalog().size(), std::size_t(Namen.size()));
    for (std::int32_t i = 0; i < Namen.size(); ++i) {
        TPosition_Lieferung Lieferung;
        Lieferung.ItemIndex_Setzen(i);
        EXPECT_EQ(Lieferung.Beschreibung(), Namen[i]);
    }
}

TEST(PositionsartenPreise, SonderfarbeMontageAngebotSchiebeFaltTuer)
{
    TPosition_Sonderfarbe Farbe;
    Farbe.Sonderfarbe = u"RAL 3000"_s;
    EXPECT_EQ(Betrag(Farbe.Gesamtpreis()), u"204,00"_s);
    EXPECT_EQ(Farbe.Gesamtpreis_Nicht_Rabattfaehig(), 0);
    EXPECT_EQ(Farbe.Beschreibung(), u"Sonderfarbe: RAL 3000"_s);

    TPosition_Montage Montage;
    Montage.Anzahl = 3;
    Montage.Preis = 150;
    EXPECT_EQ(Betrag(Montage.Gesamtpreis()), u"450,00"_s);
    EXPECT_EQ(Montage.Beschreibung(), u"Montage"_s);

    TPosition_Zulage1 Angebot;
    Angebot.Anzahl = 2;
    EXPECT_EQ(Betrag(Angebot.Gesamtpreis()), u"39,98"_s);
    EXPECT_EQ(Angebot.Gesamtpreis_Nicht_Rabattfaehig(), Angebot.Gesamtpreis());

    const QStringList Tueren = {u"SFT 3 dreiflüglig"_s, u"SFT 4 vierflüglig"_s, u"SFT 5 fünfflüglig"_s,
                                u"SFT 6 sechsflüglig"_s};
    const QStringList Preise = {u"299,00"_s, u"499,00"_s, u"599,00"_s, u"699,00"_s};
    TPosition_Zulage2 Tuer;
    for (std::int32_t i = 0; i < Tueren.size(); ++i) {
        Tuer.ItemIndex_Setzen(i);
        EXPECT_EQ(Tuer.Beschreibung(), Tueren[i]);
        EXPECT_EQ(Betrag(Tuer.Einzelpreis()), Preise[i]);
    }
    Tuer.ItemIndex_Setzen(2);
    Tuer.Anzahl = 2;
    EXPECT_EQ(Betrag(Tuer.Gesamtpreis()), u"1198,00"_s);
}

TEST(PositionsartenPreise, IndexAusserhalbDerTabelleIstBereichsfehler)
{
    TPosition_Lieferung Lieferung;
    for (std::int32_t Index : {-1, 3}) {
        Lieferung.ItemIndex_Setzen(Index);
        EXPECT_THROW((void)Lieferung.Einzelpreis(0), EBereichsfehler);
        EXPECT_THROW((void)Lieferung.Beschreibung(), EBereichsfehler);
    }
    TPosition_Zulage2 Tuer;
    for (std::int32_t Index : {-1, 4}) {
        Tuer.ItemIndex_Setzen(Index);
        EXPECT_THROW((void)Tuer.Gesamtpreis(), EBereichsfehler);
        EXPECT_THROW((void)Tuer.Beschreibung(), EBereichsfehler);
    }
    TPosition_Freie_Zulage_M2 M2;
    ASSERT_TRUE(M2.Ini_Laden(Datei_Aus(u"[%1/PositionFreieZulageM2]\r\nItemIndex0=1\r\n"_s.arg(P)), P));
    EXPECT_THROW((void)M2.Beschreibung(), EBereichsfehler);
}

// ---------------------------------------------------------------- copying

// A free kind's copy takes the description text and the (here loaded, wrong) choice, nothing else.
template <class T>
void Freie_Kopie_Pruefen(long double T::*Preis, const QString& Abschnitt)
{
    SCOPED_TRACE(Abschnitt.toStdString());
    T Quelle;
    ASSERT_TRUE(Quelle.Ini_Laden(Datei_Aus(u"[%1%2]\r\nItemIndex0=1\r\n"_s.arg(P, Abschnitt)), P));
    Quelle.Text_Setzen(u"Vom Vorgänger"_s);
    Quelle.Bez = u"B1"_s;
    Quelle.*Preis = 7;
    Quelle.Anzahl = 5;
    T Ziel;
    Ziel.Kopieren_Von(Quelle);
    EXPECT_EQ(Ziel.Text(), u"Vom Vorgänger"_s);
    EXPECT_TRUE(Ziel.Bez.isEmpty());
    EXPECT_EQ(Ziel.*Preis, 0);
    EXPECT_EQ(Ziel.Anzahl, 1);
    EXPECT_THROW(Ziel.Auswahl_Pruefen(P), ELadefehler);
}

TEST(PositionsartenKopieren, FreieArten)
{
    Freie_Kopie_Pruefen(&TPosition_Freie::Stueckpreis, u"/PositionFreie"_s);
    Freie_Kopie_Pruefen(&TPosition_Freie_Zulage_Umlfm::Meterpreis, u"/PositionFreieZulageUmlfm"_s);
    Freie_Kopie_Pruefen(&TPosition_Freie_Zulage_M2::M2preis, u"/PositionFreieZulageM2"_s);
    Freie_Kopie_Pruefen(&TPosition_Freie_Zulage_Stueck::Stueckpreis, u"/PositionFreieZulageStueck"_s);
    Freie_Kopie_Pruefen(&TPosition_Freie_Zulage_Fenster::Meterpreis, u"/PositionFreieZulageFenster"_s);

    TPosition_Freie_Zulage_M2 Flaeche, Flaeche_Kopie;
    Flaeche.M2 = 2;
    Flaeche_Kopie.Kopieren_Von(Flaeche);
    EXPECT_EQ(Flaeche_Kopie.M2, 0);
    TPosition_Freie_Zulage_Fenster Fenster, Fenster_Kopie;
    Fenster.Umlfm = 4;
    Fenster_Kopie.Kopieren_Von(Fenster);
    EXPECT_EQ(Fenster_Kopie.Umlfm, 0);
}

TEST(PositionsartenKopieren, UebrigeArten)
{
    TPosition_Sonderfarbe Farbe, Farbe_Kopie;
    ASSERT_TRUE(Farbe.Ini_Laden(Datei_Aus(u"[%1/PositionSonderfarbe]\r\nItemIndex0=1\r\n"_s.arg(P)), P));
    Farbe.Bez = u"F"_s;
    Farbe.Sonderfarbe = u"RAL 3000"_s;
    Farbe_Kopie.Kopieren_Von(Farbe);
    EXPECT_TRUE(Farbe_Kopie.Bez.isEmpty());
    EXPECT_TRUE(Farbe_Kopie.Sonderfarbe.isEmpty());
    EXPECT_THROW(Farbe_Kopie.Auswahl_Pruefen(P), ELadefehler);

    TPosition_Montage Montage, Montage_Kopie;
    ASSERT_TRUE(Montage.Ini_Laden(Datei_Aus(u"[%1/PositionMontage]\r\nItemIndex0=1\r\n"_s.arg(P)), P));
    Montage.Bez = u"M"_s;
    Montage.Anzahl = 3;
    Montage.Preis = 150;
    Montage_Kopie.Kopieren_Von(Montage);
    EXPECT_TRUE(Montage_Kopie.Bez.isEmpty());
    EXPECT_EQ(Montage_Kopie.Anzahl, 1);
    EXPECT_EQ(Montage_Kopie.Preis, 0);
    EXPECT_THROW(Montage_Kopie.Auswahl_Pruefen(P), ELadefehler);

    TPosition_Lieferung Lieferung, Lieferung_Kopie;
    Lieferung.ItemIndex_Setzen(2);
    Lieferung.Bez = u"L"_s;
    Lieferung_Kopie.Kopieren_Von(Lieferung);
    EXPECT_EQ(Lieferung_Kopie.ItemIndex_Lesen(), 2);
    EXPECT_TRUE(Lieferung_Kopie.Bez.isEmpty());

    TPosition_Zulage1 Angebot, Angebot_Kopie;
    Angebot.Text = u"Anderes Angebot"_s;
    Angebot.Preis = 9.5;
    Angebot.Bez = u"A"_s;
    Angebot.Anzahl = 4;
    Angebot_Kopie.Kopieren_Von(Angebot);
    EXPECT_EQ(Angebot_Kopie.Beschreibung(), u"Anderes Angebot"_s);
    EXPECT_EQ(Angebot_Kopie.Preis, 9.5);
    EXPECT_EQ(Angebot_Kopie.Bez, u"A"_s);
    EXPECT_EQ(Angebot_Kopie.Anzahl, 0);

    TPosition_Zulage2 Tuer, Tuer_Kopie;
    Tuer.ItemIndex_Setzen(3);
    Tuer.Anzahl = 2;
    Tuer.Bez = u"T"_s;
    Tuer_Kopie.Kopieren_Von(Tuer);
    EXPECT_EQ(Tuer_Kopie.ItemIndex_Lesen(), 3);
    EXPECT_EQ(Tuer_Kopie.Anzahl, 2);
    EXPECT_EQ(Tuer_Kopie.Bez, u"T"_s);
}

// ---------------------------------------------------------------- order file

QString Geschrieben(const TIniDatei& Ini)
{
    return QStringDecoder("windows-1252").decode(Ini.Bytes());
}

// The sections below P and their keys in the order written, "[/Abschnitt] Schluessel ...",
// or with Werte "[/Abschnitt] Schluessel=Wert ...".
template <class T>
std::string Gliederung(const T& Position, bool Werte = false)
{
    TIniDatei Ini(QLatin1Char(','));
    Position.Ini_Speichern(Ini, P);
    QStringList Teile;
    for (const QString& Zeile : Geschrieben(Ini).split(u"\r\n"_s, Qt::SkipEmptyParts))
        Teile << (Zeile.startsWith(u'[') ? QString(Zeile).remove(P) : Werte ? Zeile : Zeile.section(u'=', 0, 0));
    return Teile.join(u' ').toStdString();
}

TEST(PositionsartenDatei, AbschnitteUndSchluesselJeArt)
{
    EXPECT_EQ(Gliederung(TPosition_Sonderfarbe()), "[/PositionSonderfarbe] ItemIndex0 Bez Sonderfarbe");
    EXPECT_EQ(Gliederung(TPosition_Freie()), "[/PositionFreie] ItemIndex0 Bez Anzahl [/PositionFreie/Preis] "
                                             "Stueckpreis [/PositionFreie/Beschreibung] Text");
    EXPECT_EQ(Gliederung(TPosition_Lieferung()), "[/PositionLieferung] ItemIndex0 Bez");
    // The installation's price, a key of its own, is written only when it is not the new position's 0.
    EXPECT_EQ(Gliederung(TPosition_Montage()), "[/PositionMontage] ItemIndex0 Bez Anzahl");
    TPosition_Montage Mit_Preis;
    Mit_Preis.Preis = 45;
    EXPECT_EQ(Gliederung(Mit_Preis), "[/PositionMontage] ItemIndex0 Bez Anzahl [/PositionMontage/Preis] Preis");
    EXPECT_EQ(Gliederung(TPosition_Zulage1()), "[/PositionZulage1] Bez Anzahl");
    EXPECT_EQ(Gliederung(TPosition_Zulage2()), "[/PositionZulage2] ItemIndex0 Bez Anzahl");
    EXPECT_EQ(Gliederung(TPosition_Freie_Zulage_Umlfm()),
              "[/PositionFreieZulageUmlfm] ItemIndex0 Bez Anzahl [/PositionFreieZulageUmlfm/Preis] Meterpreis "
              "[/PositionFreieZulageUmlfm/Beschreibung] Text");
    EXPECT_EQ(Gliederung(TPosition_Freie_Zulage_M2()),
              "[/PositionFreieZulageM2] ItemIndex0 Bez M2 Anzahl [/PositionFreieZulageM2/Preis] M2preis "
              "[/PositionFreieZulageM2/Beschreibung] Text");
    EXPECT_EQ(Gliederung(TPosition_Freie_Zulage_Stueck()),
              "[/PositionFreieZulageStueck] ItemIndex0 Bez Anzahl [/PositionFreieZulageStueck/Preis] Stueckpreis "
              "[/PositionFreieZulageStueck/Beschreibung] Text");
    EXPECT_EQ(Gliederung(TPosition_Freie_Zulage_Fenster()),
              "[/PositionFreieZulageFenster] ItemIndex0 Bez Anzahl Umlfm [/PositionFreieZulageFenster/Preis] "
              "Meterpreis [/PositionFreieZulageFenster/Beschreibung] Text");
}

TEST(PositionsartenDatei, GeschriebenerText)
{
    TIniDatei Ini(QLatin1Char(','));
    TPosition_Freie_Zulage_Fenster Fenster;
    Fenster.Text_Setzen(u"Zeile 1\nZeile 2 C:\\Pfad"_s);
    Fenster.Meterpreis = -11;
    Fenster.Umlfm = 3.5;
    Fenster.Ini_Speichern(Ini, u"Bestellung/Positionen1"_s);
    EXPECT_EQ(Geschrieben(Ini).toStdString(),
              "[Bestellung/Positionen1/PositionFreieZulageFenster]\r\nItemIndex0=0\r\nBez=\r\nAnzahl=1\r\n"
              "Umlfm=3,5\r\n\r\n"
              "[Bestellung/Positionen1/PositionFreieZulageFenster/Preis]\r\nMeterpreis=-11\r\n\r\n"
              "[Bestellung/Positionen1/PositionFreieZulageFenster/Beschreibung]\r\n"
              "Text=Zeile 1\\nZeile 2 C:\\\\Pfad\r\n\r\n");
}

// Saved, reloaded into a fresh object and saved again, a kind writes the same
// text; loaded from a file without its sections it keeps every value.
template <class T>
void Rundreise_Pruefen(const T& Quelle)
{
    SCOPED_TRACE(typeid(T).name());
    const std::string Vorher = Gliederung(Quelle, true);
    EXPECT_EQ(Gliederung(Gespeichert_Und_Geladen(Quelle), true), Vorher);
    EXPECT_EQ(Gliederung(Leer_Geladen(Quelle), true), Vorher);
}

TEST(PositionsartenDatei, Rundreise)
{
    const QString Mehrzeilig = u"Erste Zeile\r\nzweite: Fläche \\n bleibt\nEnde = 3"_s;
    TPosition_Freie Freie;
    Freie.Text_Setzen(Mehrzeilig);
    Freie.Bez = u"Pos. 7"_s;
    Freie.Stueckpreis = -12.25;
    Freie.Anzahl = 9;
    Rundreise_Pruefen(Freie);
    EXPECT_EQ(Gespeichert_Und_Geladen(Freie).Text(), Mehrzeilig);

    TPosition_Freie_Zulage_Umlfm Umlfm(u"Lärche"_s);
    Umlfm.Bez = u"U"_s;
    Umlfm.Anzahl = 2;
    Rundreise_Pruefen(Umlfm);
    TPosition_Freie_Zulage_M2 M2;
    M2.M2preis = 230;
    M2.M2 = 1.5;
    M2.Anzahl = 4;
    Rundreise_Pruefen(M2);
    TPosition_Freie_Zulage_Stueck Stueck(u"Nach außen öffnend"_s);
    Stueck.Anzahl = 5;
    Rundreise_Pruefen(Stueck);
    TPosition_Freie_Zulage_Fenster Fenster(u"Ohne Fensterflügel"_s);
    Fenster.Umlfm = 3.5;
    Fenster.Anzahl = 2;
    Rundreise_Pruefen(Fenster);

    TPosition_Sonderfarbe Farbe;
    Farbe.Bez = u"F"_s;
    Farbe.Sonderfarbe = u"Moosgrün"_s;
    Rundreise_Pruefen(Farbe);
    TPosition_Lieferung Lieferung;
    Lieferung.ItemIndex_Setzen(1);
    Lieferung.Bez = u"L"_s;
    Rundreise_Pruefen(Lieferung);
    TPosition_Montage Montage;
    Montage.Bez = u"M"_s;
    Montage.Anzahl = 3;
    Montage.Preis = 149.5;
    Rundreise_Pruefen(Montage);
    TPosition_Zulage1 Angebot;
    Angebot.Bez = u"A"_s;
    Angebot.Anzahl = 6;
    Rundreise_Pruefen(Angebot);
    TPosition_Zulage2 Tuer;
    Tuer.ItemIndex_Setzen(3);
    Tuer.Bez = u"T"_s;
    Tuer.Anzahl = 2;
    Rundreise_Pruefen(Tuer);
}

TEST(PositionsartenDatei, DateiOhneTextUndMontagepreisLiestSichWieZuvor)
{
    TPosition_Freie Freie;
    Freie.Text_Setzen(u"Vom Vorgänger"_s);
    ASSERT_TRUE(Freie.Ini_Laden(Datei_Aus(u"[Bestellung/Positionen0]\r\nPositionstyp=4\r\n\r\n"
                                          u"[Bestellung/Positionen0/PositionFreie]\r\nItemIndex0=0\r\nBez=A\r\n"
                                          u"Anzahl=2\r\n\r\n"
                                          u"[Bestellung/Positionen0/PositionFreie/Preis]\r\nStueckpreis=12,5\r\n"_s),
                                u"Bestellung/Positionen0"_s));
    EXPECT_EQ(Freie.Text(), u"Vom Vorgänger"_s);
    EXPECT_EQ(Freie.Bez, u"A"_s);
    EXPECT_EQ(Freie.Gesamtpreis(), 25);

    TPosition_Montage Montage;
    Montage.Preis = 80;
    ASSERT_TRUE(Montage.Ini_Laden(
        Datei_Aus(u"[Bestellung/Positionen1/PositionMontage]\r\nItemIndex0=0\r\nBez=M\r\nAnzahl=3\r\n"_s),
        u"Bestellung/Positionen1"_s));
    EXPECT_EQ(Montage.Gesamtpreis(), 240);
}

TEST(PositionsartenDatei, AuswahlPruefenNenntAbschnittSchluesselUndWert)
{
    struct TFall
    {
        QString Abschnitt;
        void (*Laden_Und_Pruefen)(const TIniDatei&);
        std::vector<std::int32_t> Gueltig, Ungueltig;
    };
    const std::vector<TFall> Faelle = {
        {u"/PositionSonderfarbe"_s, &Laden_Und_Pruefen<TPosition_Sonderfarbe>, {0}, {1, -1}},
        {u"/PositionFreie"_s, &Laden_Und_Pruefen<TPosition_Freie>, {0}, {1, -1}},
        {u"/PositionLieferung"_s, &Laden_Und_Pruefen<TPosition_Lieferung>, {0, 2}, {3, -1}},
        {u"/PositionMontage"_s, &Laden_Und_Pruefen<TPosition_Montage>, {0}, {1}},
        {u"/PositionZulage2"_s, &Laden_Und_Pruefen<TPosition_Zulage2>, {0, 3}, {4, -1}},
        {u"/PositionFreieZulageUmlfm"_s, &Laden_Und_Pruefen<TPosition_Freie_Zulage_Umlfm>, {0}, {1}},
        {u"/PositionFreieZulageM2"_s, &Laden_Und_Pruefen<TPosition_Freie_Zulage_M2>, {0}, {1}},
        {u"/PositionFreieZulageStueck"_s, &Laden_Und_Pruefen<TPosition_Freie_Zulage_Stueck>, {0}, {1}},
        {u"/PositionFreieZulageFenster"_s, &Laden_Und_Pruefen<TPosition_Freie_Zulage_Fenster>, {0}, {2}},
    };
    for (const TFall& F : Faelle) {
        const QString Abschnitt = P + F.Abschnitt;
        const auto Datei = [&](std::int32_t Wert) {
            return Datei_Aus(u"[%1]\r\nItemIndex0=%2\r\n"_s.arg(Abschnitt).arg(Wert));
        };
        for (std::int32_t Wert : F.Gueltig)
            EXPECT_NO_THROW(F.Laden_Und_Pruefen(Datei(Wert))) << Abschnitt.toStdString() << " " << Wert;
        for (std::int32_t Wert : F.Ungueltig) {
            SCOPED_TRACE(testing::Message() << Abschnitt.toStdString() << " " << Wert);
            try {
                F.Laden_Und_Pruefen(Datei(Wert));
                ADD_FAILURE() << "kein ELadefehler";
            } catch (const ELadefehler& Fehler) {
                EXPECT_EQ(Fehler.Abschnitt(), Abschnitt);
                EXPECT_EQ(Fehler.Schluessel(), u"ItemIndex0"_s);
                EXPECT_EQ(Fehler.Wert(), QString::number(Wert));
            }
        }
    }
}

template <class T>
void Laden(const TIniDatei& Ini)
{
    T X;
    X.Ini_Laden(Ini, P);
}

// A stored count, quantity or price beyond its bounds is damage that names the
// section, the key and the text, in every free kind; the bound itself loads.
TEST(PositionsartenDatei, ZahlJenseitsDerGrenzeNenntAbschnittUndSchluessel)
{
    struct TFall
    {
        void (*Laden)(const TIniDatei&);
        QString Abschnitt, Schluessel, Grenze, Jenseits;
    };
    const std::vector<TFall> Faelle = {
        {&Laden<TPosition_Freie>, u"/PositionFreie"_s, u"Anzahl"_s, u"1000000"_s, u"1000001"_s},
        {&Laden<TPosition_Freie>, u"/PositionFreie/Preis"_s, u"Stueckpreis"_s, u"-10000000"_s, u"-10000001"_s},
        {&Laden<TPosition_Freie_Zulage_Umlfm>, u"/PositionFreieZulageUmlfm"_s, u"Anzahl"_s, u"0"_s, u"-1"_s},
        {&Laden<TPosition_Freie_Zulage_Umlfm>, u"/PositionFreieZulageUmlfm/Preis"_s, u"Meterpreis"_s, u"1e7"_s, u"1,5e7"_s},
        {&Laden<TPosition_Freie_Zulage_M2>, u"/PositionFreieZulageM2"_s, u"M2"_s, u"-1e7"_s, u"-2e7"_s},
        {&Laden<TPosition_Freie_Zulage_M2>, u"/PositionFreieZulageM2"_s, u"Anzahl"_s, u"0"_s, u"-5"_s},
        {&Laden<TPosition_Freie_Zulage_M2>, u"/PositionFreieZulageM2/Preis"_s, u"M2preis"_s, u"1e7"_s, u"2e7"_s},
        {&Laden<TPosition_Freie_Zulage_Stueck>, u"/PositionFreieZulageStueck/Preis"_s, u"Stueckpreis"_s, u"1e7"_s, u"1e999"_s},
        {&Laden<TPosition_Freie_Zulage_Fenster>, u"/PositionFreieZulageFenster"_s, u"Umlfm"_s, u"1e7"_s, u"3e7"_s},
        {&Laden<TPosition_Freie_Zulage_Fenster>, u"/PositionFreieZulageFenster/Preis"_s, u"Meterpreis"_s, u"-1e7"_s, u"-3e7"_s},
    };
    for (const TFall& F : Faelle) {
        const QString Abschnitt = P + F.Abschnitt;
        SCOPED_TRACE((Abschnitt + u' ' + F.Schluessel).toStdString());
        const auto Datei = [&](const QString& Wert) {
            return Datei_Aus(u"[%1]\r\n%2=%3\r\n"_s.arg(Abschnitt, F.Schluessel, Wert));
        };
        EXPECT_NO_THROW(F.Laden(Datei(F.Grenze)));
        try {
            F.Laden(Datei(F.Jenseits));
            ADD_FAILURE() << "kein ELadefehler";
        } catch (const ELadefehler& Fehler) {
            EXPECT_EQ(Fehler.Abschnitt(), Abschnitt);
            EXPECT_EQ(Fehler.Schluessel(), F.Schluessel);
            EXPECT_EQ(Fehler.Wert(), F.Jenseits);
        }
    }
}

} // namespace
