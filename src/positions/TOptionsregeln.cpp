#include "positions/TOptionsregeln.h"

#include "base/Fehler.h"
#include "positions/TPosition.h"

TOptionsregeln::TOberlichtfreigabe TOptionsregeln::Oberlicht_Freigabe(const TAbmessungen& Abmessungen)
{
    if (Abmessungen.hatOberlicht())
        return {true, true, true};
    // A fixed glazing without sash may still carry an opener and scissors.
    const bool Fest_Im_Rahmen = Abmessungen.Fenstertyp_Lesen() == 0;
    return {false, Fest_Im_Rahmen, Fest_Im_Rahmen};
}

void TOptionsregeln::Fluegel_Wechseln(TPosition& Position, std::int32_t Fenstertyp)
{
    Position.Abmessungen.Fenstertyp_Setzen(Fenstertyp);
    if (!Position.Abmessungen.hatOberlicht()) {
        Position.Sonderausfuehrungen.ItemIndex_Setzen(TSonderausfuehrungen::Oberlichtoeffner, 0);
        Position.Abmessungen.HoeheOberlicht_Setzen(0);
        Position.Beschlaege.ItemIndex_Setzen(TBeschlaege::PutzFangschere, 0);
    }
    Position.Ergaenzungen.ItemIndex_Setzen(TErgaenzungen::Schiebeelement, 0);
}

TOptionsregeln::TOberflaechenanzeige TOptionsregeln::Oberflaeche_Anzeigen(const TOberflaechen& Oberflaechen)
{
    const std::int32_t Eintrag = Oberflaechen.ItemIndex_Lesen();
    if (Eintrag == TOberflaechen::Index_Sonderfarbe)
        return {0, false, true};
    return {Eintrag, true, false};
}

void TOptionsregeln::Sonderfarbe_Setzen(TOberflaechen& Oberflaechen, bool Gewaehlt)
{
    Oberflaechen.ItemIndex_Setzen(Gewaehlt ? TOberflaechen::Index_Sonderfarbe : 0);
}

bool TOptionsregeln::Zweite_Dichtung_Erzwungen(const TGlaeser& Glaeser)
{
    return Glaeser.ItemIndex_Lesen(TGlaeser::Isolierglas) >= Erstes_Schallschutzglas_Mit_Dichtung;
}

bool TOptionsregeln::Zweite_Dichtung_Anwenden(TPosition& Position)
{
    if (!Zweite_Dichtung_Erzwungen(Position.Glaeser))
        return false;
    Position.Sonderausfuehrungen.ItemIndex_Setzen(TSonderausfuehrungen::Zweite_Dichtung, 1);
    return true;
}

bool TOptionsregeln::Bank_Frei(const TRolladen& Rolladen)
{
    return Rolladen.ItemIndex_Lesen(TRolladen::Fuehrung) != 0;
}

namespace {

// The option group and row behind an option, handed to F.
template <class TPos, class F>
auto Gruppe_Von(TPos& P, TOptionsregeln::TOption Option, F&& Mit)
{
    using O = TOptionsregeln::TOption;
    switch (Option) {
    case O::Fensterbankanschluss: return Mit(P.Profile, TProfile::Fensterbankanschluss);
    case O::Profil: return Mit(P.Profile, TProfile::Profil);
    case O::Konterholz: return Mit(P.Profile, TProfile::Konterholz);
    case O::Holz: return Mit(P.Hoelzer, 0);
    case O::Oberflaeche:
    case O::Sonderfarbe: return Mit(P.Oberflaechen, 0);
    case O::Fluegelabdeckung: return Mit(P.Regenschienen, TRegenschienen::Fluegelabdeckung);
    case O::Regen_Fenster: return Mit(P.Regenschienen, TRegenschienen::Fenster);
    case O::Regen_Abdeckung: return Mit(P.Zierprofile, TZierprofile::Regenschienenabdeckung);
    case O::Kaempfer: return Mit(P.Zierprofile, TZierprofile::Kaempfer);
    case O::Schlagleiste: return Mit(P.Zierprofile, TZierprofile::Schlagleiste);
    case O::Rahmen: return Mit(P.Zierprofile, TZierprofile::Rahmenverbreiterung);
    case O::Rahmen_Seiten: return Mit(P.Zierprofile, TZierprofile::Rahmenverbreiterung_Seiten);
    case O::Sprossen: return Mit(P.Sprossen, TSprossen::Art);
    case O::Felder: return Mit(P.Sprossen, TSprossen::Felder);
    case O::Glas_1: return Mit(P.Glaeser, TGlaeser::Isolierglas);
    case O::Glas_2: return Mit(P.Glaeser, TGlaeser::Ornamentglas);
    case O::Glas_3: return Mit(P.Glaeser, TGlaeser::Warme_Kante);
    case O::Glas_4: return Mit(P.Glaeser, TGlaeser::Sicherheitsglas);
    case O::Versiegelung: return Mit(P.Versiegelungen, 0);
    case O::Beschlag: return Mit(P.Beschlaege, TBeschlaege::Beschlag);
    case O::Abdeckkappen: return Mit(P.Beschlaege, TBeschlaege::Abdeckkappen);
    case O::PutzFangschere: return Mit(P.Beschlaege, TBeschlaege::PutzFangschere);
    case O::Sicherheit: return Mit(P.Beschlaege, TBeschlaege::Sicherheit);
    case O::Griffhoehe: return Mit(P.Beschlaege, TBeschlaege::Griffhoehe);
    case O::Rolladen: return Mit(P.Rolladen, TRolladen::Fuehrung);
    case O::Bank: return Mit(P.Rolladen, TRolladen::Bank);
    case O::Oberlichtoeffner: return Mit(P.Sonderausfuehrungen, TSonderausfuehrungen::Oberlichtoeffner);
    case O::Regelair: return Mit(P.Sonderausfuehrungen, TSonderausfuehrungen::Regelair);
    case O::Abschliessbar: return Mit(P.Sonderausfuehrungen, TSonderausfuehrungen::Abschliessbar);
    case O::Zweite_Dichtung: return Mit(P.Sonderausfuehrungen, TSonderausfuehrungen::Zweite_Dichtung);
    case O::Bodenschwelle: return Mit(P.Sonderausfuehrungen, TSonderausfuehrungen::Bodenschwelle);
    case O::Sonderform: return Mit(P.Sonderformen, 0);
    case O::Fuellung: return Mit(P.Ergaenzungen, TErgaenzungen::Fuellung);
    case O::Fuellung_Anzahl: return Mit(P.Ergaenzungen, TErgaenzungen::Fuellung_Anzahl);
    case O::Oliven: return Mit(P.Ergaenzungen, TErgaenzungen::Oliven);
    case O::Oliven_Abschliessbar: return Mit(P.Ergaenzungen, TErgaenzungen::Oliven_Abschliessbar);
    case O::Absaegen: return Mit(P.Ergaenzungen, TErgaenzungen::Absaegen);
    case O::Fluegel: break;
    }
    throw EBereichsfehler(QStringLiteral("Die Flügelteilung ist keine Zeile einer Optionsgruppe."));
}

} // namespace

