#include "read_aloud.h"

namespace zavkari {
namespace {

// The player whose column of the sheet is `column`, as the sheet names him.
std::string PlayerOfColumn(const Game& game, int column) {
    return std::string(game.Table().Caption(el::Name(column)));
}

std::string PlayerOfSeat(const Game& game, int seat) {
    const int column = game.State().sheetColumn[seat];
    return column >= 1 && column <= 4 ? PlayerOfColumn(game, column) : std::string();
}

// A cell of the sheet: its player, its row (the deal's cards, as the row's heading shows them) or
// its pool, and its value.
std::string SheetCell(const Game& game, int column, const std::string& row, Element cell) {
    return PlayerOfColumn(game, column) + ", " + row + ", " +
           std::string(game.Table().Caption(cell));
}

}  // namespace

std::string ReadAloud(const Game& game, Element e) {
    const TableModel& table = game.Table();
    const ElementPlace place = Decode(e);
    switch (place.family) {
        case ElementFamily::Face:
            return CardWords({place.first, place.second});
        case ElementFamily::Back:
            return {};
        case ElementFamily::Name:
        case ElementFamily::RowHeading:
            return std::string(table.Caption(e));
        case ElementFamily::BidCell:
        case ElementFamily::ScoreCell:
            return SheetCell(game, place.first,
                             std::string(table.Caption(el::RowHeading(place.second))), e);
        case ElementFamily::TotalCell:
            return SheetCell(game, place.first, std::to_string(place.second) + " pulka", e);
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

}  // namespace zavkari
