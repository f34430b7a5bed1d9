// The human's cards entering a trick, the renege test, and the trick's winner. Every card carries
// its strength into the trick; the card whose strength exceeds each of the other three takes it.
#include <algorithm>

#include <string>
#include "game.h"
#include "shown_number.h"

namespace zavkari {
namespace {

// Renege code of a viSi demand answered with a card of the named suit that was not the highest.
constexpr int kViSiRenege = 5;

int HumanHandSlots(const GameState& s) {
    return std::clamp(s.dealSize, 0, kMaxHand);
}

}  // namespace

int Game::HumanSlotOf(CardId card) const {
    if (!IsValidCard(card.suit, card.rank)) return 0;
    for (int slot = 1; slot <= HumanHandSlots(state_); ++slot) {
        if (state_.humanHand[slot] == card) return slot;
    }
    return 0;
}

void Game::RecordHumanPlay(const CardRecord& card, Declaration declaration, int named) {
    GameState& s = state_;
    s.humanCard = card;
    s.humanHasPlayed = true;
    s.trickDone = false;
    s.playedCard[kHumanSeat] = {card.suit, card.rank};
    if (const int slot = HumanSlotOf({card.suit, card.rank}); slot != 0) {
        s.humanHand[slot] = kEmptySlot;
    }
    s.wildLedByComputer = false;
    RecordPlay(kHumanSeat, declaration, named);
}

bool Game::HundredPlayedBefore(int seat) const {
    if (currentOrder_ < 1 || currentOrder_ > 4) return false;
    for (int other = LeaderOf(currentOrder_); other != seat; other = NextSeat(other)) {
        if (state_.playedStrength[other] == kWildStrength) return true;
    }
    return false;
}

void Game::ShowOnSpot(int seat, Element face) {
    const ElementState& spot = table_[el::Spot(seat)];
    table_.Move(face, spot.left, spot.top);
    table_.BringToFront(face);
    table_.Show(face);
}

void Game::LeadHumanCard(const CardRecord& card) {
    state_.openingOrder = 0;
    state_.ledSuit = card.suit;
    state_.playedStrength[kHumanSeat] = card.strength;
    RecordHumanPlay(card, Declaration::None, 0);
}

void Game::FollowHumanCard(const CardRecord& card) {
    state_.playedStrength[kHumanSeat] = FollowStrength(card);
    CheckRenege(card);
    RecordHumanPlay(card, Declaration::None, 0);
}

void Game::LeadHumanWild(const CardRecord& card, Declaration declaration, int suit) {
    GameState& s = state_;
    if (declaration == Declaration::None || suit < 1 || suit > 4) return;
    if (declaration == Declaration::ViSi) {
        s.viSiDeclared = true;
        s.playedStrength[kHumanSeat] = card.strength;
    } else {
        s.waiRosDeclared = true;
        s.playedStrength[kHumanSeat] = 0;
    }
    s.ledSuit = suit;
    RecordHumanPlay(card, declaration, suit);
}

void Game::FollowHumanWild(const CardRecord& card, bool high) {
    int strength = 0;
    if (high) strength = HundredPlayedBefore(kHumanSeat) ? kWildStrength + 1 : kWildStrength;
    state_.playedStrength[kHumanSeat] = strength;
    RecordHumanPlay(card, Declaration::None, 0);
}

void Game::CheckRenege(const CardRecord& card) {
    if (const int code = RenegeCode(card); code != 0) {
        state_.renegePending = true;
        state_.renegeCode = code;
    }
}

bool Game::WouldRenege(CardId card) const {
    if (!IsValidCard(card.suit, card.rank) || IsWildCard(card.suit, card.rank)) return false;
    return RenegeCode(state_.Card(card.suit, card.rank)) != 0;
}

int Game::RenegeCode(const CardRecord& card) const {
    const GameState& s = state_;
    const auto holdsPlain = [&](int suit) {
        for (int slot = 1; slot <= HumanHandSlots(s); ++slot) {
            const CardId held = s.humanHand[slot];
            if (held.suit == suit && !IsWildCard(held.suit, held.rank)) return true;
        }
        return false;
    };

    if (card.suit != s.ledSuit) {
        // A wild card led by a computer frees the human from following suit and from trumping.
        if (s.wildLedByComputer) return 0;
        // Holding back a trump names the renege even when the led suit is held back too.
        if (card.suit != s.trump && holdsPlain(s.trump)) return s.trump;
        return holdsPlain(s.ledSuit) ? s.ledSuit : 0;
    }
    if (!s.viSiDeclared) return 0;
    // viSi demands the highest card of the named suit, the wild card of that suit included.
    int highest = card.strength;
    for (int slot = 1; slot <= HumanHandSlots(s); ++slot) {
        const CardId held = s.humanHand[slot];
        if (held.suit == s.ledSuit)
            highest = std::max(highest, s.Card(held.suit, held.rank).strength);
    }
    return highest > card.strength ? kViSiRenege : 0;
}

void Game::ResolveTrick() {
    GameState& s = state_;
    for (int seat = 1; seat <= 4; ++seat)
        table_.Show(el::TrickLabel(seat));

    // The strongest card takes the trick, unless another card is as strong.
    int strongest = 1;
    for (int seat = 2; seat <= 4; ++seat) {
        if (s.playedStrength[seat] > s.playedStrength[strongest]) strongest = seat;
    }
    int winner = strongest;
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat != strongest && s.playedStrength[seat] == s.playedStrength[strongest]) winner = 0;
    }

    if (winner != 0) {
        table_.SetCaption(el::TrickLabel(winner), CountText(TricksShown(winner) + 1));
        if (winner != kHumanSeat) ++s.computerTricks[winner];
        s.nextOrder = OrderAfterWinner(winner);
    } else {
        // Nobody takes the trick: its leader leads again, also after the deal's first trick.
        s.nextOrder = currentOrder_;
    }
    lastTrick_ = {currentTrick_, s.playedCard, winner};
    SeeTrickTaken(winner);
    if (observer_ != nullptr) observer_->OnTrick(currentTrick_, winner, LeaderOf(currentOrder_));
}

}  // namespace zavkari
