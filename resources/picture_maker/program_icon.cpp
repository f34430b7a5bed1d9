#include <QPainter>

#include "painters.h"

namespace zavkari {
namespace {

// A card with its suit sign at `suitAt`; a back has none.
void drawIconCard(QPainter& p, QColor field, Suit suit, bool showSuit, QPointF suitAt) {
    p.save();
    const QRectF card(-0.26, -0.36, 0.52, 0.72);
    p.setPen(QPen(QColor(60, 60, 60), 0.012));
    p.setBrush(field);
    p.drawPath(cardOutline(card));
    if (showSuit) {
        p.translate(suitAt);
        p.scale(0.34, 0.34);
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
    p.translate(size / 2.0, size / 2.0);
    p.scale(size, size);
    if (size <= 24) {
        p.scale(1.3, 1.3);
        drawIconCard(p, Qt::white, Suit::guli, true, {0, 0});
        return icon;
    }
    // The cards turn about a point below the middle, like a hand of cards held up.
    const QPointF hand(0, 0.42);
    const auto fanned = [&p, hand](qreal angle, QColor field, Suit suit, bool showSuit,
                                   QPointF suitAt) {
        p.save();
        p.translate(hand);
        p.rotate(angle);
        p.translate(-hand);
        drawIconCard(p, field, suit, showSuit, suitAt);
        p.restore();
    };
    p.scale(0.86, 0.86);
    p.translate(0, 0.04);
    fanned(-32, QColor(160, 24, 44), Suit::guli, false, {});
    fanned(0, Qt::white, Suit::yvavi, true, {-0.1, -0.13});  // clear of the front card
    fanned(32, Qt::white, Suit::guli, true, {0, 0});
    return icon;
}

}  // namespace zavkari
