// The strong computer players. They decide by search over the deals that agree with what the seat
// has seen: the unseen cards are dealt at random to the other seats, keeping to the suits a seat
// has shown it lacks, and each possible bid, declaration or card is played out on every such deal,
// the others playing as the seat expects them to; the choice with the best average score for the
// seat is taken. Few tricks before the end, the seat's own remaining play is searched exhaustively.
// A decision depends only on the view and the match's seed, so that the same view always gives the
// same decision, on any thread.
#pragma once

#include <cstdint>

#include "player.h"

namespace zavkari {

class StrongPlayer final : public Player {
  public:
    // The seed of the match, drawn from the game's random source when the match opens.
    void SetSeed(std::uint64_t seed) { seed_ = seed; }
    std::uint64_t Seed() const { return seed_; }

    int Bid(const SeatView& view) override;
    int Trump(const SeatView& view) override;
    CardDecision Card(const SeatView& view) override;
    // The suit to name for the wild card `wild` that the seat leads under `declaration`.
    int NamedSuit(const SeatView& view, CardId wild, Declaration declaration) const;

  private:
    std::uint64_t seed_ = 0;
};

}  // namespace zavkari
