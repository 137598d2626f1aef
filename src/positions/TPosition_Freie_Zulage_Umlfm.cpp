#include "positions/TPosition_Freie_Zulage_Umlfm.h"

#include "base/Zahlformat.h"

QString TPosition_Freie_Zulage_Umlfm::Beschreibung() const
{
    return Gewaehlter_Text() + QLatin1String(" (") + Zahlformat::Betrag(Meterpreis) + QLatin1String(" EUR/umlfm)");
}
