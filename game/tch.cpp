#include "tch.h"

namespace zavkari {

void Tch::SelectCard(int mode, int suit) {
    if (mode == 0 && suit == 0) return;
    int found = 0;
    for (int slot = 1; slot <= cardCount && slot <= kMaxHand; ++slot) {
        const CardRecord& card = cards[slot];
        if (suit != 0 && card.suit != suit) continue;
        if (mode == 0) {
            found = slot;
            break;
        }
        const bool better = found == 0 || (mode < 0 && card.strength < cards[found].strength) ||
                            (mode > 0 && card.strength > cards[found].strength);
        if (better) found = slot;
    }
    if (found == 0) return;
    choiceSuit = cards[found].suit;
    choiceRank = cards[found].rank;
    choiceStrength = cards[found].strength;
    choiceIndex = found;
}

}  // namespace zavkari
