#include <QtMath>

#include "painters.h"

namespace {

QPointF polar(qreal radius, qreal degrees) {
    const qreal angle = qDegreesToRadians(degrees);
    return {radius * qCos(angle), radius * qSin(angle)};
}

// One arm: a blade that leaves the hub and sweeps round into a rounded hook.
QPainterPath arm(qreal at) {
    QPainterPath blade;
    blade.moveTo(polar(0.1, at));
    blade.cubicTo(polar(0.3, at - 5), polar(0.48, at + 25), polar(0.47, at + 62));
    blade.cubicTo(polar(0.45, at + 78), polar(0.33, at + 82), polar(0.3, at + 70));
    blade.cubicTo(polar(0.34, at + 40), polar(0.22, at + 30), polar(0.1, at + 40));
    blade.closeSubpath();
    return blade;
}

}  // namespace

QPainterPath borjgaliShape(int arms) {
    QPainterPath sun;
    sun.addEllipse(QPointF(0, 0), 0.13, 0.13);
    for (int i = 0; i < arms; ++i)
        sun = sun.united(arm(360.0 * i / arms));
    QPainterPath eye;
    eye.addEllipse(QPointF(0, 0), 0.055, 0.055);
    return sun.subtracted(eye);
}
