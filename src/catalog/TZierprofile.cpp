#include "catalog/TZierprofile.h"

#include "base/TIniDatei.h"
#include "catalog/TAbmessungen.h"

using namespace Ganzzahl;

const TZierprofile::TTabelle& TZierprofile::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "keine", .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "R 5",   .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "R 1-3", .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "R 4/6", .ProStueck = 0, .Ohne_Zusatzkosten = true},
        }},
        {{
            {.Name = "keine", .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "K 2-4", .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "K 1/8", .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "K 9",   .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "K 5-7", .ProStueck = 0, .Ohne_Zusatzkosten = true},
        }},
        {{
            {.Name = "keine",   .ProMenge = 0},
            {.Name = "Sp. 1-3", .ProMenge = 25},
            {.Name = "Sp. 4-6", .ProMenge = 35},
        }},
        {{
            {.Name = "keine", .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "S 1",   .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "S 2-5", .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "S 6",   .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "S 7",   .ProStueck = 0, .Ohne_Zusatzkosten = true},
            {.Name = "S 8",   .ProStueck = 0, .Ohne_Zusatzkosten = true},
        }},
        {{
            {.Name = "keine", .ProMeterSeiten = 0, .Ohne_Zusatzkosten = true},
            {.Name = "30mm",  .ProMeterSeiten = 19.7L},
            {.Name = "50mm",  .ProMeterSeiten = 21.9L},
            {.Name = "80mm",  .ProMeterSeiten = 32.5L},
            {.Name = "100mm", .ProMeterSeiten = 43},
        }},
        {{
            {.Name = "keine",            .Menge = 0, .Ohne_Zusatzkosten = true},
            {.Name = "oben",             .Menge = 1},
            {.Name = "unten",            .Menge = 1},
            {.Name = "links",            .Menge = 1},
            {.Name = "rechts",           .Menge = 1},
            {.Name = "oben und unten",   .Menge = 2},
            {.Name = "links und rechts", .Menge = 2},
            {.Name = "3-seitig",         .Menge = 3},
            {.Name = "umlaufend",        .Menge = 4},
        }},
        {{
            {.Name = "keine",    .ProMeterSeiten = 0},
            {.Name = "Außeneck", .ProMeterSeiten = 83.2L},
            {.Name = "Inneneck", .ProMeterSeiten = 43.8L},
            {.Name = "30°/45°",  .ProMeterSeiten = 52.6L},
        }},
        {{
            {.Name = "keine",            .Menge = 0},
            {.Name = "oben",             .Menge = 1},
            {.Name = "links",            .Menge = 1},
            {.Name = "rechts",           .Menge = 1},
            {.Name = "links und rechts", .Menge = 2},
            {.Name = "3-seitig",         .Menge = 3},
            {.Name = "umlaufend",        .Menge = 4},
        }},
        {{
            {.Name = "keine",     .ProMeterSeiten = 0},
            {.Name = "25/11 mm",  .ProMeterSeiten = 5.8L},
            {.Name = "35/11 mm",  .ProMeterSeiten = 6.6L},
            {.Name = "50/11 mm",  .ProMeterSeiten = 8.7L},
            {.Name = "70/11 mm",  .ProMeterSeiten = 9.5L},
            {.Name = "100/11 mm", .ProMeterSeiten = 15.3L},
        }},
        {{
            {.Name = "keine",            .Menge = 0},
            {.Name = "oben",             .Menge = 1},
            {.Name = "unten",            .Menge = 1},
            {.Name = "links",            .Menge = 1},
            {.Name = "rechts",           .Menge = 1},
            {.Name = "links und rechts", .Menge = 2},
            {.Name = "3-seitig",         .Menge = 3},
            {.Name = "umlaufend",        .Menge = 4},
        }},
    }};
    return Tabelle;
}

TZierprofile::TZierprofile()
    : TOptionsgruppe(Katalog(), "/Zierprofile", "TZierprofile")
{
}

