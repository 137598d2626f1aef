#pragma once

#include "catalog/TAbmessungen.h"
#include "catalog/TBalkontueren.h"
#include "catalog/TBeschlaege.h"
#include "catalog/TErgaenzungen.h"
#include "catalog/TGlaeser.h"
#include "catalog/THoelzer.h"
#include "catalog/TLagen.h"
#include "catalog/TOberflaechen.h"
#include "catalog/TProfile.h"
#include "catalog/TRegenschienen.h"
#include "catalog/TRolladen.h"
#include "catalog/TSonderausfuehrungen.h"
#include "catalog/TSonderformen.h"
#include "catalog/TSprossen.h"
#include "catalog/TVersiegelungen.h"
#include "catalog/TZierprofile.h"

#include <tuple>

class TIniDatei;

// A window position: one configured window type in a size and a count, with
// one instance of every option group. The editor changes the groups directly.
class TPosition
{
public:
    TPosition();

    void Kopieren_Von(const TPosition& Andere);

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    // After loading an order file: every stored choice must be one the
    // program can price and show, else ELadefehler names it.
    void Auswahl_Pruefen(const QString& Praefix) const;

    QString Beschreibung() const;

    long double Meterpreis() const;
    long double Stueckpreis() const;
    long double Einzelpreis_Nicht_Rabattfaehig() const;
    long double Einzelpreis() const;
    long double Gesamtpreis() const;
    long double Gesamtpreis_Nicht_Rabattfaehig() const;

    // In the order of construction, copying, saving and loading.
    TAbmessungen Abmessungen{1000, 2000};
    THoelzer Hoelzer;
    TProfile Profile;
    TBalkontueren Balkontueren;
    TOberflaechen Oberflaechen;
    TVersiegelungen Versiegelungen;
    TRegenschienen Regenschienen;
    TBeschlaege Beschlaege;
    TGlaeser Glaeser;
    TSprossen Sprossen;
    TRolladen Rolladen;
    TErgaenzungen Ergaenzungen;
    TSonderausfuehrungen Sonderausfuehrungen;
    TZierprofile Zierprofile;
    TLagen Lagen;
    TSonderformen Sonderformen;
    QString Bez;

private:
    QString Abschnitt(const QString& Praefix) const { return Praefix + QStringLiteral("/Position"); }

    // The sixteen option groups in the order above, for whatever is done to each of them.
    template <class Selbst>
    static auto Gruppen(Selbst& P)
    {
        return std::tie(P.Abmessungen, P.Hoelzer, P.Profile, P.Balkontueren, P.Oberflaechen, P.Versiegelungen,
                        P.Regenschienen, P.Beschlaege, P.Glaeser, P.Sprossen, P.Rolladen, P.Ergaenzungen,
                        P.Sonderausfuehrungen, P.Zierprofile, P.Lagen, P.Sonderformen);
    }
};
