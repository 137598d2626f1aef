#pragma once

#include "sheet/TUmsatzsteuer.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class TBestellung;
class TPosition;
struct TSummen;

// A header field of the sheet; a value with Mindestlaenge > 0 stands on a
// line at least that many characters long, for filling in by hand.
struct TBlattfeld
{
    QString Beschriftung;
    QString Wert;
    int Mindestlaenge = 0;
};

// One numbered position of the sheet with every figure already formatted.
struct TBlattposition
{
    enum class TArt {
        Fenster,      // two rows: figures, then the description
        Zeile,        // one row
        Sonderfarbe,  // one row without a label of its own
        Ohne_Inhalt,  // a kind without a class, from a damaged file: an empty row
    };
    TArt Art = TArt::Zeile;
    std::uint32_t Positionstyp = 0;
    QString Nummer;
    bool Grau = false;

    QString Bez;
    QString Anzahl;
    QString Breite;
    QString Hoehe;
    QString Hoehe_Oberlicht;
    QString Fluegel;
    QString Drehrichtung;
    QString Umlaufmeter;
    QString Meterpreis;
    QString Stueckpreis;
    QString Einzelpreis;
    QString Gesamtpreis;
    QString Beschreibung;
    // The window of a Fenster row, for drawing its sketch; owned by the order.
    const TPosition* Fenster = nullptr;
};

struct TBlattsumme
{
    enum class TArt { Umlaufmeter, Zwischensumme, Rabatt, Objektrabatt, Summe, Umsatzsteuer, Brutto };
    TArt Art = TArt::Summe;
    QString Beschriftung;
    QString Betrag;
};

// A paragraph of the fixed texts: an optional bold lead-in, then lines that
// are broken where one ends. A paragraph without lines is an empty line; a
// list holds one item per line. An open paragraph runs on into what follows.
struct TAbsatz
{
    QString Fett;
    QStringList Zeilen;
    bool Liste = false;
    bool Offen = false;
};

// Everything the order sheet shows, in its order, with every figure formatted
// once: the HTML sheet and the printed one both only lay it out. Texts are
// plain; each layout makes them safe for its own medium. Holds pointers into
// the order, so it lives no longer than the order it was made from.
class TBestellblatt
{
public:
    // With a tax rate the sums end in the tax on the net total and the gross total.
    explicit TBestellblatt(const TBestellung& Bestellung, std::optional<TUmsatzsteuer> Steuer = std::nullopt);

    // The sums of the order as the sheet shows them, in its order.
    static std::vector<TBlattsumme> Summenzeilen(const TBestellung& Bestellung, const TSummen& Summen,
                                                 std::optional<TUmsatzsteuer> Steuer);
    // A line of the closing text that is followed by a line to write on by hand.
    static bool Schreiblinie(const QString& Zeile);

    static const QString Titel;
    static const QString Ankreuzen_Angebot;
    static const QString Ankreuzen_Bestellung;
    static const QString Angebotsdatum_Luecke;
    static const QString Ankreuzen_Hinweis;

    QString Datum;
    // Date, contact, telephone, invoice recipient, building project, remarks.
    std::vector<TBlattfeld> Absender;
    // The table's two header rows, one text per column.
    QStringList Kopfzeile_Oben;
    QStringList Kopfzeile_Unten;
    std::vector<TBlattposition> Positionen;
    std::vector<TBlattsumme> Summen;
    std::vector<TAbsatz> Bedingungen;
    // Empty unless the order is to carry the closing text.
    std::vector<TAbsatz> Nachtext;
};
