#include "catalog/TProfile.h"

const TProfile::TTabelle& TProfile::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "Neubau",        .ProMeterUmlauf = 66, .Ohne_Zusatzkosten = true},
            {.Name = "Denkmalschutz", .ProMeterUmlauf = 66, .Ohne_Zusatzkosten = true},
        }},
        {{
            {},
            {.Name = "Festeingeschraubter Flügel (DKF)", .ProMeterUmlauf = 0},
        }},
        {{
            {},
            {.Name = "Feststehende Elemente", .ProMeterUmlauf = 47},
        }},
        {{
            {.Name = "Anzahl Konter?",     .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "Konterholz 1 Stück", .ProStueck = 36},
            {.Name = "Konterholz 2 Stück", .ProStueck = 72},
            {.Name = "Konterholz 3 Stück", .ProStueck = 108},
            {.Name = "Konterholz 4 Stück", .ProStueck = 144},
        }},
        {{
            {.Name = "o-o",    .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "o-i",    .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "a-o",    .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "a-i",    .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "sonder", .ProStueck = 19.9L},
        }},
    }};
    return Tabelle;
}

TProfile::TProfile()
    : TOptionsgruppe(Katalog(), "/Profile", "TProfile")
{
}

QString TProfile::Beschreibung() const
{
    QString Text = QStringLiteral("Profile: ") + Name_Von(Profil);
    for (const int Zeile : {Festfluegel, Festelemente})
        if (!Name_Von(Zeile).isEmpty())
            Text += QStringLiteral(" (+") + Name_Von(Zeile) + QLatin1Char(')');
    if (Name_Von(Konterholz) != QStringLiteral("Anzahl Konter?"))
        Text += QStringLiteral(" (+") + Name_Von(Konterholz) + QLatin1Char(')');
    Text += QStringLiteral(", Fensterbankanschluss ") + Name_Von(Fensterbankanschluss);
    return Text + QStringLiteral("; ");
}
