// The schedule of a match: 24 deals, one to each row of the score sheet, in four pools. The first
// pool deals 1 card up to 8, the second four deals of nine cards, the third 8 cards down to 1, the
// fourth four more deals of nine. Rows and pools are numbered from 1.
#pragma once

#include <algorithm>

#include "cards.h"

namespace zavkari {

// Deals of the first and the third pool, one for each hand size below nine.
inline constexpr int kCountedDeals = kMaxHand - 1;
// Deals of the second and the fourth pool, all of nine cards.
inline constexpr int kNineCardDeals = 4;

inline constexpr int kPools = 4;

constexpr int RowsOfPool(int pool) {
    return pool % 2 == 1 ? kCountedDeals : kNineCardDeals;
}

inline constexpr int kMaxRowsOfPool = std::max(kCountedDeals, kNineCardDeals);

constexpr int FirstRowOfPool(int pool) {
    int row = 1;
    for (int before = 1; before < pool; ++before)
        row += RowsOfPool(before);
    return row;
}

inline constexpr int kDealsOfMatch = FirstRowOfPool(kPools + 1) - 1;

constexpr int PoolOfRow(int row) {
    int pool = kPools;
    while (pool > 1 && row < FirstRowOfPool(pool))
        --pool;
    return pool;
}

// Cards per hand in the deal of a row.
constexpr int CardsOfRow(int row) {
    const int pool = PoolOfRow(row);
    const int place = row - FirstRowOfPool(pool);  // 0 for the pool's first deal
    if (pool == 1) return 1 + place;
    if (pool == 3) return kCountedDeals - place;
    return kMaxHand;
}

}  // namespace zavkari
