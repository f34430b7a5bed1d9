#include "match_runner.h"

#include <algorithm>

namespace zavkari {
namespace {

// Steps (timer ticks and human moves) without a deal finishing before a match counts as stalled.
// A deal takes a few hundred steps; a hundred times that is generous.
constexpr int kStallSteps = 50'000;
// How often the runner looks whether the match has moved on to another deal.
constexpr int kProgressCheckSteps = 256;

}  // namespace

std::optional<PlayerKind> ParseComputers(std::string_view name) {
    if (name == "rules") return PlayerKind::Rules;
    if (name == "strong") return PlayerKind::Strong;
    return std::nullopt;
}

std::string_view ComputersName(PlayerKind computers) {
    return computers == PlayerKind::Strong ? "strong" : "rules";
}

MatchDriver::MatchDriver(const MatchConfig& config)
    : table(config.timerTies),
      random_(
          config.seed, config.reseedClock ? config.reseedClock : [this] { return table.Now(); }),
      game(table, random_),
      human(config.policy, config.seed * 0x9E3779B97F4A7C15ULL + 1) {
    game.options.penaltySlider = config.penaltySlider;
    game.options.opponents = config.computers;
    table.offersHints = config.policy == HumanPolicy::Strong;
}

void MatchDriver::Open(std::string_view name) {
    game.StartUp({});
    game.bbbClick();
    game.saxeliClick();
    game.saxeliChange(name);
    game.BitBtn1Click();
}

bool MatchDriver::Step() {
    if (human.Act(game)) return true;
    const std::optional<TimerId> next = table.NextTimer();
    if (!next) return false;
    table.AdvanceTo(*next);
    game.Tick(*next);
    return true;
}

MatchResult PlayMatch(const MatchConfig& config, const std::function<void(Game&)>& attach) {
    MatchDriver driver(config);
    const Game& game = driver.game;
    if (attach) attach(driver.game);
    driver.Open(config.name);

    // The sheet row of the deal under way moves on once per deal, at its end. Looking at it every
    // few hundred steps is enough to tell a stalled match.
    int row = game.CurrentRow();
    int stepsOnRow = 0;
    while (!driver.Finished() && driver.Step()) {  // Step: false when nothing can happen any more
        if (++stepsOnRow % kProgressCheckSteps != 0) continue;
        if (game.CurrentRow() != row) {
            row = game.CurrentRow();
            stepsOnRow = 0;
        } else if (stepsOnRow >= kStallSteps) {
            break;
        }
    }
    MatchResult result;
    result.finished = driver.Finished();
    // Rows count the deals: the deals before the one under way are scored, or all 24 at the end.
    result.deals = game.State().matchOver ? el::kRows : std::max(game.CurrentRow() - 1, 0);
    for (int column = 1; column <= 4; ++column) {
        result.totals[static_cast<std::size_t>(column - 1)] =
            std::string(game.Table().Caption(el::TotalCell(column, 4)));
    }
    return result;
}

}  // namespace zavkari
