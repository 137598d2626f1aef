#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TBalkontuer = TOptionseintrag<struct TBalkontuer_Marke>;

// The balcony-door variant and its lock surcharge; it counts only while the
// dimensions mark the window as a balcony door.
class TBalkontueren : public TOptionsgruppe<TBalkontuer, 2, 2>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Art,                  // balcony-door kind
        Zulage_Abschliessbar, // lock surcharge
    };
    static_assert(Zulage_Abschliessbar + 1 == Zeilenzahl);

    TBalkontueren();

    QString Beschreibung() const;
    void Kopieren_Von(const TBalkontueren& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
