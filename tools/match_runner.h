// Plays whole matches with the game's own code on a headless table: the human seat is played by a
// policy, the timers tick on the table's own clock, pauses return at once.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game.h"
#include "human_player.h"

namespace zavkari {

struct MatchConfig {
    std::uint64_t seed = 1;
    HumanPolicy policy = HumanPolicy::Random;
    std::string name = "gio";
    int penaltySlider = 19;
};

struct MatchResult {
    bool finished = false;  // the match reached its end: 24 deals scored and pool 4 totalled
    int deals = 0;          // deals scored
    std::array<std::string, 4> totals;  // the running totals of columns 1..4 as shown at the end
};

// Plays one match. `attach`, when given, is called with the new game before anything happens, so
// that a trace writer or a checker can observe it. A match that makes no progress for a generous
// number of steps is given up as stalled.
MatchResult PlayMatch(const MatchConfig& config, const std::function<void(Game&)>& attach = {});

}  // namespace zavkari