bool TOptionsregeln::Uebernehmen(TPosition& Ziel, const TPosition& Quelle, TOption Option)
{
    if (Option == TOption::Fluegel) {
        // A window all frame comes only from files; the editor's list cannot choose it.
        if (Quelle.Abmessungen.Fenstertyp_Lesen() < 1)
            return false;
        Fluegel_Wechseln(Ziel, Quelle.Abmessungen.Fenstertyp_Lesen());
        Zweite_Dichtung_Anwenden(Ziel);
        return true;
    }
    if (Option == TOption::Sonderfarbe) {
        Sonderfarbe_Setzen(Ziel.Oberflaechen, Oberflaeche_Anzeigen(Quelle.Oberflaechen).Sonderfarbe_Gewaehlt);
        return true;
    }
    const std::int32_t Wert = Wahl_Lesen(Quelle, Option);
    const TOberlichtfreigabe Oberlicht = Oberlicht_Freigabe(Ziel.Abmessungen);
    // Where the editor's control is disabled for Ziel, the choice cannot be made there.
    const bool Gesperrt = (Option == TOption::Oberflaeche
                           && (Oberflaeche_Anzeigen(Ziel.Oberflaechen).Sonderfarbe_Gewaehlt
                               || Oberflaeche_Anzeigen(Quelle.Oberflaechen).Sonderfarbe_Gewaehlt))
                          || (Option == TOption::Bank && !Bank_Frei(Ziel.Rolladen))
                          || (Option == TOption::Oberlichtoeffner && !Oberlicht.Oeffner)
                          || (Option == TOption::PutzFangschere && !Oberlicht.PutzFangschere)
                          || (Option == TOption::Zweite_Dichtung && Zweite_Dichtung_Erzwungen(Ziel.Glaeser) && Wert != 1);
    if (Gesperrt)
        return false;
    Wahl_Setzen(Ziel, Option, Wert);
    if (Option == TOption::Glas_1)
        Zweite_Dichtung_Anwenden(Ziel);
    return true;
}

std::int32_t TOptionsregeln::Wahl_Lesen(const TPosition& Position, TOption Option)
{
    return Gruppe_Von(Position, Option, [](const auto& Gruppe, int Zeile) { return Gruppe.ItemIndex_Lesen(Zeile); });
}

void TOptionsregeln::Wahl_Setzen(TPosition& Position, TOption Option, std::int32_t Wert)
{
    Gruppe_Von(Position, Option, [Wert](auto& Gruppe, int Zeile) {
        Gruppe.ItemIndex_Setzen(Zeile, Wert);
        return 0;
    });
}

std::vector<TOptionsregeln::TListeneintrag> TOptionsregeln::Listeneintraege(TOption Option)
{
    // A row is as long as its longest sibling; the empty entries at its end are none.
    const auto Aus = [](const auto& Zeile, std::size_t Erster) {
        std::size_t Ende = Zeile.size();
        while (Ende > Erster && Zeile[Ende - 1].Name.isEmpty() && Zeile[Ende - 1].Zusatztext.isEmpty())
            --Ende;
        std::vector<TListeneintrag> Liste;
        for (std::size_t i = Erster; i < Ende; ++i)
            Liste.push_back({Zeile[i].Listeneintrag(), Zeile[i].Ohne_Zusatzkosten});
        return Liste;
    };
    // The sash list starts at one sash: no window is all frame.
    if (Option == TOption::Fluegel)
        return Aus(TAbmessungen::Katalog()[0], 1);
    static const TPosition Leer;
    std::vector<TListeneintrag> Liste = Gruppe_Von(Leer, Option, [&Aus](const auto& Gruppe, int Zeile) {
        return Aus(Gruppe.Tabelle()[std::size_t(Zeile)], 0);
    });
    if (Option == TOption::Oberflaeche) {
        // The special colour has its box; each surface is listed after its number of colours.
        Liste.resize(std::size_t(TOberflaechen::Index_Sonderfarbe));
        const auto& Zeile = TOberflaechen::Katalog()[0];
        for (std::size_t i = 0; i < Liste.size(); ++i)
            Liste[i].Text = Zeile[i].Zusatztext + QString(12, QLatin1Char(' ')) + Zeile[i].Name;
    }
    return Liste;
}
