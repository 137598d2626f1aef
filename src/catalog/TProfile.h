#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TProfil = TOptionseintrag<struct TProfil_Marke>;

// The profile variant and its extras: screwed-in fixed sash, fixed elements,
// counter-wood pieces and the window-sill connection code.
class TProfile : public TOptionsgruppe<TProfil, 5, 5>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Profil,               // profile variant
        Festfluegel,          // screwed-in fixed sash
        Festelemente,         // fixed elements
        Konterholz,           // counter-wood pieces
        Fensterbankanschluss, // window-sill connection code
    };
    static_assert(Fensterbankanschluss + 1 == Zeilenzahl);

    TProfile();

    QString Beschreibung() const;
    void Kopieren_Von(const TProfile& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
