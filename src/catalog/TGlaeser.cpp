#include "catalog/TGlaeser.h"

const TGlaeser::TTabelle& TGlaeser::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "Standard 32 dB 4-16-4 b Ug-Wert 1,1",     .ProMeterUmlauf = 0, .Ohne_Zusatzkosten = true},
            {.Name = "GEWEtherm ONE 4-16-4 Ug 1,0",             .ProMeterUmlauf = 3},
            {.Name = "3-fach Verglasung 4-10-4-10-4 Ug 0,8",    .ProMeterUmlauf = 13},
            {.Name = "Schallschutz 36dB 6-16-4 Ug 1,1",         .ProMeterUmlauf = 2},
            {.Name = "Schallschutz 36dB 6-16-4 Ug 1,0",         .ProMeterUmlauf = 5},
            {.Name = "Schallschutz 37dB 8-16-4 Ug 1,1",         .ProMeterUmlauf = 4},
            {.Name = "Schallschutz 37dB 8-16-4 Ug 1,0",         .ProMeterUmlauf = 7},
            {.Name = "Schallschutz 38dB 10-16-4 Ug 1,1",        .ProMeterUmlauf = 6},
            {.Name = "Schallschutz 38dB 10-16-4 Ug 1,0",        .ProMeterUmlauf = 9},
            {.Name = "Schallschutz 39dB 10-16-6 Ug 1,1",        .ProMeterUmlauf = 8},
            {.Name = "Schallschutz 39dB 10-16-6 Ug 1,0",        .ProMeterUmlauf = 11},
            {.Name = "Schallschutz 40dB VSG 8-16-6 Ug 1,1",     .ProMeterUmlauf = 13},
            {.Name = "Schallschutz 40dB VSG 8-16-6 Ug 1,0",     .ProMeterUmlauf = 16},
            {.Name = "Schallschutz 42dB VSG SI 8-16-6 Ug 1,1",  .ProMeterUmlauf = 15},
            {.Name = "Schallschutz 42dB VSG SI 8-16-6 Ug 1,0",  .ProMeterUmlauf = 18},
            {.Name = "Schallschutz 44dB 10-16-VSG 6 SI Ug 1,1", .ProMeterUmlauf = 23},
            {.Name = "Schallschutz 44dB 10-16-VSG 6 SI Ug 1,0", .ProMeterUmlauf = 26},
        }},
        {{
            {.Name = "--",                           .ProMeterUmlauf = 0, .Ohne_Zusatzkosten = true},
            {.Name = "Ornamentglas weiß 504",        .ProMeterUmlauf = 6},
            {.Name = "Ornamentglas weiß 523",        .ProMeterUmlauf = 6},
            {.Name = "Ornamentglas weiß 528",        .ProMeterUmlauf = 6, .Listentext = "Ornamentglas weiß 528        "},
            {.Name = "Ornamentglas Chinchilla weiß", .ProMeterUmlauf = 12},
            {.Name = "Ornamentglas Satinato weiß",   .ProMeterUmlauf = 29},
        }},
        {{
            {.Name = "--",                     .ProMeterUmlauf = 0, .Listentext = "--  ", .Ohne_Zusatzkosten = true},
            {.Name = "warme Kante 2-fach ISO", .ProMeterUmlauf = 2},
            {.Name = "warme Kante 3-fach ISO", .ProMeterUmlauf = 4},
        }},
        {{
            {.Name = "--",             .ProMeterUmlauf = 0, .Listentext = "--  ", .Ohne_Zusatzkosten = true},
            {.Name = "VSG 6/16/4*",    .ProMeterUmlauf = 8, .Listentext = "Sicherheitsglas VSG 6/16/4*"},
            {.Name = "VSG 8/16/4*",    .ProMeterUmlauf = 10, .Listentext = "Sicherheitsglas VSG 8/16/4*"},
            {.Name = "4/16/VSG 6*",    .ProMeterUmlauf = 12, .Listentext = "Sicherheitsglas 4/16/VSG 6*"},
            {.Name = "4/16/VSG 8*",    .ProMeterUmlauf = 12, .Listentext = "Sicherheitsglas 4/16/VSG 8*"},
            {.Name = "P2A/16/4*",      .ProMeterUmlauf = 11, .Listentext = "Sicherheitsglas P2A/16/4*"},
            {.Name = "P4A/16/4*",      .ProMeterUmlauf = 20, .Listentext = "Sicherheitsglas P4A/16/4*"},
            {.Name = "VSG 8/16/VSG 8", .ProMeterUmlauf = 20, .Listentext = "Sicherheitsglas VSG 8/16/VSG 8"},
        }},
    }};
    return Tabelle;
}

TGlaeser::TGlaeser()
    : TOptionsgruppe(Katalog(), "/Glaeser", "TGlaeser")
{
}

QString TGlaeser::Beschreibung() const
{
    QString Text = QStringLiteral("Glas: ") + Name_Von(Isolierglas);
    for (const int Zeile : {Ornamentglas, Warme_Kante, Sicherheitsglas})
        if (Name_Von(Zeile) != QStringLiteral("--"))
            Text += QStringLiteral(", ") + Name_Von(Zeile);
    return Text + QStringLiteral("; ");
}
