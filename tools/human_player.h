// The human seat of a headless match: makes whatever move the table offers the human at the moment
// (the trump of a nine-card deal, a bid, a card, the named suit of a wild card), by one of three
// policies.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game.h"

namespace zavkari {

enum class HumanPolicy {
    Legal,   // a card that breaks no obligation, a bid that is allowed
    Random,  // any card, any bid, either button of a wild card; may renege and be refused
    Greedy,  // like Legal, but plays towards its bid
};

std::optional<HumanPolicy> ParseHumanPolicy(std::string_view name);
std::string_view PolicyName(HumanPolicy policy);

class HumanPlayer {
  public:
    // The cards of one hand, without allocating.
    struct Cards {
        std::array<CardId, kMaxHand> items{};
        std::size_t count = 0;
        void push_back(CardId c) { items[count++] = c; }
        bool empty() const { return count == 0; }
        std::size_t size() const { return count; }
        const CardId* begin() const { return items.data(); }
        const CardId* end() const { return items.data() + count; }
        const CardId& operator[](std::size_t i) const { return items[i]; }
    };

    HumanPlayer(HumanPolicy policy, std::uint64_t seed) : policy_(policy), rng_(seed) {}

    // Makes the move the human is asked for, if any (not the name, nor a click on the deck); false
    // when there is nothing for the human to do.
    bool Act(Game& game);

  private:
    void Declare(Game& game);
    void Bid(Game& game);
    bool Play(Game& game);
    // A number from 0 to count - 1 (a small, quick generator: the policy's choices need no more).
    int Pick(int count) {
        std::uint64_t z = (rng_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<int>((((z ^ (z >> 31)) >> 32) * static_cast<std::uint64_t>(count)) >>
                                32);
    }
    Cards PlayableCards(const Game& game) const;
    int GreedyBid(const Game& game) const;

    HumanPolicy policy_;
    std::uint64_t rng_;
};

}  // namespace zavkari
