#include "deal_simulator.h"

#include <algorithm>

namespace zavkari {
namespace {

// The strengths a described computer's wild card takes when it answers a declared wild card with
// its bid met, and a waiRos lead of theirs.
constexpr int kRulesWildOfNamedSuit = 201;
constexpr int kRulesWildAnswer = 200;
constexpr int kRulesWaiRosLead = 1;

}  // namespace

void ModelDraws::Draw(SplitMix64& random) {
    for (std::uint8_t& order : dealtOrder)
        order = static_cast<std::uint8_t>(random.Below(256));
    for (auto& suits : namedSuit) {
        for (std::int8_t& suit : suits)
            suit = static_cast<std::int8_t>(1 + random.Below(4));
    }
}

int SimulatedDeal::ToPlay() const {
    return (leader - 1 + cardsInTrick) % 4 + 1;
}

int SimulatedDeal::TableStrength(int card) const {
    if (IsWildIndex(card)) return kWildStrength;
    const int rank = RankOfIndex(card);
    return SuitOfIndex(card) == trump ? rank + 10 : rank;
}

int SimulatedDeal::DeclarationFor(int seat) const {
    // When the left computer leads, the human's seat plays last, after the table has already put
    // the declaration aside: its card answers as in an undeclared trick.
    if (seat == kHumanSeat && leader == 1) return static_cast<int>(Declaration::None);
    return static_cast<int>(declared);
}

bool SimulatedDeal::HundredInTrick() const {
    for (int i = 0, seat = leader; i < cardsInTrick; ++i, seat = NextSeat(seat)) {
        if (strengths[seat] == kWildStrength) return true;
    }
    return false;
}

int SimulatedDeal::LegalMoves(int seat, MoveList& moves) const {
    const CardSet hand = hands[seat];
    const CardSet wilds = hand & kWildCards;
    CardSet plain = hand & ~kWildCards;
    int count = 0;
    if (cardsInTrick == 0) {
        for (CardSet rest = plain; rest != 0; rest &= rest - 1)
            moves[static_cast<std::size_t>(count++)] = {static_cast<std::int8_t>(LowestCard(rest))};
        for (CardSet rest = wilds; rest != 0; rest &= rest - 1) {
            const auto card = static_cast<std::int8_t>(LowestCard(rest));
            for (std::int8_t suit = 1; suit <= 4; ++suit) {
                moves[static_cast<std::size_t>(count++)] = {card, Way::ViSi, suit};
                moves[static_cast<std::size_t>(count++)] = {card, Way::WaiRos, suit};
            }
        }
        return count;
    }
    // Follow the led or named suit; without it, trump; in a viSi trick, the highest card of the
    // named suit, which is the wild card of that suit when the seat holds it. A wild card is never
    // held back.
    const CardSet led = plain & SuitCards(ledSuit);
    if (led != 0) {
        if (DeclarationFor(seat) == static_cast<int>(Declaration::ViSi)) {
            plain = (wilds & SuitCards(ledSuit)) != 0 ? 0 : CardBit(HighestCard(led));
        } else {
            plain = led;
        }
    } else if (const CardSet trumps = plain & SuitCards(trump); trumps != 0) {
        plain = trumps;
    }
    for (CardSet rest = plain; rest != 0; rest &= rest - 1)
        moves[static_cast<std::size_t>(count++)] = {static_cast<std::int8_t>(LowestCard(rest))};
    for (CardSet rest = wilds; rest != 0; rest &= rest - 1) {
        const auto card = static_cast<std::int8_t>(LowestCard(rest));
        moves[static_cast<std::size_t>(count++)] = {card, Way::High};
        moves[static_cast<std::size_t>(count++)] = {card, Way::Low};
    }
    return count;
}

int SimulatedDeal::StrengthAsHuman(int seat, Move move) const {
    if (cardsInTrick == 0) {
        if (move.way == Way::ViSi) return kWildStrength;
        if (move.way == Way::WaiRos) return 0;
        return TableStrength(move.card);
    }
    if (IsWildIndex(move.card)) {
        if (move.way == Way::Low) return 0;
        return HundredInTrick() ? kWildStrength + 1 : kWildStrength;
    }
    const int suit = SuitOfIndex(move.card);
    const int strength = TableStrength(move.card);
    if (DeclarationFor(seat) != static_cast<int>(Declaration::None) && suit == trump &&
        ledSuit != trump) {
        return strength + kDeclaredTrumpBonus;
    }
    return suit == ledSuit || suit == trump ? strength : 0;
}

Move SimulatedDeal::RulesMove(int seat, int& strength) const {
    const CardSet hand = hands[seat];
    const bool met = tricks[seat] == bids[seat];
    // The lowest or highest strength of a set; on a tie the card dealt first, as the table takes
    // the lowest slot.
    const auto pick = [this](CardSet cards, bool highest) {
        int found = -1;
        int foundStrength = 0;
        for (; cards != 0; cards &= cards - 1) {
            const int card = LowestCard(cards);
            const int s = TableStrength(card);
            const bool better = highest ? s > foundStrength : s < foundStrength;
            const bool earlier =
                s == foundStrength && draws->dealtOrder[static_cast<std::size_t>(card)] <
                                          draws->dealtOrder[static_cast<std::size_t>(found)];
            if (found < 0 || better || earlier) {
                found = card;
                foundStrength = s;
            }
        }
        return found;
    };
    // The first card of a set in the order the seat's cards were dealt.
    const auto first = [this](CardSet cards) {
        int found = -1;
        for (; cards != 0; cards &= cards - 1) {
            const int card = LowestCard(cards);
            if (found < 0 || draws->dealtOrder[static_cast<std::size_t>(card)] <
                                 draws->dealtOrder[static_cast<std::size_t>(found)]) {
                found = card;
            }
        }
        return found;
    };

    Move move;
    if (cardsInTrick == 0) {
        int card = met && trump != kNoTrump ? first(hand & SuitCards(trump)) : -1;
        if (card < 0) card = pick(hand, !met);
        move.card = static_cast<std::int8_t>(card);
        strength = TableStrength(card);
        if (IsWildIndex(card)) {
            move.way = met ? Way::WaiRos : Way::ViSi;
            move.named = draws->namedSuit[seat][static_cast<std::size_t>(trickNumber)];
            strength = met ? kRulesWaiRosLead : kWildStrength;
        }
        return move;
    }

    const CardSet led = hand & SuitCards(ledSuit);
    const CardSet trumps = hand & SuitCards(trump);
    int card = -1;
    int wildStrength = kWildStrength;  // what a wild card chosen here enters with, unless low
    if (declared == Declaration::None) {
        card = pick(led, !met);
        if (card < 0) card = pick(trumps, !met);
        strength = card < 0 ? 0 : TableStrength(card);
        if (card < 0) card = pick(hand, met);
        if (met) wildStrength = 0;
    } else {
        const bool viSi = declared == Declaration::ViSi;
        card = pick(led, viSi);
        if (card >= 0) {
            strength = TableStrength(card);
            wildStrength = met ? kRulesWildOfNamedSuit : 0;
        } else {
            card = pick(trumps, met);
            if (card >= 0) {
                strength = TableStrength(card) + (met ? kDeclaredTrumpBonus : 0);
            } else {
                card = pick(hand, true);
                strength = viSi ? TableStrength(card) : 0;
            }
            wildStrength = met ? kRulesWildAnswer : 0;
        }
    }
    move.card = static_cast<std::int8_t>(card);
    if (IsWildIndex(card)) {
        strength = wildStrength;
        move.way = wildStrength == 0 ? Way::Low : Way::High;
    }
    if (strength == kWildStrength && HundredInTrick()) strength = kWildStrength + 1;
    return move;
}

Move SimulatedDeal::AimMove(int seat) const {
    MoveList moves;
    const int count = LegalMoves(seat, moves);
    const std::span<const Move> legal(moves.data(), static_cast<std::size_t>(count));
    const bool wantsTricks = tricks[seat] != bids[seat];
    const auto plainStrength = [this](Move m) {
        return m.way == Way::Plain ? TableStrength(m.card) : kWildStrength;
    };

    if (cardsInTrick == 0) {
        if (wantsTricks) {
            // A wild card leads as viSi naming the trump: no trump can beat it then.
            for (const Move m : legal) {
                if (m.way == Way::ViSi && (m.named == trump || (trump == kNoTrump && m.named == 1)))
                    return m;
            }
            return *std::max_element(legal.begin(), legal.end(), [&](Move a, Move b) {
                return plainStrength(a) < plainStrength(b);
            });
        }
        const Move lowest = *std::min_element(legal.begin(), legal.end(), [&](Move a, Move b) {
            return plainStrength(a) < plainStrength(b);
        });
        if (lowest.way == Way::Plain) return lowest;
        // Only wild cards are left: waiRos gives the trick away to the named suit.
        for (const Move m : legal) {
            if (m.way == Way::WaiRos && (hands[seat] & SuitCards(m.named) & ~kWildCards) == 0)
                return m;
        }
        return {lowest.card, Way::WaiRos, 1};
    }

    int top = -1;
    for (int i = 0, s = leader; i < cardsInTrick; ++i, s = NextSeat(s))
        top = std::max(top, strengths[s]);
    const bool last = cardsInTrick == 3;
    Move chosen = legal.front();
    int chosenScore = -1'000'000;
    for (const Move m : legal) {
        const int s = StrengthAsHuman(seat, m);
        const bool takes = s > top;
        const bool wild = m.way != Way::Plain;
        int score = 0;
        if (wantsTricks) {
            // Take it as cheaply as possible playing last, as surely as possible before; a wild
            // card only when no plain card takes it. Otherwise throw the least useful card.
            if (takes) {
                score = 10'000 + (last ? -s : s) - (wild ? 5'000 : 0);
            } else {
                score = -plainStrength(m) - (wild ? 1'000 : 0);
            }
        } else if (!takes) {
            // Stay under: throw the most dangerous plain card that does not take it; keep a wild
            // card, which can always go low later.
            score = 10'000 + plainStrength(m) - (wild ? 5'000 : 0);
        } else {
            // Every card takes it for now: playing last, spend the strongest; otherwise the
            // weakest, which a later card may still beat.
            score = last ? s : -s;
        }
        if (score > chosenScore) {
            chosen = m;
            chosenScore = score;
        }
    }
    return chosen;
}

