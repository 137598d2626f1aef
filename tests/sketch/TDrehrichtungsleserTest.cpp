#include "sketch/TDrehrichtungsleser.h"

#include <gtest/gtest.h>

namespace {

constexpr TOeffnung F{TOeffnungsart::Fest, TBandseite::Keine};
constexpr TOeffnung K{TOeffnungsart::Kipp, TBandseite::Keine};
constexpr TOeffnung DL{TOeffnungsart::Dreh, TBandseite::Links};
constexpr TOeffnung DR{TOeffnungsart::Dreh, TBandseite::Rechts};
constexpr TOeffnung DKL{TOeffnungsart::DrehKipp, TBandseite::Links};
constexpr TOeffnung DKR{TOeffnungsart::DrehKipp, TBandseite::Rechts};

struct TFall
{
    const char* Text;
    int Fluegel;
    bool hatOberlicht;
    bool Lesbar;
    std::vector<TOeffnung> Erwartet;
    std::optional<TOeffnung> Oberlicht = std::nullopt;
};

const TFall Faelle[] = {
    {"", 2, false, true, {}},
    {"   ", 1, false, true, {}},
    {"DK links", 1, false, true, {DKL}},
    {"dk LINKS", 1, false, true, {DKL}},
    {"DK rechts", 1, false, true, {DKR}},
    {"DK li / DK re", 2, false, true, {DKL, DKR}},
    {"D rechts, DK links", 2, false, true, {DR, DKL}},
    {"D links + F + DK re", 3, false, true, {DL, F, DKR}},
    {"dkl|dkr", 2, false, true, {DKL, DKR}},
    {"Dreh-Kipp rechts", 1, false, true, {DKR}},
    {"Dreh links", 1, false, true, {DL}},
    {"K", 1, false, true, {K}},
    {"k", 3, false, true, {K, K, K}},
    {"fest", 1, false, true, {F}},
    {"F", 2, false, true, {F, F}},
    {"Festverglasung", 1, false, true, {F}},
    {"OL K / DK links", 1, true, true, {DKL}, K},
    {"DK li, DK re, Oberlicht: kipp", 2, true, true, {DKL, DKR}, K},
    {"DK links", 2, true, false, {}},
    // unreadable: no side where one is needed, too many or too few entries,
    // unknown words, a side on a tilt sash, two kinds, empty entries
    {"DK", 1, false, false, {}},
    {"Dreh", 1, false, false, {}},
    {"DK links", 2, false, false, {}},
    {"DK li / DK re", 1, false, false, {}},
    {"DK li / DK re / DK re", 2, false, false, {}},
    {"Stulp links", 1, false, false, {}},
    {"nach Zeichnung", 1, false, false, {}},
    {"K links", 1, false, false, {}},
    {"DK links rechts", 1, false, false, {}},
    {"F D links", 1, false, false, {}},
    {"DK li //", 1, false, false, {}},
    {"OL K", 1, false, false, {}},
    {"OL K", 2, true, false, {}},
    {"Oberlicht kipp", 1, true, false, {}},
    {"OL K / OL K", 1, true, false, {}},
    {"DK links", 0, false, false, {}},
};

TEST(TDrehrichtungsleser, liest_die_Tabelle)
{
    for (const TFall& Fall : Faelle) {
        SCOPED_TRACE(Fall.Text);
        const TDrehrichtungen R = TDrehrichtungsleser::Lesen(QString::fromUtf8(Fall.Text), Fall.Fluegel, Fall.hatOberlicht);
        EXPECT_EQ(R.Lesbar, Fall.Lesbar);
        EXPECT_EQ(R.Fluegel, Fall.Erwartet);
        EXPECT_EQ(R.Oberlicht, Fall.Oberlicht);
    }
}

} // namespace
