#include "positions/TPosition.h"

#include "base/TIniDatei.h"

TPosition::TPosition() = default;

void TPosition::Kopieren_Von(const TPosition& Andere)
{
    Abmessungen.Kopieren_Von(Andere.Abmessungen);
    Hoelzer.Kopieren_Von(Andere.Hoelzer);
    Profile.Kopieren_Von(Andere.Profile);
    Balkontueren.Kopieren_Von(Andere.Balkontueren);
    Oberflaechen.Kopieren_Von(Andere.Oberflaechen);
    Versiegelungen.Kopieren_Von(Andere.Versiegelungen);
    Regenschienen.Kopieren_Von(Andere.Regenschienen);
    Beschlaege.Kopieren_Von(Andere.Beschlaege);
    Glaeser.Kopieren_Von(Andere.Glaeser);
    Sprossen.Kopieren_Von(Andere.Sprossen);
    Rolladen.Kopieren_Von(Andere.Rolladen);
    Ergaenzungen.Kopieren_Von(Andere.Ergaenzungen);
    Sonderausfuehrungen.Kopieren_Von(Andere.Sonderausfuehrungen);
    Zierprofile.Kopieren_Von(Andere.Zierprofile);
    Lagen.Kopieren_Von(Andere.Lagen);
    Sonderformen.Kopieren_Von(Andere.Sonderformen);
    Bez = Andere.Bez;
}

bool TPosition::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString P = Abschnitt(Praefix);
    Ini.Text_Schreiben(P, QStringLiteral("Bez"), Bez);
    Abmessungen.Ini_Speichern(Ini, P);
    Hoelzer.Ini_Speichern(Ini, P);
    Profile.Ini_Speichern(Ini, P);
    Balkontueren.Ini_Speichern(Ini, P);
    Oberflaechen.Ini_Speichern(Ini, P);
    Versiegelungen.Ini_Speichern(Ini, P);
    Regenschienen.Ini_Speichern(Ini, P);
    Beschlaege.Ini_Speichern(Ini, P);
    Glaeser.Ini_Speichern(Ini, P);
    Sprossen.Ini_Speichern(Ini, P);
    Rolladen.Ini_Speichern(Ini, P);
    Ergaenzungen.Ini_Speichern(Ini, P);
    Sonderausfuehrungen.Ini_Speichern(Ini, P);
    Zierprofile.Ini_Speichern(Ini, P);
    Lagen.Ini_Speichern(Ini, P);
    Sonderformen.Ini_Speichern(Ini, P);
    return true;
}

bool TPosition::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    const QString P = Abschnitt(Praefix);
    Bez = Ini.Text_Lesen(P, QStringLiteral("Bez"), Bez);
    Abmessungen.Ini_Laden(Ini, P);
    Hoelzer.Ini_Laden(Ini, P);
    Profile.Ini_Laden(Ini, P);
    Balkontueren.Ini_Laden(Ini, P);
    Oberflaechen.Ini_Laden(Ini, P);
    Versiegelungen.Ini_Laden(Ini, P);
    Regenschienen.Ini_Laden(Ini, P);
    Beschlaege.Ini_Laden(Ini, P);
    Glaeser.Ini_Laden(Ini, P);
    Sprossen.Ini_Laden(Ini, P);
    Rolladen.Ini_Laden(Ini, P);
    Ergaenzungen.Ini_Laden(Ini, P);
    Sonderausfuehrungen.Ini_Laden(Ini, P);
    Zierprofile.Ini_Laden(Ini, P);
    Lagen.Ini_Laden(Ini, P);
    Sonderformen.Ini_Laden(Ini, P);
    return true;
}

void TPosition::Auswahl_Pruefen(const QString& Praefix) const
{
    const QString P = Abschnitt(Praefix);
    Abmessungen.Auswahl_Pruefen(P);
    Hoelzer.Auswahl_Pruefen(P);
    Profile.Auswahl_Pruefen(P);
    Balkontueren.Auswahl_Pruefen(P);
    Oberflaechen.Auswahl_Pruefen(P);
    Versiegelungen.Auswahl_Pruefen(P);
    Regenschienen.Auswahl_Pruefen(P);
    Beschlaege.Auswahl_Pruefen(P);
    Glaeser.Auswahl_Pruefen(P);
    Sprossen.Auswahl_Pruefen(P);
    Rolladen.Auswahl_Pruefen(P);
    Ergaenzungen.Auswahl_Pruefen(P);
    Sonderausfuehrungen.Auswahl_Pruefen(P);
    Zierprofile.Auswahl_Pruefen(P);
    Lagen.Auswahl_Pruefen(P);
    Sonderformen.Auswahl_Pruefen(P);
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
