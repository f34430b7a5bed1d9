// The human's clicks: a card of the hand is played at once; a wild card led waits for the named
// suit chosen in `vishi` or `nije`. Clicks can come at any moment, so each one first checks that
// the hand is open to it.
#include "game.h"

namespace zavkari {

CardRecord Game::DeckRecordOfImage(Element image) const {
    const ElementPlace face = Decode(image);
    if (face.family != ElementFamily::Face) return {};
    return state_.Card(face.first, face.second);
}

bool Game::AwaitingHumanCard() const {
    return currentOrder_ >= 1 && currentOrder_ <= 4 &&
           timers_.Enabled(timer::Play(currentOrder_)) && !state_.humanHasPlayed;
}

bool Game::HandAcceptsClick(Element face) const {
    // The bid of a human dealer uncovers the hand before the first trick has started: a card
    // clicked then would be lost to the trick.
    if (HandCovered() || NamedSuitAsked() || !AwaitingHumanCard()) {
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
    table_.view().RecordHumanStrength(state_.playedStrength[kHumanSeat]);
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
    table_.BringToFront(Element::noclick);
    SetHumanHandEnabled(false);
    state_.humanCard = card;
    if (HumanLeads()) {
        table_.Show(high ? Element::vishi : Element::nije);
        state_.openingOrder = 0;
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
    if (item < 0 || item > 3 || !SuitChoiceOpen(group)) return;
    table_.Select(group, item);
    table_.Hide(Element::vishi);
    table_.Hide(Element::nije);
    LeadHumanWild(state_.humanCard, declaration, item + 1);
}

}  // namespace zavkari
