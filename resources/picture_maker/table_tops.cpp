#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "painters.h"

namespace zavkari {
namespace {

// Polished wood: long wavy grain lines over a warm base.
QImage woodTexture(QSize size, QColor base, qreal phase) {
    QImage wood(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(wood.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const qreal wave = y * 0.55 + 7 * qSin(x * 0.011 + phase + qSin(y * 0.031) * 1.7) +
                               2 * qSin(x * 0.083 + y * 0.02);
            const qreal ring = 0.5 + 0.5 * qSin(wave * 0.9);
            const qreal light = 0.84 + 0.16 * ring * ring + 0.05 * qSin(x * 0.4 + y * 1.3);
            line[x] = qRgb(qMin(255, static_cast<int>(base.red() * light)),
                           qMin(255, static_cast<int>(base.green() * light)),
                           qMin(255, static_cast<int>(base.blue() * light)));
        }
    }
    return wood;
}

void fillFelt(QPainter& p, const QPainterPath& area, QColor colour, quint32 seed) {
    const QRect box = area.boundingRect().toAlignedRect();
    p.save();
    p.setClipPath(area);
    p.drawImage(box.topLeft(), paintBaize(box.size(), colour, seed));
    // Light from above the middle of the table.
    QRadialGradient light(box.center(), box.width() * 0.6);
    light.setColorAt(0, QColor(255, 255, 230, 40));
    light.setColorAt(1, QColor(0, 0, 0, 60));
    p.fillRect(box, light);
    p.restore();
}

// The rail: wood with a highlight along its inner edge and a shadow cast on the felt.
void drawRail(QPainter& p, const QPainterPath& outer, const QPainterPath& inner, QColor wood,
              qreal phase) {
    const QRect box = outer.boundingRect().toAlignedRect();
    p.save();
    p.setClipPath(outer.subtracted(inner));
    p.drawImage(box.topLeft(), woodTexture(box.size(), wood, phase));
    QLinearGradient gloss(box.topLeft(), box.bottomLeft());
    gloss.setColorAt(0, QColor(255, 240, 220, 70));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    gloss.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(box, gloss);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 20, 8), 2));
    p.drawPath(outer);
    p.setPen(QPen(QColor(30, 15, 5, 160), 6));
    p.save();
    p.setClipPath(inner);
    p.drawPath(inner);
    p.restore();
    p.setPen(QPen(QColor(232, 190, 110), 1.6));
    p.drawPath(inner);
}

void drawInlay(QPainter& p, const QPainterPath& line) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 190, 90, 170), 1.6));
    p.drawPath(line);
}

}  // namespace

// M2: an oval card table seen from above, mahogany rail round green felt.
QImage paintTablePicture() {
    QImage table = blankPicture({756, 512});
    QPainter p(&table);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(2, 2, 752, 508);
    QPainterPath outer, inner, inlay;
    outer.addRoundedRect(box, 200, 200);
    inner.addRoundedRect(box.adjusted(40, 40, -40, -40), 165, 165);
    inlay.addRoundedRect(box.adjusted(62, 62, -62, -62), 145, 145);
    fillFelt(p, inner, QColor(14, 112, 60), 7);
    drawInlay(p, inlay);
    drawRail(p, outer, inner, QColor(128, 48, 22), 0.0);

    // The Georgian sun in the felt, faintly, as a woven mark.
    drawBorjgali(p, box.center(), 150, QColor(255, 255, 255, 22));
    return table;
}

// MAGIDA: a square walnut card table with green felt and gilt corner marks.
QImage paintTableTop() {
    QImage table(609, 521, QImage::Format_RGB32);
    QPainter p(&table);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, 609, 521);
    QPainterPath outer, inner, inlay;
    outer.addRect(box);
    inner.addRoundedRect(box.adjusted(34, 34, -34, -34), 18, 18);
    inlay.addRoundedRect(box.adjusted(52, 52, -52, -52), 10, 10);
    fillFelt(p, inner, QColor(10, 104, 54), 11);
    drawInlay(p, inlay);
    drawRail(p, outer, inner, QColor(110, 70, 38), 1.3);
    const QRectF marks = box.adjusted(52, 52, -52, -52);
    for (QPointF corner :
         {marks.topLeft(), marks.topRight(), marks.bottomLeft(), marks.bottomRight()}) {
        drawBorjgali(p, corner, 26, QColor(230, 190, 90, 150));
    }
    return table;
}

}  // namespace zavkari
