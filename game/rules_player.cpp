// The described computer players' decisions. In an undeclared trick a met bid plays low and an
// open bid plays high; against a declared wild card the answers with a trump or a wild card are
// the other way round.
#include "rules_player.h"

#include <algorithm>
#include <string>

namespace zavkari {
namespace {

constexpr int kAnySuit = 0;

// A wild card led as waiRos, and the wild cards that answer a declared trick when the bid is met:
// the seat's card of the named suit, or any other answer.
constexpr int kWaiRosLeadStrength = 1;
constexpr int kWildOfNamedSuit = 201;
constexpr int kWildAnswer = 200;

struct Choice {
    Declaration declaration = Declaration::None;  // of a led wild card
    bool playedLow = false;                       // a wild card thrown away with strength 0
};

bool ChoseWildCard(const Tch& tch) {
    return IsWildCard(tch.choiceSuit, tch.choiceRank);
}

Choice PlayWildLow(Tch& tch) {
    tch.choiceStrength = 0;
    return {Declaration::None, true};
}

Choice ChooseLead(Tch& tch, int trump, bool bidMet) {
    if (bidMet) {
        if (trump != kNoTrump) tch.SelectCard(SelectMode::First, trump);
        if (tch.choiceSuit == 0) tch.SelectCard(SelectMode::Lowest, kAnySuit);
    } else {
        tch.SelectCard(SelectMode::Highest, kAnySuit);
    }
    if (!ChoseWildCard(tch)) return {};
    if (bidMet) {
        tch.choiceStrength = kWaiRosLeadStrength;
        return {Declaration::WaiRos, false};
    }
    tch.choiceStrength = kWildStrength;
    return {Declaration::ViSi, false};
}

Choice ChooseUndeclaredFollow(Tch& tch, int ledSuit, int trump, bool bidMet) {
    const SelectMode mode = bidMet ? SelectMode::Lowest : SelectMode::Highest;
    tch.SelectCard(mode, ledSuit);
    if (tch.choiceSuit == 0 && trump != kNoTrump) tch.SelectCard(mode, trump);
    if (tch.choiceSuit == 0) {
        // Nothing to follow with: discard, the highest card when the bid is met, else the lowest.
        tch.SelectCard(Opposite(mode), kAnySuit);
        tch.choiceStrength = 0;
    }
    if (!ChoseWildCard(tch)) return {};
    if (bidMet) return PlayWildLow(tch);
    tch.choiceStrength = kWildStrength;
    return {};
}

// A wild card answering a declared trick takes it with `strength` when the bid is met.
Choice AnswerWithWild(Tch& tch, bool bidMet, int strength) {
    if (!bidMet) return PlayWildLow(tch);
    tch.choiceStrength = strength;
    return {};
}

Choice ChooseDeclaredFollow(Tch& tch, bool viSi, int namedSuit, int trump, bool bidMet) {
    tch.SelectCard(viSi ? SelectMode::Highest : SelectMode::Lowest, namedSuit);
    if (tch.choiceSuit != 0) {
        return ChoseWildCard(tch) ? AnswerWithWild(tch, bidMet, kWildOfNamedSuit) : Choice{};
    }
    if (trump != kNoTrump) {
        tch.SelectCard(bidMet ? SelectMode::Highest : SelectMode::Lowest, trump);
        if (tch.choiceSuit != 0 && bidMet) tch.choiceStrength += kDeclaredTrumpBonus;
    }
    if (tch.choiceSuit == 0) {
        tch.SelectCard(SelectMode::Highest, kAnySuit);
        if (!viSi) tch.choiceStrength = 0;
    }
    return ChoseWildCard(tch) ? AnswerWithWild(tch, bidMet, kWildAnswer) : Choice{};
}

// The decision log's view of a hand: "suit;rank | " for every slot.
std::string HandText(const PerSlot<CardRecord>& cards, int n) {
    std::string text;
    for (int slot = 1; slot <= n; ++slot) {
        text += std::to_string(cards[slot].suit) + ';' + std::to_string(cards[slot].rank) + " | ";
    }
    return text;
}

}  // namespace

int ComputerBid(std::span<const CardRecord> hand, int trump, bool firstHand) {
    const int n = static_cast<int>(std::min(hand.size(), std::size_t{kMaxHand}));
    const auto count = [&](auto test) {
        return static_cast<int>(std::count_if(hand.begin(), hand.begin() + n, test));
    };
    const auto isAce = [](const CardRecord& c) { return c.rank == kAce; };
    const int aces = count(isAce);
    int bid = count([](const CardRecord& c) { return IsWildCard(c.suit, c.rank); });
    if (n == 0) return bid;

    if (trump == kNoTrump) {
        if (firstHand) bid += aces;
        if (n > 3) bid += aces;
        if (!firstHand) return bid;
        const bool oneSuit =
            count([&](const CardRecord& c) { return c.suit == hand[0].suit; }) == n;
        if (n == 1 && hand[0].rank >= kQueen) {
            bid = 1;
        } else if (n == 2 && oneSuit &&
                   count([](const CardRecord& c) { return c.rank >= kKing; }) > 0) {
            bid = 2;
        } else if (n >= 3 && oneSuit && aces > 0) {
            bid = n;
        }
        return bid;
    }

    if (n >= 3 && n <= 7) {
        bid += count([&](const CardRecord& c) { return c.suit == trump && c.rank > kJack; });
    }
    if (n > 3 && firstHand) {
        bid += count([&](const CardRecord& c) { return isAce(c) && c.suit != trump; });
    }
    if (n == 1 && (hand[0].suit == trump || isAce(hand[0]))) bid = 1;
    if (n == 2) {
        // The two slots have different thresholds: a ten counts in the first, a jack in the second.
        if ((hand[0].suit == trump && hand[0].rank >= kTen) ||
            (hand[1].suit == trump && hand[1].rank >= kJack)) {
            ++bid;
        }
        if (firstHand && aces > 0) ++bid;
    }
    return bid;
}

int RulesPlayer::Bid(const SeatView& view) {
    return ComputerBid(view.hand, view.trump, NextSeat(view.dealer) == view.seat);
}

int RulesPlayer::Trump(const SeatView& /*view*/) {
    // Declared without looking at a card: no trump or one of the suits, each as likely.
    random_.Reseed();
    return random_.Random(5);
}

CardDecision RulesPlayer::Card(const SeatView& view) {
    const int n = static_cast<int>(std::min(view.hand.size(), std::size_t{kMaxHand}));
    const bool bidMet = view.ownTricks == view.ownBid;
    std::copy_n(view.hand.begin(), n, tch.cards.begin());
    const bool keepsLog = log_.KeepsMemo();
    if (keepsLog) log_.MemoAppendToLastLine(HandText(tch.cards, n));

    tch.cardCount = n;
    tch.choiceSuit = 0;
    tch.choiceRank = 0;
    tch.choiceStrength = 0;
    tch.choiceIndex = 0;
    Choice choice;
    if (view.leads) {
        choice = ChooseLead(tch, view.trump, bidMet);
    } else if (view.declared != Declaration::None) {
        choice = ChooseDeclaredFollow(tch, view.declared == Declaration::ViSi, view.ledSuit,
                                      view.trump, bidMet);
    } else {
        choice = ChooseUndeclaredFollow(tch, view.ledSuit, view.trump, bidMet);
    }

    CardDecision decision;
    decision.card = {tch.choiceSuit, tch.choiceRank};
    decision.high = !choice.playedLow;
    decision.declaration = choice.declaration;
    decision.ownStrength = tch.choiceStrength;
    decision.slot = tch.choiceIndex;
    if (choice.declaration != Declaration::None) {
        // The named suit is drawn afresh from the clock, each suit as likely.
        random_.Reseed();
        do
            decision.named = random_.Random(5);
        while (decision.named == 0);
    }

    if (keepsLog) {
        // The hand after the play: the last card fills the played card's slot.
        tch.cards[tch.choiceIndex] = tch.cards[n];
        tch.cards[n].suit = -1;
        tch.cards[n].strength = -1;
        tch.cards[n].rank = -1;
        log_.MemoAddLine(HandText(tch.cards, n));
        log_.MemoAddLine(std::string(87, '-'));
        log_.MemoAddLine("");
    }
    return decision;
}

}  // namespace zavkari
