#pragma once

#include "order/Bestelldatei.h"
#include "order/TBestellung.h"

#include <vector>

class QMimeData;

// Positions on the clipboard: the program's own type holds them as an order
// file, read back with every check of opening one; text/plain holds the grid's
// columns as a tab-separated table for a spreadsheet.
namespace Zwischenablage {

extern const QString Mimetyp;

// The entries of Quelle at Zeilen, with their figures as the grid shows them.
QMimeData* Einpacken(const TBestellung& Quelle, const std::vector<int>& Zeilen);
bool Enthaelt_Positionen(const QMimeData* Daten);
// The positions the data hold; on failure Ziel stays empty and the result says why.
Bestelldatei::TErgebnis Auspacken(const QMimeData* Daten, std::vector<TPositionseintrag>& Ziel);

} // namespace Zwischenablage
