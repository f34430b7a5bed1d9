// The bids of a deal: the computers' bids computed from their own hands, the reveal from the first
// hand round to the dealer, the human's choice in `tkma`, and the rule that the dealer, bidding
// last, may not make the four bids add up to the number of cards.
#include <algorithm>
#include <optional>

#include "game.h"
#include "short_text.h"
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

ShortText BidText(int bid) {
    return bid == 0 ? ShortText().Append("pasi") : ShortText(bid);
}

// The left and right computers write their bids with a trailing blank, the top one without.
ShortText ComputerBidCaption(int seat, int bid) {
    ShortText text = BidText(bid);
    return seat == 2 ? text : text.Append(' ');
}

int BidOf(const GameState& s, int seat) {
    return seat == kHumanSeat ? s.humanBid : s.computerBid[seat];
}

// Writes a revealed bid to the sheet as its label shows it.
void RecordBid(Game& game, int seat, std::optional<int> computed = std::nullopt) {
    game.WriteBidCell(game.state.dealSize, game.state.sheetColumn[seat],
                      game.table.Caption(el::BidLabel(seat)));
    if (game.observer) game.observer->OnBid(seat, BidOf(game.state, seat), computed);
}

// The dealer may not bring the four bids to the number of cards: a computer dealer moves its bid
// by one. Returns the bid as computed when it had to move.
std::optional<int> ApplyLastBidderRule(Game& game, int seat) {
    GameState& s = game.state;
    int others = 0;
    for (int other = 1; other <= 4; ++other) {
        if (other != seat) others += BidOf(s, other);
    }
    s.forbiddenBid = s.dealSize - others;
    int& bid = s.computerBid[seat];
    if (bid != s.forbiddenBid) return std::nullopt;
    const int computed = bid;
    bid = bid == 0 ? 1 : bid - 1;
    game.table.SetCaption(el::BidLabel(seat), BidText(bid).Append(' '));
    return computed;
}

}  // namespace

void Game::ComputeComputerBids(int n) {
    for (int seat = 1; seat <= 3; ++seat) {
        state.computerTricks[seat] = 0;
        const bool firstHand = NextSeat(state.dealer) == seat;
        state.computerBid[seat] = ComputerBid(state.computerHand[seat], n, state.trump, firstHand);
        table.SetCaption(el::BidLabel(seat), ComputerBidCaption(seat, state.computerBid[seat]));
    }
}

void Game::StartBidding(int n) {
    // The computers after the dealer and before the human bid at once; the dealer's waiting timer
    // reveals the rest once the human has bid.
    const int dealer = state.dealer;
    if (dealer >= 1 && dealer <= 4) {
        const int firstSeat = dealer == kHumanSeat ? 1 : dealer + 1;
        for (int seat = firstSeat; seat <= 3; ++seat) {
            if (seat > firstSeat) table.view().Pause(kBidRevealPause);
            table.Show(el::BidLabel(seat));
        }
        if (dealer == 2) table.view().Pause(kBidRevealPause);  // the lone reveal has its pause too
        for (int seat = firstSeat; seat <= 3; ++seat)
            RecordBid(*this, seat);
        if (dealer == kHumanSeat) {
            state.forbiddenBid =
                n - state.computerBid[1] - state.computerBid[2] - state.computerBid[3];
        } else {
            timers.Enable(timer::Waiting(dealer));
        }
    }
    SetHumanHandEnabled(false);
}

void Game::tkmaClick(int item) {
    if (!table.Visible(Element::tkma)) return;
    // A click beside the items shows OK too, and leaves the selection as it was.
    const int items = static_cast<int>(table.Group(Element::tkma).items.size());
    if (item >= 0 && item < items) table.Select(Element::tkma, item);
    table.Show(Element::OK);
}

void Game::OKClick() {
    if (!table.Visible(Element::tkma)) return;
    const RadioGroup& bids = table.Group(Element::tkma);
    const int bid = bids.selected;
    if (bid < 0) return;  // the bid must be one of the listed items
    if (state.dealer == kHumanSeat && bid == state.forbiddenBid) {
        table.Show(Element::ara);
        if (observer) observer->OnBidRefused(bid);
        return;
    }
    table.Hide(Element::ara);
    table.Hide(Element::tkma);
    table.Hide(Element::OK);
    table.SetCaption(Element::m_u, bids.items[static_cast<std::size_t>(bid)]);
    table.Show(Element::m_u);
    if (state.dealer == kHumanSeat) {
        state.trickStage = 1;
        SetHumanHandEnabled(true);
    }
    state.humanBid = bid;
    RecordBid(*this, kHumanSeat);
    table.SendToBack(Element::noclick);
}

void Game::waitingTimer(int dealer) {
    if (dealer < 1 || dealer > 3 || !timers.Enabled(timer::Waiting(dealer))) return;
    if (!table.Visible(Element::m_u)) return;  // the human has not bid yet
    timers.Disable(timer::Waiting(dealer));
    table.view().Pause(kBidRevealPause);
    for (int seat = 1; seat < dealer; ++seat) {
        table.Show(el::BidLabel(seat));
        table.view().Pause(kBidRevealPause);
    }
    const std::optional<int> computed = ApplyLastBidderRule(*this, dealer);
    table.Show(el::BidLabel(dealer));
    for (int seat = 1; seat <= dealer; ++seat) {
        RecordBid(*this, seat, seat == dealer ? computed : std::nullopt);
    }
    state.trickStage = 1;
}

}  // namespace zavkari
