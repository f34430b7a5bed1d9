// The painting of the table surface `p` while a match is under way: the brown panel behind the
// score sheet with its light edge, the frames around the card areas when the player wants them,
// and the border along the window's edges.
#pragma once

#include <QPainter>
#include <QSize>

namespace zavkari {

struct SheetPanelGeometry {
    QSize window;    // W x H
    int menuHeight;  // M, the height of the menu bar above `p`
    int bidListTop;  // T, the top of the bid list
    QSize deck;      // BW x BH, the size of the deck pile
    bool frames;     // "CarCoebi": frames around the card areas
};

// Paints in the coordinates of `p`: its top-left corner is the origin, the window's top edge lies
// at y = -M.
void paintSheetPanel(QPainter& painter, const SheetPanelGeometry& g);

}  // namespace zavkari
