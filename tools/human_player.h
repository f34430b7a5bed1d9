// The human seat of a headless match: makes whatever move the table offers the human at the moment
// (the trump of a nine-card deal, a bid, a card, the named suit of a wild card), by one of four
// policies.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "game.h"

namespace zavkari {

enum class HumanPolicy {
    Legal,   // a card that breaks no obligation, a bid that is allowed
    Random,  // any card, any bid, either button of a wild card; may renege and be refused
    Greedy,  // like Legal, but plays towards its bid
    Strong,  // the strong computer players' engine, as the hint gives it
};

std::optional<HumanPolicy> ParseHumanPolicy(std::string_view name);
std::string_view PolicyName(HumanPolicy policy);

class HumanPlayer {
  public:
    HumanPlayer(HumanPolicy policy, std::uint64_t seed) : policy_(policy), random_(seed) {}

    // Makes the move the human is asked for, if any (not the name, nor a click on the deck); false
    // when there is nothing for the human to do.
    bool Act(Game& game);

  private:
    void Declare(Game& game);
    void Bid(Game& game);
    bool Play(Game& game);
    // Takes the hint: does what the strong engine advises.
    bool FollowAdvice(Game& game);
    int Pick(int count) { return random_.Below(count); }
    int GreedyBid(const Game& game) const;

    HumanPolicy policy_;
    SplitMix64 random_;
};

}  // namespace zavkari
