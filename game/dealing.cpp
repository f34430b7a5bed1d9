// The deck made whole, the random draws of the hands and the turned card, and the trump.
#include <algorithm>

#include "game.h"
#include "tempo.h"

namespace zavkari {
namespace {

bool DeckExhausted(const GameState& s) {
    return std::all_of(s.deck.begin(), s.deck.end(), [](const CardRecord& c) { return c.dealt; });
}

constexpr std::array<FontColour, 5> kTrumpColours = {
    FontColour::White, FontColour::Red, FontColour::Red, FontColour::Black, FontColour::Black};

}  // namespace

void Game::InitDeck() {
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 9; ++rank) {
            CardRecord& card = state_.Card(suit, rank);
            card.image = CardIndex(suit, rank);  // the faces are numbered like the deck
            card.suit = suit;
            card.rank = rank;
        }
    }
}

void Game::ResetDeck() {
    for (CardRecord& card : state_.deck) {
        card.dealt = false;
        card.strength = card.rank;
    }
    state_.Card(kJvari, kSix).strength = kWildStrength;
    state_.Card(kYvavi, kSix).strength = kWildStrength;
    SetHumanHandEnabled(false);
}

CardId Game::DrawCard() {
    // The rules never draw from an empty deck; should it happen, the draw gives an empty slot
    // rather than searching forever. Looking is only worth it after many candidates were dealt.
    constexpr int kCandidatesBeforeLooking = 1000;
    random_.Reseed();
    CardId card;
    for (int candidates = 1;; ++candidates) {
        card = random_.RandomCard();
        if (!state_.Card(card.suit, card.rank).dealt) break;
        if (candidates % kCandidatesBeforeLooking == 0 && DeckExhausted(state_)) return kEmptySlot;
    }
    state_.Card(card.suit, card.rank).dealt = true;
    state_.drawnCard = card;
    return card;
}

void Game::DealHumanHand(int n) {
    // The faces line up with computer 2's backs along the bottom edge; they stay hidden until the
    // deal animation turns them up.
    const int bidListHeight = table_[Element::tkma].height;
    for (int i = 1; i <= n; ++i) {
        const CardId card = DrawCard();
        state_.humanHand[i] = card;
        if (card.empty()) continue;
        const Element face = el::Face(card.suit, card.rank);
        const SlotPlace place = HumanCardPlace(table_.width, table_.height, bidListHeight, i, n);
        table_.Move(face, place.left, place.top);
        table_.BringToFront(face);
    }
}

void Game::DealComputerHands(int n) {
    // At most 50 random candidates per card; after that the lowest undealt card in suit-major
    // order, so that the last slots of a nine-card deal fill in bounded time.
    constexpr int kMaxTries = 50;
    random_.Reseed();
    for (int seat = 1; seat <= 3; ++seat) {
        for (int slot = 1; slot <= n; ++slot) {
            CardRecord* taken = nullptr;
            for (int tries = 1; tries <= kMaxTries && taken == nullptr; ++tries) {
                const CardId candidate = random_.RandomCard();
                CardRecord& card = state_.Card(candidate.suit, candidate.rank);
                if (!card.dealt) taken = &card;
            }
            if (taken == nullptr) {
                auto undealt = std::find_if(state_.deck.begin(), state_.deck.end(),
                                            [](const CardRecord& c) { return !c.dealt; });
                if (undealt == state_.deck.end()) return;
                taken = &*undealt;
            }
            taken->dealt = true;
            CardRecord& held = state_.computerHand[seat][slot];
            held.suit = taken->suit;
            held.rank = taken->rank;
            held.strength = taken->strength;
        }
    }
}

void Game::SettleTrump() {
    if (state_.dealSize != 9) {
        const CardId turned = DrawCard();
        if (!turned.empty()) {
            const Element face = el::Face(turned.suit, turned.rank);
            table_.Move(face, table_[Element::b].left + 5, table_[Element::b].top - 3);
            table_.BringToFront(face);
            table_.view().Pause(kTurnedTrumpPause);
            table_.Show(face);
            seen_.turned = turned;
            state_.trump = IsWildCard(turned.suit, turned.rank) ? kNoTrump : turned.suit;
        }
    }
    if (state_.trump != kNoTrump) {
        for (int rank = 1; rank <= 9; ++rank)
            state_.Card(state_.trump, rank).strength += 10;
    }
    state_.Card(kJvari, kSix).strength = kWildStrength;
    state_.Card(kYvavi, kSix).strength = kWildStrength;
    ShowTrumpCaption();
    table_.Show(Element::kkk);
    table_.BringToFront(Element::noclick);
}

void Game::ShowTrumpCaption() {
    table_.SetCaption(Element::kkk, kSuitWords[static_cast<std::size_t>(state_.trump)]);
    table_.SetColour(Element::kkk, kTrumpColours[static_cast<std::size_t>(state_.trump)]);
}

void Game::ChooseComputerTrump(int seat) {
    SeatView view = ViewOf(seat);
    // The first hand declares from the three cards dealt before the declaration.
    view.hand = view.hand.first(std::min<std::size_t>(view.hand.size(), 3));
    state_.trump =
        std::clamp(Ask(
                       seat, [&view](Player& player) { return player.Trump(view); }, view),
                   0, 4);
    ShowTrumpCaption();
}

void Game::CopyTrumpStrengthsToComputerHands() {
    for (int seat = 1; seat <= 3; ++seat) {
        for (int slot = 1; slot <= state_.computerCardCount[seat]; ++slot) {
            CardRecord& held = state_.computerHand[seat][slot];
            held.strength = state_.Card(held.suit, held.rank).strength;
        }
    }
}

void Game::kozClick(int item) {
    // Only a click that picks one of the five items while a declaration is awaited declares.
    if (item < 0 || item > 4 || !timers_.Enabled(TimerId::vacxado) || state_.trumpChosen) return;
    table_.Select(Element::koz, item);
    state_.trump = item;
    state_.trumpChosen = true;
    table_.Hide(Element::koz);
    SettleTrump();
    table_.Show(Element::kkk);
}

void Game::vacxadoTimer() {
    if (!state_.trumpChosen) return;
    timers_.Disable(TimerId::vacxado);
    // Only a first hand declares, and the human is the first hand when the seat before it deals.
    constexpr int kDealerBeforeHuman = kHumanSeat - 1;
    DealCircuits(4, 9, 9, kDealerBeforeHuman);
    state_.trumpChosen = false;
    table_.Hide(Element::koz);
    // The computer hands are drawn only now, after the declaration, so that they carry the
    // declared trump's strengths and the computer bids read the trump of this deal.
    DealComputerHands(9);
    BeginBidding(9);
    table_.Show(Element::tkma);
    SetHumanHandEnabled(false);
}

}  // namespace zavkari
