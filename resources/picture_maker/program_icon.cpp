#include <QPainter>

#include "painters.h"

namespace {

void drawIconCard(QPainter& p, qreal angle, QColor field, Suit suit, bool showSuit) {
    p.save();
    p.rotate(angle);
    const QRectF card(-0.26, -0.36, 0.52, 0.72);
    p.setPen(QPen(QColor(60, 60, 60), 0.012));
    p.setBrush(field);
    p.drawPath(cardOutline(card));
    if (showSuit) {
        p.translate(0, -0.02);
        p.scale(0.36, 0.36);
        p.setPen(Qt::NoPen);
        p.setBrush(suitColour(suit));
        p.drawPath(suitShape(suit));
    }
    p.restore();
}

}  // namespace

// A fan of cards: a red back, a spade and a heart. The smallest sizes keep only the heart card.
QImage paintProgramIcon(int size) {
    QImage icon = blankPicture({size, size});
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0 + size * 0.06);
    p.scale(size, size);
    if (size <= 24) {
        p.scale(1.25, 1.25);
        drawIconCard(p, 0, Qt::white, Suit::guli, true);
        return icon;
    }
    p.translate(0, 0.16);
    const auto fanned = [&p](qreal angle, QColor field, Suit suit, bool showSuit) {
        p.save();
        p.rotate(angle);
        p.translate(0, -0.2);
        drawIconCard(p, 0, field, suit, showSuit);
        p.restore();
    };
    p.scale(0.9, 0.9);
    fanned(-30, QColor(160, 24, 44), Suit::guli, false);
    fanned(0, Qt::white, Suit::yvavi, true);
    fanned(30, Qt::white, Suit::guli, true);
    return icon;
}
