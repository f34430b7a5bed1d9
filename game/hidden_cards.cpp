#include "hidden_cards.h"

#include <array>

namespace zavkari {
namespace {

// Tries at dealing the unseen cards so that no seat gets a suit it has shown it lacks.
constexpr int kDealTries = 24;

// The suit each trick of the deal was led in, or named in by a wild card's declaration, and who
// led it.
struct TrickLead {
    int suit = 0;
    int seat = 0;
    bool declared = false;
};

// Takes `count` cards of `from` at random.
CardSet TakeAtRandom(SplitMix64& random, CardSet from, int count) {
    std::array<int, kDeckSize> cards{};
    int size = 0;
    for (CardSet rest = from; rest != 0; rest &= rest - 1)
        cards[static_cast<std::size_t>(size++)] = LowestCard(rest);
    CardSet taken = 0;
    for (int i = 0; i < count && i < size; ++i) {
        const int j = i + random.Below(size - i);
        std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(j)]);
        taken |= CardBit(cards[static_cast<std::size_t>(i)]);
    }
    return taken;
}

}  // namespace

HiddenCards::HiddenCards(const SeatView& view) {
    CardSet seen = 0;
    for (const CardRecord& card : view.hand)
        seen |= CardBit(CardId{card.suit, card.rank});
    const TableSeen& table = *view.table;
    if (!table.turned.empty()) seen |= CardBit(table.turned);
    PerSeat<int> played{};
    std::array<TrickLead, kMaxHand + 2> leads{};
    for (const SeenPlay& play : table.Plays()) {
        seen |= CardBit(play.card());
        ++played[play.seat];
        TrickLead& lead =
            leads[static_cast<std::size_t>(std::clamp<int>(play.trick, 0, kMaxHand + 1))];
        if (lead.seat == 0) {
            lead = {play.declaration != Declaration::None ? play.named : play.suit, play.seat,
                    play.declaration != Declaration::None};
            continue;
        }
        // A follower who did not follow lacks the suit; the described computers then trump when
        // they can, counting a wild card in its suit; every other player keeps to the led suit and
        // to trumps with its plain cards only. The human is free of both after a computer's
        // declared wild card.
        const int seat = play.seat;
        const bool rules = table.players[seat] == PlayerKind::Rules;
        if (IsWildCard(play.suit, play.rank) && !rules) continue;
        if (table.players[seat] == PlayerKind::Human && lead.declared && lead.seat != kHumanSeat)
            continue;
        if (play.suit == lead.suit) continue;
        const CardSet plain = rules ? kWholeDeck : ~kWildCards;
        excluded_[seat] |= SuitCards(lead.suit) & plain;
        if (play.suit != view.trump) excluded_[seat] |= SuitCards(view.trump) & plain;
    }
    unseen_ = kWholeDeck & ~seen;
    for (int seat = 1; seat <= 4; ++seat) {
        needed_[seat] = seat == view.seat ? 0 : std::max(view.dealSize - played[seat], 0);
        excluded_[seat] &= unseen_;
    }
}

void HiddenCards::HideOwnRest(const SeatView& view) {
    needed_[view.seat] = std::max(view.dealSize - static_cast<int>(view.hand.size()), 0);
}

void HiddenCards::Deal(SplitMix64& random, PerSeat<CardSet>& hands) const {
    for (int attempt = 0; attempt < kDealTries; ++attempt) {
        PerSeat<CardSet> tried = hands;
        if (DealKeepingLacks(random, tried)) {
            hands = tried;
            return;
        }
    }
    CardSet rest = unseen_;
    for (int seat = 1; seat <= 4; ++seat) {
        const CardSet taken = TakeAtRandom(random, rest, needed_[seat]);
        hands[seat] |= taken;
        rest &= ~taken;
    }
}

bool HiddenCards::DealKeepingLacks(SplitMix64& random, PerSeat<CardSet>& hands) const {
    CardSet rest = unseen_;
    PerSeat<bool> dealt{};
    for (int round = 0; round < 4; ++round) {
        // The seat with the least room to spare is dealt first.
        int next = 0;
        int leastRoom = 0;
        for (int seat = 1; seat <= 4; ++seat) {
            if (dealt[seat]) continue;
            const int room = CardCount(rest & ~excluded_[seat]) - needed_[seat];
            if (next == 0 || room < leastRoom) {
                next = seat;
                leastRoom = room;
            }
        }
        if (leastRoom < 0) return false;
        const CardSet taken = TakeAtRandom(random, rest & ~excluded_[next], needed_[next]);
        hands[next] |= taken;
        rest &= ~taken;
        dealt[next] = true;
    }
    return true;
}

}  // namespace zavkari
