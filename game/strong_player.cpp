#include "strong_player.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <limits>
#include <span>

#include "advice.h"
#include "hidden_cards.h"
#include "rules_player.h"

namespace zavkari {
namespace {

// How many deals a decision plays out: enough to tell the choices apart, few enough to decide in a
// few milliseconds. Playing out a deal costs about its number of cards left; the budget is in
// cards played.
constexpr int kCardBudget = 200'000;
constexpr int kMinWorlds = 12;
constexpr int kMaxWorlds = 200;
constexpr int kBidWorlds = 150;
constexpr int kTrumpWorlds = 40;
// With this many cards or fewer left in the seat's hand, its own play is searched to the end.
constexpr int kExactCards = 4;
// Tries at a deal of the unseen cards in which the described computers' hands give the bids they
// revealed.
constexpr int kBidMatchTries = 12;

CardSet SetOf(std::span<const CardRecord> cards) {
    CardSet set = 0;
    for (const CardRecord& card : cards)
        set |= CardBit(CardId{card.suit, card.rank});
    return set;
}

// The described computers' bid for a hand held as a set; the order the cards were dealt in is
// unknown, so they are taken in deck order.
int RulesBidOf(CardSet hand, int trump, bool firstHand) {
    std::array<CardRecord, kMaxHand> cards{};
    std::size_t n = 0;
    for (CardSet rest = hand; rest != 0 && n < cards.size(); rest &= rest - 1) {
        const int card = LowestCard(rest);
        cards[n++] = {0, SuitOfIndex(card), 0, RankOfIndex(card), true};
    }
    return ComputerBid(std::span<const CardRecord>(cards.data(), n), trump, firstHand);
}

// What a player who is not one of the described computers may be expected to bid: the cards that
// take a trick by themselves.
int LikelyBid(CardSet hand, int trump, int dealSize) {
    int bid = CardCount(hand & kWildCards);
    for (int suit = 1; suit <= 4; ++suit) {
        const CardSet cards = hand & SuitCards(suit) & ~kWildCards;
        if (cards == 0) continue;
        if (suit == trump) {
            // The queen, king and ace of trumps.
            bid += CardCount(cards & (CardSet{0x1C0} << ((suit - 1) * 9)));
        } else if (RankOfIndex(HighestCard(cards)) == kAce) {
            ++bid;
        }
    }
    return std::min(bid, dealSize);
}

// The seat's deal as it stands in the view, the other hands still empty.
SimulatedDeal DealFromView(const SeatView& view) {
    SimulatedDeal deal;
    deal.trump = view.trump;
    deal.dealSize = view.dealSize;
    deal.penalty = view.penalty;
    const TableSeen& table = *view.table;
    deal.players = table.players;
    deal.bids = table.bids;
    deal.bids[view.seat] = view.ownBid;
    deal.tricks = table.tricksTaken;
    deal.tricks[view.seat] = view.ownTricks;
    deal.hands[view.seat] = SetOf(view.hand);
    const auto plays = table.Plays();
    const std::size_t count = plays.size();
    const int trickCards = std::min<int>(table.trickCards, static_cast<int>(count));
    deal.trickNumber = static_cast<int>(count - static_cast<std::size_t>(trickCards)) / 4 + 1;
    deal.cardsInTrick = trickCards;
    deal.leader = view.seat;
    if (trickCards > 0) {
        const SeenPlay& lead = plays[count - static_cast<std::size_t>(trickCards)];
        deal.leader = lead.seat;
        deal.trickNumber = lead.trick;
        deal.wildLedByComputer = lead.declaration != Declaration::None && lead.seat != kHumanSeat;
        for (std::size_t i = count - static_cast<std::size_t>(trickCards); i < count; ++i)
            deal.strengths[plays[i].seat] = plays[i].strength;
    }
    deal.ledSuit = view.ledSuit;
    deal.declared = view.declared;
    return deal;
}

// A missed bid costs more than the difference of deal scores: a seat that misses a bid can no
// longer keep the pool's premium, and loses its best score of the pool if another seat keeps it;
// a seat that made every bid of its pool so far has more at stake.
int MissCost(const SeatView& view) {
    constexpr int kMiss = 50;
    constexpr int kPremiumAtStake = 60;
    const bool premiumAtStake = view.table->sheet.allBidsMade[view.seat];
    return kMiss + (premiumAtStake ? kPremiumAtStake : 0);
}

class Search {
  public:
    Search(const SeatView& view, std::uint64_t seed)
        : view_(view),
          random_(seed ^ Fingerprint(view)),
          hidden_(view),
          start_(DealFromView(view)) {
        start_.draws = &draws_;
        missCost_ = MissCost(view);
    }

