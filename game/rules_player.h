// The described computer players: a short rule table driven by two facts, whether the seat leads
// or follows and whether its bid is met; bids counted from the seat's own cards and the trump
// without listening to the others; a trump declared at random. One instance serves the three
// computer seats, one decision at a time, through its decision object `Tch`, and appends each card
// decision to the debug memo.
#pragma once

#include "player.h"
#include "random_source.h"
#include "table_model.h"
#include "tch.h"

namespace zavkari {

class RulesPlayer final : public Player {
  public:
    RulesPlayer(RandomSource& random, TableView& log) : random_(random), log_(log) {}

    int Bid(const SeatView& view) override;
    int Trump(const SeatView& view) override;
    CardDecision Card(const SeatView& view) override;
    bool ListensToBids() const override { return false; }

    Tch tch;

  private:
    RandomSource& random_;
    TableView& log_;  // the debug memo
};

// The described computers' bid from the cards of a hand in the order dealt, with `trump` (0 =
// none).
int ComputerBid(std::span<const CardRecord> hand, int trump, bool firstHand);

}  // namespace zavkari
