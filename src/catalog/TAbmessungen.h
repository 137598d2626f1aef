#pragma once

#include "catalog/TOptionseintrag.h"
#include "catalog/TOptionsgruppe.h"

using TFenstertyp = TOptionseintrag<struct TFenstertyp_Marke>;

// The window type (sash layout) and the measurements of a window position, and
// the running metres that follow from them.
class TAbmessungen : public TOptionsgruppe<TFenstertyp, 1, 10>
{
public:
    TAbmessungen(std::int32_t Breite, std::int32_t Hoehe);

    static const TTabelle& Katalog();

    void Fenstertyp_Setzen(std::int32_t Typ);
    std::int32_t Fenstertyp_Lesen() const { return ItemIndex_Lesen(); }

    void Breite_Setzen(std::int32_t Wert);
    void Breite_Setzen(const QString& Text);
    void Hoehe_Setzen(std::int32_t Wert);
    void Hoehe_Setzen(const QString& Text);
    // Never resets hatOberlicht to false.
    void HoeheOberlicht_Setzen(std::int32_t Wert);
    void HoeheOberlicht_Setzen(const QString& Text);
    // Does not recalculate.
    void Anzahl_Setzen(std::int32_t Wert) { m_Anzahl = Wert; }
    void Anzahl_Setzen(const QString& Text);

    void Sondergroesse_Pruefen();
    void UM_Berechnen();
    void UM_Montage_Berechnen();

    std::int32_t Breite() const { return m_Breite; }
    std::int32_t Hoehe() const { return m_Hoehe; }
    std::int32_t HoeheOberlicht() const { return m_HoeheOberlicht; }
    long double UM() const { return m_UM; }
    long double UM_Montage() const { return m_UM_Montage; }
    std::int32_t Fluegelanzahl() const { return m_Fluegelanzahl; }
    bool istBalkontuer() const { return m_istBalkontuer; }
    bool istSondergroesse() const { return m_istSondergroesse; }
    bool hatOberlicht() const { return m_hatOberlicht; }
    std::int32_t Anzahl() const { return m_Anzahl; }
    std::int32_t MinBreite() const { return m_MinBreite; }
    std::int32_t MaxBreite() const { return m_MaxBreite; }
    std::int32_t MinHoehe() const { return m_MinHoehe; }
    std::int32_t MaxHoehe() const { return m_MaxHoehe; }
    std::int32_t MinAnzahl() const { return m_MinAnzahl; }
    std::int32_t MaxAnzahl() const { return m_MaxAnzahl; }

    // The opening direction is free text that the editor writes directly.
    QString Drehrichtung;

    QString Beschreibung() const;
    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    // After loading an order file: the window type must be 0..9 and the
    // running-metre and side-length sums must fit, else ELadefehler.
    void Auswahl_Pruefen(const QString& Praefix) const;
    void Kopieren_Von(const TAbmessungen& Andere);

private:
    struct TTypgrenzen
    {
        std::int32_t Fluegelanzahl;
        bool hatOberlicht;
        std::int32_t MinBreite, MaxBreite, MinHoehe, MaxHoehe;
    };
    static const std::array<TTypgrenzen, 10>& Typgrenzen();
    void Neu_Berechnen();

    std::int32_t m_Breite = 0;
    std::int32_t m_Hoehe = 0;
    std::int32_t m_HoeheOberlicht = 0;
    long double m_UM = 0;
    long double m_UM_Montage = 0;
    std::int32_t m_Fluegelanzahl = 0;
    bool m_istBalkontuer = false;
    bool m_istSondergroesse = false;
    bool m_hatOberlicht = false;
    std::int32_t m_MinBreite = 0, m_MaxBreite = 0, m_MinHoehe = 0, m_MaxHoehe = 0;
    std::int32_t m_Anzahl = 1;
    std::int32_t m_MinAnzahl = 0;
    std::int32_t m_MaxAnzahl = 10000;
};
