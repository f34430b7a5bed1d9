// What the rules read back from the table. The game keeps some of its facts only in what its window
// shows (the trick counts in the trick labels, the scores in the sheet's cells, whether a match has
// been opened in the menu's caption), and it asks the table whether a choice is open before it
// takes a click on it. Each reading has a name here, and the question of what the human is asked
// right now is answered from them, as is where the hand lies for a player who picks a card by
// keys and the trick a player may look back at.
#include <algorithm>

#include "game.h"
#include "shown_number.h"

namespace zavkari {

bool Game::HandCovered() const {
    return table_.Visible(Element::kl);
}

bool Game::NamedSuitAsked() const {
    return SuitChoiceOpen(Element::vishi) || SuitChoiceOpen(Element::nije);
}

bool Game::TrumpAsked() const {
    return table_.Visible(Element::koz) && !state_.trumpChosen;
}

bool Game::BidListShown() const {
    return table_.Visible(Element::tkma);
}

bool Game::HumanHasBid() const {
    return table_.Visible(Element::m_u);
}

bool Game::NameEntryOpen() const {
    return table_.Visible(Element::saxeli);
}

bool Game::NameConfirmable() const {
    return table_.Visible(Element::BitBtn1) && table_.Enabled(Element::BitBtn1);
}

bool Game::MatchInMenu() const {
    return table_.Caption(Element::bbb) == "Tavidan";
}

bool Game::DeckInvitesDeal() const {
    return table_.Visible(Element::b) && table_.InFront(Element::b, Element::noclick);
}

int Game::TricksShown(int seat) const {
    return NumberShown(table_.Caption(el::TrickLabel(seat)));
}

int Game::ScoreShown(int column, int row) const {
    const std::string_view cell = table_.Caption(el::ScoreCell(column, row));
    return cell == kPenaltyMark ? options.PenaltyValue() : NumberShown(cell);
}

Asked Game::HumanAsked() const {
    if (NameEntryOpen()) return Asked::Name;
    if (TrumpAsked()) return Asked::Trump;
    if (BidListShown() && !HumanHasBid()) return Asked::Bid;
    if (SuitChoiceOpen(Element::vishi)) return Asked::ViSiSuit;
    if (SuitChoiceOpen(Element::nije)) return Asked::WaiRosSuit;
    if (!HandCovered() && AwaitingHumanCard()) return Asked::Card;
    // The deck lies in front of the cover from the human's bid on too, but deals only between
    // deals.
    if (DeckInvitesDeal() && !dealUnderWay_) return Asked::Deck;
    return Asked::Nothing;
}

std::vector<Element> Game::HandInPlace() const {
    std::vector<Element> faces;
    for (int slot = 1; slot <= state_.dealSize && slot <= kMaxHand; ++slot) {
        const CardId card = state_.humanHand[slot];
        if (!card.empty()) faces.push_back(el::CardImage(card));
    }
    std::stable_sort(faces.begin(), faces.end(),
                     [this](Element a, Element b) { return table_[a].left < table_[b].left; });
    return faces;
}

const CompletedTrick* Game::LastTrick() const {
    return dealUnderWay_ && lastTrick_.number > 0 ? &lastTrick_ : nullptr;
}

bool Game::PenaltyMayChange() const {
    return state_.ascendCount == 1 && state_.descendCount == 0;
}

}  // namespace zavkari