    int Bid();
    int Trump();
    Move Card(std::span<const Move> moves);
    const SimulatedDeal& Start() const { return start_; }

  private:
    // A deal of the unseen cards; the bids not yet revealed are filled in by `FillBids`.
    SimulatedDeal World();
    bool BidsAgree(const SimulatedDeal& world) const;
    void FillBids(SimulatedDeal& deal) const;
    // The seat's value at the end of the deal, its own play searched to the end when few cards
    // are left and played by its model otherwise.
    int Finish(SimulatedDeal& deal) const;
    int BestEnding(const SimulatedDeal& deal) const;
    int Value(const SimulatedDeal& deal) const {
        const int seat = view_.seat;
        return deal.Score(seat) - (deal.tricks[seat] != deal.bids[seat] ? missCost_ : 0);
    }

    const SeatView& view_;
    SplitMix64 random_;
    HiddenCards hidden_;
    SimulatedDeal start_;
    ModelDraws draws_;
    int missCost_ = 0;
};

SimulatedDeal Search::World() {
    SimulatedDeal world = start_;
    for (int tries = 0;; ++tries) {
        world.hands = start_.hands;
        hidden_.Deal(random_, world.hands);
        if (tries + 1 >= kBidMatchTries || BidsAgree(world)) break;
    }
    draws_.Draw(random_);
    return world;
}

bool Search::BidsAgree(const SimulatedDeal& world) const {
    // The described computers bid by their table from the cards they were dealt: the cards they
    // still hold and those they have played. A dealer's bid may have moved by one.
    PerSeat<CardSet> dealt = world.hands;
    for (const SeenPlay& play : view_.table->Plays())
        dealt[play.seat] |= CardBit(play.card());
    for (int seat = 1; seat <= 3; ++seat) {
        const int shown = view_.table->bids[seat];
        if (seat == view_.seat || shown < 0 || view_.table->players[seat] != PlayerKind::Rules)
            continue;
        const int computed = RulesBidOf(dealt[seat], view_.trump, NextSeat(view_.dealer) == seat);
        const bool moved = seat == view_.dealer && shown == (computed == 0 ? 1 : computed - 1);
        if (computed != shown && !moved) return false;
    }
    return true;
}

void Search::FillBids(SimulatedDeal& deal) const {
    int dealer = view_.dealer;
    int others = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        if (view_.table->bids[seat] >= 0 || seat == view_.seat) continue;
        const bool rules = view_.table->players[seat] == PlayerKind::Rules;
        deal.bids[seat] = rules ? RulesBidOf(deal.hands[seat], deal.trump, NextSeat(dealer) == seat)
                                : LikelyBid(deal.hands[seat], deal.trump, deal.dealSize);
    }
    // The dealer may not make the bids add up to the cards dealt.
    if (dealer != view_.seat && view_.table->bids[dealer] < 0) {
        for (int seat = 1; seat <= 4; ++seat)
            others += seat == dealer ? 0 : deal.bids[seat];
        int& bid = deal.bids[dealer];
        if (bid == deal.dealSize - others) bid = bid == 0 ? 1 : bid - 1;
    }
}

int Search::BestEnding(const SimulatedDeal& deal) const {
    SimulatedDeal d = deal;
    while (!d.Over() && d.ToPlay() != view_.seat)
        d.PlayByModel();
    if (d.Over()) return Value(d);
    MoveList moves;
    const int count = d.LegalMoves(view_.seat, moves);
    if (count == 0) return Value(d);
    int best = std::numeric_limits<int>::min();
    for (int i = 0; i < count; ++i) {
        SimulatedDeal next = d;
        next.Play(moves[static_cast<std::size_t>(i)]);
        best = std::max(best, BestEnding(next));
    }
    return best;
}

int Search::Finish(SimulatedDeal& deal) const {
    if (CardCount(deal.hands[view_.seat]) <= kExactCards) return BestEnding(deal);
    deal.PlayOut();
    return Value(deal);
}

Move Search::Card(std::span<const Move> moves) {
    const int cardsLeft = std::max(CardCount(start_.hands[view_.seat]) * 4, 1);
    const int worlds = std::clamp(kCardBudget / (cardsLeft * static_cast<int>(moves.size())),
                                  kMinWorlds, kMaxWorlds);
    std::array<long, std::tuple_size_v<MoveList>> totals{};
    for (int w = 0; w < worlds; ++w) {
        const SimulatedDeal world = World();
        for (std::size_t i = 0; i < moves.size(); ++i) {
            SimulatedDeal deal = world;
            deal.Play(moves[i]);
            totals[i] += Finish(deal);
        }
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < moves.size(); ++i) {
        if (totals[i] > totals[best]) best = i;
    }
    return moves[best];
}

int Search::Bid() {
    const int n = view_.dealSize;
    int forbidden = -1;
    if (view_.seat == view_.dealer) {
        int others = 0;
        for (int seat = 1; seat <= 4; ++seat)
            others += seat == view_.seat ? 0 : std::max(view_.table->bids[seat], 0);
        forbidden = n - others;
    }
    std::array<long, kMaxHand + 1> totals{};
    for (int w = 0; w < kBidWorlds; ++w) {
        const SimulatedDeal world = World();
        for (int bid = 0; bid <= n; ++bid) {
            if (bid == forbidden) continue;
            SimulatedDeal deal = world;
            deal.bids[view_.seat] = bid;
            FillBids(deal);
            deal.leader = NextSeat(view_.dealer);
            deal.PlayOut();
            totals[static_cast<std::size_t>(bid)] += Value(deal);
        }
    }
    int best = -1;
    for (int bid = 0; bid <= n; ++bid) {
        if (bid == forbidden) continue;
        if (best < 0 ||
            totals[static_cast<std::size_t>(bid)] > totals[static_cast<std::size_t>(best)])
            best = bid;
    }
    return std::max(best, 0);
}

int Search::Trump() {
    hidden_.HideOwnRest(view_);
    // For each trump, the best bid over the deals the rest of the cards may make.
    std::array<std::array<long, kMaxHand + 1>, 5> totals{};
    for (int w = 0; w < kTrumpWorlds; ++w) {
        const SimulatedDeal world = World();
        for (int trump = 0; trump <= 4; ++trump) {
            for (int bid = 0; bid <= view_.dealSize; ++bid) {
                SimulatedDeal deal = world;
                deal.trump = trump;
                deal.bids[view_.seat] = bid;
                FillBids(deal);
                deal.leader = view_.seat;
                deal.PlayOut();
                totals[static_cast<std::size_t>(trump)][static_cast<std::size_t>(bid)] +=
                    Value(deal);
            }
        }
    }
    int best = 0;
    long bestValue = std::numeric_limits<long>::min();
    for (int trump = 0; trump <= 4; ++trump) {
        const auto& byBid = totals[static_cast<std::size_t>(trump)];
        const long value = *std::max_element(byBid.begin(), byBid.begin() + view_.dealSize + 1);
        if (value > bestValue) {
            best = trump;
            bestValue = value;
        }
    }
    return best;
}

CardDecision DecisionOf(Move move) {
    CardDecision decision;
    decision.card = {SuitOfIndex(move.card), RankOfIndex(move.card)};
    decision.high = move.way != Way::Low;
    if (move.way == Way::ViSi || move.way == Way::WaiRos) {
        decision.declaration = move.way == Way::ViSi ? Declaration::ViSi : Declaration::WaiRos;
        decision.named = move.named;
    }
    return decision;
}

// Which decision of which view a foreseen answer is for.
std::uint64_t KeyOf(const SeatView& view, Foresight::Question question) {
    return Fingerprint(view) * 2 + (question == Foresight::Question::Card ? 1 : 0);
}

}  // namespace

