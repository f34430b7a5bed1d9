// A seat any player can take. Whoever decides for a seat answers three questions from what that
// seat knows: the bid, the trump of a nine-card deal when it is the first hand, and the card to put
// into a trick. The answer is a value; the game carries out its effects (labels, backs, the spot).
#pragma once

#include <optional>

#include "seat_view.h"

namespace zavkari {

struct CardDecision {
    CardId card;
    // A wild card that follows: played high (true) or low.
    bool high = true;
    // A wild card that leads: its declaration and the suit it names (1..4).
    Declaration declaration = Declaration::None;
    int named = 0;
    // The strength the described computer players give their own card by their table; empty for
    // every other player, whose card enters the trick as the human's does.
    std::optional<int> ownStrength;
    // Where the card lies in the seat's hand (1..9), when the player knows it; 0 otherwise.
    int slot = 0;

    friend constexpr bool operator==(const CardDecision&, const CardDecision&) = default;
};

class Player {
  public:
    virtual ~Player() = default;
    // The bid, 0 ("pasi") up to the deal's size.
    virtual int Bid(const SeatView& view) = 0;
    // The trump the first hand declares in a nine-card deal: 0 ("bezi") or a suit 1..4.
    virtual int Trump(const SeatView& view) = 0;
    virtual CardDecision Card(const SeatView& view) = 0;
    // False for a player whose bid does not depend on the bids before it, so that it can be
    // settled as soon as the cards are dealt.
    virtual bool ListensToBids() const { return true; }
};

}  // namespace zavkari
