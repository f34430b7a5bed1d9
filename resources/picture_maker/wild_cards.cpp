#include <QPainter>
#include <QRadialGradient>

#include "painters.h"

namespace zavkari {

// A wild card carries no rank: a large Georgian sun in a gold ring, small suns in the corners.
QImage paintWildCard(bool red, int scale) {
    const QColor main = red ? QColor(196, 20, 40) : QColor(22, 22, 28);
    const QColor gold(214, 160, 40);
    QImage card = blankPicture(wildCardSize, Qt::transparent, scale);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = drawBlankCard(painter, wildCardSize);

    const QRectF frame = outline.adjusted(6, 6, -6, -6);
    painter.setPen(QPen(main, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, 4, 4);
    painter.setPen(QPen(gold, 1));
    painter.drawRoundedRect(frame.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);

    const QPointF centre = outline.center();
    QRadialGradient glow(centre, 34);
    glow.setColorAt(0, QColor(255, 244, 205));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 34, 34);
    painter.setPen(QPen(gold, 2.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 30, 30);
    painter.setPen(QPen(main, 1));
    painter.drawEllipse(centre, 33, 33);
    drawBorjgali(painter, centre, 52, main);

    const qreal inset = 16;
    for (QPointF corner : {QPointF(inset, inset), QPointF(89 - inset, 119 - inset)})
        drawBorjgali(painter, corner, 15, main);
    for (QPointF corner : {QPointF(89 - inset, inset), QPointF(inset, 119 - inset)})
        drawBorjgali(painter, corner, 11, gold);
    return card;
}

}  // namespace zavkari