int StrongPlayer::Bid(const SeatView& view) {
    if (const auto known = Foreseen(KeyOf(view, Foresight::Question::Bid)); known.valid()) {
        ++answersForeseen_;
        return known.get().bid;
    }
    return DecideBid(view, seed_);
}

int StrongPlayer::DecideBid(const SeatView& view, std::uint64_t seed) {
    return Search(view, seed).Bid();
}

int StrongPlayer::Trump(const SeatView& view) {
    return Search(view, seed_).Trump();
}

CardDecision StrongPlayer::Card(const SeatView& view) {
    if (const auto known = Foreseen(KeyOf(view, Foresight::Question::Card)); known.valid()) {
        ++answersForeseen_;
        return known.get().card;
    }
    return DecideCard(view, seed_);
}

CardDecision StrongPlayer::DecideCard(const SeatView& view, std::uint64_t seed) {
    Search search(view, seed);
    MoveList moves;
    const int count = search.Start().LegalMoves(view.seat, moves);
    if (count == 0) {
        CardDecision any;
        if (!view.hand.empty()) any.card = {view.hand[0].suit, view.hand[0].rank};
        return any;
    }
    if (count == 1) return DecisionOf(moves[0]);
    return DecisionOf(
        search.Card(std::span<const Move>(moves.data(), static_cast<std::size_t>(count))));
}

