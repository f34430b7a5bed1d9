#include "match_runner.h"

namespace zavkari {
namespace {

// Steps (timer ticks and human moves) without a deal finishing before a match counts as stalled.
// A deal takes a few hundred steps; a hundred times that is generous.
constexpr int kStallSteps = 50'000;

}  // namespace

MatchDriver::MatchDriver(const MatchConfig& config)
    : table(HeadlessTable::Watching::Nothing),
      random_(config.seed, [this] { return table.Now(); }),
      game(table, random_),
      human(config.policy, config.seed * 0x9E3779B97F4A7C15ULL + 1) {
    game.options.penaltySlider = config.penaltySlider;
}

void MatchDriver::Open(std::string_view name) {
    game.LoadIdle();
    game.bbbClick();
    game.saxeliClick();
    game.saxeliChange(name);
    game.BitBtn1Click();
}

bool MatchDriver::Step() {
    if (human.Act(game)) return true;
    const TimerId next = table.NextTimer();
    if (next < 0) return false;
    table.AdvanceTo(next);
    game.Tick(next);
    return true;
}

MatchResult PlayMatch(const MatchConfig& config, const std::function<void(Game&)>& attach) {
    MatchDriver driver(config);
    const Game& game = driver.game;
    if (attach) attach(driver.game);
    driver.Open(config.name);

    // The deal counters move on exactly once per deal, at its end.
    const auto position = [&game] {
        const GameState& s = game.state;
        return (s.ascendCount * 10 + s.descendCount) * 10 + s.nineIndex;
    };
    MatchResult result;
    int lastPosition = position();
    for (int idle = 0; idle < kStallSteps && !driver.Finished(); ++idle) {
        if (!driver.Step()) break;  // nothing can happen any more
        if (position() != lastPosition) {
            lastPosition = position();
            ++result.deals;
            idle = 0;
        }
    }
    result.finished = driver.Finished();
    for (int column = 1; column <= 4; ++column) {
        result.totals[static_cast<std::size_t>(column - 1)] =
            std::string(game.table.Caption(el::TotalCell(column, 4)));
    }
    return result;
}

}  // namespace zavkari
