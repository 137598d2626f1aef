#pragma once

#include <QStringList>

class TBestellung;

// What changed between two versions of an order, in words, one line each:
// header fields, positions added or removed, and for each changed position
// its changed options and prices
// ("Pos. 3: Holzart Fichte keilgezinkt → Fichte; Einzelpreis 396,00 → 452,00").
namespace Versionsvergleich {

QStringList Unterschiede(const TBestellung& Alt, const TBestellung& Neu);

} // namespace Versionsvergleich
