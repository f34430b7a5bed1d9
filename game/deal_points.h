// What a made bid is worth on the score sheet.
#pragma once

namespace zavkari {

// Points for a made bid `b` in a deal of `n` cards: every trick of the deal counts 100 a card,
// any other bid 50 for "pasi" and 50 more for each trick bid.
constexpr int DealPoints(int n, int b) {
    return b == n ? 100 * n : 50 * (b + 1);
}

}  // namespace zavkari
