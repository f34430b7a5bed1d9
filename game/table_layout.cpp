#include "table_layout.h"

#include <array>
#include <cassert>

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
    const ElementPlace place = Decode(label);
    switch (place.family) {
        case ElementFamily::Name:
            return {x + kNameLefts[static_cast<std::size_t>(place.first - 1)], y + kNameTop,
                    kNameWidth, kNameHeight};
        case ElementFamily::RowHeading:
            return {x + kHeadingLeft, y + RowTop(place.first)};
        case ElementFamily::BidCell:
            return {x + BidLeft(place.first), y + RowTop(place.second)};
        case ElementFamily::ScoreCell:
            return {x + ScoreLeft(place.first), y + RowTop(place.second)};
        case ElementFamily::TotalCell:
            return {x + ScoreLeft(place.first),
                    y + kTotalTops[static_cast<std::size_t>(place.second - 1)]};
        default:
            assert(false && "not a label of the score sheet");
            return {};
    }
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
    Resize(table, Element::b, cardW, cardH);
    for (Element e : el::Backs())
        Resize(table, e, cardW, cardH);
    for (Element e : el::Faces())
        Resize(table, e, cardW, cardH);
    for (int seat = 1; seat <= 4; ++seat)
        Resize(table, el::Spot(seat), cardW, cardH);

    // The bid list with its button, the trump choice and the named-suit choices along the bottom.
    // The bid list stands in computer 3's column, level with the human's cards.
    Place(table, Element::tkma, RightColumnLeft(W, cardW), HandRowTop(H, cardH), cardH);
    const int tkmaLeft = left(Element::tkma);
    const int tkmaTop = top(Element::tkma);
    Place(table, Element::OK, tkmaLeft + 186, tkmaTop + 8, cardH - 10);
    Place(table, Element::koz, tkmaLeft + 229, tkmaTop, cardH);
    Place(table, Element::vishi, 6, tkmaTop, cardH);
    Place(table, Element::nije, 6, tkmaTop, cardH);

    for (int seat = 1; seat <= 4; ++seat) {
        const SlotPlace spot = SpotPlace(W, H, cardW, cardH, seat);
        table.Move(el::Spot(seat), spot.left, spot.top);
    }

    table.Move(Element::ara, tkmaLeft + 32, tkmaTop - 32);
    // The messages centred over the table area, below the human's spot.
    const int messageLeft = (W - kPanelWidth - 513) / 2;
    const int messageTop = top(Element::cham4) + 52;
    for (Element e : {Element::strog, Element::KVishi, Element::KNije, Element::under}) {
        table.Move(e, messageLeft, messageTop);
        table.Hide(e);
    }

    // The covers over the middle of the table and over the human's row.
    const int coverLeft = 118;
    const int coverWidth = tkmaLeft - 127;
    table.SetGeometry(Element::noclick, coverLeft, cardH + 46, coverWidth, tkmaTop - cardH - 64);
    table.SetGeometry(Element::kl, coverLeft, tkmaTop - 1, coverWidth, cardH + 10);

    // The score sheet in the right-hand panel, the trump box below it.
    const int sheetX = W - 282;
    const int sheetY = SH > 900 ? 156 : 31;
    table.Move(Element::cxrili, sheetX, sheetY);
    table.SetGeometry(Element::Box1, sheetX, sheetY + kSheetHeight + 15 - (BigCards(SH) ? 0 : 48),
                      kSheetWidth, boxH);
    table.SetGeometry(Element::kkk, left(Element::kkk), (boxH - 24) / 2 + 5,
                      table[Element::kkk].width, table[Element::kkk].height);
    table.SetFontSize(Element::kkk, boxH / 3);

    // The bid and trick labels of the four seats.
    const int humanLeft = (W - kPanelWidth - 57) / 2;
    table.Move(Element::m_h, humanLeft, tkmaTop - 21 - 16);
    table.Move(Element::m_u, humanLeft, top(Element::m_h) - 28);
    table.Move(Element::c2_u, humanLeft, kMenuBarHeight + cardH + 27);
    table.Move(Element::c2_h, humanLeft, top(Element::c2_u) + 25);
    table.Move(Element::c1_u, coverLeft, (H - kMenuBarHeight) / 2 - 22);
    table.Move(Element::c1_h, coverLeft, (H - kMenuBarHeight) / 2 + 2);
    table.Move(Element::c3_u, W - 57 - 417, top(Element::c1_u));
    table.Move(Element::c3_h, left(Element::c3_u), top(Element::c1_h));

    // The deck halfway between the human's spot and the sheet.
    const int spot4 = left(Element::cham4);
    table.Move(Element::b, spot4 + (sheetX - spot4 - cardW) / 2,
               top(Element::cham4) + (2 * cardH) / 3);
    table.Move(Element::reklama, sheetX, 24);

    // The table top fills the space between the four groups of labels, behind everything.
    const int magidaTop = top(Element::c2_h) + 25;
    table.SetGeometry(Element::magida, left(Element::c1_u) + 57 + 5, magidaTop,
                      left(Element::c3_u) - 185, top(Element::m_u) - magidaTop - 5);
    table.SendToBack(Element::magida);

    for (Element e : el::SheetLabels()) {
        const Box box = SheetLabelBox(e, sheetX, sheetY);
        table.SetGeometry(e, box.left, box.top, table[e].width, table[e].height);
    }
    table.Repaint();
}

}  // namespace zavkari
