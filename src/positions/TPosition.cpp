#include "positions/TPosition.h"

#include "base/TIniDatei.h"

#include <cstddef>
#include <utility>

TPosition::TPosition() = default;

void TPosition::Kopieren_Von(const TPosition& Andere)
{
    auto Ziel = Gruppen(*this);
    const auto Quelle = Gruppen(Andere);
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (std::get<I>(Ziel).Kopieren_Von(std::get<I>(Quelle)), ...);
    }(std::make_index_sequence<std::tuple_size_v<decltype(Ziel)>>{});
    Bez = Andere.Bez;
}

bool TPosition::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString P = Abschnitt(Praefix);
    Ini.Text_Schreiben(P, QStringLiteral("Bez"), Bez);
    std::apply([&](const auto&... Gruppe) { (Gruppe.Ini_Speichern(Ini, P), ...); }, Gruppen(*this));
    return true;
}

bool TPosition::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString P = Abschnitt(Praefix);
    Bez = Ini.Text_Lesen(P, QStringLiteral("Bez"), Bez);
    std::apply([&](auto&... Gruppe) { (Gruppe.Ini_Laden(Ini, P), ...); }, Gruppen(*this));
    return true;
}

void TPosition::Auswahl_Pruefen(const QString& Praefix) const
{
    const QString P = Abschnitt(Praefix);
    std::apply([&](const auto&... Gruppe) { (Gruppe.Auswahl_Pruefen(P), ...); }, Gruppen(*this));
}

QString TPosition::Beschreibung() const
{
    QString Text = Abmessungen.Beschreibung();
    if (Abmessungen.istBalkontuer())
        Text += Balkontueren.Beschreibung();
    Text += Lagen.Beschreibung();
    Text += Sonderformen.Beschreibung();
    Text += Profile.Beschreibung();
    Text += Hoelzer.Beschreibung();
    Text += Oberflaechen.Beschreibung();
    Text += Versiegelungen.Beschreibung();
    Text += Regenschienen.Beschreibung();
    Text += Beschlaege.Beschreibung();
    Text += Glaeser.Beschreibung();
    Text += Sprossen.Beschreibung();
    Text += Rolladen.Beschreibung();
    Text += Zierprofile.Beschreibung();
    Text += Ergaenzungen.Beschreibung();
    Text += Sonderausfuehrungen.Beschreibung();
    return Text;
}

// The sums below are accumulated in the order of the price list, so that the
// extended-precision results are the same on every run.

long double TPosition::Meterpreis() const
{
    long double Balkon = 0;
    if (Abmessungen.istBalkontuer())
        Balkon = Balkontueren.Eintrag_Lesen(TBalkontueren::Zulage_Abschliessbar).ProMeterUmlauf
               + Balkontueren.Eintrag_Lesen(TBalkontueren::Art).ProMeterUmlauf;

    long double M = Hoelzer.Eintrag_Lesen().ProMeterUmlauf + Abmessungen.Eintrag_Lesen().ProMeterUmlauf;
    M += Profile.Eintrag_Lesen(TProfile::Profil).ProMeterUmlauf;
    M += Profile.Eintrag_Lesen(TProfile::Festfluegel).ProMeterUmlauf;
    M += Profile.Eintrag_Lesen(TProfile::Festelemente).ProMeterUmlauf;
    M = (M + Profile.Eintrag_Lesen(TProfile::Konterholz).ProMeterUmlauf) + Balkon;
    M += Oberflaechen.Eintrag_Lesen().ProMeterUmlauf;
    M += Versiegelungen.Eintrag_Lesen().ProMeterUmlauf;
    for (int Zeile = TGlaeser::Isolierglas; Zeile <= TGlaeser::Sicherheitsglas; ++Zeile)
        M += Glaeser.Eintrag_Lesen(Zeile).ProMeterUmlauf;
    M += Sonderausfuehrungen.Eintrag_Lesen(TSonderausfuehrungen::Zweite_Dichtung).ProMeterUmlauf;
    return M;
}

