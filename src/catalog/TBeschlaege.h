#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TBeschlag = TOptionseintrag<struct TBeschlag_Marke>;

// The fittings: make, security level, cover caps and handle height per sash,
// the top-light stay once per window.
class TBeschlaege : public TOptionsgruppe<TBeschlag, 5, 4>
{
public:
    TBeschlaege();

    QString Beschreibung() const;
    void Kopieren_Von(const TBeschlaege& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
