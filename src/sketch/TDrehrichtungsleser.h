#pragma once

#include <QString>

#include <optional>
#include <vector>

enum class TOeffnungsart { Fest, Dreh, Kipp, DrehKipp };
// The side of the hinges, as seen from inside the room.
enum class TBandseite { Keine, Links, Rechts };

struct TOeffnung
{
    TOeffnungsart Art = TOeffnungsart::Fest;
    TBandseite Seite = TBandseite::Keine;
    bool operator==(const TOeffnung&) const = default;
};

struct TDrehrichtungen
{
    // False when the text names something the reader cannot place on the
    // sashes without guessing; then no sash gets a symbol.
    bool Lesbar = true;
    // Only when the text marks it with "OL" or "Oberlicht".
    std::optional<TOeffnung> Oberlicht;
    // One entry per sash below the top light, from left to right; empty when
    // the text is empty or unreadable.
    std::vector<TOeffnung> Fluegel;
};

// Reads the free opening-direction text of a window position, such as
// "DK links", "DK li / DK re", "D rechts, DK links", "K", "fest" or "F".
// Entries are separated by "/", ",", "+" or "|" and name the sashes from left
// to right; the side names the hinges. One entry without a side ("K", "fest")
// stands for every sash. Everything else is unreadable, never guessed.
class TDrehrichtungsleser
{
public:
    static TDrehrichtungen Lesen(const QString& Text, int Fluegel, bool hatOberlicht);
};
