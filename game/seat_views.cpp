// Who decides for each seat, and the view each seat decides from: its own cards, what the table has
// shown (the trump, the turned card, the revealed bids, the cards played and the tricks taken) and
// the score sheet. A view is built for every decision, so it is kept small: the deal's plays and
// the sheet are the game's own records, which every seat sees alike.
#include <algorithm>

#include "game.h"
#include "schedule.h"

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
    const std::size_t count = std::min(view.plays.size(), plays_.size());
    std::copy_n(view.plays.begin(), count, plays_.begin());
    view_.plays = std::span<const SeenPlay>(plays_.data(), count);
    if (view.sheet != nullptr) sheet_ = *view.sheet;
    view_.sheet = &sheet_;
}

std::uint64_t Fingerprint(const SeatView& v) {
    std::uint64_t h = 0;
    for (const int value : {v.seat, static_cast<int>(v.hand.size()), v.row, v.dealSize, v.dealer,
                            v.trump, v.turned.suit, v.turned.rank, v.trickCards, int{v.leads},
                            v.ledSuit, static_cast<int>(v.declared), v.penalty}) {
        h = Mix(h, value);
    }
    for (const CardRecord& card : v.hand)
        h = Mix(h, CardIndex(card.suit, card.rank));
    for (int seat = 1; seat <= 4; ++seat) {
        for (const int value :
             {static_cast<int>(v.players[seat]), v.bids[seat], v.tricksTaken[seat]})
            h = Mix(h, value);
        if (v.sheet != nullptr) {
            for (const int value : {v.sheet->runningTotalTenths[seat], v.sheet->poolPoints[seat],
                                    int{v.sheet->allBidsMade[seat]}}) {
                h = Mix(h, value);
            }
        }
    }
    for (const SeenPlay& p : v.plays) {
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
    // The strong players draw the seed of their searches from the game's random source once a
    // match, so that a seeded match plays the same every time. The described players draw
    // nothing here, and their matches stay as they were.
    if (options.opponents == PlayerKind::Strong) {
        const auto high = static_cast<std::uint64_t>(random_.Random(1 << 30));
        strong_.SetSeed(high << 30 | static_cast<std::uint64_t>(random_.Random(1 << 30)));
    }
}

void Game::RecordPlay(int seat, Declaration declaration, int named) {
    const CardId card = state_.playedCard[seat];
    const int strength = state_.playedStrength[seat];
    if (dealPlayCount_ < kDeckSize) {
        dealPlays_[static_cast<std::size_t>(dealPlayCount_++)] = {
            static_cast<std::int8_t>(currentTrick_), static_cast<std::int8_t>(seat),
            static_cast<std::int8_t>(card.suit),     static_cast<std::int8_t>(card.rank),
            static_cast<std::int16_t>(strength),     declaration,
            static_cast<std::int8_t>(named)};
    }
    if (observer_ != nullptr) {
        observer_->OnPlay(currentTrick_, seat, card, strength, declaration, named);
    }
}

SeatView Game::ViewOf(int seat) const {
    const GameState& s = state_;
    SeatView v;
    v.seat = seat;
    v.players = seating_;
    if (seat != kHumanSeat) {
        v.hand = std::span<const CardRecord>(
            s.computerHand[seat].items.data(),
            static_cast<std::size_t>(std::clamp(s.computerCardCount[seat], 0, kMaxHand)));
    }
    v.row = CurrentRow();
    v.dealSize = s.dealSize;
    v.dealer = s.dealer;
    v.trump = s.trump;
    if (s.dealSize != kMaxHand) v.turned = s.drawnCard;
    for (int other = 1; other <= 4; ++other) {
        const bool human = other == kHumanSeat;
        // A computer knows its own bid before the table shows it.
        const bool known = table_.Visible(el::BidLabel(other)) || (other == seat && !human);
        v.bids[other] = !known ? -1 : human ? s.humanBid : s.computerBid[other];
        v.tricksTaken[other] = human ? TricksShown(other) : s.computerTricks[other];
    }
    v.plays =
        std::span<const SeenPlay>(dealPlays_.data(), static_cast<std::size_t>(dealPlayCount_));
    while (v.trickCards < dealPlayCount_ &&
           dealPlays_[static_cast<std::size_t>(dealPlayCount_ - 1 - v.trickCards)].trick ==
               currentTrick_) {
        ++v.trickCards;
    }
    v.ledSuit = s.ledSuit;
    v.declared = s.viSiDeclared     ? Declaration::ViSi
                 : s.waiRosDeclared ? Declaration::WaiRos
                                    : Declaration::None;
    v.penalty = options.PenaltyValue();
    v.sheet = &sheetSeen_;
    return v;
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

}  // namespace zavkari
