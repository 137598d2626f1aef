#pragma once

#include "order/TBestellung.h"

#include <vector>

// The difference between two states of an order: its header before and after,
// and one stretch of its positions, the entries in [Anfang, Anfang +
// Vorher.size()) replaced by Nachher. Unchanged entries before and after the
// stretch are not kept; entries are compared by their objects, so a change
// in place must have given the position a new object first.
struct TAenderung
{
    using TEintraege = std::vector<TPositionseintrag>;

    TKopfdaten Kopf_Vorher;
    TKopfdaten Kopf_Nachher;
    int Anfang = 0;
    TEintraege Vorher;
    TEintraege Nachher;

    static TAenderung Zwischen(const TKopfdaten& Kopf_A, const TEintraege& A, const TKopfdaten& Kopf_B,
                               const TEintraege& B);

    bool Leer() const { return Kopf_Vorher == Kopf_Nachher && Vorher.empty() && Nachher.empty(); }
    bool Positionen_Geaendert() const { return !Vorher.empty() || !Nachher.empty(); }

    // Turns the state before into the one after, or back.
    void Anwenden(TKopfdaten& Kopf, TEintraege& Liste, bool Rueckwaerts) const;
    void Anwenden(TBestellung& Bestellung, bool Rueckwaerts) const;

    // This change followed by Spaeter, as one; Zwischenstand is the list
    // between the two, which this change produced.
    TAenderung Gefolgt_Von(const TAenderung& Spaeter, const TEintraege& Zwischenstand) const;
};
