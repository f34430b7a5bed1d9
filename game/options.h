// The settings of the options dialog that the rules read when they need them. A header of its own,
// so that the dialog knows the settings without the whole game.
#pragma once

#include "player_kind.h"

namespace zavkari {

// The penalty size for a position 4..49 of the options' slider `sss`: -50..-500.
constexpr int PenaltyOfSlider(int position) {
    return -10 * (position + 1);
}

struct Options {
    bool autoDeal = true;     // `darigeba`: the next deal starts by itself
    int penaltySlider = 19;   // `sss`, 4..49
    int speed = 799;          // the deal-speed track bar, 0..999
    char decimalPoint = '.';  // the user's decimal separator, for the running totals
    // Who plays the three computer seats from the next match on: the described computer players
    // or the strong ones.
    PlayerKind opponents = PlayerKind::Rules;

    int DealPause() const { return 999 - speed; }
    int PenaltyValue() const { return PenaltyOfSlider(penaltySlider); }
};

}  // namespace zavkari
