#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "painters.h"
#include "score_sheet_ruling.h"

namespace zavkari {
namespace {

using sheet::kColumnRules;
using sheet::kPictureHeight;
using sheet::kPictureWidth;
using sheet::kRowRules;
using sheet::Scaled;

const QColor ruling(128, 128, 128);

// The torn-off corner, bottom right, in the picture's pixels: a ragged edge from the foot to the
// right-hand rule, below the last totals band, whose running totals stay whole.
constexpr QPoint kTornEdge[] = {{316, 600}, {320, 597}, {325, 596}, {329, 591}, {335, 589},
                                {339, 584}, {345, 582}, {349, 577}, {354, 575}, {358, 570},
                                {364, 568}, {368, 563}, {373, 562}, {377, 557}, {382, 555}};

}  // namespace

QImage paintScoreSheet(QSize size, int scale) {
    // White is the sheet's see-through colour: the ruling is drawn on whole pixels, without
    // smoothing, so that every pixel is either white or a rule, at whatever size it is drawn.
    QImage sheet(size * scale, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    const auto across = [&](int pixels) {
        return Scaled(pixels, size.width(), kPictureWidth) * scale;
    };
    const auto down = [&](int pixels) {
        return Scaled(pixels, size.height(), kPictureHeight) * scale;
    };
    // A rule is at least one pixel of the screen thick.
    const auto thick = [&](int pixels, int shown, int picture) {
        return std::max(1, Scaled(pixels, shown, picture)) * scale;
    };

    QPainter p(&sheet);
    const int columnRule = thick(1, size.width(), kPictureWidth);
    for (int x : kColumnRules)
        p.fillRect(across(x), 0, columnRule, sheet.height(), ruling);
    const int rowsEnd = across(kColumnRules.back()) + columnRule;
    for (const sheet::Rule& rule : kRowRules)
        p.fillRect(0, down(rule.top), rowsEnd, thick(rule.thickness, size.height(), kPictureHeight),
                   ruling);

    QPolygon edge;
    for (const QPoint& point : kTornEdge)
        edge << QPoint(across(point.x()), down(point.y()));
    QPolygon torn = edge;
    torn << QPoint(sheet.width(), sheet.height());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(torn);
    p.setPen(QPen(ruling, scale, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(edge);
    return sheet;
}

}  // namespace zavkari
