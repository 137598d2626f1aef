#include "base/TIniDatei.h"
#include "positions/TPosition.h"

#include <benchmark/benchmark.h>

namespace {

TPosition Konfiguriertes_Fenster()
{
    TPosition P;
    P.Abmessungen.Fenstertyp_Setzen(4);
    P.Abmessungen.Breite_Setzen(1800);
    P.Abmessungen.Hoehe_Setzen(2200);
    P.Abmessungen.HoeheOberlicht_Setzen(450);
    P.Abmessungen.Anzahl_Setzen(3);
    P.Hoelzer.ItemIndex_Setzen(1);
    P.Profile.ItemIndex_Setzen(TProfile::Profil, 1);
    P.Profile.ItemIndex_Setzen(TProfile::Konterholz, 2);
    P.Glaeser.ItemIndex_Setzen(TGlaeser::Isolierglas, 9);
    P.Glaeser.ItemIndex_Setzen(TGlaeser::Sicherheitsglas, 6);
    P.Sprossen.ItemIndex_Setzen(TSprossen::Art, 4);
    P.Sprossen.ItemIndex_Setzen(TSprossen::Felder, 5);
    P.Rolladen.ItemIndex_Setzen(TRolladen::Fuehrung, 2);
    P.Ergaenzungen.ItemIndex_Setzen(TErgaenzungen::Fuellung, 5);
    P.Ergaenzungen.ItemIndex_Setzen(TErgaenzungen::Fuellung_Anzahl, 2);
    P.Zierprofile.ItemIndex_Setzen(TZierprofile::Rahmenverbreiterung, 3);
    P.Zierprofile.ItemIndex_Setzen(TZierprofile::Rahmenverbreiterung_Seiten, 8);
    P.Sonderformen.ItemIndex_Setzen(7);
    P.Lagen.Text = QStringLiteral("OG Nord");
    return P;
}

void Einzelpreis_Und_Beschreibung(benchmark::State& State)
{
    const TPosition P = Konfiguriertes_Fenster();
    for (auto _ : State) {
        benchmark::DoNotOptimize(P.Einzelpreis());
        benchmark::DoNotOptimize(P.Beschreibung());
    }
}
BENCHMARK(Einzelpreis_Und_Beschreibung);

void Fenster_Speichern_Und_Laden(benchmark::State& State)
{
    const TPosition P = Konfiguriertes_Fenster();
    const QString Praefix = QStringLiteral("Bestellung/Positionen0");
    for (auto _ : State) {
        TIniDatei Ini(QLatin1Char(','));
        P.Ini_Speichern(Ini, Praefix);
        TIniDatei Gelesen(QLatin1Char(','));
        Gelesen.Bytes_Lesen(Ini.Bytes());
        TPosition Q;
        Q.Ini_Laden(Gelesen, Praefix);
        benchmark::DoNotOptimize(Q.Abmessungen.UM());
    }
}
BENCHMARK(Fenster_Speichern_Und_Laden);

} // namespace
