// The computer players' decision object: a working copy of one seat's hand and the card chosen
// from it so far. One instance serves all three computer seats, one decision at a time.
#pragma once

#include "cards.h"

namespace zavkari {

// Which card of a suit SelectCard takes: the lowest strength, the first in slot order, or the
// highest strength (the description's modes -1, 0 and 1).
enum class SelectMode { Lowest = -1, First = 0, Highest = 1 };

constexpr SelectMode Opposite(SelectMode mode) {
    return static_cast<SelectMode>(-static_cast<int>(mode));
}

class Tch {
  public:
    int cardCount = 0;
    int choiceSuit = 0;  // 0: nothing chosen yet
    int choiceRank = 0;
    int choiceStrength = 0;
    int choiceIndex = 0;  // slot 1..cardCount of the chosen card
    PerSlot<CardRecord> cards{};

    // Searches slots 1..cardCount and, when a card matches, makes it the choice:
    //   First: the first card of `suit` in slot order (nothing for suit 0);
    //   Lowest: the lowest-strength card of `suit`, or of the whole hand for suit 0;
    //   Highest: the highest-strength card likewise.
    // Among equal strengths the lowest slot wins. Finding nothing leaves the choice as it was.
    void SelectCard(SelectMode mode, int suit) {
        if (mode == SelectMode::First && suit == 0) return;
        int found = 0;
        for (int slot = 1; slot <= cardCount && slot <= kMaxHand; ++slot) {
            const CardRecord& card = cards[slot];
            if (suit != 0 && card.suit != suit) continue;
            if (mode == SelectMode::First) {
                found = slot;
                break;
            }
            const bool better =
                found == 0 ||
                (mode == SelectMode::Lowest && card.strength < cards[found].strength) ||
                (mode == SelectMode::Highest && card.strength > cards[found].strength);
            if (better) found = slot;
        }
        if (found == 0) return;
        choiceSuit = cards[found].suit;
        choiceRank = cards[found].rank;
        choiceStrength = cards[found].strength;
        choiceIndex = found;
    }
};

}  // namespace zavkari
