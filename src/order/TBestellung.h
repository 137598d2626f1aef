#pragma once

#include "order/TPositionseintrag.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class TIniDatei;

// Every figure of an order, computed in one pass over its positions.
struct TSummen
{
    long double Gesamt_UM_Fenster = 0;
    long double Gesamt_UM_Montage = 0;
    long double Summe_Rabattfaehig = 0;
    long double Summe_Nicht_Rabattfaehig = 0;
    long double Betrag_RabattAuswahl = 0;
    long double Betrag_Rabatt = 0;
    long double Betrag_RabattObjekt = 0;
    long double Summe_Waren = 0;
    long double Summe_Lieferung_Montage = 0;
    long double Gesamtsumme = 0;
    // The subtotal before discounts that the main window and the sheet show.
    long double Zwischensumme() const { return Summe_Rabattfaehig + Summe_Nicht_Rabattfaehig + Summe_Lieferung_Montage; }
};

// Everything of an order but its positions and its file name: what a step of
// the history restores besides the positions.
struct TKopfdaten
{
    bool wurdeGeandert = true;
    QString Datum;
    QString Ansprechpartner;
    QString Telefon;
    QString Rechnungsempfaenger;
    QString Bauvorhaben;
    bool RabattChecked = false;
    QString RabattAuswahlText;
    std::int32_t RabattAuswahl = 0;
    std::int32_t Rabatt = 0;
    std::int32_t RabattObjekt = 0;
    std::int32_t RabattMin = 0;
    std::int32_t RabattMax = 100;
    QString Bemerkungen;
    long double GesamtUM = 0;
    QString Dateiname;
    bool MitNachtext = true;

    bool operator==(const TKopfdaten&) const = default;
};

// The order: header data, discount settings, the list of positions and every
// sum, computed on demand; nothing is cached.
class TBestellung : public TKopfdaten
{
public:
    TBestellung();
    // Copying is explicit: Kopieren_Von.
    TBestellung(const TBestellung&) = delete;
    TBestellung& operator=(const TBestellung&) = delete;
    TBestellung(TBestellung&&) = default;
    TBestellung& operator=(TBestellung&&) = default;
    // Two orders are not equal by their headers alone.
    bool operator==(const TBestellung&) const = delete;

    // The header and discount fields (TKopfdaten) are written directly by the main window.
    QString Filename;
    // The order's identity in the archive; written to the file only once the
    // order has been archived, so a file never archived keeps its old layout.
    QString Kennung;

    const std::vector<TPositionseintrag>& Positionen() const { return m_Positionen; }
    int Anzahl_Positionen() const { return int(m_Positionen.size()); }
    // Range-checked; the object it holds may be changed in place through a non-const order only.
    const TPositionseintrag& Eintrag(int Index) const;
    TPositionseintrag& Eintrag(int Index);

    TKopfdaten Kopfdaten() const;
    void Kopfdaten_Setzen(const TKopfdaten& Kopf);

    void Position_Anfuegen(std::uint32_t Typ, const QString& Vorlage = QString());
    // Replaces the Anzahl entries from Anfang by Neu; no regrouping.
    void Positionen_Ersetzen(int Anfang, int Anzahl, std::vector<TPositionseintrag> Neu);
    void Positionen_Tauschen(int a, int b);
    void Position_Loeschen(int Index);
    bool Typ_Vorhanden(std::uint32_t Typ) const;
    int Erster_Index(std::uint32_t Typ) const;
    int Letzter_Index(std::uint32_t Typ) const;
    void Sonderfarbe_Abgleichen();

    TSummen Summen() const;
    // Whether positions of the kind enter any sum: goods, delivery and installation.
    static bool Berechnet(std::uint32_t Typ);
    long double Summe_Rabattfaehig() const;
    long double Summe_Nicht_Rabattfaehig() const;
    long double Betrag_RabattAuswahl() const;
    long double Betrag_Rabatt() const;
    long double Betrag_RabattObjekt() const;
    long double Summe_Waren() const;
    long double Summe_Lieferung_Montage() const;
    long double Gesamtsumme() const;
    long double Gesamt_UM_Fenster() const;
    long double Gesamt_UM_Montage() const;

    // Shares the other order's position objects; wurdeGeandert is not copied.
    void Kopieren_Von(const TBestellung& Andere);

    bool Ini_Speichern(TIniDatei& Ini) const;
    bool Ini_Laden(const TIniDatei& Ini);
    // After Ini_Laden: throws ELadefehler for anything the program could not price or show.
    void Auswahl_Pruefen() const;

    // A row of the discount choice: its text in the list, the code the order
    // and the sheet keep, and its percentage.
    struct TRabattAuswahl
    {
        QString Text;
        QString Kennung;
        std::int32_t Prozent;
    };
    static const std::array<TRabattAuswahl, 4>& Rabattauswahl();
    // Takes over the row Index of Rabattauswahl(); false, and nothing changed, outside it.
    bool Rabattauswahl_Setzen(int Index);

    static QString Abschnitt_Position(int Index);
    static constexpr int MaxPositionen = 100000;

private:
    struct TWarensummen
    {
        long double Rabattfaehig = 0;
        long double Nicht_Rabattfaehig = 0;
    };
    TWarensummen Warensummen(long double Gesamt_UM_Fenster) const;
    void Neu_Gruppieren();

    std::vector<TPositionseintrag> m_Positionen;
};