long double TPosition::Stueckpreis() const
{
    const long double Breite_m = static_cast<long double>(Abmessungen.Breite()) / 1000.0L;
    const long double Hoehe_m = static_cast<long double>(Abmessungen.Hoehe()) / 1000.0L;
    const std::int32_t Fenstertyp = Abmessungen.Fenstertyp_Lesen();

    long double Balkon = 0;
    if (Abmessungen.istBalkontuer())
        Balkon = Balkontueren.Eintrag_Lesen(TBalkontueren::Zulage_Abschliessbar).ProStueck
               + Balkontueren.Eintrag_Lesen(TBalkontueren::Art).ProStueck;

    long double Rolladen_Preis = 0;
    if (Rolladen.ItemIndex_Lesen(TRolladen::Fuehrung) != 0)
        Rolladen_Preis = Rolladen.Eintrag_Lesen(TRolladen::Fuehrung).ProMeterHoehe * Hoehe_m;

    long double Regenschienenabdeckung = Zierprofile.Eintrag_Lesen(TZierprofile::Regenschienenabdeckung).ProStueck;
    if (Abmessungen.hatOberlicht())
        Regenschienenabdeckung *= 2;

    const long double Sprossen_Preis =
        Sprossen.Eintrag_Lesen(TSprossen::Art).ProMenge
        * static_cast<long double>(Sprossen.Eintrag_Lesen(TSprossen::Felder).Felder);
    const long double Fuellungen =
        Ergaenzungen.Eintrag_Lesen(TErgaenzungen::Fuellung).ProMenge
        * static_cast<long double>(Ergaenzungen.Eintrag_Lesen(TErgaenzungen::Fuellung_Anzahl).Menge);

    long double Sonderform = Sonderformen.Eintrag_Lesen().ProStueck *
                             static_cast<long double>(Sonderformen.Faktor_Lesen(Sonderformen.ItemIndex_Lesen(), Fenstertyp));
    if (Fenstertyp == 0)
        Sonderform *= 0.5L;

    const auto Seiten_m = [&](int Zeile) {
        return static_cast<long double>(Zierprofile.Seitenlaenge(Zeile, Abmessungen)) / 1000.0L;
    };
    const long double Laengen =
        Zierprofile.Eintrag_Lesen(TZierprofile::Rahmenverbreiterung).ProMeterSeiten
            * Seiten_m(TZierprofile::Rahmenverbreiterung_Seiten)
        + Zierprofile.Eintrag_Lesen(TZierprofile::Ecksteher).ProMeterSeiten * Seiten_m(TZierprofile::Ecksteher_Seiten)
        + Zierprofile.Eintrag_Lesen(TZierprofile::Deckleiste).ProMeterSeiten * Seiten_m(TZierprofile::Deckleiste_Seiten);

    long double Profilsumme = Profile.Eintrag_Lesen(TProfile::Profil).ProStueck + Laengen;
    Profilsumme += Profile.Eintrag_Lesen(TProfile::Festfluegel).ProStueck;
    Profilsumme += Profile.Eintrag_Lesen(TProfile::Festelemente).ProStueck;
    Profilsumme += Profile.Eintrag_Lesen(TProfile::Konterholz).ProStueck;
    Profilsumme = (Profilsumme + Profile.Eintrag_Lesen(TProfile::Fensterbankanschluss).ProStueck) + Balkon;
    Profilsumme += Oberflaechen.Eintrag_Lesen().ProStueck;

    long double Je_Fluegel = Beschlaege.Eintrag_Lesen(TBeschlaege::Sicherheit).ProFluegel
                          + Beschlaege.Eintrag_Lesen(TBeschlaege::Beschlag).ProFluegel;
    Je_Fluegel += Beschlaege.Eintrag_Lesen(TBeschlaege::Abdeckkappen).ProFluegel;
    Je_Fluegel += Beschlaege.Eintrag_Lesen(TBeschlaege::Griffhoehe).ProFluegel;
    Je_Fluegel += Ergaenzungen.Eintrag_Lesen(TErgaenzungen::Oliven).ProFluegel;
    Je_Fluegel += Ergaenzungen.Eintrag_Lesen(TErgaenzungen::Oliven_Abschliessbar).ProFluegel;
    Je_Fluegel += Regenschienen.Eintrag_Lesen(TRegenschienen::Fluegelabdeckung).ProFluegel;
    const long double Fluegel = Je_Fluegel * static_cast<long double>(Abmessungen.Fluegelanzahl());

    long double T = Fluegel + Profilsumme + Sprossen_Preis + Fuellungen + Rolladen_Preis + Regenschienenabdeckung;
    T += Beschlaege.Eintrag_Lesen(TBeschlaege::PutzFangschere).ProStueck;
    T += Zierprofile.Eintrag_Lesen(TZierprofile::Kaempfer).ProStueck;
    T += Zierprofile.Eintrag_Lesen(TZierprofile::Schlagleiste).ProStueck;
    for (int Zeile = TErgaenzungen::Oberlichtoeffner; Zeile <= TErgaenzungen::Duebelbohrung; ++Zeile)
        T += Ergaenzungen.Eintrag_Lesen(Zeile).ProStueck;
    T += Sonderausfuehrungen.Eintrag_Lesen(TSonderausfuehrungen::Bodenschwelle).ProMeterBreite * Breite_m;
    for (int Zeile = TSonderausfuehrungen::Oberlichtoeffner; Zeile <= TSonderausfuehrungen::Nach_Aussen_Oeffnend;
         ++Zeile)
        T += Sonderausfuehrungen.Eintrag_Lesen(Zeile).ProStueck;
    T += Sonderform;
    return T;
}

long double TPosition::Einzelpreis_Nicht_Rabattfaehig() const
{
    const long double Breite_m = static_cast<long double>(Abmessungen.Breite()) / 1000.0L;
    return Sonderausfuehrungen.Eintrag_Lesen(TSonderausfuehrungen::Bodenschwelle).FestProMeterBreite * Breite_m +
           Ergaenzungen.Eintrag_Lesen(TErgaenzungen::Schiebeelement).FestProStueck;
}

long double TPosition::Einzelpreis() const
{
    return (Meterpreis() * Abmessungen.UM() + Stueckpreis()) + Einzelpreis_Nicht_Rabattfaehig();
}

long double TPosition::Gesamtpreis() const
{
    return Einzelpreis() * static_cast<long double>(Abmessungen.Anzahl());
}

long double TPosition::Gesamtpreis_Nicht_Rabattfaehig() const
{
    return Einzelpreis_Nicht_Rabattfaehig() * static_cast<long double>(Abmessungen.Anzahl());
}
