#pragma once

#include <cstdint>

// The bounds beyond which a value read from an order file is damage: no entry
// field of the program produces it, and no price list comes near it. Each
// bound leaves a wide margin over what the program's own fields accept.
namespace Lesegrenzen {

// Counts: the entry fields accept up to 10000 pieces.
inline constexpr std::int32_t Anzahl_Max = 1000000;
// Prices in euro: the entry fields accept -999999 to 999999.
inline constexpr long double Preis_Max = 1.0e7L;
// Quantities typed in (square metres, running metres): the fields accept up to 999999.
inline constexpr long double Menge_Max = 1.0e7L;
// Window measures in millimetres: the catalog reaches 6000.
inline constexpr std::int32_t Mass_Max = 100000;
// Running metres of one window, derived and stored: the largest window reaches some 60.
inline constexpr long double UM_Max = 100000.0L;
// Sash count, derived and stored: the catalog reaches 6.
inline constexpr std::int32_t Fluegel_Max = 6000;
// Percentages of the three discounts.
inline constexpr std::int32_t Rabatt_Max = 100;
// The order's stored running-metre total: a thousand windows of the largest kind, many times over.
inline constexpr long double Gesamt_UM_Max = 1.0e12L;

} // namespace Lesegrenzen
