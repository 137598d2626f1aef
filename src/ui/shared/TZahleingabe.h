#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

class QLineEdit;

// The numeric entry check shared by every number field of the program: a text,
// a number kind and inclusive bounds give the accepted number in normal form,
// or the empty text for anything that is not such a number. The fields turn
// red while their text fails the check; leaving a field with such a text keeps
// the stored value and says so beside the field, never in a message box.
class TZahleingabe
{
public:
    enum class TZahlart
    {
        Integer,  // whole number, signed 32 bits
        Extended, // floating point in the user's locale
    };

    // The number written back as plain text ("0800" and "+800" give "800"),
    // or the empty text: empty input, not a number, below Untergrenze or above Obergrenze.
    static QString Eingabe_Pruefen(const QString& Text, TZahlart Art, std::int64_t Untergrenze,
                                   std::int64_t Obergrenze, const QLocale& Gebietsschema = QLocale());
    // True exactly when Eingabe_Pruefen gives a non-empty result.
    static bool Eingabe_Gueltig(const QString& Text, TZahlart Art, std::int64_t Untergrenze,
                                std::int64_t Obergrenze, const QLocale& Gebietsschema = QLocale());

    // Why Text is refused, as a short German note naming the field (Bezeichnung,
    // with its article: "Die Breite"), the typed text, the bounds with their
    // Einheit and the value that stays (Bisher); empty when Text is accepted.
    static QString Ablehnung(const QString& Text, TZahlart Art, std::int64_t Untergrenze, std::int64_t Obergrenze,
                             const QString& Bezeichnung, const QString& Einheit, const QString& Bisher,
                             const QLocale& Gebietsschema = QLocale());

    // Leaving a number field: the accepted number text; for a refused text the
    // field shows Bisher again, the note stands beside it and nothing is returned.
    static std::optional<QString> Verlassen(QLineEdit& Feld, TZahlart Art, std::int64_t Untergrenze,
                                            std::int64_t Obergrenze, const QString& Bezeichnung,
                                            const QString& Einheit, const QString& Bisher);

    // Draws the field's text in the normal colour when it passes the check,
    // in red (255, 0, 0) otherwise; returns whether it passes.
    static bool Eingabe_Faerben(QLineEdit& Feld, TZahlart Art, std::int64_t Untergrenze, std::int64_t Obergrenze);
    static void Farbe_Setzen(QLineEdit& Feld, bool Gueltig);
};
