#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TSonderausfuehrung = TOptionseintrag<struct TSonderausfuehrung_Marke>;

// Accessories and special versions: threshold, top-light opener, ventilation,
// second seal, lock and opening outwards.
class TSonderausfuehrungen : public TOptionsgruppe<TSonderausfuehrung, 6, 5>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Bodenschwelle,        // threshold
        Oberlichtoeffner,     // top-light opener
        Regelair,             // window ventilator
        Zweite_Dichtung,      // second seal
        Abschliessbar,        // lock
        Nach_Aussen_Oeffnend, // opening outwards
    };
    static_assert(Nach_Aussen_Oeffnend + 1 == Zeilenzahl);

    TSonderausfuehrungen();

    QString Beschreibung() const;
    void Kopieren_Von(const TSonderausfuehrungen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
