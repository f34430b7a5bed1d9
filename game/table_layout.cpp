#include "table_layout.h"

#include <array>

namespace zavkari {
namespace {

// Tops of the sheet's rows and pool totals below the picture's top edge: eight rows, the pool
// total, four rows, the total, eight rows, the total, four rows, the total.
constexpr int RowTop(int row) {
    if (row <= 8) return 32 + 16 * (row - 1);
    if (row <= 12) return 183 + 16 * (row - 9);
    if (row <= 20) return 269 + 16 * (row - 13);
    return 422 + 16 * (row - 21);
}
constexpr std::array<int, 4> kTotalTops = {163, 250, 400, 490};
constexpr std::array<int, 4> kNameLefts = {2, 71, 138, 207};
constexpr int kNameTop = 8;
constexpr int kNameWidth = 64;
constexpr int kNameHeight = 13;
constexpr int kHeadingLeft = -12;

// Bid labels of column 1..4; the scores lie 30 pixels to their right, the totals with the scores.
constexpr int BidLeft(int column) {
    return 2 + 70 * (column - 1);
}
constexpr int ScoreLeft(int column) {
    return BidLeft(column) + 30;
}

void Resize(TableModel& table, Element e, int width, int height) {
    const ElementState& s = table[e];
    table.SetGeometry(e, s.left, s.top, width, height);
}

void Place(TableModel& table, Element e, int left, int top, int height) {
    table.SetGeometry(e, left, top, table[e].width, height);
}

}  // namespace

Box SheetLabelBox(Element label, int x, int y) {
    if (label >= el::kFirstName && label < el::kFirstRowHeading) {
        const int column = label - el::kFirstName + 1;
        return {x + kNameLefts[static_cast<std::size_t>(column - 1)], y + kNameTop, kNameWidth,
                kNameHeight};
    }
    if (label < el::kFirstBidCell)
        return {x + kHeadingLeft, y + RowTop(label - el::kFirstRowHeading + 1)};
    if (label < el::kFirstTotalCell) {
        const bool bid = label < el::kFirstScoreCell;
        const int i = label - (bid ? el::kFirstBidCell : el::kFirstScoreCell);
        const int column = i / el::kRows + 1;
        return {x + (bid ? BidLeft(column) : ScoreLeft(column)), y + RowTop(i % el::kRows + 1)};
    }
    const int i = label - el::kFirstTotalCell;
    return {x + ScoreLeft(i / 4 + 1), y + kTotalTops[static_cast<std::size_t>(i % 4)]};
}

void LayOutTable(TableModel& table, TableSize size) {
    const int W = size.width;
    const int H = size.height;
    const int SH = size.screenHeight;
    table.width = W;
    table.height = H;
    table.screenHeight = SH;
    auto left = [&table](Element e) { return table[e].left; };
    auto top = [&table](Element e) { return table[e].top; };

    // The cards, the backs, the deck pile and the played-card spots.
    const int cardW = CardWidth(SH);
    const int cardH = CardHeight(SH);
    const int boxH = TrumpBoxHeight(SH);
    Resize(table, el::kB, cardW, cardH);
    for (Element e = el::Back(1, 1); e < el::Back(1, 1) + 3 * kMaxHand; ++e)
        Resize(table, e, cardW, cardH);
    for (Element e = el::Face(1, 1); e < el::Face(1, 1) + kDeckSize; ++e)
        Resize(table, e, cardW, cardH);
    for (int seat = 1; seat <= 4; ++seat)
        Resize(table, el::Spot(seat), cardW, cardH);

    // The bid list with its button, the trump choice and the named-suit choices along the bottom.
    Place(table, el::kTkma, W - cardW - 316, H - cardH - 16, cardH);
    const int tkmaLeft = left(el::kTkma);
    const int tkmaTop = top(el::kTkma);
    Place(table, el::kOK, tkmaLeft + 186, tkmaTop + 8, cardH - 10);
    Place(table, el::kKoz, tkmaLeft + 229, tkmaTop, cardH);
    Place(table, el::kVishi, 6, tkmaTop, cardH);
    Place(table, el::kNije, 6, tkmaTop, cardH);

    // The spots around the middle of the table area.
    const int spotLeft = (W - kPanelWidth - cardW) / 2;
    table.Move(el::kCham2, spotLeft, H / 2 - cardH - 28);
    table.Move(el::kCham4, spotLeft, H / 2 + 28);
    table.Move(el::kCham1, (W - kPanelWidth) / 2 - cardW - 20, (H - cardH) / 2);
    table.Move(el::kCham3, (W - kPanelWidth) / 2 + 20, (H - cardH) / 2);

    table.Move(el::kAra, tkmaLeft + 32, tkmaTop - 32);
    // The messages centred over the table area, below the human's spot.
    const int messageLeft = (W - kPanelWidth - 513) / 2;
    const int messageTop = top(el::kCham4) + 52;
    for (Element e : {el::kStrog, el::kKVishi, el::kKNije, el::kUnder}) {
        table.Move(e, messageLeft, messageTop);
        table.Hide(e);
    }

    // The covers over the middle of the table and over the human's row.
    const int coverLeft = 118;
    const int coverWidth = tkmaLeft - 127;
    table.SetGeometry(el::kNoclick, coverLeft, cardH + 46, coverWidth, tkmaTop - cardH - 64);
    table.SetGeometry(el::kKl, coverLeft, tkmaTop - 1, coverWidth, cardH + 10);

    // The score sheet in the right-hand panel, the trump box below it.
    const int sheetX = W - 282;
    const int sheetY = SH > 900 ? 156 : 31;
    table.Move(el::kCxrili, sheetX, sheetY);
    table.SetGeometry(el::kBox1, sheetX, sheetY + kSheetHeight + 15 - (BigCards(SH) ? 0 : 48),
                      kSheetWidth, boxH);
    table.SetGeometry(el::kKkk, left(el::kKkk), (boxH - 24) / 2 + 5, table[el::kKkk].width,
                      table[el::kKkk].height);
    table.SetFontSize(el::kKkk, boxH / 3);

    // The bid and trick labels of the four seats.
    const int humanLeft = (W - kPanelWidth - 57) / 2;
    table.Move(el::kMH, humanLeft, tkmaTop - 21 - 16);
    table.Move(el::kMU, humanLeft, top(el::kMH) - 28);
    table.Move(el::kC2U, humanLeft, kMenuBarHeight + cardH + 27);
    table.Move(el::kC2H, humanLeft, top(el::kC2U) + 25);
    table.Move(el::kC1U, coverLeft, (H - kMenuBarHeight) / 2 - 22);
    table.Move(el::kC1H, coverLeft, (H - kMenuBarHeight) / 2 + 2);
    table.Move(el::kC3U, W - 57 - 417, top(el::kC1U));
    table.Move(el::kC3H, left(el::kC3U), top(el::kC1H));

    // The deck halfway between the human's spot and the sheet.
    const int spot4 = left(el::kCham4);
    table.Move(el::kB, spot4 + (sheetX - spot4 - cardW) / 2, top(el::kCham4) + (2 * cardH) / 3);
    table.Move(el::kReklama, sheetX, 24);

    // The table top fills the space between the four groups of labels, behind everything.
    const int magidaTop = top(el::kC2H) + 25;
    table.SetGeometry(el::kMagida, left(el::kC1U) + 57 + 5, magidaTop, left(el::kC3U) - 185,
                      top(el::kMU) - magidaTop - 5);
    table.SendToBack(el::kMagida);

    for (Element e = el::kFirstName; e < el::kCount; ++e) {
        const Box box = SheetLabelBox(e, sheetX, sheetY);
        table.SetGeometry(e, box.left, box.top, table[e].width, table[e].height);
    }
    table.Repaint();
}

}  // namespace zavkari
