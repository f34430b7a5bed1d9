// Whole matches, thousands of them, with the invariants of every deal checked as it is played.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "match_runner.h"

namespace zavkari {
namespace {

// Checks each deal and each trick as the match reports them; records the first fault it sees.
class DealChecker final : public MatchObserver {
  public:
    explicit DealChecker(const Game& game) : game_(game) {}
    std::string fault;
    int deals = 0;

    void OnDealSettled() override {
        const GameState& s = game_.State();
        ++deals;
        std::set<int> cards;
        for (int slot = 1; slot <= s.dealSize; ++slot) {
            Add(cards, s.humanHand[slot]);
            for (int seat = 1; seat <= 3; ++seat) {
                Add(cards, {s.computerHand[seat][slot].suit, s.computerHand[seat][slot].rank});
            }
        }
        if (s.dealSize != 9) Add(cards, s.drawnCard);
        const std::size_t expected =
            static_cast<std::size_t>(4 * s.dealSize + (s.dealSize == 9 ? 0 : 1));
        Expect(cards.size() == expected, "cards dealt are not distinct or not as many as required");
        Expect(s.dealSize == ExpectedSize(deals), "deal size off the schedule");
        plays_.clear();
    }

    void OnPlay(int trick, int seat, CardId card, int, Declaration, int) override {
        Expect(trick == game_.CurrentTrick() && trick >= 1, "card played outside a started trick");
        plays_.push_back({seat, card});
    }

    void OnTrick(int trick, int, int leader) override {
        const GameState& s = game_.State();
        Expect(plays_.size() == 4, "a trick without four cards");
        for (std::size_t i = 0; i < plays_.size(); ++i) {
            int seat = leader;
            for (std::size_t k = 0; k < i; ++k)
                seat = NextSeat(seat);
            Expect(plays_[i].first == seat, "cards not played in seat order");
        }
        int humanLeft = 0;
        for (int slot = 1; slot <= s.dealSize; ++slot)
            humanLeft += s.humanHand[slot].empty() ? 0 : 1;
        const int left = s.dealSize - trick;
        Expect(humanLeft == left, "the human's hand does not shrink one card per trick");
        for (int seat = 1; seat <= 3; ++seat) {
            Expect(s.computerCardCount[seat] == left,
                   "a computer hand does not shrink one card per trick");
        }
        plays_.clear();
    }

  private:
    static int ExpectedSize(int deal) {
        static constexpr int kSizes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9,
                                         8, 7, 6, 5, 4, 3, 2, 1, 9, 9, 9, 9};
        return deal >= 1 && deal <= 24 ? kSizes[deal - 1] : -1;
    }
    void Add(std::set<int>& cards, CardId c) {
        Expect(IsValidCard(c.suit, c.rank), "an empty or invalid card in a hand");
        if (IsValidCard(c.suit, c.rank)) cards.insert(CardIndex(c.suit, c.rank));
    }
    void Expect(bool ok, const char* what) {
        if (!ok && fault.empty()) fault = what;
    }

    const Game& game_;
    std::vector<std::pair<int, CardId>> plays_;
};

void Soak(HumanPolicy policy, int matches, std::uint64_t firstSeed) {
    for (int i = 0; i < matches; ++i) {
        MatchConfig config;
        config.seed = firstSeed + static_cast<std::uint64_t>(i);
        config.policy = policy;
        std::unique_ptr<DealChecker> checker;
        const MatchResult result = PlayMatch(config, [&](Game& game) {
            checker = std::make_unique<DealChecker>(game);
            game.SetObserver(checker.get());
        });
        ASSERT_TRUE(result.finished) << "seed " << config.seed << " stalled after " << result.deals;
        ASSERT_EQ(result.deals, 24) << "seed " << config.seed;
        ASSERT_EQ(checker->deals, 24) << "seed " << config.seed;
        ASSERT_EQ(checker->fault, "") << "seed " << config.seed;
        for (const std::string& total : result.totals)
            ASSERT_FALSE(total.empty());
    }
}

TEST(MatchSoak, RandomHumanMatchesAllFinishSoundly) {
    Soak(HumanPolicy::Random, 2000, 1);
}

TEST(MatchSoak, LegalHumanMatchesAllFinishSoundly) {
    Soak(HumanPolicy::Legal, 500, 100'000);
}

TEST(MatchSoak, GreedyHumanMatchesAllFinishSoundly) {
    Soak(HumanPolicy::Greedy, 200, 200'000);
}

}  // namespace
}  // namespace zavkari
