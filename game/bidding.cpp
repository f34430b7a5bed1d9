// The bids of a deal: the computers' bids computed from their own hands, the reveal from the first
// hand round to the dealer, the human's choice in `tkma`, and the rule that the dealer, bidding
// last, may not make the four bids add up to the number of cards.
#include <algorithm>
#include <optional>
#include <string>

#include "game.h"
#include "shown_number.h"
#include "tempo.h"

namespace zavkari {
namespace {

std::string BidText(int bid) {
    return bid == 0 ? "pasi" : CountText(bid);
}

// The left and right computers write their bids with a trailing blank, the top one without.
std::string ComputerBidCaption(int seat, int bid) {
    std::string text = BidText(bid);
    return seat == 2 ? text : text + ' ';
}

int BidOf(const GameState& s, int seat) {
    return seat == kHumanSeat ? s.humanBid : s.computerBid[seat];
}

}  // namespace

void Game::RecordBid(int seat, std::optional<int> computed) {
    WriteBidCell(state_.dealSize, state_.sheetColumn[seat], table_.Caption(el::BidLabel(seat)));
    if (observer_) observer_->OnBid(seat, BidOf(state_, seat), computed);
}

std::optional<int> Game::ApplyLastBidderRule(int seat) {
    GameState& s = state_;
    int others = 0;
    for (int other = 1; other <= 4; ++other) {
        if (other != seat) others += BidOf(s, other);
    }
    s.forbiddenBid = s.dealSize - others;
    int& bid = s.computerBid[seat];
    if (bid != s.forbiddenBid) return std::nullopt;
    const int computed = bid;
    bid = bid == 0 ? 1 : bid - 1;
    table_.SetCaption(el::BidLabel(seat), BidText(bid) + ' ');
    return computed;
}

void Game::ComputeComputerBids(int n) {
    // The described computers bid from their own cards alone, all at once before any bid is
    // shown; a player that listens to the bids waits until its own bid is due.
    for (int seat = 1; seat <= 3; ++seat) {
        state_.computerTricks[seat] = 0;
        state_.computerBid[seat] = 0;
        Player& player = PlayerAt(seat);
        if (player.ListensToBids()) continue;
        SeatView view = ViewOf(seat);
        view.dealSize = n;
        view.hand =
            std::span<const CardRecord>(state_.computerHand[seat].items.data(),
                                        static_cast<std::size_t>(std::clamp(n, 0, kMaxHand)));
        state_.computerBid[seat] = player.Bid(view);
        table_.SetCaption(el::BidLabel(seat), ComputerBidCaption(seat, state_.computerBid[seat]));
    }
}

void Game::SettleListeningBid(int seat) {
    if (!PlayerAt(seat).ListensToBids()) return;
    const SeatView view = ViewOf(seat);
    const int bid = std::clamp(Ask(
                                   seat, [&view](Player& player) { return player.Bid(view); }, view,
                                   Foresight::Question::Bid),
                               0, state_.dealSize);
    state_.computerBid[seat] = bid;
    table_.SetCaption(el::BidLabel(seat), ComputerBidCaption(seat, bid));
}

void Game::StartBidding(int n) {
    // The computers after the dealer and before the human bid at once; the dealer's waiting timer
    // reveals the rest once the human has bid.
    const int dealer = state_.dealer;
    if (dealer >= 1 && dealer <= 4) {
        const int firstSeat = dealer == kHumanSeat ? 1 : dealer + 1;
        for (int seat = firstSeat; seat <= 3; ++seat) {
            if (seat > firstSeat) table_.view().Pause(kBidRevealPause);
            SettleListeningBid(seat);
            RevealBid(seat);
        }
        if (dealer == 2) table_.view().Pause(kBidRevealPause);  // the lone reveal has its pause too
        for (int seat = firstSeat; seat <= 3; ++seat)
            RecordBid(seat);
        if (dealer == kHumanSeat) {
            state_.forbiddenBid =
                n - state_.computerBid[1] - state_.computerBid[2] - state_.computerBid[3];
        } else {
            timers_.Enable(timer::Waiting(dealer));
        }
    }
    SetHumanHandEnabled(false);
}

void Game::tkmaClick(int item) {
    if (!BidListShown()) return;
    // A click beside the items shows OK too, and leaves the selection as it was.
    const int items = static_cast<int>(table_.Group(Element::tkma).items.size());
    if (item >= 0 && item < items) table_.Select(Element::tkma, item);
    table_.Show(Element::OK);
}

void Game::OKClick() {
    if (!BidListShown()) return;
    const RadioGroup& bids = table_.Group(Element::tkma);
    const int bid = bids.selected;
    if (bid < 0) return;  // the bid must be one of the listed items
    if (state_.dealer == kHumanSeat && bid == state_.forbiddenBid) {
        table_.Show(Element::ara);
        if (observer_) observer_->OnBidRefused(bid);
        return;
    }
    table_.Hide(Element::ara);
    table_.Hide(Element::tkma);
    table_.Hide(Element::OK);
    table_.SetCaption(Element::m_u, bids.items[static_cast<std::size_t>(bid)]);
    table_.Show(Element::m_u);
    if (state_.dealer == kHumanSeat) {
        state_.trickStage = 1;
        SetHumanHandEnabled(true);
    }
    state_.humanBid = bid;
    seen_.bids[kHumanSeat] = bid;
    RecordBid(kHumanSeat);
    table_.SendToBack(Element::noclick);
}

void Game::waitingTimer(int dealer) {
    if (dealer < 1 || dealer > 3 || !timers_.Enabled(timer::Waiting(dealer))) return;
    if (!HumanHasBid()) return;
    timers_.Disable(timer::Waiting(dealer));
    table_.view().Pause(kBidRevealPause);
    for (int seat = 1; seat < dealer; ++seat) {
        SettleListeningBid(seat);
        RevealBid(seat);
        table_.view().Pause(kBidRevealPause);
    }
    SettleListeningBid(dealer);
    const std::optional<int> computed = ApplyLastBidderRule(dealer);
    RevealBid(dealer);
    for (int seat = 1; seat <= dealer; ++seat) {
        RecordBid(seat, seat == dealer ? computed : std::nullopt);
    }
    state_.trickStage = 1;
}

}  // namespace zavkari
