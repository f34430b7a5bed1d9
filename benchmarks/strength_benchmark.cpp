// How strong the strong computer players are. Whole matches are played on the same deals with and
// without a strong seat (the deals of a match depend only on its seed and the deal's row, not on
// how the seats play), and the figures are printed with their 95 % confidence intervals:
//   1. one strong seat (the human's, played by the hint's engine) against three described
//      computers, beside the runner's greedy human in the same seat on the same deals;
//   2. the greedy human against three strong computers, beside three described ones;
//   3. four strong seats;
// and how long one decision of the strong engine takes (p50, p99, maximum).
//
// usage: strength_benchmark [matches per line, default 200] [first seed, default 1] [parts, default
// 1234: which of the three comparisons and the decision times to run]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "match_runner.h"

namespace {

using namespace zavkari;

// What one match showed of each seat: whether it won (a shared first place counts its share),
// and how many of its bids it made.
struct SeatRecord {
    double win = 0;
    int bidsMade = 0;
    int deals = 0;
};
using MatchRecord = PerSeat<SeatRecord>;

// Counts the bids made as each deal is scored, and reads the final totals.
class Tally final : public MatchObserver {
  public:
    explicit Tally(const Game& game) : game_(game) {}

    void OnScore(int, int) override {
        const GameState& s = game_.State();
        for (int seat = 1; seat <= 4; ++seat) {
            const bool human = seat == kHumanSeat;
            const int bid = human ? s.humanBid : s.computerBid[seat];
            const int tricks = human ? game_.TricksShown(seat) : s.computerTricks[seat];
            record[seat].bidsMade += bid == tricks ? 1 : 0;
            ++record[seat].deals;
        }
    }
    void OnPool(int pool) override {
        if (pool != 4) return;
        PerSeat<double> totals{};
        for (int seat = 1; seat <= 4; ++seat) {
            const int column = game_.State().sheetColumn[seat];
            totals[seat] =
                std::atof(std::string(game_.Table().Caption(el::TotalCell(column, 4))).c_str());
        }
        const double best = *std::max_element(totals.begin(), totals.end());
        const auto winners = std::count(totals.begin(), totals.end(), best);
        for (int seat = 1; seat <= 4; ++seat)
            record[seat].win = totals[seat] == best ? 1.0 / static_cast<double>(winners) : 0.0;
    }

    MatchRecord record{};

  private:
    const Game& game_;
};

// A clock for the random source that depends only on the deal's row and the draws made in it, so
// that a match deals the same cards whoever plays.
struct DealClock {
    const Game* game = nullptr;
    int row = -1;
    std::int64_t draws = 0;

