#include "order/TAenderung.h"

#include "base/Ganzzahl.h"

#include <algorithm>

TAenderung TAenderung::Zwischen(const TKopfdaten& Kopf_A, const TEintraege& A, const TKopfdaten& Kopf_B,
                                const TEintraege& B)
{
    TAenderung D;
    D.Kopf_Vorher = Kopf_A;
    D.Kopf_Nachher = Kopf_B;
    const std::size_t Kuerzer = std::min(A.size(), B.size());
    std::size_t Vorne = 0;
    while (Vorne < Kuerzer && A[Vorne].Selbes_Objekt(B[Vorne]))
        ++Vorne;
    std::size_t Hinten = 0;
    while (Hinten < Kuerzer - Vorne && A[A.size() - 1 - Hinten].Selbes_Objekt(B[B.size() - 1 - Hinten]))
        ++Hinten;
    D.Anfang = int(Vorne);
    D.Vorher.assign(A.begin() + std::ptrdiff_t(Vorne), A.end() - std::ptrdiff_t(Hinten));
    D.Nachher.assign(B.begin() + std::ptrdiff_t(Vorne), B.end() - std::ptrdiff_t(Hinten));
    return D;
}

void TAenderung::Anwenden(TKopfdaten& Kopf, TEintraege& Liste, bool Rueckwaerts) const
{
    const TEintraege& Alt = Rueckwaerts ? Nachher : Vorher;
    const TEintraege& Neu = Rueckwaerts ? Vorher : Nachher;
    Ganzzahl::Index_Pruefen(std::int64_t(Anfang) + std::int64_t(Alt.size()), std::int64_t(Liste.size()) + 1,
                            "Positionen");
    const auto Von = Liste.begin() + Anfang;
    Liste.erase(Von, Von + std::ptrdiff_t(Alt.size()));
    Liste.insert(Liste.begin() + Anfang, Neu.begin(), Neu.end());
    Kopf = Rueckwaerts ? Kopf_Vorher : Kopf_Nachher;
}

void TAenderung::Anwenden(TBestellung& Bestellung, bool Rueckwaerts) const
{
    const TEintraege& Alt = Rueckwaerts ? Nachher : Vorher;
    const TEintraege& Neu = Rueckwaerts ? Vorher : Nachher;
    if (Positionen_Geaendert())
        Bestellung.Positionen_Ersetzen(Anfang, int(Alt.size()), Neu);
    Bestellung.Kopfdaten_Setzen(Rueckwaerts ? Kopf_Vorher : Kopf_Nachher);
}

TAenderung TAenderung::Gefolgt_Von(const TAenderung& Spaeter, const TEintraege& Zwischenstand) const
{
    TKopfdaten Kopf;
    TEintraege Anfangsstand = Zwischenstand;
    Anwenden(Kopf, Anfangsstand, true);
    TEintraege Endstand = Zwischenstand;
    Spaeter.Anwenden(Kopf, Endstand, false);
    return Zwischen(Kopf_Vorher, Anfangsstand, Spaeter.Kopf_Nachher, Endstand);
}
