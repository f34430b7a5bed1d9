// The vocabulary of the game: suit, rank and seat codes, the card record, the deck order and the
// order code that names who plays last in a trick.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

namespace zavkari {

// Suit codes; 0 exists only as a trump value ("bezi", no trump).
inline constexpr int kNoTrump = 0;
inline constexpr int kAguri = 1;  // diamonds
inline constexpr int kGuli = 2;   // hearts
inline constexpr int kJvari = 3;  // clubs
inline constexpr int kYvavi = 4;  // spades

// Rank codes 1..9: six, seven, eight, nine, ten, jack, queen, king, ace.
inline constexpr int kSix = 1;
inline constexpr int kTen = 5;
inline constexpr int kJack = 6;
inline constexpr int kQueen = 7;
inline constexpr int kKing = 8;
inline constexpr int kAce = 9;

// Seats 1..3 are the computer players (left, top, right), 4 is the human at the bottom.
inline constexpr int kHumanSeat = 4;
inline constexpr int kDeckSize = 36;
inline constexpr int kMaxHand = 9;

// Strength of a wild card in the deck and in the computer hands.
inline constexpr int kWildStrength = 100;
// What a trump answering a declared wild card whose named suit is not trump counts on top of its
// strength.
inline constexpr int kDeclaredTrumpBonus = 100;

// An array indexed First..Last, so that seats, slots and columns keep the numbers the rules use.
template <class T, int First, int Last>
struct Indexed {
    std::array<T, Last - First + 1> items{};

    constexpr T& operator[](int i) {
        assert(i >= First && i <= Last);
        return items[static_cast<std::size_t>(i - First)];
    }
    constexpr const T& operator[](int i) const {
        assert(i >= First && i <= Last);
        return items[static_cast<std::size_t>(i - First)];
    }
    constexpr auto begin() { return items.begin(); }
    constexpr auto end() { return items.end(); }
    constexpr auto begin() const { return items.begin(); }
    constexpr auto end() const { return items.end(); }
    friend constexpr bool operator==(const Indexed&, const Indexed&) = default;
};

// Arrays over the computer seats 1..3, all seats 1..4, and the hand slots 1..9.
template <class T>
using PerComputer = Indexed<T, 1, 3>;
template <class T>
using PerSeat = Indexed<T, 1, 4>;
template <class T>
using PerSlot = Indexed<T, 1, kMaxHand>;

struct CardRecord {
    int image = 0;  // the card's face-image element on the table (its deck index)
    int suit = 0;
    int strength = 0;
    int rank = 0;
    bool dealt = false;

    friend constexpr bool operator==(const CardRecord&, const CardRecord&) = default;
};

struct CardId {
    int suit = -1;
    int rank = -1;

    constexpr bool empty() const { return suit == -1 && rank == -1; }
    friend constexpr bool operator==(const CardId&, const CardId&) = default;
};

inline constexpr CardId kEmptySlot{-1, -1};

constexpr bool IsValidCard(int suit, int rank) {
    return suit >= 1 && suit <= 4 && rank >= 1 && rank <= 9;
}

// Deck index of a card: diamonds six to ace first, then hearts, clubs and spades.
constexpr int CardIndex(int suit, int rank) {
    assert(IsValidCard(suit, rank));
    return (suit - 1) * 9 + (rank - 1);
}

// The black sixes are the two wild cards; no other flag marks them.
constexpr bool IsWildCard(int suit, int rank) {
    return (suit == kJvari || suit == kYvavi) && rank == kSix;
}

// The seat that leads a trick whose order code (the seat playing last) is `order`.
constexpr int LeaderOf(int order) {
    return order % 4 + 1;
}

// The order code of the trick after one taken by `seat`: the seat before the winner plays last.
constexpr int OrderAfterWinner(int seat) {
    return seat == 1 ? 4 : seat - 1;
}

// The seat after `seat` in play order 1 -> 2 -> 3 -> 4 -> 1.
constexpr int NextSeat(int seat) {
    return seat % 4 + 1;
}

// Suit words as the game writes them; index is the trump code, 0 = "bezi".
inline constexpr std::array<std::string_view, 5> kSuitWords = {"bezi", "aguri", "guli", "jvari",
                                                               "yvavi"};

// Name of a card's face image ("a6", "g10", "yt"), or "no" for a pair that names no card.
std::string_view CardImageName(int suit, int rank);

// A card in the game's Georgian words, suit then rank ("gulis tuzi", a wild card "jvaris Savi
// eqvsiani"), for whoever reads the table aloud; empty for a pair that names no card.
std::string CardWords(CardId card);

}  // namespace zavkari
