#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TSonderform = TOptionseintrag<struct TSonderform_Marke>;

// The special shapes. A shape's price is multiplied by a factor that depends
// on the shape and the window type.
class TSonderformen : public TOptionsgruppe<TSonderform, 1, 12>
{
public:
    using TFaktoren = std::array<std::array<std::int32_t, 10>, 12>;

    TSonderformen();

    // A range error for a shape outside 0..11 or a window type outside 0..9.
    std::int32_t Faktor_Lesen(std::int32_t Form, std::int32_t Fenstertyp) const;

    QString Beschreibung() const;
    void Kopieren_Von(const TSonderformen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
    // One row per shape, one column per window type.
    static const TFaktoren& Faktoren();
};
