#include "catalog/TAbmessungen.h"

#include "base/Lesegrenzen.h"
#include "base/Zahlformat.h"

using namespace Ganzzahl;

namespace {

std::int32_t Ganzzahl_Aus_Text(const QString& Text, const char* Feld)
{
    const auto Wert = Zahlformat::Dezimalzahl_Deuten(Text);
    if (!Wert)
        throw EKonvertierungsfehler(
            QStringLiteral("'%1' ist kein gültiger Ganzzahlwert (%2)").arg(Text, QLatin1String(Feld)));
    return *Wert;
}

} // namespace

const TAbmessungen::TTabelle& TAbmessungen::Katalog()
{
    static const TTabelle Tabelle = {{
        {{
            {.Name = "0 Flügel/Fest im Rahmen", .ProMeterUmlauf = -19},
            {.Name = "1 Flügel/Fester Flügel",  .ProMeterUmlauf = 0},
            {.Name = "1 Flügel mit Oberlicht",  .ProMeterUmlauf = 0},
            {.Name = "2 Flügel",                .ProMeterUmlauf = 0},
            {.Name = "2 Flügel mit Oberlicht",  .ProMeterUmlauf = 0},
            {.Name = "3 Flügel",                .ProMeterUmlauf = 0},
            {.Name = "3 Flügel mit Oberlicht",  .ProMeterUmlauf = 0},
            {.Name = "4 Flügel",                .ProMeterUmlauf = 0},
            {.Name = "5 Flügel",                .ProMeterUmlauf = 0},
            {.Name = "6 Flügel",                .ProMeterUmlauf = 0},
        }},
    }};
    return Tabelle;
}

const std::array<TAbmessungen::TTypgrenzen, 10>& TAbmessungen::Typgrenzen()
{
    //                          Flügel  Oberlicht  Breite       Höhe
    static const std::array<TTypgrenzen, 10> Grenzen = {{
        {1, false, 300, 1400, 300, 2400},
        {1, false, 300, 6000, 300, 5000},
        {2, true,  300, 6000, 300, 5000},
        {2, false, 300, 6000, 300, 5000},
        {3, true,  300, 6000, 300, 5000},
        {3, false, 300, 6000, 300, 5000},
        {4, true,  300, 6000, 300, 5000},
        {4, false, 300, 6000, 300, 5000},
        {5, false, 300, 6000, 300, 5000},
        {6, false, 300, 6000, 300, 5000},
    }};
    return Grenzen;
}

TAbmessungen::TAbmessungen(std::int32_t Breite, std::int32_t Hoehe)
    : TOptionsgruppe(Katalog(), "/Abmessungen", "TAbmessungen")
{
    Fenstertyp_Setzen(1);
    m_Breite = Breite;
    m_Hoehe = Hoehe;
    m_Anzahl = 1;
    Neu_Berechnen();
}

void TAbmessungen::Fenstertyp_Setzen(std::int32_t Typ)
{
    ItemIndex_Setzen(Typ);
    if (Typ >= 0 && Typ <= 9) {
        const TTypgrenzen& G = Typgrenzen()[std::size_t(Typ)];
        m_Fluegelanzahl = G.Fluegelanzahl;
        m_hatOberlicht = G.hatOberlicht;
        m_MinBreite = G.MinBreite;
        m_MaxBreite = G.MaxBreite;
        m_MinHoehe = G.MinHoehe;
        m_MaxHoehe = G.MaxHoehe;
        m_istBalkontuer = false;
    }
    Neu_Berechnen();
}

void TAbmessungen::Breite_Setzen(std::int32_t Wert)
{
    m_Breite = Wert;
    Neu_Berechnen();
}

void TAbmessungen::Breite_Setzen(const QString& Text)
{
    Breite_Setzen(Text.isEmpty() ? 0 : Ganzzahl_Aus_Text(Text, "Breite"));
}

void TAbmessungen::Hoehe_Setzen(std::int32_t Wert)
{
    m_Hoehe = Wert;
    Neu_Berechnen();
}

