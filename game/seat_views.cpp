// Who decides for each seat, and the view each seat decides from. What every seat has seen alike
// (the revealed bids, the cards played, the tricks taken, the sheet) is written down as the table
// shows it; a view adds the seat's own cards and the trick under way, so that it is quick to
// build: the described computers decide from one too.
#include <algorithm>

#include "game.h"

namespace zavkari {
namespace {

std::uint64_t Mix(std::uint64_t hash, std::int64_t value) {
    return SplitMix64(hash ^ static_cast<std::uint64_t>(value)).Next();
}

}  // namespace

void KeptView::Keep(const SeatView& view) {
    view_ = view;
    const std::size_t cards = std::min(view.hand.size(), hand_.size());
    std::copy_n(view.hand.begin(), cards, hand_.begin());
    view_.hand = std::span<const CardRecord>(hand_.data(), cards);
    if (view.table != nullptr) table_ = *view.table;
    view_.table = &table_;
}

std::uint64_t Fingerprint(const SeatView& v) {
    std::uint64_t h = 0;
    for (const int value :
         {v.seat, static_cast<int>(v.hand.size()), v.dealSize, v.dealer, v.trump, v.ownBid,
          v.ownTricks, int{v.leads}, v.ledSuit, static_cast<int>(v.declared), v.penalty}) {
        h = Mix(h, value);
    }
    for (const CardRecord& card : v.hand)
        h = Mix(h, CardIndex(card.suit, card.rank));
    if (v.table == nullptr) return h;
    const TableSeen& t = *v.table;
    for (const int value : {t.row, t.turned.suit, t.turned.rank, t.trickCards})
        h = Mix(h, value);
    for (int seat = 1; seat <= 4; ++seat) {
        for (const int value : {static_cast<int>(t.players[seat]), t.bids[seat],
                                t.tricksTaken[seat], t.sheet.runningTotalTenths[seat],
                                t.sheet.poolPoints[seat], int{t.sheet.allBidsMade[seat]}}) {
            h = Mix(h, value);
        }
    }
    for (const SeenPlay& p : t.Plays()) {
        h = Mix(h, ((p.seat * 64 + CardIndex(p.suit, p.rank)) * 512 + p.strength) * 64 +
                       static_cast<int>(p.declaration) * 8 + p.named);
    }
    return h;
}

Player& Game::PlayerAt(int seat) {
    if (seat >= 1 && seat <= 3 && seating_[seat] == PlayerKind::Strong) return strong_;
    return rules_;
}

void Game::SeatPlayers() {
    for (int seat = 1; seat <= 3; ++seat)
        seating_[seat] = options.opponents;
    seen_.players = seating_;
    // The cards played are written down for whoever reads them: a strong player, or the hint.
    playsWatched_ = options.opponents == PlayerKind::Strong || table_.view().OffersHints();
    // The strong players draw the seed of their searches from the game's random source once a
    // match, so that a seeded match plays the same every time. The described players draw
    // nothing here, and their matches stay as they were.
    if (options.opponents == PlayerKind::Strong) {
        const auto high = static_cast<std::uint64_t>(random_.Random(1 << 30));
        strong_.SetSeed(high << 30 | static_cast<std::uint64_t>(random_.Random(1 << 30)));
    }
}

void Game::RevealBid(int seat) {
    table_.Show(el::BidLabel(seat));
    seen_.bids[seat] = seat == kHumanSeat ? state_.humanBid : state_.computerBid[seat];
}

void Game::RecordPlay(int seat, Declaration declaration, int named) {
    const CardId card = state_.playedCard[seat];
    const int strength = state_.playedStrength[seat];
    if (playsWatched_ && seen_.playCount < kDeckSize) {
        ++seen_.trickCards;
        seen_.plays[static_cast<std::size_t>(seen_.playCount++)] = {
            static_cast<std::int8_t>(currentTrick_), static_cast<std::int8_t>(seat),
            static_cast<std::int8_t>(card.suit),     static_cast<std::int8_t>(card.rank),
            static_cast<std::int16_t>(strength),     declaration,
            static_cast<std::int8_t>(named)};
    }
    if (observer_ != nullptr) {
        observer_->OnPlay(currentTrick_, seat, card, strength, declaration, named);
    }
}

void Game::BeginSeenDeal() {
    // The sheet carries over; the plays of the last deal are forgotten by their count.
    seen_.players = seating_;
    seen_.row = CurrentRow();
    seen_.turned = {};
    seen_.bids = {{-1, -1, -1, -1}};
    seen_.tricksTaken = {};
    seen_.playCount = 0;
    seen_.trickCards = 0;
}

void Game::SeeTrickTaken(int winner) {
    seen_.trickCards = 0;
    if (winner != 0) ++seen_.tricksTaken[winner];
}

SeatView Game::ViewOf(int seat) const {
    const GameState& s = state_;
    const bool human = seat == kHumanSeat;
    return {
        .seat = seat,
        .hand = human ? std::span<const CardRecord>()
                      : std::span<const CardRecord>(s.computerHand[seat].items.data(),
                                                    static_cast<std::size_t>(std::clamp(
                                                        s.computerCardCount[seat], 0, kMaxHand))),
        .dealSize = s.dealSize,
        .dealer = s.dealer,
        .trump = s.trump,
        .ownBid = human ? (HumanHasBid() ? s.humanBid : -1) : s.computerBid[seat],
        .ownTricks = human ? TricksShown(kHumanSeat) : s.computerTricks[seat],
        .leads = false,
        .ledSuit = s.ledSuit,
        .declared = s.viSiDeclared     ? Declaration::ViSi
                    : s.waiRosDeclared ? Declaration::WaiRos
                                       : Declaration::None,
        .penalty = options.PenaltyValue(),
        .table = &seen_,
    };
}

std::optional<HumanQuestion> Game::HumanQuestionNow() const {
    HumanQuestion question;
    question.asked = HumanAsked();
    switch (question.asked) {
        case Asked::Trump:
        case Asked::Bid:
        case Asked::Card:
            break;
        case Asked::ViSiSuit:
        case Asked::WaiRosSuit:
            question.wildCard = {state_.humanCard.suit, state_.humanCard.rank};
            break;
        default:
            return std::nullopt;
    }
    // The human's cards as the deck has them, in the order dealt; the human declares from the
    // three cards dealt before the declaration.
    std::array<CardRecord, kMaxHand> hand{};
    std::size_t cards = 0;
    const int slots = question.asked == Asked::Trump ? 3 : std::clamp(state_.dealSize, 0, kMaxHand);
    for (int slot = 1; slot <= slots; ++slot) {
        const CardId card = state_.humanHand[slot];
        if (!card.empty()) hand[cards++] = state_.Card(card.suit, card.rank);
    }
    SeatView seen = ViewOf(kHumanSeat);
    seen.hand = std::span<const CardRecord>(hand.data(), cards);
    question.kept = KeptView(seen);
    SeatView& view = question.kept.view();
    view.leads = HumanLeads() || !question.wildCard.empty();
    question.seed = strong_.Seed();
    return question;
}

std::optional<Foresight> Game::NextStrongDecision() const {
    if (!biddingBegun_ || !playsWatched_) return std::nullopt;
    const GameState& s = state_;
    const auto strong = [this](int seat) {
        return seat != kHumanSeat && seating_[seat] == PlayerKind::Strong;
    };
    // The bids go round from the first hand; the first one not shown yet is the next.
    for (int i = 0, seat = NextSeat(s.dealer); i < 4; ++i, seat = NextSeat(seat)) {
        if (seen_.bids[seat] >= 0) continue;
        if (!strong(seat)) return std::nullopt;
        return Foresight{Foresight::Question::Bid, KeptView(ViewOf(seat)), strong_.Seed()};
    }
    // The seat after the last card of the trick under way, or the next trick's leader; a trick
    // whose fourth card lies is not taken yet, and who leads next is not known.
    if (seen_.playCount >= 4 * s.dealSize || seen_.trickCards >= 4) return std::nullopt;
    const bool leads = seen_.trickCards == 0;
    const int seat = !leads
                         ? NextSeat(seen_.plays[static_cast<std::size_t>(seen_.playCount - 1)].seat)
                     : seen_.playCount == 0 ? NextSeat(s.dealer)
                                            : LeaderOf(s.nextOrder);
    if (!strong(seat)) return std::nullopt;
    SeatView view = ViewOf(seat);
    view.leads = leads;
    return Foresight{Foresight::Question::Card, KeptView(view), strong_.Seed()};
}

}  // namespace zavkari
