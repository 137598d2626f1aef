#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

class TAbmessungen;

using TZierprofil = TOptionseintrag<struct TZierprofil_Marke>;

// The decorative profiles, and the frame widening, corner post and cover strip,
// each priced per metre of the frame sides chosen in the row after it.
class TZierprofile : public TOptionsgruppe<TZierprofil, 10, 9>
{
public:
    TZierprofile();

    // The stop text of the transom profile; the order file keeps it apart.
    QString Anschlag;

    // The length in millimetres of the sides chosen in side row 5, 7 or 9.
    std::int32_t Seitenlaenge(int Zeile, const TAbmessungen& Abmessungen) const;

    QString Beschreibung() const;
    void Kopieren_Von(const TZierprofile& Andere);

    static const TTabelle& Katalog();
};
