#include "tch.h"

namespace zavkari {

void Tch::SelectCard(SelectMode mode, int suit) {
    if (mode == SelectMode::First && suit == 0) return;
    int found = 0;
    for (int slot = 1; slot <= cardCount && slot <= kMaxHand; ++slot) {
        const CardRecord& card = cards[slot];
        if (suit != 0 && card.suit != suit) continue;
        if (mode == SelectMode::First) {
            found = slot;
            break;
        }
        const bool better = found == 0 ||
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

}  // namespace zavkari
