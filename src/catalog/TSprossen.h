#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TSprosse = TOptionseintrag<struct TSprosse_Marke>;

// The glazing bars: the bar type, priced per field, and the number of fields.
class TSprossen : public TOptionsgruppe<TSprosse, 2, 30>
{
public:
    TSprossen();

    QString Beschreibung() const;
    void Kopieren_Von(const TSprossen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
