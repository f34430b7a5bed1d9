// A deal played out quickly, every hand in the open: the strong players' search plays thousands of
// them for one decision. Hands are sets of cards in one 64-bit word; the cards enter the tricks
// with the strengths the game gives them, by the described computers' table for their seats and by
// the human's rule for every other seat, and the trick goes to the strongest card as at the table.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <span>

#include "cards.h"
#include "deal_points.h"
#include "random_source.h"
#include "seat_view.h"

namespace zavkari {

// A set of cards: bit CardIndex(suit, rank) for each card in it.
using CardSet = std::uint64_t;

constexpr CardSet CardBit(int index) {
    return CardSet{1} << index;
}
constexpr CardSet CardBit(CardId card) {
    return CardBit(CardIndex(card.suit, card.rank));
}
constexpr CardSet SuitCards(int suit) {
    return suit < 1 || suit > 4 ? 0 : CardSet{0x1FF} << ((suit - 1) * 9);
}
inline constexpr CardSet kWildCards =
    CardBit(CardIndex(kJvari, kSix)) | CardBit(CardIndex(kYvavi, kSix));
inline constexpr CardSet kWholeDeck = (CardSet{1} << kDeckSize) - 1;

constexpr int SuitOfIndex(int index) {
    return index / 9 + 1;
}
constexpr int RankOfIndex(int index) {
    return index % 9 + 1;
}
constexpr bool IsWildIndex(int index) {
    return (CardBit(index) & kWildCards) != 0;
}
inline int CardCount(CardSet cards) {
    return std::popcount(cards);
}
inline int LowestCard(CardSet cards) {
    return std::countr_zero(cards);
}
inline int HighestCard(CardSet cards) {
    return 63 - std::countl_zero(cards);
}

// How a card is put into a trick: a plain card, a wild card that follows high or low, or a wild
// card that leads with a declaration naming a suit.
enum class Way : std::uint8_t { Plain, High, Low, ViSi, WaiRos };

struct Move {
    std::int8_t card = -1;  // deck index
    Way way = Way::Plain;
    std::int8_t named = 0;  // the suit a declaration names, 1..4

    friend constexpr bool operator==(const Move&, const Move&) = default;
};

// Every way a seat may put a card into a trick: at most nine plain cards, or eight ways for each of
// two wild cards that lead.
using MoveList = std::array<Move, 24>;

// The random draws a described computer makes in one played-out deal, drawn once for the deal so
// that replaying a position gives the same answers: the order its cards were dealt in (its "first
// card of a suit") and the suit each of its wild-card leads names.
struct ModelDraws {
    std::array<std::uint8_t, kDeckSize> dealtOrder{};
    PerSeat<std::array<std::int8_t, kMaxHand + 1>> namedSuit{};

    void Draw(SplitMix64& random);
};

class SimulatedDeal {
  public:
    int trump = 0;
    int dealSize = 0;
    int penalty = -200;
    PerSeat<PlayerKind> players{};
    PerSeat<CardSet> hands{};
    PerSeat<int> bids{};
    PerSeat<int> tricks{};
    const ModelDraws* draws = nullptr;

    // The trick under way.
    int leader = 0;
    int cardsInTrick = 0;
    int trickNumber = 1;
    int ledSuit = 0;
    Declaration declared = Declaration::None;
    bool wildLedByComputer = false;
    PerSeat<int> strengths{};

    int ToPlay() const;
    bool Over() const { return trickNumber > dealSize; }
    int TableStrength(int card) const;

    // The moves that break no obligation, for a seat that plays as the human does.
    int LegalMoves(int seat, MoveList& moves) const;
    // The strength a move of a seat that plays as the human does enters the trick with.
    int StrengthAsHuman(int seat, Move move) const;
    // The described computers' choice for `seat`, with the strength their table gives it.
    Move RulesMove(int seat, int& strength) const;
    // A plain aim at the bid: take the trick while short of it, keep out of it once it is made.
    Move AimMove(int seat) const;

    // Puts `move` into the trick for the seat to play, which plays as the human does; after the
    // fourth card the trick is decided and the next one begins.
    void Play(Move move);
    // The seat to play plays as its model says: the described table, or the aim at its bid.
    void PlayByModel();
    // Plays the deal to its end, every seat by its model.
    void PlayOut();
    // The seat's deal score as the sheet would count it, a penalty mark at the penalty.
    int Score(int seat) const;

  private:
    void Enter(Move move, int strength);
    int DeclarationFor(int seat) const;
    bool HundredInTrick() const;
    void ResolveTrick();
};

}  // namespace zavkari
