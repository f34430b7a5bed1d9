// The computer players' decision object: a working copy of one seat's hand and the card chosen
// from it so far. One instance serves all three computer seats, one decision at a time.
#pragma once

#include "cards.h"

namespace zavkari {

class Tch {
  public:
    int cardCount = 0;
    int choiceSuit = 0;  // 0: nothing chosen yet
    int choiceRank = 0;
    int choiceStrength = 0;
    int choiceIndex = 0;  // slot 1..cardCount of the chosen card
    PerSlot<CardRecord> cards{};

    // Searches slots 1..cardCount and, when a card matches, makes it the choice:
    //   mode 0: the first card of `suit` in slot order (nothing for suit 0);
    //   mode -1: the lowest-strength card of `suit`, or of the whole hand for suit 0;
    //   mode 1: the highest-strength card likewise.
    // Among equal strengths the lowest slot wins. Finding nothing leaves the choice as it was.
    void SelectCard(int mode, int suit);
};

}  // namespace zavkari
