#include "catalog/TLagen.h"

namespace {

QString Abschnitt(const QString& Praefix)
{
    return Praefix + QStringLiteral("/Lagen");
}

} // namespace

QString TLagen::Beschreibung() const
{
    if (Text.isEmpty())
        return {};
    return QStringLiteral("Lage: ") + Text + QStringLiteral("; ");
}

bool TLagen::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    Ini.Text_Schreiben(Abschnitt(Praefix), QStringLiteral("text"), Text);
    return true;
}

bool TLagen::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    Text = Ini.Text_Lesen(Abschnitt(Praefix), QStringLiteral("text"), Text);
    return true;
}
