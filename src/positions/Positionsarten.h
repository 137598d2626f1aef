#pragma once

#include "positions/Positionstyp.h"
#include "positions/TPosition.h"
#include "positions/TPosition_Freie.h"
#include "positions/TPosition_Freie_Zulage_Fenster.h"
#include "positions/TPosition_Freie_Zulage_M2.h"
#include "positions/TPosition_Freie_Zulage_Stueck.h"
#include "positions/TPosition_Freie_Zulage_Umlfm.h"
#include "positions/TPosition_Lieferung.h"
#include "positions/TPosition_Montage.h"
#include "positions/TPosition_Sonderfarbe.h"
#include "positions/TPosition_Zulage1.h"
#include "positions/TPosition_Zulage2.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <tuple>
#include <type_traits>
#include <variant>

// Everything the program knows about a position kind outside its class: its
// number in the order file, its class, the title of the dialog that edits it,
// its entry in the main window's new-position list, and when a missing typed
// price makes the grid say "Bitte anfragen" instead of a price.
template <class T>
struct TPositionsart
{
    using Klasse = T;
    std::uint32_t Typ;
    const char* Titel;
    // The text in the new-position list and its place there; nullptr: not offered.
    const char* Neu_Text = nullptr;
    int Neu_Platz = 0;
    // Offered only while the order holds none of the kind, highlighted in the list.
    bool Angebot = false;
    bool (*Preis_Fehlt)(const T&) = nullptr;
};

namespace Positionsarten {

// One row per kind, in the order of the kind numbers.
inline constexpr auto Tabelle = std::make_tuple(
    //                                              Typ                              Titel                            Neu_Text          Platz
    TPositionsart<TPosition>                   {Positionstyp::Fenster,              "Position bearbeiten",           "Fenster",        1},
    TPositionsart<TPosition_Sonderfarbe>       {Positionstyp::Sonderfarbe,          "Sonderfarbe"},
    TPositionsart<TPosition_Freie>             {Positionstyp::Freie,                "Freie Position",                "Freie Position", 2, false,
                                                +[](const TPosition_Freie& P) { return P.Stueckpreis == 0; }},
    TPositionsart<TPosition_Lieferung>         {Positionstyp::Lieferung,            "Lieferung"},
    TPositionsart<TPosition_Montage>           {Positionstyp::Montage,              "Montage",                       nullptr,          0, false,
                                                +[](const TPosition_Montage& P) { return P.Preis == 0; }},
    TPositionsart<TPosition_Zulage1>           {Positionstyp::Zulage1,              "Angebot",                       TPosition_Zulage1::Angebot, 7, true},
    TPositionsart<TPosition_Zulage2>           {Positionstyp::Zulage2,              "Zulage 2"},
    TPositionsart<TPosition_Freie_Zulage_Umlfm>{Positionstyp::Freie_Zulage_Umlfm,   "Zulage Umlfm Position",         "Zulage Umlfm",   3},
    TPositionsart<TPosition_Freie_Zulage_M2>   {Positionstyp::Freie_Zulage_M2,      "Freie Zulage Position m2",      "Zulage m2",      4, false,
                                                +[](const TPosition_Freie_Zulage_M2& P) { return P.M2preis == 0; }},
    TPositionsart<TPosition_Freie_Zulage_Stueck>{Positionstyp::Freie_Zulage_Stueck, "Freie Zulage Position Stueck",  "Zulage Stueck",  5, false,
                                                +[](const TPosition_Freie_Zulage_Stueck& P) { return P.Stueckpreis == 0; }},
    TPositionsart<TPosition_Freie_Zulage_Fenster>{Positionstyp::Freie_Zulage_Fenster, "Freie Zulage Position Fenster", "Zulage Fenster", 6, false,
                                                +[](const TPosition_Freie_Zulage_Fenster& P) { return P.Meterpreis == 0 || P.Umlfm == 0; }});

inline constexpr std::size_t Anzahl = std::tuple_size_v<std::decay_t<decltype(Tabelle)>>;

// Calls Aufruf with every row, in the table's order.
template <class F>
constexpr void Fuer_Jede(F&& Aufruf)
{
    std::apply([&](const auto&... Art) { (Aufruf(Art), ...); }, Tabelle);
}

// How many kinds the new-position list offers.
inline constexpr int Neu_Angeboten = [] {
    int Anzahl = 0;
    Fuer_Jede([&](const auto& Art) { Anzahl += Art.Neu_Text != nullptr; });
    return Anzahl;
}();

// The row of class T.
template <class T>
constexpr const TPositionsart<T>& Von()
{
    return std::get<TPositionsart<T>>(Tabelle);
}

// The kind numbers in the table's order.
inline constexpr std::array<std::uint32_t, Anzahl> Typen =
    std::apply([](const auto&... Art) { return std::array<std::uint32_t, Anzahl>{Art.Typ...}; }, Tabelle);

// A kind's dialog title; empty for a number without a class.
QString Titel(std::uint32_t Typ);

template <class Tupel>
struct TObjekt_Von;
template <class... Art>
struct TObjekt_Von<std::tuple<Art...>>
{
    using Typ = std::variant<std::monostate, std::shared_ptr<typename Art::Klasse>...>;
};

} // namespace Positionsarten

// A position object of any kind, or none. The objects are shared: a snapshot
// of the order and the order it was taken from refer to the same objects, and
// neither frees what the other holds.
using TPositionsobjekt = Positionsarten::TObjekt_Von<std::decay_t<decltype(Positionsarten::Tabelle)>>::Typ;
