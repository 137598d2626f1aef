#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TErgaenzung = TOptionseintrag<struct TErgaenzung_Marke>;

// The additions: infill panels and their count, top-light opener, handles,
// ventilation, frame sawing, mounting drilling and the sliding-element surcharge.
class TErgaenzungen : public TOptionsgruppe<TErgaenzung, 9, 31>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Fuellung,             // infill panel
        Oberlichtoeffner,     // top-light opener, by window shape
        Oliven,               // handle
        Oliven_Abschliessbar, // lockable handle
        Lueftung,             // ventilation
        Absaegen,             // frame sawing
        Duebelbohrung,        // mounting drilling
        Schiebeelement,       // sliding-element surcharge, not discounted
        Fuellung_Anzahl,      // number of infill panels
    };
    static_assert(Fuellung_Anzahl + 1 == Zeilenzahl);

    TErgaenzungen();

    QString Beschreibung() const;
    void Kopieren_Von(const TErgaenzungen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
