#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

class TAbmessungen;

using TZierprofil = TOptionseintrag<struct TZierprofil_Marke>;

// The decorative profiles, and the frame widening, corner post and cover strip,
// each priced per metre of the frame sides chosen in the row after it.
class TZierprofile : public TOptionsgruppe<TZierprofil, 10, 9>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Regenschienenabdeckung,     // rain-rail cover profile
        Kaempfer,                   // transom profile
        Sprossenprofil,             // bar profile
        Schlagleiste,               // meeting-rail profile
        Rahmenverbreiterung,        // frame widening
        Rahmenverbreiterung_Seiten, // its frame sides
        Ecksteher,                  // corner post
        Ecksteher_Seiten,           // its frame sides
        Deckleiste,                 // cover strip
        Deckleiste_Seiten,          // its frame sides
    };
    static_assert(Deckleiste_Seiten + 1 == Zeilenzahl);

    TZierprofile();

    // The stop text of the transom profile.
    QString Anschlag;

    // The group's rows, and the stop text in the group's section when there is one,
    // so that a window without it keeps the plain layout.
    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    // Without the key the window has no stop text, whatever the window before it had.
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);

    // The length in millimetres of the sides chosen in side row 5, 7 or 9.
    std::int32_t Seitenlaenge(int Zeile, const TAbmessungen& Abmessungen) const;

    QString Beschreibung() const;
    void Kopieren_Von(const TZierprofile& Andere);

    static const TTabelle& Katalog();
};
