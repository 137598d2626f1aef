#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TOberflaeche = TOptionseintrag<struct TOberflaeche_Marke>;

// The surface finish. The last entry is the special colour, which carries no
// price of its own: the order adds a position for it.
class TOberflaechen : public TOptionsgruppe<TOberflaeche, 1, 9>
{
public:
    static constexpr std::int32_t Index_Sonderfarbe = 8;

    TOberflaechen();

    QString Beschreibung() const;
    void Kopieren_Von(const TOberflaechen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
