// The bids of a deal: the computers' bids computed from their own hands, the reveal from the first
// hand round to the dealer, the human's choice in `tkma`, and the rule that the dealer, bidding
// last, may not make the four bids add up to the number of cards.
#include <algorithm>
#include <optional>
#include <string>

#include "game.h"
#include "tempo.h"

namespace zavkari {
namespace {

// A computer's bid from slots 1..n of its hand, with `trump` (0 = none).
int ComputerBid(const PerSlot<CardRecord>& hand, int n, int trump, bool firstHand) {
    n = std::clamp(n, 0, kMaxHand);
    const auto count = [&](auto test) {
        int k = 0;
        for (int slot = 1; slot <= n; ++slot)
            k += test(hand[slot]) ? 1 : 0;
        return k;
    };
    const auto isAce = [](const CardRecord& c) { return c.rank == kAce; };
    const int aces = count(isAce);
    int bid = count([](const CardRecord& c) { return IsWildCard(c.suit, c.rank); });

    if (trump == kNoTrump) {
        if (firstHand) bid += aces;
        if (n > 3) bid += aces;
        if (!firstHand) return bid;
        const bool oneSuit =
            count([&](const CardRecord& c) { return c.suit == hand[1].suit; }) == n;
        if (n == 1 && hand[1].rank >= kQueen) {
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
    if (n == 1 && (hand[1].suit == trump || isAce(hand[1]))) bid = 1;
    if (n == 2) {
        // The two slots have different thresholds: a ten counts in the first, a jack in the second.
        if ((hand[1].suit == trump && hand[1].rank >= kTen) ||
            (hand[2].suit == trump && hand[2].rank >= kJack)) {
            ++bid;
        }
        if (firstHand && aces > 0) ++bid;
    }
    return bid;
}

std::string BidText(int bid) {
    return bid == 0 ? "pasi" : std::to_string(bid);
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
    for (int seat = 1; seat <= 3; ++seat) {
        state_.computerTricks[seat] = 0;
        const bool firstHand = NextSeat(state_.dealer) == seat;
        state_.computerBid[seat] =
            ComputerBid(state_.computerHand[seat], n, state_.trump, firstHand);
        table_.SetCaption(el::BidLabel(seat), ComputerBidCaption(seat, state_.computerBid[seat]));
    }
}

void Game::StartBidding(int n) {
    // The computers after the dealer and before the human bid at once; the dealer's waiting timer
    // reveals the rest once the human has bid.
    const int dealer = state_.dealer;
    if (dealer >= 1 && dealer <= 4) {
        const int firstSeat = dealer == kHumanSeat ? 1 : dealer + 1;
        for (int seat = firstSeat; seat <= 3; ++seat) {
            if (seat > firstSeat) table_.view().Pause(kBidRevealPause);
            table_.Show(el::BidLabel(seat));
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
    RecordBid(kHumanSeat);
    table_.SendToBack(Element::noclick);
}

void Game::waitingTimer(int dealer) {
    if (dealer < 1 || dealer > 3 || !timers_.Enabled(timer::Waiting(dealer))) return;
    if (!HumanHasBid()) return;
    timers_.Disable(timer::Waiting(dealer));
    table_.view().Pause(kBidRevealPause);
    for (int seat = 1; seat < dealer; ++seat) {
        table_.Show(el::BidLabel(seat));
        table_.view().Pause(kBidRevealPause);
    }
    const std::optional<int> computed = ApplyLastBidderRule(dealer);
    table_.Show(el::BidLabel(dealer));
    for (int seat = 1; seat <= dealer; ++seat) {
        RecordBid(seat, seat == dealer ? computed : std::nullopt);
    }
    state_.trickStage = 1;
}

}  // namespace zavkari
