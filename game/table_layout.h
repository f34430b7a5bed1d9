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

// Where a label of the score sheet (a name, row heading, bid, score or running total) lies when
// the sheet picture's top-left corner is at (x, y). Autosized labels get a zero size.
Box SheetLabelBox(Element label, int x, int y);

// Sizes the cards for the screen and places the table's controls for the window's size, in the
// model; also records the size in the model. Run once at start-up, before the idle state.
void LayOutTable(TableModel& table, TableSize size);

}  // namespace zavkari
