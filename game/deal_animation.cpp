// The table cleared for a deal, the rows of backs laid out, and the cards shown one at a time in
// dealing order.
#include <algorithm>

#include "game.h"

namespace zavkari {

void Game::ClearTable() {
    table.HideRange(el::Backs());
    table.HideRange(el::Faces());
    for (int seat = 1; seat <= 4; ++seat) {
        table.Hide(el::BidLabel(seat));
        table.Hide(el::TrickLabel(seat));
    }
}

void Game::PrepareHands(int n) {
    for (int seat = 1; seat <= 3; ++seat)
        state.computerCardCount[seat] = n;
    for (int seat = 1; seat <= 4; ++seat)
        table.SetCaption(el::TrickLabel(seat), "0");
    state.nextOrder = 0;
    currentTrick_ = 0;
    table.Select(Element::vishi, -1);
    table.Select(Element::nije, -1);
    const int xstep = (table.width - 500) / (n + 1);
    const int ystep = (table.height - 324) / (n + 1);
    const int backWidth = table[el::Back(1, 1)].width;
    for (int k = 1; k <= n; ++k) {
        table.Move(el::Back(1, k), 16, 115 + k * ystep);
        table.Move(el::Back(3, k), table.width - backWidth - 316, 115 + k * ystep);
        table.Move(el::Back(2, k), 60 + k * xstep, 36);
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
            } else if (const CardId card = state.humanHand[r]; !card.empty()) {
                image = el::Face(card.suit, card.rank);
            }
            table.Show(image);
            table.view().Pause(pause);
            table.Repaint();
        }
    }
}

void Game::AnimateDeal(int n, int dealer) {
    table.Repaint();
    table.view().Pause(options.DealPause());
    if (n != 9) {
        DealCircuits(1, n, n, dealer);
    } else {
        // After three circuits the first hand declares the trump: a computer at once, the human
        // through `koz`, after which `vacxado` deals the rest.
        DealCircuits(1, 3, n, dealer);
        if (NextSeat(dealer) == kHumanSeat) {
            timers.Enable(TimerId::vacxado);
            table.Show(Element::koz);
        } else {
            ChooseComputerTrump();
            SettleTrump();
            DealCircuits(4, 9, n, dealer);
            table.Show(Element::tkma);
        }
    }
    SetHumanHandEnabled(false);
    table.BringToFront(Element::noclick);
}

void Game::ShowComputerBacks(int seat, int n) {
    n = std::clamp(n, 0, kMaxHand);
    table.ShowRange(el::BackRow(seat, 1, n));
    table.HideRange(el::BackRow(seat, n + 1, kMaxHand));
}

}  // namespace zavkari
