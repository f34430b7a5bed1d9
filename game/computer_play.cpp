// The computer players' card choice. Two facts drive it: whether the seat leads or follows, and
// whether its bid is met (tricks taken equal to the bid). In an undeclared trick a met bid plays
// low and an open bid plays high; against a declared wild card the answers with a trump or a wild
// card are the other way round.
#include <array>
#include <string>
#include <string_view>

#include "game.h"

namespace zavkari {
namespace {

constexpr int kAnySuit = 0;

// A wild card led as waiRos, and the wild cards that answer a declared trick when the bid is met:
// the seat's card of the named suit, or any other answer.
constexpr int kWaiRosLeadStrength = 1;
constexpr int kWildOfNamedSuit = 201;
constexpr int kWildAnswer = 200;

constexpr std::array<std::string_view, 5> kWaiRosCaptions = {"", "waiRos agurma", "waiRos gulma",
                                                             "waiRos jvarma", "waiRos yvavma"};

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

void ShowDeclaration(TableModel& table, Declaration declaration, int namedSuit) {
    const auto suitIndex = static_cast<std::size_t>(namedSuit);
    if (declaration == Declaration::WaiRos) {
        table.SetCaption(Element::KNije, kWaiRosCaptions[suitIndex]);
        table.Show(Element::KNije);
    } else {
        table.SetCaption(Element::KVishi, "viSi " + std::string(kSuitWords[suitIndex]));
        table.Show(Element::KVishi);
    }
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

void Game::ChooseComputerCard(int seat, bool leading) {
    if (seat < 1 || seat > 3) return;
    GameState& s = state_;
    const int n = s.computerCardCount[seat];
    if (n < 1 || n > kMaxHand) return;
    const bool bidMet = s.computerTricks[seat] == s.computerBid[seat];
    PerSlot<CardRecord>& hand = s.computerHand[seat];
    for (int slot = 1; slot <= n; ++slot)
        tch_.cards[slot] = hand[slot];
    TableView& view = table_.view();
    const bool keepsLog = view.KeepsMemo();
    if (keepsLog) view.MemoAppendToLastLine(HandText(tch_.cards, n));

    tch_.cardCount = n;
    tch_.choiceSuit = 0;
    tch_.choiceRank = 0;
    tch_.choiceStrength = 0;
    tch_.choiceIndex = 0;
    Choice choice;
    if (leading) {
        choice = ChooseLead(tch_, s.trump, bidMet);
        s.ledSuit = tch_.choiceSuit;
    } else if (s.viSiDeclared || s.waiRosDeclared) {
        choice = ChooseDeclaredFollow(tch_, s.viSiDeclared, s.ledSuit, s.trump, bidMet);
    } else {
        choice = ChooseUndeclaredFollow(tch_, s.ledSuit, s.trump, bidMet);
    }

    int namedSuit = 0;
    if (choice.declaration != Declaration::None) {
        random_.Reseed();
        do
            namedSuit = random_.Random(5);
        while (namedSuit == 0);
        s.ledSuit = namedSuit;
        s.viSiDeclared = choice.declaration == Declaration::ViSi;
        s.waiRosDeclared = choice.declaration == Declaration::WaiRos;
        s.wildLedByComputer = true;
        ShowDeclaration(table_, choice.declaration, namedSuit);
    }
    if (choice.playedLow) {
        table_.SetCaption(Element::under, "qveSidan Seudo");
        table_.Show(Element::under);
        table_.BringToFront(Element::under);
    }

    // The last card fills the played card's slot.
    tch_.cards[tch_.choiceIndex] = tch_.cards[n];
    tch_.cards[n].suit = -1;
    tch_.cards[n].strength = -1;
    tch_.cards[n].rank = -1;
    if (keepsLog) {
        view.MemoAddLine(HandText(tch_.cards, n));
        view.MemoAddLine(std::string(87, '-'));
        view.MemoAddLine("");
    }

    if (!leading && tch_.choiceStrength == kWildStrength && HundredPlayedBefore(seat)) {
        tch_.choiceStrength = kWildStrength + 1;
    }
    s.playedStrength[seat] = tch_.choiceStrength;
    ShowComputerBacks(seat, n - 1);
    s.playedCard[seat] = {tch_.choiceSuit, tch_.choiceRank};
    if (IsValidCard(tch_.choiceSuit, tch_.choiceRank)) {
        ShowOnSpot(seat, el::Face(tch_.choiceSuit, tch_.choiceRank));
    }
    // The working copy differs from the hand only in the played card's slot and the last one.
    hand[tch_.choiceIndex] = tch_.cards[tch_.choiceIndex];
    hand[n] = tch_.cards[n];
    --s.computerCardCount[seat];
    ReportPlay(seat, choice.declaration, namedSuit);
}

}  // namespace zavkari
