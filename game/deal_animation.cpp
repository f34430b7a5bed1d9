// The table cleared for a deal, the rows of backs laid out, and the cards shown one at a time in
// dealing order.
#include <algorithm>

#include "game.h"

namespace zavkari {

void Game::ClearTable() {
    table_.HideRange(el::Backs());
    table_.HideRange(el::Faces());
    for (int seat = 1; seat <= 4; ++seat) {
        table_.Hide(el::BidLabel(seat));
        table_.Hide(el::TrickLabel(seat));
    }
}

void Game::PrepareHands(int n) {
    for (int seat = 1; seat <= 3; ++seat)
        state_.computerCardCount[seat] = n;
    for (int seat = 1; seat <= 4; ++seat)
        table_.SetCaption(el::TrickLabel(seat), "0");
    state_.nextOrder = 0;
    currentTrick_ = 0;
    lastTrick_ = {};
    BeginSeenDeal();
    biddingBegun_ = false;
    table_.Select(Element::vishi, -1);
    table_.Select(Element::nije, -1);
    const int backWidth = table_[el::Back(1, 1)].width;
    for (int k = 1; k <= n; ++k) {
        for (int seat : {1, 3, 2}) {
            const SlotPlace place = BackPlace(table_.width, table_.height, backWidth, seat, k, n);
            table_.Move(el::Back(seat, k), place.left, place.top);
        }
    }
}

void Game::DealCircuits(int first, int last, int n, int dealer) {
    const int pause = options.DealPause();
    for (int r = first; r <= last; ++r) {
        for (int i = 0, seat = NextSeat(dealer); i < 4; ++i, seat = NextSeat(seat)) {
            Element image = Element::no;
            if (seat == 1) {
                image = el::Back(1, r);
            } else if (seat != kHumanSeat) {
                image = el::Back(seat, n + 1 - r);
            } else if (const CardId card = state_.humanHand[r]; !card.empty()) {
                image = el::Face(card.suit, card.rank);
            }
            table_.Show(image);
            table_.view().Pause(pause);
            table_.Repaint();
        }
    }
}

void Game::AnimateDeal(int n, int dealer) {
    table_.Repaint();
    table_.view().Pause(options.DealPause());
    if (n != 9) {
        DealCircuits(1, n, n, dealer);
    } else {
        // After three circuits the first hand declares the trump: a computer at once, the human
        // through `koz`, after which `vacxado` deals the rest.
        DealCircuits(1, 3, n, dealer);
        if (NextSeat(dealer) == kHumanSeat) {
            timers_.Enable(TimerId::vacxado);
            table_.Show(Element::koz);
        } else {
            ChooseComputerTrump(NextSeat(dealer));
            SettleTrump();
            DealCircuits(4, 9, n, dealer);
            table_.Show(Element::tkma);
        }
    }
    SetHumanHandEnabled(false);
    table_.BringToFront(Element::noclick);
}

void Game::ShowComputerBacks(int seat, int n) {
    n = std::clamp(n, 0, kMaxHand);
    table_.ShowRange(el::BackRow(seat, 1, n));
    table_.HideRange(el::BackRow(seat, n + 1, kMaxHand));
}

}  // namespace zavkari
