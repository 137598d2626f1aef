#include "catalog/TErgaenzungen.h"

const TErgaenzungen::TTabelle& TErgaenzungen::Katalog()
{
    static const TTabelle Tabelle = [] {
        TTabelle T = {{
            {{
                {.Name = "keine",              .ProMenge = 0, .Ohne_Zusatzkosten = true},
                {.Name = "Sandwichplatte 1/3", .ProMenge = 117},
                {.Name = "Sandwichplatte 2/3", .ProMenge = 234},
                {.Name = "Sandwichplatte 3/3", .ProMenge = 351},
                {.Name = "Kassette 1/3",       .ProMenge = 192},
                {.Name = "Kassette 2/3",       .ProMenge = 384},
                {.Name = "Kassette 3/3",       .ProMenge = 576},
                {.Name = "Verbretterung 1/3",  .ProMenge = 192},
                {.Name = "Verbretterung 2/3",  .ProMenge = 384},
                {.Name = "Verbretterung 3/3",  .ProMenge = 576},
            }},
            {{
                {.Name = "keine",                .ProStueck = 0},
                {.Name = "Fenster rechtwinklig", .ProStueck = 75},
                {.Name = "Fenster schräg",       .ProStueck = 97},
                {.Name = "Fenster Bogen",        .ProStueck = 113},
            }},
            {{
                {.Name = "Hoppe Modell Tokyo F1", .ProFluegel = 0, .Ohne_Zusatzkosten = true},
                {.Name = "Hoppe Modell Tokyo F4", .ProFluegel = 4},
                {.Name = "Hoppe weiß",            .ProFluegel = 5},
            }},
            {{
                {},
                {.Name = "abschließbare Oliven 055 SEW U34-1", .ProFluegel = 15},
            }},
            {{
                {},
                {.Name = "Regel-air(R)", .ProStueck = 64},
            }},
            {{
                {},
                {.Name = "Rahmen absägen oder fälzen", .ProStueck = 19.9L},
            }},
            {{
                {.Name = "keine",            .ProStueck = 0},
                {.Name = "Schraubenmontage", .ProStueck = 6.7L},
                {.Name = "Dübelmontage",     .ProStueck = 6.7L},
            }},
            {{
                // One label in several size steps that differ only in price.
                {.Name = "keine",                         .FestProStueck = 0},
                {.Name = "Parallel-Schiebe-Kipp-Element", .FestProStueck = 299},
                {.Name = "Parallel-Schiebe-Kipp-Element", .FestProStueck = 349},
                {.Name = "Parallel-Schiebe-Kipp-Element", .FestProStueck = 699},
                {.Name = "Schiebe-Falt-Tür",              .FestProStueck = 399},
                {.Name = "Schiebe-Falt-Tür",              .FestProStueck = 499},
                {.Name = "Schiebe-Falt-Tür",              .FestProStueck = 599},
                {.Name = "Schiebe-Falt-Tür",              .FestProStueck = 699},
            }},
            {{
                {.Name = "keine Füllung", .Menge = 0, .Listentext = "keine", .Ohne_Zusatzkosten = true},
            }},
        }};
        // "1" to "30" panels: the entry's label is its count.
        for (int k = 1; k < Eintraege_Je_Zeile; ++k)
            T[8][std::size_t(k)] = {.Name = QString::number(k), .Menge = k};
        return T;
    }();
    return Tabelle;
}

TErgaenzungen::TErgaenzungen()
    : TOptionsgruppe(Katalog(), "/Ergaenzungen", "TErgaenzungen")
{
}

QString TErgaenzungen::Beschreibung() const
{
    const QString Keine = QStringLiteral("keine");
    QString Innen;
    if (Name_Von(Fuellung) != Keine && Name_Von(Fuellung_Anzahl) != QStringLiteral("keine Füllung"))
        Innen += QStringLiteral("Füllung: ") + Name_Von(Fuellung_Anzahl) + QStringLiteral("x ") + Name_Von(Fuellung);
    if (Name_Von(Oberlichtoeffner) != Keine)
        Innen += QStringLiteral("OL-Öffner:  ") + Name_Von(Oberlichtoeffner);
    if (Name_Von(Oliven) != QStringLiteral("Hoppe Modell Tokyo F1"))
        Innen += QStringLiteral(", Oliven: ") + Name_Von(Oliven);
    if (!Name_Von(Oliven_Abschliessbar).isEmpty())
        Innen += QLatin1Char(' ') + Name_Von(Oliven_Abschliessbar);
    for (const int Zeile : {Lueftung, Absaegen})
        if (!Name_Von(Zeile).isEmpty())
            Innen += QStringLiteral(", ") + Name_Von(Zeile);
    if (Name_Von(Duebelbohrung) != Keine)
        Innen += QStringLiteral(", Dübelbohrung: ") + Name_Von(Duebelbohrung);

    // The additions appear on the order sheet under the decorative-profile label.
    QString Text;
    if (!Innen.isEmpty())
        Text = QStringLiteral("Zierprofile: ") + Innen + QStringLiteral("; ");
    if (Name_Von(Schiebeelement) != Keine)
        Text += QStringLiteral("Zulage: ") + Name_Von(Schiebeelement) + QStringLiteral("; ");
    return Text;
}
