#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class TAbmessungen;
class TGlaeser;
class TOberflaechen;
class TPosition;
class TRolladen;

// The few rules that tie one option of a window position to another. The
// option groups store whatever they are given; the editor asks these rules
// what to enable, force or reset, so they can be checked without a window.
class TOptionsregeln
{
public:
    // The first glass-type entry that needs the second seal.
    static constexpr std::int32_t Erstes_Schallschutzglas_Mit_Dichtung = 9;

    // Which of the three top-light controls can be used.
    struct TOberlichtfreigabe
    {
        bool Hoehe;
        bool Oeffner;
        bool PutzFangschere;
    };
    static TOberlichtfreigabe Oberlicht_Freigabe(const TAbmessungen& Abmessungen);

    // The new window type and the resets that follow a change of the sash layout.
    static void Fluegel_Wechseln(TPosition& Position, std::int32_t Fenstertyp);

    // What the surface list and the special-colour box show.
    struct TOberflaechenanzeige
    {
        int Listeneintrag;
        bool Liste_Frei;
        bool Sonderfarbe_Gewaehlt;
    };
    static TOberflaechenanzeige Oberflaeche_Anzeigen(const TOberflaechen& Oberflaechen);
    // Leaving the special colour always returns to entry 0, not to the earlier choice.
    static void Sonderfarbe_Setzen(TOberflaechen& Oberflaechen, bool Gewaehlt);

    // Sound-insulating glass from entry 9 on needs the second seal.
    static bool Zweite_Dichtung_Erzwungen(const TGlaeser& Glaeser);
    // Stores the second seal when the glass demands it; true if it did.
    static bool Zweite_Dichtung_Anwenden(TPosition& Position);

    // A sill board can only be chosen with a shutter guide.
    static bool Bank_Frei(const TRolladen& Rolladen);

    // The options the editor offers, each one list or box of it.
    enum class TOption {
        Fluegel, Fensterbankanschluss, Profil, Konterholz, Holz, Oberflaeche, Sonderfarbe, Fluegelabdeckung,
        Regen_Abdeckung, Regen_Fenster, Kaempfer, Schlagleiste, Sprossen, Felder, Glas_1, Glas_2, Glas_3, Glas_4,
        Versiegelung, Beschlag, Abdeckkappen, PutzFangschere, Sicherheit, Griffhoehe, Rolladen, Bank,
        Oberlichtoeffner, Regelair, Abschliessbar, Zweite_Dichtung, Sonderform, Bodenschwelle, Fuellung,
        Fuellung_Anzahl, Oliven, Oliven_Abschliessbar, Absaegen, Rahmen, Rahmen_Seiten,
    };
    // Gives Ziel the choice Quelle has for Option, with what follows from it,
    // as if the user chose it in the editor for Ziel. False, with Ziel
    // unchanged, where the editor would not let the user choose it there.
    // A special colour still needs the order's special-colour position.
    static bool Uebernehmen(TPosition& Ziel, const TPosition& Quelle, TOption Option);

    // Where Option is kept: its chosen entry, or 0/1 for a box. The sash
    // layout and the special colour are not a row of their own.
    static std::int32_t Wahl_Lesen(const TPosition& Position, TOption Option);
    static void Wahl_Setzen(TPosition& Position, TOption Option, std::int32_t Wert);
    // The entries of Option's row as the editor lists them; a box has none.
    struct TListeneintrag
    {
        QString Text;
        bool Ohne_Zusatzkosten = false;
    };
    static std::vector<TListeneintrag> Listeneintraege(TOption Option);
};
