// The hint: what the strong computer players would do in the human's place. The question is taken
// from the game at one moment and answered apart from it, so that the answer can be worked out
// while the table goes on painting, and taking it changes nothing in the game.
#pragma once

#include <cstdint>

#include "player.h"

namespace zavkari {

// What the human is asked to do right now: type a name, declare the trump of a nine-card deal, bid,
// name the suit of a wild card led as viSi or as waiRos, play a card, click the deck for the next
// deal, or nothing at all.
enum class Asked { Nothing, Name, Trump, Bid, ViSiSuit, WaiRosSuit, Card, Deck };

struct HumanQuestion {
    Asked asked = Asked::Nothing;  // Trump, Bid, ViSiSuit, WaiRosSuit or Card
    KeptView kept;                 // what the human knows
    CardId wildCard;               // the wild card being led, when a named suit is asked
    std::uint64_t seed = 0;        // the strong players' seed of the match
};

struct Advice {
    Asked asked = Asked::Nothing;
    int item = 0;  // the bid, the trump (0..4) or the named suit (1..4)
    CardDecision card;
};

// The strong players' answer to the question.
Advice Advise(const HumanQuestion& question);

}  // namespace zavkari
