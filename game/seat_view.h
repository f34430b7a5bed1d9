// What one seat knows when it must decide: its own hand, the trump and the turned card, the bids
// revealed so far, every card put into a trick in this deal and by whom, the tricks taken, where
// the match stands and the score sheet. Nothing else: no other hand and no undealt card. Whoever
// decides for a seat sees the game only through this value.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "cards.h"
#include "player_kind.h"

namespace zavkari {

enum class Declaration : std::uint8_t { None, ViSi, WaiRos };

// A card put into a trick, as the table showed it. Small, so that a deal's plays copy quickly.
struct SeenPlay {
    std::int8_t trick = 0;  // 1..dealSize
    std::int8_t seat = 0;
    std::int8_t suit = -1;
    std::int8_t rank = -1;
    std::int16_t strength = 0;                    // the strength it entered the trick with
    Declaration declaration = Declaration::None;  // of a wild card that led
    std::int8_t named = 0;                        // the suit its declaration named, 1..4

    constexpr CardId card() const { return {suit, rank}; }
};

// The score sheet as every seat sees it.
struct SheetSeen {
    PerSeat<int> runningTotalTenths{};  // of the last pool totalled, in tenths of the shown figure
    PerSeat<int> poolPoints{};    // the seat's scores of the pool so far, marks at the penalty
    PerSeat<bool> allBidsMade{};  // the seat made every bid of the pool so far
};

// What the whole table has seen of the match and of the deal under way, the same for every seat:
// the game writes it down as the table shows each thing.
struct TableSeen {
    PerSeat<PlayerKind> players{};
    int row = 0;                          // the deal's row on the sheet, 1..24
    CardId turned;                        // the turned trump card; empty in nine-card deals
    PerSeat<int> bids{{-1, -1, -1, -1}};  // -1 until the bid is revealed
    PerSeat<int> tricksTaken{};
    // Every card put into a trick in this deal, in playing order; the trick under way holds the
    // last `trickCards` of them.
    std::array<SeenPlay, kDeckSize> plays{};
    int playCount = 0;
    int trickCards = 0;
    SheetSeen sheet;

    std::span<const SeenPlay> Plays() const {
        return {plays.data(), static_cast<std::size_t>(playCount)};
    }
};

struct SeatView {
    int seat = 0;
    // The seat's own cards in the order they were dealt; a computer's with the strengths they
    // were dealt with. The view shows the game's own hand, for the length of a decision.
    std::span<const CardRecord> hand;
    int dealSize = 0;
    int dealer = 0;
    int trump = 0;
    int ownBid = -1;  // a computer knows its own bid before the table shows it
    int ownTricks = 0;
    bool leads = false;                        // the seat leads the trick it is asked for
    int ledSuit = 0;                           // the led or named suit of the trick under way
    Declaration declared = Declaration::None;  // the declaration that trick is played under
    int penalty = 0;                           // what a penalty mark counts at a pool's total
    const TableSeen* table = nullptr;
};

// A view that keeps its own copy of the hand and of what the table has seen, to be answered later
// or elsewhere.
class KeptView {
  public:
    KeptView() = default;
    explicit KeptView(const SeatView& view) { Keep(view); }
    KeptView(const KeptView& other) { Keep(other.view_); }
    KeptView& operator=(const KeptView& other) {
        if (this != &other) Keep(other.view_);
        return *this;
    }

    const SeatView& view() const { return view_; }
    SeatView& view() { return view_; }

  private:
    void Keep(const SeatView& view);

    SeatView view_;
    std::array<CardRecord, kMaxHand> hand_{};
    TableSeen table_;
};

// A number that changes when anything the seat has seen changes: the strong players' seed for a
// decision, so that the same view always gives the same decision.
std::uint64_t Fingerprint(const SeatView& view);

}  // namespace zavkari