void TAbmessungen::Hoehe_Setzen(const QString& Text)
{
    Hoehe_Setzen(Text.isEmpty() ? 0 : Ganzzahl_Aus_Text(Text, "Höhe"));
}

void TAbmessungen::HoeheOberlicht_Setzen(std::int32_t Wert)
{
    if (Wert != 0)
        m_hatOberlicht = true;
    m_HoeheOberlicht = Wert;
    Neu_Berechnen();
}

void TAbmessungen::HoeheOberlicht_Setzen(const QString& Text)
{
    if (Text.isEmpty()) {
        m_HoeheOberlicht = 0;
        Neu_Berechnen();
        return;
    }
    m_hatOberlicht = true;
    m_HoeheOberlicht = Ganzzahl_Aus_Text(Text, "Höhe Oberlicht");
    Neu_Berechnen();
}

void TAbmessungen::Anzahl_Setzen(const QString& Text)
{
    m_Anzahl = Text.isEmpty() ? 1 : Ganzzahl_Aus_Text(Text, "Anzahl");
}

void TAbmessungen::Neu_Berechnen()
{
    Sondergroesse_Pruefen();
    UM_Berechnen();
    UM_Montage_Berechnen();
}

void TAbmessungen::Sondergroesse_Pruefen()
{
    m_istSondergroesse = m_Breite > m_MaxBreite || m_Hoehe > m_MaxHoehe;
}

void TAbmessungen::UM_Berechnen()
{
    const std::int32_t B = m_Breite;
    const std::int32_t H = m_Hoehe;
    const std::int32_t O = m_HoeheOberlicht;
    const auto Mal = [](std::int32_t k, std::int32_t x) { return Multiplizieren(k, x); };
    const auto Plus = [](std::int32_t a, std::int32_t b) { return Addieren(a, b); };

    std::int32_t Summe = 0;
    switch (ItemIndex_Lesen()) {
    case 0:
    case 1: Summe = Plus(Mal(2, B), Mal(2, H)); break;
    case 2: Summe = Plus(Mal(4, B), Mal(2, H)); break;
    case 3: Summe = Plus(Mal(2, B), Mal(4, H)); break;
    case 4: Summe = Plus(Plus(Mal(4, B), Mal(4, Subtrahieren(H, O))), Mal(2, O)); break;
    case 5: Summe = Plus(Mal(2, B), Mal(6, H)); break;
    case 6: Summe = Plus(Plus(Mal(4, B), Mal(6, Subtrahieren(H, O))), Mal(2, O)); break;
    case 7: Summe = Plus(Mal(4, B), Mal(4, H)); break;
    case 8:
    case 9: Summe = Plus(Mal(2, B), Mal(10, H)); break;
    default: return; // an unknown type keeps the running metres it had
    }
    m_UM = static_cast<long double>(Summe) / 1000.0L;

    if (m_UM < 3)
        m_UM = 3.0L;
    if ((ItemIndex_Lesen() == 2 || m_Fluegelanzahl >= 2) && m_UM < 6)
        m_UM = 6.0L;
    if (m_Fluegelanzahl >= 3 && m_UM < 9)
        m_UM = 9.0L;
    if (m_Fluegelanzahl >= 4 && m_UM < 12)
        m_UM = 12.0L;
}

void TAbmessungen::UM_Montage_Berechnen()
{
    const std::int32_t Summe = Addieren(Multiplizieren(2, m_Breite), Multiplizieren(2, m_Hoehe));
    m_UM_Montage = static_cast<long double>(Summe) / 1000.0L;
    if (m_UM_Montage < 3)
        m_UM_Montage = 3.0L;
}

QString TAbmessungen::Beschreibung() const
{
    return Name_Von() + QStringLiteral("; ");
}

