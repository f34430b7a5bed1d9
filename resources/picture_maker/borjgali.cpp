#include <QPainter>
#include <QtMath>

#include "painters.h"

namespace zavkari {
namespace {

QPointF polar(qreal radius, qreal degrees) {
    const qreal angle = qDegreesToRadians(degrees);
    return {radius * qCos(angle), radius * qSin(angle)};
}

// One arm: a crescent that leaves the hub and curls round, thick in the middle, fine at the tips.
QPainterPath arm(qreal at) {
    QPainterPath outer;
    outer.addEllipse(polar(0.25, at), 0.25, 0.25);
    QPainterPath bite;
    bite.addEllipse(polar(0.25, at) + polar(0.085, at + 90), 0.225, 0.225);
    return outer.subtracted(bite);
}

}  // namespace

void drawBorjgali(QPainter& painter, QPointF centre, qreal size, const QColor& colour) {
    painter.save();
    painter.translate(centre);
    painter.scale(size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(borjgaliShape(7));
    painter.restore();
}

QPainterPath borjgaliShape(int arms) {
    QPainterPath sun;
    for (int i = 0; i < arms; ++i)
        sun = sun.united(arm(360.0 * i / arms));
    QPainterPath hub;
    hub.addEllipse(QPointF(0, 0), 0.07, 0.07);
    return sun.united(hub);
}

}  // namespace zavkari
