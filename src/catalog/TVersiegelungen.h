#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TVersiegelung = TOptionseintrag<struct TVersiegelung_Marke>;

// The sealing of the frame.
class TVersiegelungen : public TOptionsgruppe<TVersiegelung, 1, 2>
{
public:
    TVersiegelungen();

    QString Beschreibung() const;
    void Kopieren_Von(const TVersiegelungen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
