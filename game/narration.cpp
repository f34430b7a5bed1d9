#include "narration.h"

#include <algorithm>

#include "read_aloud.h"

namespace zavkari {
namespace {

// A caption without the trailing blanks some of the table's captions carry ("pasi ", "3 ").
std::string Trimmed(std::string_view caption) {
    const std::size_t end = caption.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? "" : caption.substr(0, end + 1));
}

}  // namespace

void Narration::OnDealSettled() {
    const GameState& s = game_.State();
    say_(std::to_string(s.dealSize) + " karti, arigebs " + PlayerOfSeat(game_, s.dealer) +
         ", koziria: " + std::string(kSuitWords[static_cast<std::size_t>(s.trump)]));
}

void Narration::OnBid(int seat, int, std::optional<int>) {
    say_(PlayerOfSeat(game_, seat) + ": " + Trimmed(game_.Table().Caption(el::BidLabel(seat))));
}

void Narration::OnBidRefused(int) {
    say_(Trimmed(game_.Table().Caption(Element::ara)));
}

void Narration::OnPlay(int, int seat, CardId card, int strength, Declaration declaration,
                       int named) {
    std::string words = PlayerOfSeat(game_, seat) + ": " + CardWords(card);
    if (declaration != Declaration::None) {
        // The named suit as the human's choice lists it: "viSi guli", "waiRos gulma".
        const Element choice = declaration == Declaration::ViSi ? Element::vishi : Element::nije;
        const std::vector<std::string>& suits = game_.Table().Group(choice).items;
        const std::string_view caption = declaration == Declaration::ViSi ? "viSi" : "waiRos";
        if (named >= 1 && named <= static_cast<int>(suits.size()))
            words += ", " + std::string(caption) + " " +
                     Trimmed(suits[static_cast<std::size_t>(named - 1)]);
    } else if (IsWildCard(card.suit, card.rank)) {
        words += strength == 0 ? ", dabla" : ", maRla";
    }
    say_(words);
}

void Narration::OnTrick(int, int winner, int) {
    say_("xeli waiRo: " + (winner != 0 ? PlayerOfSeat(game_, winner) : std::string("aravin")));
}

void Narration::OnRenege(int) {
    say_(Trimmed(game_.Table().Caption(Element::strog)));
}

void Narration::OnScore(int, int row) {
    say_("qulebi: " + Columns(&el::ScoreCell, row));
}

void Narration::OnPool(int pool) {
    std::string words = std::to_string(pool) + " pulka, jami: " + Columns(&el::TotalCell, pool);
    if (game_.State().matchOver) words += ". TamaSi damTavrda";
    say_(words);
}

std::string Narration::Columns(Element (*cellOf)(int column, int at), int at) const {
    std::string words;
    for (int column = 1; column <= 4; ++column) {
        const std::string_view value = game_.Table().Caption(cellOf(column, at));
        if (column > 1) words += ", ";
        words += std::string(game_.Table().Caption(el::Name(column))) + " " +
                 std::string(value == kPenaltyMark ? kPenaltyWord : value);
    }
    return words;
}

std::string QuestionWords(Asked asked) {
    switch (asked) {
        case Asked::Name:
            return "Tqveni saxeli?";
        case Asked::Trump:
            return "koziria?";
        case Asked::Bid:
            return "ramdens ambobT?";
        case Asked::ViSiSuit:
            return "viSi, romeli feri?";
        case Asked::WaiRosSuit:
            return "waiRos, romeli feri?";
        case Asked::Card:
            return "Tqveni svla";
        case Asked::Deck:
            return "Semdegi darigeba";
        case Asked::Nothing:
            break;
    }
    return {};
}

std::string AdviceWords(const Advice& advice) {
    const std::string hint = "rCeva: ";
    switch (advice.asked) {
        case Asked::Bid:
            return hint + (advice.item == 0 ? "pasi" : std::to_string(advice.item));
        case Asked::Trump:
        case Asked::ViSiSuit:
        case Asked::WaiRosSuit:
            return hint +
                   std::string(kSuitWords[static_cast<std::size_t>(std::clamp(advice.item, 0, 4))]);
        case Asked::Card:
            break;
        default:
            return {};
    }
    const CardDecision& card = advice.card;
    std::string words = hint + CardWords(card.card);
    if (card.declaration != Declaration::None) {
        words += card.declaration == Declaration::ViSi ? ", viSi " : ", waiRos ";
        words += kSuitWords[static_cast<std::size_t>(std::clamp(card.named, 0, 4))];
    } else if (IsWildCard(card.card.suit, card.card.rank)) {
        words += card.high ? ", maRla" : ", dabla";
    }
    return words;
}

}  // namespace zavkari
