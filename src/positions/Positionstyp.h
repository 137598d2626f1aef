#pragma once

#include <cstdint>

// The position kind numbers of the order file, the sheet and the main window.
namespace Positionstyp {
constexpr std::uint32_t Fenster = 1;
constexpr std::uint32_t Sonderfarbe = 3;
constexpr std::uint32_t Freie = 4;
constexpr std::uint32_t Lieferung = 5;
constexpr std::uint32_t Montage = 6;
constexpr std::uint32_t Zulage1 = 7;
constexpr std::uint32_t Zulage2 = 8;
constexpr std::uint32_t Freie_Zulage_Umlfm = 9;
constexpr std::uint32_t Freie_Zulage_M2 = 10;
constexpr std::uint32_t Freie_Zulage_Stueck = 11;
constexpr std::uint32_t Freie_Zulage_Fenster = 12;
} // namespace Positionstyp
