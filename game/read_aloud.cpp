#include "read_aloud.h"

#include <algorithm>

namespace zavkari {
namespace {

// The player whose column of the sheet is `column`, as the sheet names him.
std::string PlayerOfColumn(const Game& game, int column) {
    return std::string(game.Table().Caption(el::Name(column)));
}

// A card's face: played, it lies on its player's spot; the turned card of a deal of one to eight
// cards is the trump; otherwise it is a card of the hand (or of the draw for the first dealer).
std::string FaceWords(const Game& game, Element face, CardId card) {
    const GameState& s = game.State();
    const ElementState& shown = game.Table()[face];
    for (int seat = 1; seat <= 4; ++seat) {
        const ElementState& spot = game.Table()[el::Spot(seat)];
        if (s.playedCard[seat] == card && shown.left == spot.left && shown.top == spot.top)
            return PlayerOfSeat(game, seat) + ": " + CardWords(card);
    }
    const std::vector<Element> hand = game.HandInPlace();
    const bool held = std::find(hand.begin(), hand.end(), face) != hand.end();
    if (!held && s.sheetActive && s.dealSize != kMaxHand && s.drawnCard == card)
        return "koziri: " + CardWords(card);
    return CardWords(card);
}

// A cell of the sheet: its player, its row (the deal's cards, as the row's heading shows them) or
// its pool, what it holds and its value.
std::string SheetCell(const Game& game, int column, const std::string& row, std::string_view holds,
                      Element cell) {
    const std::string_view value = game.Table().Caption(cell);
    return PlayerOfColumn(game, column) + ", " + row + ", " + std::string(holds) + " " +
           std::string(value == kPenaltyMark ? kPenaltyWord : value);
}

std::string RowWords(const Game& game, int row) {
    return std::string(game.Table().Caption(el::RowHeading(row))) + " karti";
}

}  // namespace

std::string PlayerOfSeat(const Game& game, int seat) {
    const int column = game.State().sheetColumn[seat];
    return column >= 1 && column <= 4 ? PlayerOfColumn(game, column) : std::string();
}

std::string ReadAloud(const Game& game, Element e) {
    const TableModel& table = game.Table();
    const ElementPlace place = Decode(e);
    switch (place.family) {
        case ElementFamily::Face:
            return FaceWords(game, e, {place.first, place.second});
        case ElementFamily::Back:
            return {};
        case ElementFamily::Name:
        case ElementFamily::RowHeading:
            return std::string(table.Caption(e));
        case ElementFamily::BidCell:
            return SheetCell(game, place.first, RowWords(game, place.second), "naTqvami", e);
        case ElementFamily::ScoreCell:
            return SheetCell(game, place.first, RowWords(game, place.second), "qula", e);
        case ElementFamily::TotalCell:
            return SheetCell(game, place.first, std::to_string(place.second) + " pulka", "jami", e);
        case ElementFamily::Single:
            break;
    }
    for (int seat = 1; seat <= 4; ++seat) {
        const std::string caption(table.Caption(e));
        if (e == el::BidLabel(seat)) return PlayerOfSeat(game, seat) + ", naTqvami " + caption;
        if (e == el::TrickLabel(seat)) return PlayerOfSeat(game, seat) + ", waRebuli " + caption;
    }
    switch (e) {
        case Element::strog:
        case Element::ara:
        case Element::KVishi:
        case Element::KNije:
        case Element::under:
            return std::string(table.Caption(e));
        default:
            return {};
    }
}

std::string LastTrickWords(const Game& game) {
    const CompletedTrick* trick = game.LastTrick();
    if (trick == nullptr) return {};
    std::string words = "bolo xeli:";
    for (int seat = 1; seat <= 4; ++seat) {
        if (trick->cards[seat].empty()) continue;
        words += " " + PlayerOfSeat(game, seat) + " " + CardWords(trick->cards[seat]) + ",";
    }
    return words + " waiRo: " +
           (trick->winner != 0 ? PlayerOfSeat(game, trick->winner) : std::string("aravin"));
}

}  // namespace zavkari
