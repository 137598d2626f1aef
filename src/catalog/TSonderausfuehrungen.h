#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TSonderausfuehrung = TOptionseintrag<struct TSonderausfuehrung_Marke>;

// Accessories and special versions: threshold, top-light opener, ventilation,
// second seal, lock and opening outwards.
class TSonderausfuehrungen : public TOptionsgruppe<TSonderausfuehrung, 6, 5>
{
public:
    TSonderausfuehrungen();

    QString Beschreibung() const;
    void Kopieren_Von(const TSonderausfuehrungen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
