// A computer's card put into the trick: the seat's player decides, the game carries it out. The
// card enters the trick with the strength the described computers' table gives it, or, for every
// other player, with the strength the human's own card would have; a wild card that leads shows its
// declaration, one played low shows "qveSidan Seudo", and the row of backs shows one back fewer.
#include <array>
#include <string>
#include <string_view>

#include "game.h"

namespace zavkari {
namespace {

constexpr std::array<std::string_view, 5> kWaiRosCaptions = {"", "waiRos agurma", "waiRos gulma",
                                                             "waiRos jvarma", "waiRos yvavma"};

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

// Slot 1..n of `card` in a computer's hand; 0 when the hand does not hold it.
int SlotOf(const PerSlot<CardRecord>& hand, int n, CardId card) {
    for (int slot = 1; slot <= n; ++slot) {
        if (hand[slot].suit == card.suit && hand[slot].rank == card.rank) return slot;
    }
    return 0;
}

}  // namespace

int Game::FollowStrength(const CardRecord& card) const {
    const GameState& s = state_;
    if ((s.viSiDeclared || s.waiRosDeclared) && card.suit == s.trump && s.ledSuit != s.trump) {
        return card.strength + kDeclaredTrumpBonus;
    }
    return card.suit == s.ledSuit || card.suit == s.trump ? card.strength : 0;
}

int Game::StrengthAsHuman(const CardRecord& card, const CardDecision& decision,
                          bool leading) const {
    if (!IsWildCard(card.suit, card.rank)) return leading ? card.strength : FollowStrength(card);
    if (leading) return decision.declaration == Declaration::ViSi ? kWildStrength : 0;
    return decision.high ? kWildStrength : 0;
}

void Game::ChooseComputerCard(int seat, bool leading) {
    if (seat < 1 || seat > 3) return;
    GameState& s = state_;
    const int n = s.computerCardCount[seat];
    if (n < 1 || n > kMaxHand) return;
    SeatView view = ViewOf(seat);
    view.leads = leading;
    const CardDecision decision = Ask(
        seat, [&view](Player& player) { return player.Card(view); }, view,
        Foresight::Question::Card);
    PerSlot<CardRecord>& hand = s.computerHand[seat];
    // A decision that names no card of the hand would lose a card: the first card is played then.
    const bool slotKnown = decision.slot >= 1 && decision.slot <= n &&
                           hand[decision.slot].suit == decision.card.suit &&
                           hand[decision.slot].rank == decision.card.rank;
    const int slot = slotKnown ? decision.slot : std::max(SlotOf(hand, n, decision.card), 1);
    const CardId card{hand[slot].suit, hand[slot].rank};
    const bool wild = IsWildCard(card.suit, card.rank);

    int strength = decision.ownStrength
                       ? *decision.ownStrength
                       : StrengthAsHuman(s.Card(card.suit, card.rank), decision, leading);
    Declaration declaration = Declaration::None;
    int namedSuit = 0;
    if (leading) {
        s.ledSuit = card.suit;
        if (wild && decision.named >= 1 && decision.named <= 4 &&
            decision.declaration != Declaration::None) {
            declaration = decision.declaration;
            namedSuit = decision.named;
            s.ledSuit = namedSuit;
            s.viSiDeclared = declaration == Declaration::ViSi;
            s.waiRosDeclared = declaration == Declaration::WaiRos;
            s.wildLedByComputer = true;
            ShowDeclaration(table_, declaration, namedSuit);
        }
    } else if (wild && !decision.high) {
        table_.SetCaption(Element::under, "qveSidan Seudo");
        table_.Show(Element::under);
        table_.BringToFront(Element::under);
    }

    if (!leading && strength == kWildStrength && HundredPlayedBefore(seat)) {
        strength = kWildStrength + 1;
    }
    s.playedStrength[seat] = strength;
    ShowComputerBacks(seat, n - 1);
    s.playedCard[seat] = card;
    if (IsValidCard(card.suit, card.rank)) ShowOnSpot(seat, el::Face(card.suit, card.rank));
    // The last card fills the played card's slot.
    hand[slot] = hand[n];
    hand[n].suit = -1;
    hand[n].strength = -1;
    hand[n].rank = -1;
    --s.computerCardCount[seat];
    RecordPlay(seat, declaration, namedSuit);
}

}  // namespace zavkari
