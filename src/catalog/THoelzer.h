#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using THolz = TOptionseintrag<struct THolz_Marke>;

// The wood species of the frame.
class THoelzer : public TOptionsgruppe<THolz, 1, 8>
{
public:
    THoelzer();

    QString Beschreibung() const;
    void Kopieren_Von(const THoelzer& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