std::int32_t TZierprofile::Seitenlaenge(int Zeile, const TAbmessungen& Abmessungen) const
{
    if (Zeile != Rahmenverbreiterung_Seiten && Zeile != Ecksteher_Seiten && Zeile != Deckleiste_Seiten)
        throw EBereichsfehler(
            QStringLiteral("Bereichsüberschreitung: Zeile %1 von TZierprofile ist keine Seitenzeile").arg(Zeile));

    const QString& Seiten = Name_Von(Zeile);
    const std::int32_t B = Abmessungen.Breite();
    const std::int32_t H = Abmessungen.Hoehe();
    const std::int32_t O = Abmessungen.HoeheOberlicht();
    // A vertical side runs along the sash and the top light above it.
    const auto Senkrecht = [&] { return Addieren(H, O); };

    if (Seiten == QStringLiteral("oben") || Seiten == QStringLiteral("unten"))
        return B;
    if (Seiten == QStringLiteral("links") || Seiten == QStringLiteral("rechts"))
        return Senkrecht();
    if (Seiten == QStringLiteral("oben und unten"))
        return Multiplizieren(2, B);
    if (Seiten == QStringLiteral("links und rechts"))
        return Multiplizieren(2, Senkrecht());
    if (Seiten == QStringLiteral("3-seitig"))
        return Addieren(Multiplizieren(2, Senkrecht()), B);
    if (Seiten == QStringLiteral("umlaufend"))
        return Multiplizieren(2, Addieren(Addieren(B, H), O));
    return 0; // "keine" or a blank entry
}

QString TZierprofile::Beschreibung() const
{
    const QString Keine = QStringLiteral("keine");
    QString Innen;
    if (Name_Von(Regenschienenabdeckung) != Keine)
        Innen += QStringLiteral("Regenschienenabdeckung ") + Name_Von(Regenschienenabdeckung);
    if (Name_Von(Kaempfer) != Keine)
        Innen += QStringLiteral(", Kämpfer: ") + Name_Von(Kaempfer) + QLatin1Char('(') + Anschlag + QLatin1Char(')');
    if (Name_Von(Schlagleiste) != Keine)
        Innen += QStringLiteral(", Schlagleisten: ") + Name_Von(Schlagleiste);

    const auto Mit_Seiten = [&](int Profil, int Seiten, const QString& Titel) {
        if (Name_Von(Profil) != Keine && Name_Von(Seiten) != Keine)
            Innen += Titel + Name_Von(Profil) + QLatin1Char('(') + Name_Von(Seiten) + QLatin1Char(')');
    };
    Mit_Seiten(Rahmenverbreiterung, Rahmenverbreiterung_Seiten, QStringLiteral(", Rahmenverbreiterung: "));
    Mit_Seiten(Ecksteher, Ecksteher_Seiten, QStringLiteral(", Ecksteher: "));
    Mit_Seiten(Deckleiste, Deckleiste_Seiten, QStringLiteral(", Deckleisten: "));

    if (Innen.isEmpty())
        return {};
    return QStringLiteral("Zierprofile: ") + Innen + QStringLiteral("; ");
}

void TZierprofile::Kopieren_Von(const TZierprofile& Andere)
{
    Auswahl_Kopieren_Von(Andere);
    Anschlag = Andere.Anschlag;
}

bool TZierprofile::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    TOptionsgruppe::Ini_Speichern(Ini, Praefix);
    if (!Anschlag.isEmpty())
        Ini.Text_Schreiben(Abschnitt(Praefix), QStringLiteral("Anschlag"), Anschlag);
    return true;
}

bool TZierprofile::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    TOptionsgruppe::Ini_Laden(Ini, Praefix);
    Anschlag = Ini.Text_Lesen(Abschnitt(Praefix), QStringLiteral("Anschlag"), QString());
    return true;
}
