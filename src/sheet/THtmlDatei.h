#pragma once

#include "sheet/TUmsatzsteuer.h"

#include <QString>

#include <optional>

class QIODevice;
class TBestellung;

// The HTML order sheet ("Bestellblatt") of an order: one HTML 4.01 document on
// a single line, written as ISO-8859-1. Created for one export.
class THtmlDatei
{
public:
    // With a tax rate the sums end in the tax and the gross total; without
    // one (the default) the document is as it always was.
    void Umsatzsteuer_Setzen(std::optional<TUmsatzsteuer> Steuer) { m_Steuer = Steuer; }

    // Builds the whole document.
    QString Html_Erzeugen(const TBestellung& Bestellung);

    // Builds the document and writes it to an open device as ISO-8859-1 bytes;
    // characters beyond ISO-8859-1 become numeric character references.
    bool Html_Schreiben(QIODevice& Geraet, const TBestellung& Bestellung);

    // Replaces the file at Pfad atomically: on any failure the earlier file
    // stays as it was and the result is false. Raises nothing for I/O errors.
    bool Html_Speichern(const QString& Pfad, const TBestellung& Bestellung);

    const QString& Pfad() const { return m_Pfad; }
    // Why the last write failed; empty after a successful one.
    const QString& Fehlertext() const { return m_Fehlertext; }

private:
    std::optional<TUmsatzsteuer> m_Steuer;
    QString m_Pfad;
    QString m_Fehlertext;
};
