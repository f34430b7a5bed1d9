// Every field of one game, from the deck to the cards of the current trick. The table window owns
// exactly one of these for the whole run; the rules are operations on it (see game.h).
#pragma once

#include "cards.h"

namespace zavkari {

struct GameState {
    std::array<CardRecord, kDeckSize> deck{};  // index CardIndex(suit, rank)
    CardId drawnCard{};                        // the card last drawn singly (turned trump card)
    PerSlot<CardId> humanHand{};               // slots 1..dealSize, (-1, -1) once played

    // Where the match stands: at most one of the two counts is non-zero.
    int ascendCount = 0;   // 1..8 deal size in pool 1, 9 in pool 2, 0 afterwards
    int descendCount = 0;  // 0 before pool 3, 8..1 in pool 3, 9 in pool 4
    int nineIndex = 0;     // 1..4: which nine-card deal of pool 2 or 4; 0 otherwise
    int dealer = 0;        // dealer seat 1..4, also the order code of the deal's first trick

    int humanBid = 0;
    int humanTricks = 0;   // read from the human's trick label when the deal is scored
    int forbiddenBid = 0;  // the bid the last bidder may not make (may be negative)

    bool humanHasPlayed = false;  // the human has played in the current trick
    CardRecord humanCard{};       // copy of the human's last played card
    int trickStage = 0;           // number of the trick whose timer is live; 0 = none
    int nextOrder = 0;            // order code of the next trick; 0 at deal start
    int nextTrickToStart = 0;     // number of the next trick to start

    PerSeat<int> sheetColumn{};    // score-sheet column 1..4 of each seat
    bool trumpChosen = false;      // the human has declared the trump of a nine-card deal
    bool matchOver = false;        // the last deal has been scored
    bool trickClosed = false;      // the current trick has been resolved
    bool trickDone = false;        // a trick has been resolved since the human last played
    bool firstTrickArmed = false;  // the first trick timer of a deal may act
    bool renegePending = false;    // the human reneged in this deal
    int renegeCount = 0;  // deals with a renege (plus premium removals) since the last pool total
    int renegeCode = 0;   // 1..4 the suit held back; 5 a viSi demand not met with the highest card
    bool sheetActive = false;     // a match is under way (score sheet drawn)
    int openingOrder = 0;         // copy of dealer at deal start; 0 once the human has led
    PerSeat<bool> allBidsMade{};  // per seat: every bid of the current pool made so far
    int dealSize = 0;             // cards per hand in the current deal

    PerComputer<int> computerBid{};
    PerComputer<int> computerTricks{};
    PerComputer<int> computerCardCount{};
    PerComputer<PerSlot<CardRecord>> computerHand{};

    int trump = 0;    // 0 = "bezi", 1..4 = trump suit
    int ledSuit = 0;  // suit led, or the suit named by a wild card's declaration
    bool viSiDeclared = false;
    bool waiRosDeclared = false;
    bool wildLedByComputer = false;  // suspends the human's renege checks for this trick

    PerSeat<int> playedStrength{};  // strengths played in this trick (kept after it)
    PerSeat<CardId> playedCard{};   // cards played in this trick (kept after it)

    CardRecord& Card(int suit, int rank) { return deck[CardIndex(suit, rank)]; }
    const CardRecord& Card(int suit, int rank) const { return deck[CardIndex(suit, rank)]; }
};

}  // namespace zavkari
