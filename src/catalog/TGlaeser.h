#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TGlas = TOptionseintrag<struct TGlas_Marke>;

// The glazing: glass type, ornamental glass, warm edge spacer and safety glass,
// all priced per running metre.
class TGlaeser : public TOptionsgruppe<TGlas, 4, 17>
{
public:
    // The rows of the table, in the order of the order file's "ItemIndex" keys.
    enum Zeile : int {
        Isolierglas,     // glass type
        Ornamentglas,    // ornamental glass
        Warme_Kante,     // warm edge spacer
        Sicherheitsglas, // safety glass
    };
    static_assert(Sicherheitsglas + 1 == Zeilenzahl);

    TGlaeser();

    QString Beschreibung() const;
    void Kopieren_Von(const TGlaeser& Andere) { Auswahl_Kopieren_Von(Andere); }

    static const TTabelle& Katalog();
};
