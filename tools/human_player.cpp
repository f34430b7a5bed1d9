#include "human_player.h"

#include <algorithm>
#include <array>
#include <ranges>
#include <span>

namespace zavkari {
namespace {

// The cards the human holds, in slot order.
auto HeldCards(const GameState& s) {
    const auto slots = static_cast<std::size_t>(std::clamp(s.dealSize, 0, kMaxHand));
    return std::span(s.humanHand.items).first(slots) |
           std::views::filter([](CardId c) { return !c.empty(); });
}

}  // namespace

std::optional<HumanPolicy> ParseHumanPolicy(std::string_view name) {
    if (name == "legal") return HumanPolicy::Legal;
    if (name == "random") return HumanPolicy::Random;
    if (name == "greedy") return HumanPolicy::Greedy;
    if (name == "strong") return HumanPolicy::Strong;
    return std::nullopt;
}

std::string_view PolicyName(HumanPolicy policy) {
    switch (policy) {
        case HumanPolicy::Legal:
            return "legal";
        case HumanPolicy::Random:
            return "random";
        case HumanPolicy::Greedy:
            return "greedy";
        case HumanPolicy::Strong:
            return "strong";
    }
    return "random";
}

bool HumanPlayer::Act(Game& game) {
    const Asked asked = game.HumanAsked();
    if (asked == Asked::Nothing) return false;
    if (policy_ == HumanPolicy::Strong) return FollowAdvice(game);
    switch (asked) {
        case Asked::Trump:
            Declare(game);
            return true;
        case Asked::Bid:
            Bid(game);
            return true;
        case Asked::ViSiSuit:
            game.vishiClick(Pick(4));
            return true;
        case Asked::WaiRosSuit:
            game.nijeClick(Pick(4));
            return true;
        case Asked::Card:
            return Play(game);
        default:  // the name and the deck are the match runner's
            return false;
    }
}

bool HumanPlayer::FollowAdvice(Game& game) {
    const std::optional<HumanQuestion> question = game.HumanQuestionNow();
    if (!question) return false;
    const Advice advice = Advise(*question);
    switch (advice.asked) {
        case Asked::Trump:
            game.kozClick(advice.item);
            return true;
        case Asked::Bid:
            game.tkmaClick(advice.item);
            game.OKClick();
            return true;
        case Asked::ViSiSuit:
            game.vishiClick(advice.item - 1);
            return true;
        case Asked::WaiRosSuit:
            game.nijeClick(advice.item - 1);
            return true;
        default:
            break;
    }
    // A wild card plays high, or leads as viSi, with the left button; low, or as waiRos, with the
    // right one.
    const CardDecision& card = advice.card;
    const bool right = card.declaration == Declaration::WaiRos ||
                       (card.declaration == Declaration::None && !card.high);
    game.CardClick(el::Face(card.card.suit, card.card.rank), right);
    return true;
}

void HumanPlayer::Declare(Game& game) {
    const GameState& s = game.State();
    int trump = Pick(5);
    if (policy_ == HumanPolicy::Greedy) {
        // The suit held most often among the first three cards, or no trump.
        std::array<int, 5> count{};
        for (int slot = 1; slot <= 3; ++slot) {
            const CardId c = s.humanHand[slot];
            if (!c.empty() && !IsWildCard(c.suit, c.rank))
                ++count[static_cast<std::size_t>(c.suit)];
        }
        trump = static_cast<int>(std::max_element(count.begin(), count.end()) - count.begin());
    }
    game.kozClick(trump);
}

int HumanPlayer::GreedyBid(const Game& game) const {
    const GameState& s = game.State();
    const auto bid = std::ranges::count_if(HeldCards(s), [&s](CardId c) {
        return IsWildCard(c.suit, c.rank) || c.rank == kAce ||
               (c.suit == s.trump && c.rank >= kQueen);
    });
    return std::min(static_cast<int>(bid), s.dealSize);
}

void HumanPlayer::Bid(Game& game) {
    const GameState& s = game.State();
    const int items = static_cast<int>(game.Table().Group(Element::tkma).items.size());
    int bid = Pick(items);
    if (policy_ != HumanPolicy::Random && s.dealer == kHumanSeat) {
        if (policy_ == HumanPolicy::Greedy) bid = GreedyBid(game);
        if (bid == s.forbiddenBid) bid = bid > 0 ? bid - 1 : bid + 1;
    } else if (policy_ == HumanPolicy::Greedy) {
        bid = GreedyBid(game);
    }
    game.tkmaClick(bid);
    game.OKClick();
}

bool HumanPlayer::Play(Game& game) {
    const GameState& s = game.State();
    // Legal and Greedy keep to the cards that break no obligation, as long as there are any. A
    // plain loop: the runner plays this for every card of the human.
    std::array<CardId, kMaxHand> playable;
    std::size_t count = 0;
    const int slots = std::clamp(s.dealSize, 0, kMaxHand);
    for (int slot = 1; slot <= slots; ++slot) {
        if (!s.humanHand[slot].empty()) playable[count++] = s.humanHand[slot];
    }
    if (policy_ != HumanPolicy::Random && !game.HumanLeads()) {
        std::size_t legal = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (!game.WouldRenege(playable[i])) playable[legal++] = playable[i];
        }
        if (legal > 0) count = legal;
    }
    const std::span cards(playable.data(), count);
    if (cards.empty()) return false;
    CardId card = cards[static_cast<std::size_t>(Pick(static_cast<int>(cards.size())))];
    bool high = Pick(2) == 0;
    if (policy_ == HumanPolicy::Greedy) {
        // Short of the bid: the strongest card, a wild card high; otherwise the weakest, low.
        high = game.TricksShown(kHumanSeat) < s.humanBid;
        const auto strength = [&s](CardId c) { return s.Card(c.suit, c.rank).strength; };
        card = high ? *std::ranges::max_element(cards, {}, strength)
                    : *std::ranges::min_element(cards, {}, strength);
    }
    game.CardClick(el::Face(card.suit, card.rank), !high);
    return true;
}

}  // namespace zavkari
