#include "match_runner.h"

#include "headless_table.h"

namespace zavkari {
namespace {

// Steps (timer ticks and human moves) without a deal finishing before a match counts as stalled.
// A deal takes a few hundred steps; a hundred times that is generous.
constexpr int kStallSteps = 50'000;

}  // namespace

MatchResult PlayMatch(const MatchConfig& config, const std::function<void(Game&)>& attach) {
    HeadlessTable table;
    ClockSeededRandom random(config.seed, [&table] { return table.Now(); });
    Game game(table, random);
    game.options.penaltySlider = config.penaltySlider;
    if (attach) attach(game);
    HumanPlayer human(config.policy, config.seed * 0x9E3779B97F4A7C15ULL + 1);

    game.LoadIdle();
    game.bbbClick();
    game.saxeliClick();
    game.saxeliChange(config.name);
    game.BitBtn1Click();

    // The deal counters move on exactly once per deal, at its end.
    const auto position = [&game] {
        const GameState& s = game.state;
        return (s.ascendCount * 10 + s.descendCount) * 10 + s.nineIndex;
    };
    MatchResult result;
    int lastPosition = position();
    for (int idle = 0; idle < kStallSteps; ++idle) {
        if (game.state.matchOver && !game.timers.Enabled(timer::kBoloj)) {
            result.finished = true;
            break;
        }
        if (!human.Act(game)) {
            const TimerId next = table.NextTimer();
            if (next < 0) break;  // nothing can happen any more
            table.AdvanceTo(next);
            game.Tick(next);
        }
        if (position() != lastPosition) {
            lastPosition = position();
            ++result.deals;
            idle = 0;
        }
    }
    for (int column = 1; column <= 4; ++column) {
        result.totals[static_cast<std::size_t>(column - 1)] =
            game.table.Caption(el::TotalCell(column, 4));
    }
    return result;
}

}  // namespace zavkari
