#include <QPainter>
#include <QRandomGenerator>

#include "painters.h"

namespace zavkari {
namespace {

constexpr int sheetW = 382, sheetH = 600;
constexpr int columnLines[] = {0, 96, 189, 281, 378};
// The pools' header, rows and total bands; the pairs are the double rules.
constexpr int rowLines[] = {0,   30,  31,  172, 173, 194, 265, 286,
                            287, 428, 429, 450, 526, 527, 548, 599};
const QColor ruling(128, 128, 128);

// The torn-off corner, bottom right: a ragged edge across the foot to the right-hand rule, below
// the last totals band, whose running totals stay whole.
QPolygon tornEdge() {
    QRandomGenerator random(5);
    QPolygon edge;
    const QPoint from(318, sheetH), to(sheetW, 556);
    constexpr int steps = 26;
    for (int i = 0; i <= steps; ++i) {
        const QPoint along = from + (to - from) * i / steps;
        const int jag = (i == 0 || i == steps) ? 0 : random.bounded(-4, 5);
        edge << along + QPoint(jag, jag);
    }
    return edge;
}

}  // namespace

// White is the sheet's transparent colour, so the picture is drawn without smoothing: every
// pixel is either white or a line.
QImage paintScoreSheet(int scale) {
    QImage sheet = blankPicture({sheetW, sheetH}, Qt::white, scale, QImage::Format_RGB32);
    QPainter p(&sheet);
    p.setPen(QPen(ruling, 1));
    for (int x : columnLines)
        p.drawLine(x, 0, x, sheetH - 1);
    for (int y : rowLines)
        p.drawLine(0, y, columnLines[4], y);

    const QPolygon edge = tornEdge();
    QPolygon torn = edge;
    torn << QPoint(sheetW, sheetH);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(torn);
    p.setPen(QPen(ruling, 1));
    p.drawPolyline(edge);
    p.setPen(QPen(QColor(170, 170, 170), 1));
    p.drawPolyline(edge.translated(-1, -1));
    return sheet;
}

}  // namespace zavkari
