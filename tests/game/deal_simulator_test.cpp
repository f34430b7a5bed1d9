// The strong players' quick deal against the game itself: whole matches are followed card by card
// in a simulated deal with every hand in the open, and each described computer's card, each card's
// strength and each trick's taker must come out as the game has them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "deal_simulator.h"
#include "hidden_cards.h"
#include "match_runner.h"

namespace zavkari {
namespace {

class SimulationChecker final : public MatchObserver {
  public:
    explicit SimulationChecker(const Game& game) : game_(game) {}
    std::string fault;
    int plays = 0;

    void OnDealSettled() override {
        const GameState& s = game_.State();
        deal_ = {};
        deal_.trump = s.trump;
        deal_.dealSize = s.dealSize;
        deal_.players = game_.Seating();
        deal_.leader = NextSeat(s.dealer);
        deal_.draws = &draws_;
        for (int seat = 1; seat <= 4; ++seat) {
            slots_[seat].clear();
            for (int slot = 1; slot <= s.dealSize; ++slot) {
                const CardId card = seat == kHumanSeat ? s.humanHand[slot]
                                                       : CardId{s.computerHand[seat][slot].suit,
                                                                s.computerHand[seat][slot].rank};
                slots_[seat].push_back(CardIndex(card.suit, card.rank));
                deal_.hands[seat] |= CardBit(card);
            }
        }
    }
    void OnBid(int seat, int bid, std::optional<int>) override { deal_.bids[seat] = bid; }
    void OnPlay(int, int seat, CardId card, int strength, Declaration declaration,
                int named) override {
        if (!fault.empty()) return;
        ++plays;
        const int index = CardIndex(card.suit, card.rank);
        if (deal_.ToPlay() != seat) return Fault("seat " + std::to_string(seat) + " out of turn");
        Move move{static_cast<std::int8_t>(index)};
        if (declaration != Declaration::None) {
            move.way = declaration == Declaration::ViSi ? Way::ViSi : Way::WaiRos;
            move.named = static_cast<std::int8_t>(named);
        } else if (IsWildCard(card.suit, card.rank)) {
            move.way = strength == 0 ? Way::Low : Way::High;
        }
        if (deal_.players[seat] == PlayerKind::Rules) {
            // The described computer's "first card of a suit" goes by its slots as they are now.
            for (std::size_t slot = 0; slot < slots_[seat].size(); ++slot)
                draws_.dealtOrder[static_cast<std::size_t>(slots_[seat][slot])] =
                    static_cast<std::uint8_t>(slot);
            draws_.namedSuit[seat][static_cast<std::size_t>(deal_.trickNumber)] =
                static_cast<std::int8_t>(named);
            int chosen = 0;
            const Move rules = deal_.RulesMove(seat, chosen);
            if (rules.card != move.card || chosen != strength)
                return Fault("the table's choice for seat " + std::to_string(seat));
            deal_.PlayByModel();
        } else {
            if (deal_.StrengthAsHuman(seat, move) != strength)
                return Fault("strength " + std::to_string(strength) + " of seat " +
                             std::to_string(seat));
            deal_.Play(move);
        }
        // The game's removal: the last card takes the played card's slot.
        std::vector<int>& slots = slots_[seat];
        const auto at = std::find(slots.begin(), slots.end(), index);
        if (at != slots.end()) {
            *at = slots.back();
            slots.pop_back();
        }
    }
    void OnTrick(int trick, int winner, int) override {
        if (!fault.empty() || winner == 0) return;
        if (deal_.leader != winner) Fault("trick " + std::to_string(trick) + " taker");
    }

  private:
    void Fault(const std::string& what) {
        if (fault.empty()) fault = what + " in deal " + std::to_string(game_.CurrentRow());
    }

    const Game& game_;
    SimulatedDeal deal_;
    ModelDraws draws_;
    PerSeat<std::vector<int>> slots_;
};

TEST(DealSimulator, PlaysEveryCardOfWholeMatchesAsTheGameDoes) {
    int plays = 0;
    for (const HumanPolicy policy : {HumanPolicy::Random, HumanPolicy::Greedy}) {
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            MatchConfig config;
            config.seed = seed;
            config.policy = policy;
            std::unique_ptr<SimulationChecker> checker;
            PlayMatch(config, [&](Game& game) {
                checker = std::make_unique<SimulationChecker>(game);
                game.SetObserver(checker.get());
            });
            ASSERT_EQ(checker->fault, "") << "seed " << seed;
            plays += checker->plays;
        }
    }
    EXPECT_GT(plays, 20'000);
}

// Clubs are trump; the left computer has led the ace of hearts and the top one answered with a
// diamond: the hidden cards are dealt so that the top computer holds neither hearts nor clubs,
// however often.
TEST(HiddenCards, KeepToTheSuitsASeatHasShownItLacks) {
    TableSeen table;
    table.players = {{PlayerKind::Rules, PlayerKind::Rules, PlayerKind::Rules, PlayerKind::Human}};
    table.plays[0] = {1, 1, kGuli, kAce, 9, Declaration::None, 0};
    table.plays[1] = {1, 2, kAguri, kSix, 0, Declaration::None, 0};
    table.playCount = 2;
    table.trickCards = 2;
    const std::array<CardRecord, 3> hand = {CardRecord{0, kAguri, 9, kAce},
                                            CardRecord{0, kYvavi, 2, 2},
                                            CardRecord{0, kJvari, 15, kTen}};
    SeatView view{.seat = kHumanSeat, .hand = hand, .dealSize = 3, .dealer = 4, .trump = kJvari};
    view.table = &table;
    const HiddenCards hidden(view);
    SplitMix64 random(3);
    for (int i = 0; i < 200; ++i) {
        PerSeat<CardSet> hands{};
        hidden.Deal(random, hands);
        EXPECT_EQ(CardCount(hands[1]), 2);
        EXPECT_EQ(CardCount(hands[2]), 2);
        EXPECT_EQ(CardCount(hands[3]), 3);
        EXPECT_EQ(hands[4], 0u);
        EXPECT_EQ(hands[2] & (SuitCards(kGuli) | SuitCards(kJvari)), 0u);
        EXPECT_EQ(hands[1] & hands[2] & hands[3], 0u);
        EXPECT_EQ((hands[1] | hands[2] | hands[3]) & ~hidden.Unseen(), 0u);
    }
}

}  // namespace
}  // namespace zavkari
