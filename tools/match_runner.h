// Plays whole matches with the game's own code on a headless table: the human seat is played by a
// policy, the timers tick on the table's own clock, pauses return at once.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game.h"
#include "headless_table.h"
#include "human_player.h"

namespace zavkari {

struct MatchConfig {
    std::uint64_t seed = 1;
    HumanPolicy policy = HumanPolicy::Random;
    PlayerKind computers = PlayerKind::Rules;
    std::string name = "gio";
    int penaltySlider = 19;
    TimerTies timerTies = TimerTies::LowerNumberFirst;
    // The clock the random source reseeds from; the table's own clock when empty.
    ClockSeededRandom::Clock reseedClock;
};

// The players of the computer seats by the runner's names: "rules" and "strong".
std::optional<PlayerKind> ParseComputers(std::string_view name);
std::string_view ComputersName(PlayerKind computers);

struct MatchResult {
    bool finished = false;  // the match reached its end: 24 deals scored and pool 4 totalled
    int deals = 0;          // deals scored
    std::array<std::string, 4> totals;  // the running totals of columns 1..4 as shown at the end
};

// One match on a headless table, driven a step at a time: a move of the human seat when the table
// offers one, otherwise the tick of the timer that comes next.
class MatchDriver {
    // The table and the random source come first: the game is built on them.
  public:
    HeadlessTable table;

  private:
    ClockSeededRandom random_;

  public:
    explicit MatchDriver(const MatchConfig& config);

    Game game;
    HumanPlayer human;

    // Opens the match as a player does: the menu's "dawyeba", a name, "ok".
    void Open(std::string_view name);
    // One step; false when nothing can happen any more.
    bool Step();
    // The 24th deal is scored and the last pool totalled.
    bool Finished() const { return game.MatchFinished(); }
};

// Plays one match. `attach`, when given, is called with the new game before anything happens, so
// that a trace writer or a checker can observe it. A match that makes no progress for a generous
// number of steps is given up as stalled.
MatchResult PlayMatch(const MatchConfig& config, const std::function<void(Game&)>& attach = {});

}  // namespace zavkari
