#include "sheet_panel.h"

#include <QPolygon>

#include "table_layout.h"

namespace zavkari {
namespace {

const QColor kEdge(243, 243, 243);
const QColor kPanel(128, 64, 0);
const QColor kBorder(226, 222, 197);  // the menu bar's colour
constexpr int kPenWidth = 3;

void lines(QPainter& painter, std::initializer_list<QPoint> points) {
    painter.drawPolyline(QPolygon(QList<QPoint>(points)));
}

}  // namespace

void paintSheetPanel(QPainter& painter, const SheetPanelGeometry& g) {
    const int W = g.window.width();
    const int H = g.window.height();
    const int M = g.menuHeight;
    const int T = g.bidListTop;
    const int BW = g.deck.width();
    const int BH = g.deck.height();
    painter.save();
    painter.setPen(QPen(kEdge, kPenWidth));
    painter.setBrush(Qt::NoBrush);
    lines(painter, {{W - 300, -M}, {W - 300, T - M - 8}, {2000, T - M - 8}});
    painter.setBrush(kPanel);
    painter.drawRect(QRect(QPoint(W - 300, -M), QPoint(W, T - M - 8)));
    painter.setBrush(Qt::NoBrush);
    if (g.frames) {
        // The steps of the rows and columns of a nine-card deal.
        const int KX = RowStep(W, kMaxHand);
        const int KY = ColumnStep(H, kMaxHand);
        const int right = 9 * KX + 70 + BW;
        const int bottom = 9 * KY + 100 + BH;
        lines(painter, {{KX + 50, -M}, {KX + 50, BH + 24}, {right, BH + 24}, {right, 0}});
        lines(painter, {{KX + 50, H}, {KX + 50, T - 26}, {right, T - 26}, {right, H}});
        lines(painter, {{0, KY + 87}, {BW + 24, KY + 87}, {BW + 24, bottom}, {0, bottom}});
        lines(painter, {{W - 300, KY + 87},
                        {W - 323 - BW, KY + 87},
                        {W - 323 - BW, bottom},
                        {W - 300, bottom}});
    }
    painter.setPen(QPen(kBorder, kPenWidth));
    lines(painter, {{1, 0}, {1, H - M - 2}, {W - 2, H - M - 2}, {W - 2, 0}});
    painter.restore();
}

}  // namespace zavkari