bool TAbmessungen::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    const QString A = Abschnitt(Praefix);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("ItemIndex"), ItemIndex_Lesen());
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Breite"), m_Breite);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Hoehe"), m_Hoehe);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("HoeheOberlicht"), m_HoeheOberlicht);
    Ini.Zahl_Schreiben(A, QStringLiteral("UM"), m_UM);
    Ini.Zahl_Schreiben(A, QStringLiteral("UM_Montage"), m_UM_Montage);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Fluegelanzahl"), m_Fluegelanzahl);
    Ini.Text_Schreiben(A, QStringLiteral("Drehrichtung"), Drehrichtung);
    Ini.Bool_Schreiben(A, QStringLiteral("istBalkontuer"), m_istBalkontuer);
    Ini.Bool_Schreiben(A, QStringLiteral("istSondergroesse"), m_istSondergroesse);
    Ini.Bool_Schreiben(A, QStringLiteral("hatOberlicht"), m_hatOberlicht);
    Ini.Ganzzahl_Schreiben(A, QStringLiteral("Anzahl"), m_Anzahl);
    return true;
}

bool TAbmessungen::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    // Taken as stored: no recalculation, so a file keeps its running metres.
    const QString A = Abschnitt(Praefix);
    ItemIndex_Setzen(Ini.Ganzzahl_Lesen(A, QStringLiteral("ItemIndex"), ItemIndex_Lesen()));
    m_Breite = Ini.Ganzzahl_Lesen(A, QStringLiteral("Breite"), m_Breite, 0, Lesegrenzen::Mass_Max);
    m_Hoehe = Ini.Ganzzahl_Lesen(A, QStringLiteral("Hoehe"), m_Hoehe, 0, Lesegrenzen::Mass_Max);
    m_HoeheOberlicht = Ini.Ganzzahl_Lesen(A, QStringLiteral("HoeheOberlicht"), m_HoeheOberlicht, 0,
                                          Lesegrenzen::Mass_Max);
    m_UM = Ini.Zahl_Lesen(A, QStringLiteral("UM"), m_UM, 0, Lesegrenzen::UM_Max);
    m_UM_Montage = Ini.Zahl_Lesen(A, QStringLiteral("UM_Montage"), m_UM_Montage, 0, Lesegrenzen::UM_Max);
    m_Fluegelanzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Fluegelanzahl"), m_Fluegelanzahl, 0, Lesegrenzen::Fluegel_Max);
    Drehrichtung = Ini.Text_Lesen(A, QStringLiteral("Drehrichtung"), Drehrichtung);
    m_istBalkontuer = Ini.Bool_Lesen(A, QStringLiteral("istBalkontuer"), m_istBalkontuer);
    m_istSondergroesse = Ini.Bool_Lesen(A, QStringLiteral("istSondergroesse"), m_istSondergroesse);
    m_hatOberlicht = Ini.Bool_Lesen(A, QStringLiteral("hatOberlicht"), m_hatOberlicht);
    m_Anzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Anzahl"), m_Anzahl, 0, Lesegrenzen::Anzahl_Max);
    return true;
}

void TAbmessungen::Auswahl_Pruefen(const QString& Praefix) const
{
    TOptionsgruppe::Auswahl_Pruefen(Praefix);
    // Every sum that pricing or the decorative side lengths form from these
    // measurements must fit in 32 bits; the largest of them decides.
    const QString A = Abschnitt(Praefix);
    const std::int64_t B = m_Breite, H = m_Hoehe, O = m_HoeheOberlicht;
    const auto Betrag = [](std::int64_t x) { return x < 0 ? -x : x; };
    const std::int64_t Groesste = 10 * Betrag(H) + 4 * Betrag(B) + 8 * Betrag(O);
    if (Groesste > INT32_MAX) {
        const std::int64_t Werte[] = {B, H, O};
        const char* const Schluessel[] = {"Breite", "Hoehe", "HoeheOberlicht"};
        int k = 0;
        for (int i = 1; i < 3; ++i)
            if (Betrag(Werte[i]) > Betrag(Werte[k]))
                k = i;
        throw ELadefehler(A, QLatin1String(Schluessel[k]), QString::number(Werte[k]));
    }
}

void TAbmessungen::Kopieren_Von(const TAbmessungen& Andere)
{
    *this = Andere;
}
