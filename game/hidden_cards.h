// The cards a seat cannot see, dealt at random among the hands that hold them, in agreement with
// what the seat has seen: the cards played, the turned card, and the suits a seat has shown it
// lacks by not following them.
#pragma once

#include "deal_simulator.h"
#include "seat_view.h"

namespace zavkari {

class HiddenCards {
  public:
    explicit HiddenCards(const SeatView& view);
    // The seat declares the trump of a nine-card deal from its first three cards: the rest of its
    // own hand is hidden from it too.
    void HideOwnRest(const SeatView& view);

    // Adds to each hand the unseen cards it is dealt. The suits a seat lacks are kept to while
    // that is possible; a human who reneged may have shown a lack that is not one.
    void Deal(SplitMix64& random, PerSeat<CardSet>& hands) const;

    CardSet Unseen() const { return unseen_; }

  private:
    bool DealKeepingLacks(SplitMix64& random, PerSeat<CardSet>& hands) const;

    CardSet unseen_ = 0;
    PerSeat<int> needed_{};
    PerSeat<CardSet> excluded_{};
};

}  // namespace zavkari