void SimulatedDeal::Play(Move move) {
    Enter(move, StrengthAsHuman(ToPlay(), move));
}

void SimulatedDeal::PlayByModel() {
    const int seat = ToPlay();
    if (hands[seat] == 0) return Enter({}, 0);  // a hand short of cards passes
    if (players[seat] != PlayerKind::Rules) return Play(AimMove(seat));
    int strength = 0;
    const Move move = RulesMove(seat, strength);
    Enter(move, strength);
}

void SimulatedDeal::Enter(Move move, int strength) {
    const int seat = ToPlay();
    if (move.card >= 0) hands[seat] &= ~CardBit(move.card);
    if (cardsInTrick == 0) {
        ledSuit = SuitOfIndex(move.card);
        declared = Declaration::None;
        wildLedByComputer = false;
        if (move.way == Way::ViSi || move.way == Way::WaiRos) {
            ledSuit = move.named;
            declared = move.way == Way::ViSi ? Declaration::ViSi : Declaration::WaiRos;
            wildLedByComputer = seat != kHumanSeat;
        }
    }
    strengths[seat] = strength;
    if (++cardsInTrick >= 4) ResolveTrick();
}

void SimulatedDeal::ResolveTrick() {
    int strongest = 1;
    for (int seat = 2; seat <= 4; ++seat) {
        if (strengths[seat] > strengths[strongest]) strongest = seat;
    }
    bool tie = false;
    for (int seat = 1; seat <= 4; ++seat)
        tie = tie || (seat != strongest && strengths[seat] == strengths[strongest]);
    if (!tie) {
        ++tricks[strongest];
        leader = strongest;
    }
    cardsInTrick = 0;
    ++trickNumber;
    declared = Declaration::None;
}

void SimulatedDeal::PlayOut() {
    // Every card takes one step; a deal given a hand that cannot be played still comes to an end.
    for (int cards = 0; !Over() && cards <= 4 * kMaxHand; ++cards)
        PlayByModel();
}

int SimulatedDeal::Score(int seat) const {
    const int t = tricks[seat];
    if (t == bids[seat]) return DealPoints(dealSize, bids[seat]);
    return t > 0 ? 10 * t : penalty;
}

}  // namespace zavkari
