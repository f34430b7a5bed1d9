// The table window's layout: the card size for the screen, the places of the table's controls
// relative to the window's size, and the grid of the score sheet's labels.
#pragma once

#include "table_controls.h"
#include "table_model.h"

namespace zavkari {

// The window's client size and the screen's height, which chooses the card size.
struct TableSize {
    int width = 1280;
    int height = 1024;
    int screenHeight = 1024;
};

// Screens above 800 pixels take the big cards and the tall trump box.
constexpr bool BigCards(int screenHeight) {
    return screenHeight > 800;
}
constexpr int CardWidth(int screenHeight) {
    return BigCards(screenHeight) ? 89 : 79;
}
constexpr int CardHeight(int screenHeight) {
    return BigCards(screenHeight) ? 121 : 100;
}
constexpr int TrumpBoxHeight(int screenHeight) {
    return BigCards(screenHeight) ? 50 : 40;
}

// The right-hand panel that holds the score sheet, and the menu bar along the top.
inline constexpr int kPanelWidth = 300;
inline constexpr int kMenuBarHeight = 21;
// The score-sheet picture's size on the table.
inline constexpr int kSheetWidth = 275;
inline constexpr int kSheetHeight = 553;

// The rows of the hands in a window W x H. In a deal of n cards, computer 2's backs and the
// human's cards lie in rows along the top and the bottom, `RowStep` apart; computer 1's and 3's
// backs in columns down the left and the right, `ColumnStep` apart. Slot k runs from 1 to n.
constexpr int RowStep(int W, int n) {
    return (W - 500) / (n + 1);
}
constexpr int ColumnStep(int H, int n) {
    return (H - 324) / (n + 1);
}
// The left edge of computer 3's column, which the bid list shares, for cards `cardWidth` wide.
constexpr int RightColumnLeft(int W, int cardWidth) {
    return W - cardWidth - 316;
}
struct SlotPlace {
    int left = 0;
    int top = 0;
};
// The back in slot k of computer `seat` 1..3.
constexpr SlotPlace BackPlace(int W, int H, int cardWidth, int seat, int k, int n) {
    if (seat == 2) return {60 + k * RowStep(W, n), 36};
    return {seat == 1 ? 16 : RightColumnLeft(W, cardWidth), 115 + k * ColumnStep(H, n)};
}
// The played-card spot of `seat` 1..4 (`cham1` .. `cham4`) around the middle of the table area,
// for cards cardW x cardH: computers 1 and 3 left and right of the middle, 2 above it, the human
// below it.
constexpr SlotPlace SpotPlace(int W, int H, int cardW, int cardH, int seat) {
    const int middle = (W - kPanelWidth) / 2;
    switch (seat) {
        case 1:
            return {middle - cardW - 20, (H - cardH) / 2};
        case 2:
            return {(W - kPanelWidth - cardW) / 2, H / 2 - cardH - 28};
        case 3:
            return {middle + 20, (H - cardH) / 2};
        default:
            return {(W - kPanelWidth - cardW) / 2, H / 2 + 28};
    }
}
// The top of the human's row along the bottom edge, level with the bid list `bidListHeight` high.
constexpr int HandRowTop(int H, int bidListHeight) {
    return H - bidListHeight - 16;
}
// The human's card in slot k.
constexpr SlotPlace HumanCardPlace(int W, int H, int bidListHeight, int k, int n) {
    return {60 + k * RowStep(W, n), HandRowTop(H, bidListHeight)};
}

// The hint's button beside the human's row, below computer 1's column, for cards `cardH` high.
constexpr Box HintButtonBox(int H, int bidListHeight, int cardH) {
    constexpr int kWidth = 88;
    constexpr int kHeight = 26;
    return {8, HandRowTop(H, bidListHeight) + (cardH - kHeight) / 2, kWidth, kHeight};
}

// Where a label of the score sheet (a name, row heading, bid, score or running total) lies when
// the sheet picture's top-left corner is at (x, y). Autosized labels get a zero size.
Box SheetLabelBox(Element label, int x, int y);

// Sizes the cards for the screen and places the table's controls for the window's size, in the
// model; also records the size in the model. Run once at start-up, before the idle state.
void LayOutTable(TableModel& table, TableSize size);

}  // namespace zavkari
