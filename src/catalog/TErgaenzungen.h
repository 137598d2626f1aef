#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TErgaenzung = TOptionseintrag<struct TErgaenzung_Marke>;

// The additions: infill panels and their count, top-light opener, handles,
// ventilation, frame sawing, mounting drilling and the sliding-element surcharge.
class TErgaenzungen : public TOptionsgruppe<TErgaenzung, 9, 31>
{
public:
    TErgaenzungen();

    QString Beschreibung() const;
    void Kopieren_Von(const TErgaenzungen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
