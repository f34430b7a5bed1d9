// Names of the table window's elements that the rules act on (labels, card images, covers, groups,
// score-sheet cells) and of its timers. The rules address them by these numbers; the window and
// the headless table map them to what they show.
#pragma once

#include <array>
#include <string>

#include "cards.h"

namespace zavkari {

using Element = int;

namespace el {

// 0..35: the card faces, numbered like the deck; 36: the placeholder `no`.
constexpr Element Face(int suit, int rank) {
    return CardIndex(suit, rank);
}
inline constexpr Element kNo = kDeckSize;
// The face image of a card, or `no` for a pair that names no card (an empty slot).
constexpr Element CardImage(CardId card) {
    return IsValidCard(card.suit, card.rank) ? Face(card.suit, card.rank) : kNo;
}

// 37..63: the card backs b11..b39 of the computer seats.
inline constexpr Element kFirstBack = kNo + 1;
constexpr Element Back(int seat, int slot) {
    return kFirstBack + (seat - 1) * 9 + (slot - 1);
}

enum Single : Element {
    kB = kFirstBack + 27,  // the deck pile
    kKkk,                  // trump label inside Box1
    kBox1,                 // trump box "koziria"
    kStrog,                // renege message
    kAra,                  // "ar SeiZleba!!! "
    kKVishi,               // a computer's viSi declaration
    kKNije,                // a computer's waiRos declaration
    kUnder,                // "qveSidan Seudo": a computer played a wild card low
    kOK,                   // confirms the human's bid
    kTkma,                 // bid list
    kKoz,                  // trump choice of a nine-card deal
    kVishi,                // named suit of a wild card led high
    kNije,                 // named suit of a wild card led as waiRos
    kKl,                   // cover over the human's cards
    kNoclick,              // cover over the middle of the table
    kCham1,                // played-card spots of seats 1..4
    kCham2,
    kCham3,
    kCham4,
    kC1U,  // bid labels of seats 1..4: c1_u, c2_u, c3_u, m_u
    kC2U,
    kC3U,
    kMU,
    kC1H,  // trick labels of seats 1..4: c1_h, c2_h, c3_h, m_h
    kC2H,
    kC3H,
    kMH,
    kCxrili,     // the score-sheet picture
    kReklama,    // the small looping animation beside the sheet
    kSaxeli,     // the name box
    kBitBtn1,    // its "ok" button
    kBbb,        // menu entry "dawyeba" / "Tavidan"
    kFon,        // the background picture
    kMagida,     // the table top picture
    kFirstName,  // n1..n4: names of the sheet's columns
};

constexpr Element Spot(int seat) {
    return kCham1 + seat - 1;
}
constexpr Element BidLabel(int seat) {
    return kC1U + seat - 1;
}
constexpr Element TrickLabel(int seat) {
    return kC1H + seat - 1;
}
constexpr Element Name(int column) {
    return kFirstName + column - 1;
}

// Score sheet: row headings nnn1..nnn24, bid cells a11..a424, score cells c11..c424 and running
// totals j11..j44 (column digit first, then row or pool).
inline constexpr int kRows = 24;
inline constexpr Element kFirstRowHeading = kFirstName + 4;
inline constexpr Element kFirstBidCell = kFirstRowHeading + kRows;
inline constexpr Element kFirstScoreCell = kFirstBidCell + 4 * kRows;
inline constexpr Element kFirstTotalCell = kFirstScoreCell + 4 * kRows;
inline constexpr Element kCount = kFirstTotalCell + 16;

constexpr Element RowHeading(int row) {
    return kFirstRowHeading + row - 1;
}
constexpr Element BidCell(int column, int row) {
    return kFirstBidCell + (column - 1) * kRows + row - 1;
}
constexpr Element ScoreCell(int column, int row) {
    return kFirstScoreCell + (column - 1) * kRows + row - 1;
}
constexpr Element TotalCell(int column, int pool) {
    return kFirstTotalCell + (column - 1) * 4 + pool - 1;
}

}  // namespace el

// The element's name in the window ("c1_u", "a11", "b23", "yt").
std::string ElementName(Element e);

using TimerId = int;

namespace timer {

// The trick timers: one chain per deal size n, the k-th timer starts and completes trick k
// (`_1`; `_21`, `_22`; ... `_91` ... `_99`), 45 in all.
constexpr TimerId Trick(int n, int k) {
    return n == 1 ? 0 : (n * (n - 1)) / 2 + k - 1;
}
inline constexpr TimerId kTrickCount = 45;
// Which chain a trick timer belongs to (its deal size n) and which trick k of it it starts.
struct ChainPlace {
    int n;
    int k;
};
// Every tick of a trick timer asks, so the answers are worked out once, by the compiler.
inline constexpr std::array<ChainPlace, kTrickCount> kChainPlaces = [] {
    std::array<ChainPlace, kTrickCount> places{};
    for (int n = 1; n <= 9; ++n) {
        for (int k = 1; k <= n; ++k)
            places[static_cast<std::size_t>(Trick(n, k))] = {n, k};
    }
    return places;
}();
constexpr ChainPlace PlaceInChain(TimerId id) {
    assert(id >= 0 && id < kTrickCount);
    return kChainPlaces[static_cast<std::size_t>(id)];
}
constexpr TimerId Play(int order) {
    return kTrickCount + order - 1;
}  // ch1..ch4
inline constexpr TimerId kTavidan = kTrickCount + 4;
inline constexpr TimerId kBoloj = kTavidan + 1;
constexpr TimerId Waiting(int dealer) {
    return kBoloj + dealer;
}  // waiting1..waiting3
inline constexpr TimerId kVacxado = kBoloj + 4;
inline constexpr TimerId kCount = kVacxado + 1;

}  // namespace timer

// The timer's name in the window ("_1", "_32", "ch4", "tavidan").
std::string TimerName(TimerId id);

}  // namespace zavkari
