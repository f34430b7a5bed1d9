// Deal scores and pool totals. A deal score is written on the sheet as whole points, or as the
// penalty mark for a missed bid without a trick; a pool total adds the pool's scores, less the
// premium and renege removals, to each column's running total, shown in hundreds of points.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <numeric>

#include "game.h"
#include "schedule.h"

namespace zavkari {
namespace {

constexpr int kMaxRemovals = 8;

// A running total, kept in tenths, as the shortest decimal text: "12.5", "-3", "0", "-0.5".
std::string TotalText(int tenths, char decimalPoint) {
    const int magnitude = std::abs(tenths);
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) text += {decimalPoint, static_cast<char>('0' + magnitude % 10)};
    return text;
}

}  // namespace

void Game::ScoreDeal(int n) {
    GameState& s = state_;
    s.humanTricks = TricksShown(kHumanSeat);
    for (int seat = 1; seat <= 4; ++seat) {
        const bool human = seat == kHumanSeat;
        const int bid = human ? s.humanBid : s.computerBid[seat];
        const int tricks = human ? s.humanTricks : s.computerTricks[seat];
        int score = 10 * tricks;
        if (tricks == bid) {
            score = DealPoints(n, bid);
        } else {
            s.allBidsMade[seat] = false;
        }
        WriteScoreCell(n, s.sheetColumn[seat],
                       score == 0 ? std::string(kPenaltyMark) : std::to_string(score));
        seen_.sheet.poolPoints[seat] += score == 0 ? options.PenaltyValue() : score;
        seen_.sheet.allBidsMade[seat] = s.allBidsMade[seat];
    }
    if (observer_) observer_->OnScore(CurrentRow(), CurrentRow());
}

void Game::ScorePool(int pool) {
    if (pool < 1 || pool > kPools) return;
    GameState& s = state_;

    // By column, in row order; a short pool's missing deals count as zeros.
    PerSeat<std::array<int, kMaxRowsOfPool>> values{};
    PerSeat<int> sums{};
    const int deals = RowsOfPool(pool);
    for (int column = 1; column <= 4; ++column) {
        for (int k = 0; k < deals; ++k)
            values[column][static_cast<std::size_t>(k)] =
                ScoreShown(column, FirstRowOfPool(pool) + k);
        sums[column] = std::accumulate(values[column].begin(), values[column].begin() + deals, 0);
    }
    const auto columnOf = [&](int seat) { return std::clamp(s.sheetColumn[seat], 1, 4); };

    // When someone made every bid of the pool, the others lose their best score of it; the human
    // loses his through one removal more.
    const bool premium = std::any_of(s.allBidsMade.begin(), s.allBidsMade.end(), std::identity{});
    if (premium) {
        for (int seat = 1; seat <= 3; ++seat) {
            if (s.allBidsMade[seat]) continue;
            const std::array<int, kMaxRowsOfPool>& own = values[columnOf(seat)];
            sums[columnOf(seat)] -= *std::max_element(own.begin(), own.begin() + deals);
        }
        if (!s.allBidsMade[kHumanSeat]) ++s.renegeCount;
    }

    // Each removal takes the human's best remaining score of the pool.
    std::array<int, kMaxRowsOfPool> human = values[columnOf(kHumanSeat)];
    std::sort(human.begin(), human.end(), std::greater<>{});
    const int removals = std::clamp(s.renegeCount, 0, kMaxRemovals);
    sums[columnOf(kHumanSeat)] -= std::accumulate(human.begin(), human.begin() + removals, 0);
    s.renegeCount = 0;

    for (int column = 1; column <= 4; ++column) {
        // Every score is a multiple of ten points, so a tenth of a hundred is exact.
        const int previous = pool == 1 ? 0 : runningTotalTenths_[column][pool - 1];
        const int total = previous + sums[column] / 10;
        runningTotalTenths_[column][pool] = total;
        table_.SetCaption(el::TotalCell(column, pool), TotalText(total, options.decimalPoint));
        table_.Show(el::TotalCell(column, pool));
    }
    for (bool& made : s.allBidsMade)
        made = true;
    for (int seat = 1; seat <= 4; ++seat) {
        seen_.sheet.runningTotalTenths[seat] = runningTotalTenths_[columnOf(seat)][pool];
        seen_.sheet.poolPoints[seat] = 0;
        seen_.sheet.allBidsMade[seat] = true;
    }
    if (observer_) observer_->OnPool(pool);
}

}  // namespace zavkari
