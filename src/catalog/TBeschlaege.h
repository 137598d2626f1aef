#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TBeschlag = TOptionseintrag<struct TBeschlag_Marke>;

// The fittings: make, security level, cover caps and handle height per sash,
// the top-light stay once per window.
class TBeschlaege : public TOptionsgruppe<TBeschlag, 5, 4>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Beschlag,       // fitting make
        Sicherheit,     // security level
        Abdeckkappen,   // cover caps
        Griffhoehe,     // variable handle height
        PutzFangschere, // top-light cleaning and catch scissors
    };
    static_assert(PutzFangschere + 1 == Zeilenzahl);

    TBeschlaege();

    QString Beschreibung() const;
    void Kopieren_Von(const TBeschlaege& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
