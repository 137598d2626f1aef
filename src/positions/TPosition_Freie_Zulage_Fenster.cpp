#include "positions/TPosition_Freie_Zulage_Fenster.h"

#include "base/Zahlformat.h"

QString TPosition_Freie_Zulage_Fenster::Beschreibung() const
{
    return Gewaehlter_Text() + QLatin1String(" (") + Zahlformat::Betrag(Meterpreis) + QLatin1String(" EUR/Umlfm x ")
         + Zahlformat::Betrag(Umlfm) + QLatin1String(" Umlfm)");
}
