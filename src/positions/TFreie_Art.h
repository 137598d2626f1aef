#pragma once

#include "base/Lesegrenzen.h"
#include "base/TIniDatei.h"
#include "positions/TFreier_Text.h"
#include "positions/TZulagevorlage.h"

#include <QString>

#include <cstdint>

// What the free position and the four free surcharges share: the description
// text with its choice, the presets, the total, and reading and writing the
// kind's label Bez, count Anzahl, price, quantity and text by its T::Merkmale.
// Each kind declares its fields itself, so that they are members of its own
// class, and adds its unit price formula and its description.
template <class T>
class TFreie_Art
{
public:
    // What sets the free kind T apart from the others: its kind number, its
    // description text and table name when new, its section below the position's
    // prefix, its price field with the key under which the section's "Preis"
    // subsection keeps it, and, where the kind has one, the quantity typed in
    // with its key in the section itself, written before or after the count.
    struct TMerkmale
    {
        std::uint32_t Typ;
        const char* Vorgabetext;
        const char* Tabellenname;
        const char* Abschnitt;
        long double T::*Preis;
        const char* Preisschluessel;
        long double T::*Menge = nullptr;
        const char* Mengenschluessel = nullptr;
        bool Menge_Vor_Anzahl = false;
    };

    QString Text() const { return m_Text.Text(); }
    void Text_Setzen(const QString& Text) { m_Text.Text_Setzen(Text); }

    // Takes the description text and the choice; label, price, quantity and count stay.
    void Kopieren_Von(const T& Andere) { m_Text.Kopieren_Von(static_cast<const TFreie_Art&>(Andere).m_Text); }

    // The total is the unit price times the count, and no free kind is ever
    // discounted. Bezug is what the kind's unit price takes from the order:
    // nothing, or the window running metres for the surcharge per running metre.
    template <class... Bezug>
    long double Gesamtpreis(Bezug... Wert) const
    {
        return Selbst().Einzelpreis(Wert...) * Selbst().Anzahl;
    }
    template <class... Bezug>
    long double Gesamtpreis_Nicht_Rabattfaehig(Bezug... Wert) const
    {
        return Gesamtpreis(Wert...);
    }

    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
    {
        const auto& M = T::Merkmale;
        const T& P = Selbst();
        const QString A = Abschnitt(Praefix);
        m_Text.Kopf_Speichern(Ini, A, P.Bez);
        if (M.Menge && M.Menge_Vor_Anzahl)
            Menge_Speichern(Ini, A);
        Ini.Ganzzahl_Schreiben(A, QStringLiteral("Anzahl"), P.Anzahl);
        if (M.Menge && !M.Menge_Vor_Anzahl)
            Menge_Speichern(Ini, A);
        Ini.Zahl_Schreiben(A + QLatin1String("/Preis"), QLatin1String(M.Preisschluessel), P.*M.Preis);
        m_Text.Text_Speichern(Ini, A);
        return true;
    }

    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
    {
        const auto& M = T::Merkmale;
        const QString A = Abschnitt(Praefix);
        T& P = Selbst();
        m_Text.Kopf_Laden(Ini, A, P.Bez);
        if (M.Menge && M.Menge_Vor_Anzahl)
            Menge_Laden(Ini, A);
        P.Anzahl = Ini.Ganzzahl_Lesen(A, QStringLiteral("Anzahl"), P.Anzahl, 0, Lesegrenzen::Anzahl_Max);
        if (M.Menge && !M.Menge_Vor_Anzahl)
            Menge_Laden(Ini, A);
        long double& Preis = P.*M.Preis;
        Preis = Ini.Zahl_Lesen(A + QLatin1String("/Preis"), QLatin1String(M.Preisschluessel), Preis,
                               -Lesegrenzen::Preis_Max, Lesegrenzen::Preis_Max);
        m_Text.Text_Laden(Ini, A);
        return true;
    }

    void Auswahl_Pruefen(const QString& Praefix) const { m_Text.Auswahl_Pruefen(Abschnitt(Praefix)); }

protected:
    TFreie_Art()
        : m_Text(QLatin1String(T::Merkmale.Vorgabetext), T::Merkmale.Tabellenname)
    {
    }

    // A preset of the kind whose key equals Vorlage exactly sets text and
    // price; any other text keeps the defaults. For the kind's constructor,
    // once its own fields are set up.
    void Vorlage_Anwenden(const QString& Vorlage)
    {
        if (const TZulagevorlage* V = TZulagevorlage::Suchen(T::Merkmale.Typ, Vorlage)) {
            m_Text.Text_Setzen(V->Text);
            Selbst().*T::Merkmale.Preis = V->Preis;
        }
    }

    // The name of the chosen entry; EBereichsfehler if a loaded index lies outside the table.
    const QString& Gewaehlter_Text() const { return m_Text.Gewaehlter_Text(); }

private:
    static QString Abschnitt(const QString& Praefix)
    {
        return Praefix + QLatin1Char('/') + QLatin1String(T::Merkmale.Abschnitt);
    }

    T& Selbst() { return static_cast<T&>(*this); }
    const T& Selbst() const { return static_cast<const T&>(*this); }

    void Menge_Speichern(TIniDatei& Ini, const QString& A) const
    {
        Ini.Zahl_Schreiben(A, QLatin1String(T::Merkmale.Mengenschluessel), Selbst().*T::Merkmale.Menge);
    }
    void Menge_Laden(const TIniDatei& Ini, const QString& A)
    {
        long double& Menge = Selbst().*T::Merkmale.Menge;
        const QString Schluessel = QLatin1String(T::Merkmale.Mengenschluessel);
        Menge = Ini.Zahl_Lesen(A, Schluessel, Menge, -Lesegrenzen::Menge_Max, Lesegrenzen::Menge_Max);
    }

    TFreier_Text m_Text;
};
