#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TRollade = TOptionseintrag<struct TRollade_Marke>;

// The roller shutter: guide, box, mounting, slats, sound insulation, plaster
// carrier, insect screen and sill.
class TRolladen : public TOptionsgruppe<TRollade, 8, 6>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Fuehrung,       // shutter guide, priced per metre of height
        Kasten,         // shutter box
        Montage,        // mounting
        Alupanzer,      // aluminium slats
        Schallschutz,   // sound insulation
        Putztraeger,    // plaster carrier
        Insektenschutz, // insect screen
        Bank,           // sill board
    };
    static_assert(Bank + 1 == Zeilenzahl);

    TRolladen();

    QString Beschreibung() const;
    void Kopieren_Von(const TRolladen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
