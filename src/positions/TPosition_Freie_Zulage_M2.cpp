#include "positions/TPosition_Freie_Zulage_M2.h"

#include "base/Zahlformat.h"

QString TPosition_Freie_Zulage_M2::Beschreibung() const
{
    return Gewaehlter_Text() + QLatin1String(" (") + Zahlformat::Betrag(M2preis) + QLatin1String(" EUR/m2 x ")
         + Zahlformat::Betrag(M2) + QLatin1String(" m2)");
}
