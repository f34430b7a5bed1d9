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
            CardRecord& card = state.Card(suit, rank);
            card.image = CardIndex(suit, rank);  // the faces are numbered like the deck
            card.suit = suit;
            card.rank = rank;
        }
    }
}

void Game::ResetDeck() {
    for (CardRecord& card : state.deck) {
        card.dealt = false;
        card.strength = card.rank;
    }
    state.Card(kJvari, kSix).strength = kWildStrength;
    state.Card(kYvavi, kSix).strength = kWildStrength;
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
        if (!state.Card(card.suit, card.rank).dealt) break;
        if (candidates % kCandidatesBeforeLooking == 0 && DeckExhausted(state)) return kEmptySlot;
    }
    state.Card(card.suit, card.rank).dealt = true;
    state.drawnCard = card;
    return card;
}

void Game::DealHumanHand(int n) {
    // The faces line up with computer 2's backs along the bottom edge; they stay hidden until the
    // deal animation turns them up.
    const int xstep = (table.width - 500) / (n + 1);
    const int top = table.height - table[Element::tkma].height - 16;
    for (int i = 1; i <= n; ++i) {
        const CardId card = DrawCard();
        state.humanHand[i] = card;
        if (card.empty()) continue;
        const Element face = el::Face(card.suit, card.rank);
        table.Move(face, 60 + i * xstep, top);
        table.BringToFront(face);
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
                CardRecord& card = state.Card(candidate.suit, candidate.rank);
                if (!card.dealt) taken = &card;
            }
            if (taken == nullptr) {
                auto undealt = std::find_if(state.deck.begin(), state.deck.end(),
                                            [](const CardRecord& c) { return !c.dealt; });
                if (undealt == state.deck.end()) return;
                taken = &*undealt;
            }
            taken->dealt = true;
            CardRecord& held = state.computerHand[seat][slot];
            held.suit = taken->suit;
            held.rank = taken->rank;
            held.strength = taken->strength;
        }
    }
}

void Game::SettleTrump() {
    if (state.dealSize != 9) {
        const CardId turned = DrawCard();
        if (!turned.empty()) {
            const Element face = el::Face(turned.suit, turned.rank);
            table.Move(face, table[Element::b].left + 5, table[Element::b].top - 3);
            table.BringToFront(face);
            table.view().Pause(kTurnedTrumpPause);
            table.Show(face);
            state.trump = IsWildCard(turned.suit, turned.rank) ? kNoTrump : turned.suit;
        }
    }
    if (state.trump != kNoTrump) {
        for (int rank = 1; rank <= 9; ++rank)
            state.Card(state.trump, rank).strength += 10;
    }
    state.Card(kJvari, kSix).strength = kWildStrength;
    state.Card(kYvavi, kSix).strength = kWildStrength;
    ShowTrumpCaption();
    table.Show(Element::kkk);
    table.BringToFront(Element::noclick);
}

void Game::ShowTrumpCaption() {
    table.SetCaption(Element::kkk, kSuitWords[static_cast<std::size_t>(state.trump)]);
    table.SetColour(Element::kkk, kTrumpColours[static_cast<std::size_t>(state.trump)]);
}

void Game::ChooseComputerTrump() {
    random_.Reseed();
    state.trump = random_.Random(5);
    ShowTrumpCaption();
}

void Game::kozClick(int item) {
    // Only a click that picks one of the five items while a declaration is awaited declares.
    if (item < 0 || item > 4 || !timers.Enabled(TimerId::vacxado) || state.trumpChosen) return;
    table.Select(Element::koz, item);
    state.trump = item;
    state.trumpChosen = true;
    table.Hide(Element::koz);
    SettleTrump();
    table.Show(Element::kkk);
}

void Game::vacxadoTimer() {
    if (!state.trumpChosen) return;
    timers.Disable(TimerId::vacxado);
    DealCircuits(4, 9, 9, 3);
    state.trumpChosen = false;
    table.Hide(Element::koz);
    // The computer hands are drawn only now, after the declaration, so that they carry the
    // declared trump's strengths and the computer bids read the trump of this deal.
    DealComputerHands(9);
    BeginBidding(9);
    table.Show(Element::tkma);
    SetHumanHandEnabled(false);
}

}  // namespace zavkari
