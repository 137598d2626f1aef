#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TProfil = TOptionseintrag<struct TProfil_Marke>;

// The profile variant and its extras: screwed-in fixed sash, fixed elements,
// counter-wood pieces and the window-sill connection code.
class TProfile : public TOptionsgruppe<TProfil, 5, 5>
{
public:
    TProfile();

    QString Beschreibung() const;
    void Kopieren_Von(const TProfile& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
