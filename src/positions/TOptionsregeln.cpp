#include "positions/TOptionsregeln.h"

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
