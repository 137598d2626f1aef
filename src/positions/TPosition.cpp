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
        Balkon = Balkontueren.Eintrag_Lesen(1).ProMeterUmlauf + Balkontueren.Eintrag_Lesen(0).ProMeterUmlauf;

    long double M = Hoelzer.Eintrag_Lesen().ProMeterUmlauf + Abmessungen.Eintrag_Lesen().ProMeterUmlauf;
    M += Profile.Eintrag_Lesen(0).ProMeterUmlauf;
    M += Profile.Eintrag_Lesen(1).ProMeterUmlauf;
    M += Profile.Eintrag_Lesen(2).ProMeterUmlauf;
    M = (M + Profile.Eintrag_Lesen(3).ProMeterUmlauf) + Balkon;
    M += Oberflaechen.Eintrag_Lesen().ProMeterUmlauf;
    M += Versiegelungen.Eintrag_Lesen().ProMeterUmlauf;
    for (int Zeile = 0; Zeile < 4; ++Zeile)
        M += Glaeser.Eintrag_Lesen(Zeile).ProMeterUmlauf;
    M += Sonderausfuehrungen.Eintrag_Lesen(3).ProMeterUmlauf;
    return M;
}

long double TPosition::Stueckpreis() const
{
    const long double Breite_m = static_cast<long double>(Abmessungen.Breite()) / 1000.0L;
    const long double Hoehe_m = static_cast<long double>(Abmessungen.Hoehe()) / 1000.0L;
    const std::int32_t Fenstertyp = Abmessungen.Fenstertyp_Lesen();

    long double Balkon = 0;
    if (Abmessungen.istBalkontuer())
        Balkon = Balkontueren.Eintrag_Lesen(1).ProStueck + Balkontueren.Eintrag_Lesen(0).ProStueck;

    long double Rolladen_Preis = 0;
    if (Rolladen.ItemIndex_Lesen(0) != 0)
        Rolladen_Preis = Rolladen.Eintrag_Lesen(0).ProMeterHoehe * Hoehe_m;

    long double Regenschienenabdeckung = Zierprofile.Eintrag_Lesen(0).ProStueck;
    if (Abmessungen.hatOberlicht())
        Regenschienenabdeckung *= 2;

    const long double Sprossen_Preis =
        Sprossen.Eintrag_Lesen(0).ProMenge * static_cast<long double>(Sprossen.Eintrag_Lesen(1).Felder);
    const long double Fuellungen =
        Ergaenzungen.Eintrag_Lesen(0).ProMenge * static_cast<long double>(Ergaenzungen.Eintrag_Lesen(8).Menge);

    long double Sonderform = Sonderformen.Eintrag_Lesen().ProStueck *
                             static_cast<long double>(Sonderformen.Faktor_Lesen(Sonderformen.ItemIndex_Lesen(), Fenstertyp));
    if (Fenstertyp == 0)
        Sonderform *= 0.5L;

    const auto Seiten_m = [&](int Zeile) {
        return static_cast<long double>(Zierprofile.Seitenlaenge(Zeile, Abmessungen)) / 1000.0L;
    };
    const long double Laengen = Zierprofile.Eintrag_Lesen(4).ProMeterSeiten * Seiten_m(5) +
                                Zierprofile.Eintrag_Lesen(6).ProMeterSeiten * Seiten_m(7) +
                                Zierprofile.Eintrag_Lesen(8).ProMeterSeiten * Seiten_m(9);

    long double Profilsumme = Profile.Eintrag_Lesen(0).ProStueck + Laengen;
    Profilsumme += Profile.Eintrag_Lesen(1).ProStueck;
    Profilsumme += Profile.Eintrag_Lesen(2).ProStueck;
    Profilsumme += Profile.Eintrag_Lesen(3).ProStueck;
    Profilsumme = (Profilsumme + Profile.Eintrag_Lesen(4).ProStueck) + Balkon;
    Profilsumme += Oberflaechen.Eintrag_Lesen().ProStueck;

    long double Je_Fluegel = Beschlaege.Eintrag_Lesen(1).ProFluegel + Beschlaege.Eintrag_Lesen(0).ProFluegel;
    Je_Fluegel += Beschlaege.Eintrag_Lesen(2).ProFluegel;
    Je_Fluegel += Beschlaege.Eintrag_Lesen(3).ProFluegel;
    Je_Fluegel += Ergaenzungen.Eintrag_Lesen(2).ProFluegel;
    Je_Fluegel += Ergaenzungen.Eintrag_Lesen(3).ProFluegel;
    Je_Fluegel += Regenschienen.Eintrag_Lesen(2).ProFluegel;
    const long double Fluegel = Je_Fluegel * static_cast<long double>(Abmessungen.Fluegelanzahl());

    long double T = Fluegel + Profilsumme + Sprossen_Preis + Fuellungen + Rolladen_Preis + Regenschienenabdeckung;
    T += Beschlaege.Eintrag_Lesen(4).ProStueck;
    T += Zierprofile.Eintrag_Lesen(1).ProStueck;
    T += Zierprofile.Eintrag_Lesen(3).ProStueck;
    for (int Zeile = 1; Zeile <= 6; ++Zeile)
        T += Ergaenzungen.Eintrag_Lesen(Zeile).ProStueck;
    T += Sonderausfuehrungen.Eintrag_Lesen(0).ProMeterBreite * Breite_m;
    for (int Zeile = 1; Zeile <= 5; ++Zeile)
        T += Sonderausfuehrungen.Eintrag_Lesen(Zeile).ProStueck;
    T += Sonderform;
    return T;
}

long double TPosition::Einzelpreis_Nicht_Rabattfaehig() const
{
    const long double Breite_m = static_cast<long double>(Abmessungen.Breite()) / 1000.0L;
    return Sonderausfuehrungen.Eintrag_Lesen(0).FestProMeterBreite * Breite_m +
           Ergaenzungen.Eintrag_Lesen(7).FestProStueck;
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
