#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TRollade = TOptionseintrag<struct TRollade_Marke>;

// The roller shutter: guide, box, mounting, slats, sound insulation, plaster
// carrier, insect screen and sill.
class TRolladen : public TOptionsgruppe<TRollade, 8, 6>
{
public:
    TRolladen();

    QString Beschreibung() const;
    void Kopieren_Von(const TRolladen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
