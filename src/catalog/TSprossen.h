#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TSprosse = TOptionseintrag<struct TSprosse_Marke>;

// The glazing bars: the bar type, priced per field, and the number of fields.
class TSprossen : public TOptionsgruppe<TSprosse, 2, 30>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Art,    // bar type, priced per field
        Felder, // number of fields
    };
    static_assert(Felder + 1 == Zeilenzahl);

    TSprossen();

    QString Beschreibung() const;
    void Kopieren_Von(const TSprossen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
