#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TRegenschiene = TOptionseintrag<struct TRegenschiene_Marke>;

// The rain rail of the window, its variant and the sash cover.
class TRegenschienen : public TOptionsgruppe<TRegenschiene, 3, 5>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Fenster,          // rain rail of the window
        Variante,         // rail variant
        Fluegelabdeckung, // sash cover
    };
    static_assert(Fluegelabdeckung + 1 == Zeilenzahl);

    TRegenschienen();

    QString Beschreibung() const;
    void Kopieren_Von(const TRegenschienen& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