    std::int64_t Now() {
        const int current = game != nullptr ? game->CurrentRow() : 0;
        if (current != row) {
            row = current;
            draws = 0;
        }
        return current * 100'000LL + draws++;
    }
};

MatchRecord Play(std::uint64_t seed, HumanPolicy human, PlayerKind computers) {
    MatchConfig config;
    config.seed = seed;
    config.policy = human;
    config.computers = computers;
    DealClock clock;
    config.reseedClock = [&clock] { return clock.Now(); };
    std::unique_ptr<Tally> tally;
    PlayMatch(config, [&](Game& game) {
        clock.game = &game;
        tally = std::make_unique<Tally>(game);
        game.SetObserver(tally.get());
    });
    return tally->record;
}

struct Estimate {
    double mean = 0;
    double half = 0;  // half the 95 % confidence interval
};

Estimate MeanOf(const std::vector<double>& values) {
    const double n = static_cast<double>(values.size());
    double sum = 0, squares = 0;
    for (const double v : values)
        sum += v;
    const double mean = sum / n;
    for (const double v : values)
        squares += (v - mean) * (v - mean);
    const double sd = n > 1 ? std::sqrt(squares / (n - 1)) : 0;
    return {mean, 1.96 * sd / std::sqrt(n)};
}

void Print(const char* what, Estimate e) {
    std::printf("  %-52s %5.1f %% +- %4.1f\n", what, 100 * e.mean, 100 * e.half);
}

// The share of matches a seat won, and of its bids it made (averaged over the matches).
std::vector<double> Wins(const std::vector<MatchRecord>& matches, int seat) {
    std::vector<double> values;
    for (const MatchRecord& m : matches)
        values.push_back(m[seat].win);
    return values;
}

std::vector<double> BidsMade(const std::vector<MatchRecord>& matches, int first, int last) {
    std::vector<double> values;
    for (const MatchRecord& m : matches) {
        int made = 0, deals = 0;
        for (int seat = first; seat <= last; ++seat) {
            made += m[seat].bidsMade;
            deals += m[seat].deals;
        }
        values.push_back(deals > 0 ? static_cast<double>(made) / deals : 0);
    }
    return values;
}

std::vector<double> Difference(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> d;
    for (std::size_t i = 0; i < a.size(); ++i)
        d.push_back(a[i] - b[i]);
    return d;
}

std::vector<MatchRecord> PlayMany(int matches, std::uint64_t seed, HumanPolicy human,
                                  PlayerKind computers) {
    std::vector<MatchRecord> records;
    for (int i = 0; i < matches; ++i)
        records.push_back(Play(seed + static_cast<std::uint64_t>(i), human, computers));
    return records;
}

// Times every decision of the strong engine for the human's seat in whole matches of four strong
// seats.
void PrintDecisionTimes(int matches, std::uint64_t seed) {
    std::vector<double> ms;
    for (int i = 0; i < matches; ++i) {
        MatchConfig config;
        config.seed = seed + static_cast<std::uint64_t>(i);
        config.policy = HumanPolicy::Strong;
        config.computers = PlayerKind::Strong;
        MatchDriver driver(config);
        driver.Open(config.name);
        for (int steps = 0; !driver.Finished() && steps < 1'000'000; ++steps) {
            if (const auto question = driver.game.HumanQuestionNow()) {
                const auto start = std::chrono::steady_clock::now();
                const Advice advice = Advise(*question);
                const auto end = std::chrono::steady_clock::now();
                ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
                (void)advice;
            }
            if (!driver.Step()) break;
        }
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) {
        return ms[std::min(ms.size() - 1,
                           static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
    };
    std::printf(
        "Decision time of the strong engine, %zu decisions: p50 %.2f ms, p99 %.2f ms, "
        "max %.2f ms\n",
        ms.size(), at(0.50), at(0.99), ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    const int matches = argc > 1 ? std::max(std::atoi(argv[1]), 2) : 200;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const std::string parts = argc > 3 ? argv[3] : "1234";
    const auto runs = [&parts](char part) { return parts.find(part) != std::string::npos; };
    std::printf("%d matches a line, seeds %llu.., 95 %% confidence intervals\n", matches,
                static_cast<unsigned long long>(seed));

    const auto greedyHuman = PlayMany(matches, seed, HumanPolicy::Greedy, PlayerKind::Rules);
    if (runs('1')) {
        const auto strongHuman = PlayMany(matches, seed, HumanPolicy::Strong, PlayerKind::Rules);
        std::printf("One strong seat against three described computers (parity 25 %%):\n");
        Print("matches won by the strong seat", MeanOf(Wins(strongHuman, 4)));
        Print("matches won by the greedy human on the same deals", MeanOf(Wins(greedyHuman, 4)));
        Print("difference, strong less greedy",
              MeanOf(Difference(Wins(strongHuman, 4), Wins(greedyHuman, 4))));
        Print("bids made by the strong seat", MeanOf(BidsMade(strongHuman, 4, 4)));
        Print("bids made by the greedy human", MeanOf(BidsMade(greedyHuman, 4, 4)));
        Print("bids made by the described computers", MeanOf(BidsMade(greedyHuman, 1, 3)));
    }
    if (runs('2')) {
        const auto againstStrong = PlayMany(matches, seed, HumanPolicy::Greedy, PlayerKind::Strong);
        std::printf("The greedy human against three strong computers:\n");
        Print("matches won by the greedy human", MeanOf(Wins(againstStrong, 4)));
        Print("the same against three described computers", MeanOf(Wins(greedyHuman, 4)));
        Print("bids made by the strong computers", MeanOf(BidsMade(againstStrong, 1, 3)));
    }
    if (runs('3')) {
        const auto allStrong = PlayMany(matches, seed, HumanPolicy::Strong, PlayerKind::Strong);
        std::printf("Four strong seats:\n");
        Print("bids made", MeanOf(BidsMade(allStrong, 1, 4)));
    }
    if (runs('4')) PrintDecisionTimes(std::max(matches / 10, 2), seed);
    return 0;
}
