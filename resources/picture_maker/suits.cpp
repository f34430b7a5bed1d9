#include <QPainter>

#include "painters.h"

namespace zavkari {
namespace {

QPainterPath diamond() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.quadTo(0.16, -0.2, 0.38, 0);
    path.quadTo(0.16, 0.2, 0, 0.5);
    path.quadTo(-0.16, 0.2, -0.38, 0);
    path.quadTo(-0.16, -0.2, 0, -0.5);
    return path;
}

QPainterPath heart() {
    QPainterPath path;
    path.moveTo(0, 0.5);
    path.cubicTo(-0.12, 0.33, -0.5, 0.12, -0.5, -0.19);
    path.cubicTo(-0.5, -0.42, -0.32, -0.52, -0.2, -0.5);
    path.cubicTo(-0.08, -0.49, -0.02, -0.41, 0, -0.32);
    path.cubicTo(0.02, -0.41, 0.08, -0.49, 0.2, -0.5);
    path.cubicTo(0.32, -0.52, 0.5, -0.42, 0.5, -0.19);
    path.cubicTo(0.5, 0.12, 0.12, 0.33, 0, 0.5);
    return path;
}

// The flared foot shared by spades and clubs.
QPainterPath stem() {
    QPainterPath path;
    path.moveTo(-0.05, 0.12);
    path.quadTo(-0.04, 0.4, -0.22, 0.5);
    path.lineTo(0.22, 0.5);
    path.quadTo(0.04, 0.4, 0.05, 0.12);
    path.closeSubpath();
    return path;
}

QPainterPath spade() {
    QPainterPath blade;
    blade.moveTo(0, -0.5);
    blade.cubicTo(0.1, -0.33, 0.5, -0.14, 0.5, 0.11);
    blade.cubicTo(0.5, 0.31, 0.34, 0.38, 0.22, 0.37);
    blade.cubicTo(0.1, 0.36, 0.03, 0.28, 0, 0.2);
    blade.cubicTo(-0.03, 0.28, -0.1, 0.36, -0.22, 0.37);
    blade.cubicTo(-0.34, 0.38, -0.5, 0.31, -0.5, 0.11);
    blade.cubicTo(-0.5, -0.14, -0.1, -0.33, 0, -0.5);
    return blade.united(stem());
}

QPainterPath club() {
    QPainterPath leaves;
    constexpr qreal r = 0.215;
    leaves.addEllipse(QPointF(0, -0.27), r, r);
    leaves.addEllipse(QPointF(-0.27, 0.09), r, r);
    leaves.addEllipse(QPointF(0.27, 0.09), r, r);
    QPainterPath heartOfLeaves;
    heartOfLeaves.addEllipse(QPointF(0, 0.0), 0.14, 0.16);
    return leaves.united(heartOfLeaves).united(stem());
}

}  // namespace

QPainterPath suitShape(Suit suit) {
    switch (suit) {
        case Suit::aguri:
            return diamond();
        case Suit::guli:
            return heart();
        case Suit::jvari:
            return club();
        case Suit::yvavi:
            return spade();
    }
    return {};
}

QColor suitColour(Suit suit) {
    return suit == Suit::aguri || suit == Suit::guli ? QColor(204, 18, 40) : QColor(24, 24, 30);
}

void drawSuit(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown) {
    painter.save();
    painter.translate(centre);
    painter.scale(height, upsideDown ? -height : height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    painter.drawPath(suitShape(suit));
    painter.restore();
}

}  // namespace zavkari
