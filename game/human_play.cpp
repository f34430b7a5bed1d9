// The human's clicks: a card of the hand is played at once; a wild card led waits for the named
// suit chosen in `vishi` or `nije`. Clicks can come at any moment, so each one first checks that
// the hand is open to it.
#include "game.h"

namespace zavkari {

CardRecord Game::DeckRecordOfImage(Element image) const {
    const ElementPlace face = Decode(image);
    if (face.family != ElementFamily::Face) return {};
    return state.Card(face.first, face.second);
}

bool Game::AwaitingHumanCard() const {
    return currentOrder_ >= 1 && currentOrder_ <= 4 && timers.Enabled(timer::Play(currentOrder_)) &&
           !state.humanHasPlayed;
}

bool Game::HandAcceptsClick(Element face) const {
    // The bid of a human dealer uncovers the hand before the first trick has started: a card
    // clicked then would be lost to the trick.
    if (table.Visible(Element::kl) || table.Visible(Element::vishi) ||
        table.Visible(Element::nije) || !AwaitingHumanCard()) {
        return false;
    }
    const CardRecord card = DeckRecordOfImage(face);
    return HumanSlotOf({card.suit, card.rank}) != 0;
}

void Game::CardClick(Element face, bool rightButton) {
    const CardRecord card = DeckRecordOfImage(face);
    if (!IsWildCard(card.suit, card.rank)) {
        a6Click(face);
    } else if (rightButton) {
        y6ContextPopup(face);
    } else {
        y6Click(face);
    }
}

void Game::a6Click(Element face) {
    if (!HandAcceptsClick(face)) return;
    const CardRecord card = DeckRecordOfImage(face);
    if (IsWildCard(card.suit, card.rank)) return;
    SetHumanHandEnabled(false);
    if (HumanLeads()) {
        ShowOnSpot(kHumanSeat, face);
        LeadHumanCard(card);
    } else {
        FollowHumanCard(card);
        ShowOnSpot(kHumanSeat, face);
    }
    table.view().RecordHumanStrength(state.playedStrength[kHumanSeat]);
}

void Game::y6Click(Element face) {
    WildCardClick(face, true);
}

void Game::y6ContextPopup(Element face) {
    WildCardClick(face, false);
}

// A left click plays the wild card high or leads it as viSi, a right click plays it low or leads
// it as waiRos. A lead is played only once the named suit is chosen.
void Game::WildCardClick(Element face, bool high) {
    if (!HandAcceptsClick(face)) return;
    const CardRecord card = DeckRecordOfImage(face);
    if (!IsWildCard(card.suit, card.rank)) return;
    table.BringToFront(Element::noclick);
    SetHumanHandEnabled(false);
    state.humanCard = card;
    if (HumanLeads()) {
        table.Show(high ? Element::vishi : Element::nije);
        state.openingOrder = 0;
    } else {
        FollowHumanWild(card, high);
    }
    ShowOnSpot(kHumanSeat, face);
}

void Game::vishiClick(int item) {
    NamedSuitClick(Element::vishi, Declaration::ViSi, item);
}

void Game::nijeClick(int item) {
    NamedSuitClick(Element::nije, Declaration::WaiRos, item);
}

void Game::NamedSuitClick(Element group, Declaration declaration, int item) {
    if (item < 0 || item > 3 || !table.Visible(group)) return;
    table.Select(group, item);
    table.Hide(Element::vishi);
    table.Hide(Element::nije);
    LeadHumanWild(state.humanCard, declaration, item + 1);
}

}  // namespace zavkari