int StrongPlayer::NamedSuit(const SeatView& view, CardId wild, Declaration declaration) const {
    if (!IsWildCard(wild.suit, wild.rank)) return 1;
    const Way way = declaration == Declaration::WaiRos ? Way::WaiRos : Way::ViSi;
    std::array<Move, 4> moves{};
    for (std::int8_t suit = 1; suit <= 4; ++suit)
        moves[static_cast<std::size_t>(suit - 1)] = {
            static_cast<std::int8_t>(CardIndex(wild.suit, wild.rank)), way, suit};
    return Search(view, seed_).Card(moves).named;
}

void StrongPlayer::SetSeed(std::uint64_t seed) {
    const std::lock_guard lock(foresightLock_);
    seed_ = seed;
    foreseen_.clear();
}

bool StrongPlayer::HasForeseen(const SeatView& view, Foresight::Question question) const {
    const std::shared_future<Answer> answer = Foreseen(KeyOf(view, question));
    return answer.valid() && answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

std::shared_future<StrongPlayer::Answer> StrongPlayer::Foreseen(std::uint64_t key) const {
    const std::lock_guard lock(foresightLock_);
    const auto found = foreseen_.find(key);
    return found == foreseen_.end() ? std::shared_future<Answer>() : found->second;
}

void StrongPlayer::Foresee(const Foresight& foresight) const {
    // A few deals' worth of answers are kept; older ones are never asked for again.
    constexpr std::size_t kAnswersKept = 64;
    const SeatView& view = foresight.kept.view();
    const std::uint64_t key = KeyOf(view, foresight.question);
    std::promise<Answer> answer;
    {
        const std::lock_guard lock(foresightLock_);
        // Foreseen in another match, or foreseen already.
        if (foresight.seed != seed_ || foreseen_.contains(key)) return;
        if (foreseen_.size() >= kAnswersKept) foreseen_.clear();
        foreseen_.emplace(key, answer.get_future().share());
    }
    Answer worked;
    if (foresight.question == Foresight::Question::Bid) {
        worked.bid = DecideBid(view, foresight.seed);
    } else {
        worked.card = DecideCard(view, foresight.seed);
    }
    answer.set_value(worked);
}

Advice Advise(const HumanQuestion& question) {
    StrongPlayer engine;
    engine.SetSeed(question.seed);
    const SeatView& view = question.kept.view();
    Advice advice;
    advice.asked = question.asked;
    switch (question.asked) {
        case Asked::Trump:
            advice.item = engine.Trump(view);
            break;
        case Asked::Bid:
            advice.item = engine.Bid(view);
            break;
        case Asked::ViSiSuit:
        case Asked::WaiRosSuit:
            advice.item = engine.NamedSuit(
                view, question.wildCard,
                question.asked == Asked::ViSiSuit ? Declaration::ViSi : Declaration::WaiRos);
            break;
        case Asked::Card:
            advice.card = engine.Card(view);
            break;
        default:
            break;
    }
    return advice;
}

}  // namespace zavkari
