#include <QLinearGradient>
#include <QPainter>

#include "painters.h"

namespace zavkari {
namespace {

// The half figure is drawn in a box of this size, its waist on the bottom edge; the other half
// is the same drawing turned round, as on a real court card.
constexpr qreal halfW = 88, halfH = 79;

const QColor gold(226, 168, 44);
const QColor goldDark(150, 100, 20);
const QColor skin(246, 214, 178);
const QColor ink(60, 40, 30);
const QColor royalBlue(36, 70, 150);
const QColor cream(252, 244, 222);

struct Palette {
    QColor robe;
    QColor trim;
    QColor hair;
};

Palette paletteFor(Suit suit, Rank rank) {
    const bool red = suit == Suit::aguri || suit == Suit::guli;
    const QColor robe = red ? QColor(196, 22, 42) : QColor(30, 36, 60);
    const QColor trim = red ? royalBlue : QColor(190, 30, 45);
    switch (rank) {
        case Rank::king:
            return {robe, trim, QColor(235, 232, 222)};
        case Rank::queen:
            return {trim, robe, QColor(214, 150, 40)};
        default:
            return {robe, trim, QColor(110, 62, 28)};
    }
}

QPen inkPen(qreal width = 1.0) {
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap);
}

// Shoulders and robe fill the frame's width down to the waist, where the other half begins.
void drawRobe(QPainter& p, const Palette& colours) {
    QPainterPath robe;
    robe.moveTo(0, halfH);
    robe.lineTo(0, 66);
    robe.cubicTo(4, 57, 16, 52, 30, 50);
    robe.lineTo(58, 50);
    robe.cubicTo(72, 52, 84, 57, 88, 66);
    robe.lineTo(88, halfH);
    robe.closeSubpath();
    QLinearGradient shade(0, 50, 0, halfH);
    shade.setColorAt(0, colours.robe.lighter(130));
    shade.setColorAt(1, colours.robe);
    p.setPen(inkPen());
    p.setBrush(shade);
    p.drawPath(robe);

    // A band down the front with gold studs, and a gold collar.
    p.setBrush(colours.trim);
    p.drawRect(QRectF(38, 54, 12, halfH - 54));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (qreal y = 59; y < halfH; y += 7)
        p.drawEllipse(QPointF(44, y), 2.2, 2.2);
    QPainterPath collar;
    collar.moveTo(26, 51);
    collar.quadTo(44, 63, 62, 51);
    collar.lineTo(58, 48.5);
    collar.quadTo(44, 56, 30, 48.5);
    collar.closeSubpath();
    p.setPen(inkPen(0.8));
    p.drawPath(collar);
    // Sleeves in the trim colour, with gold cuffs.
    p.setPen(QPen(colours.trim, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 58), QPointF(15, 71));
    p.drawLine(QPointF(66, 58), QPointF(72, 71));
    p.setPen(QPen(gold, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(11.5, 72), QPointF(18.5, 74));
    p.drawLine(QPointF(68.5, 74), QPointF(75.5, 72));
}

void drawHands(QPainter& p) {
    p.setPen(inkPen(0.7));
    p.setBrush(skin);
    p.drawEllipse(QPointF(15, 76.5), 3.2, 3);
    p.drawEllipse(QPointF(72, 76.5), 3.2, 3);
}

void drawHead(QPainter& p) {
    p.setPen(inkPen(0.8));
    p.setBrush(skin);
    p.drawRect(QRectF(40, 42, 8, 9));  // neck
    p.drawEllipse(QPointF(44, 33), 10.5, 12.5);
    p.setBrush(ink);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(40, 32), 1.3, 1.1);
    p.drawEllipse(QPointF(48, 32), 1.3, 1.1);
    p.setPen(inkPen(0.7));
    p.drawLine(QPointF(44, 33), QPointF(43, 37.5));
    p.setPen(QPen(QColor(180, 40, 50), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(41.5, 40.5), QPointF(46.5, 40.5));
}

void drawKing(QPainter& p, const Palette& colours) {
    // Beard and moustache.
    QPainterPath beard;
    beard.moveTo(34, 34);
    beard.cubicTo(34, 47, 39, 53, 44, 55);
    beard.cubicTo(49, 53, 54, 47, 54, 34);
    beard.cubicTo(51, 41, 37, 41, 34, 34);
    p.setPen(inkPen(0.8));
    p.setBrush(colours.hair);
    p.drawPath(beard);
    p.drawLine(QPointF(40, 39), QPointF(48, 39));
    // Crown: a band with five points, each tipped with a ball, and two jewels.
    QPainterPath crown;
    crown.moveTo(32, 24);
    crown.lineTo(31, 9);
    crown.lineTo(36.5, 16);
    crown.lineTo(39, 6);
    crown.lineTo(44, 14);
    crown.lineTo(49, 6);
    crown.lineTo(51.5, 16);
    crown.lineTo(57, 9);
    crown.lineTo(56, 24);
    crown.closeSubpath();
    QLinearGradient shine(30, 0, 58, 0);
    shine.setColorAt(0, goldDark);
    shine.setColorAt(0.45, gold.lighter(130));
    shine.setColorAt(1, goldDark);
    p.setBrush(shine);
    p.drawPath(crown);
    p.setBrush(gold);
    for (QPointF tip : {QPointF(31, 9), QPointF(39, 6), QPointF(49, 6), QPointF(57, 9)})
        p.drawEllipse(tip, 1.8, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(colours.trim);
    p.drawEllipse(QPointF(44, 20), 2.4, 2.4);
    p.setBrush(QColor(40, 140, 70));
    p.drawEllipse(QPointF(37, 20.5), 1.6, 1.6);
    p.drawEllipse(QPointF(51, 20.5), 1.6, 1.6);
    // Sceptre in the right hand.
    p.setPen(QPen(goldDark, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(72, 77), QPointF(74, 24));
    p.setPen(inkPen(0.8));
    p.setBrush(gold);
    p.drawEllipse(QPointF(74.3, 21), 4, 4);
    p.drawLine(QPointF(74.3, 17), QPointF(74.3, 12));
    p.drawLine(QPointF(71.8, 14.5), QPointF(76.8, 14.5));
}

// Hair falling to the shoulders, drawn before the face.
void drawQueenHair(QPainter& p, const Palette& colours) {
    QPainterPath hair;
    hair.moveTo(44, 19);
    hair.cubicTo(28, 19, 29, 40, 27, 52);
    hair.lineTo(35, 50);
    hair.cubicTo(33, 40, 34, 28, 44, 24);
    hair.cubicTo(54, 28, 55, 40, 53, 50);
    hair.lineTo(61, 52);
    hair.cubicTo(59, 40, 60, 19, 44, 19);
    p.setPen(inkPen(0.8));
    p.setBrush(colours.hair);
    p.drawPath(hair);
}

void drawQueen(QPainter& p, const Palette& colours) {
    // Tiara: a gold arch with a jewel and pearls.
    QPainterPath tiara;
    tiara.moveTo(33, 23);
    tiara.cubicTo(35, 12, 53, 12, 55, 23);
    tiara.cubicTo(50, 19, 38, 19, 33, 23);
    p.setBrush(gold);
    p.drawPath(tiara);
    p.setBrush(colours.trim);
    p.drawEllipse(QPointF(44, 13), 3, 3.6);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (QPointF pearl :
         {QPointF(37.5, 18.5), QPointF(40.5, 17.2), QPointF(47.5, 17.2), QPointF(50.5, 18.5)})
        p.drawEllipse(pearl, 1.1, 1.1);
    // A rose held in the left hand.
    p.setPen(QPen(QColor(40, 110, 50), 1.6));
    p.drawLine(QPointF(15, 75), QPointF(15, 42));
    p.setBrush(QColor(40, 130, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(18.5, 52), 3.5, 1.8);
    p.setPen(inkPen(0.7));
    p.setBrush(colours.trim == royalBlue ? QColor(210, 30, 60) : QColor(230, 90, 110));
    p.drawEllipse(QPointF(15, 37), 5.5, 5.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 34, 6, 6), 0, 270 * 16);
}

void drawJack(QPainter& p, const Palette& colours) {
    // Short hair, a beret and a feather.
    QPainterPath hair;
    hair.moveTo(33.5, 36);
    hair.cubicTo(32, 24, 56, 24, 54.5, 36);
    hair.cubicTo(52, 28, 36, 28, 33.5, 36);
    p.setPen(inkPen(0.8));
    p.setBrush(colours.hair);
    p.drawPath(hair);
    QPainterPath beret;
    beret.moveTo(30, 25);
    beret.cubicTo(28, 13, 58, 10, 60, 22);
    beret.cubicTo(52, 26, 38, 27, 30, 25);
    p.setBrush(colours.trim);
    p.drawPath(beret);
    p.setBrush(gold);
    p.drawRect(QRectF(33, 22.5, 24, 3));
    QPainterPath feather;
    feather.moveTo(56, 20);
    feather.cubicTo(62, 8, 70, 4, 78, 3);
    feather.cubicTo(72, 9, 66, 15, 56, 20);
    p.setBrush(QColor(250, 250, 245));
    p.drawPath(feather);
    // A halberd in the left hand.
    p.setPen(QPen(QColor(120, 75, 35), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 77), QPointF(15, 16));
    QPainterPath blade;
    blade.moveTo(15, 6);
    blade.lineTo(18, 16);
    blade.cubicTo(24, 18, 25, 24, 24, 28);
    blade.lineTo(15, 24);
    blade.lineTo(12, 16);
    blade.closeSubpath();
    p.setPen(inkPen(0.8));
    p.setBrush(QColor(200, 205, 215));
    p.drawPath(blade);
}

void drawHalf(QPainter& p, Suit suit, Rank rank) {
    const Palette colours = paletteFor(suit, rank);
    drawRobe(p, colours);
    if (rank == Rank::queen) drawQueenHair(p, colours);
    drawHead(p);
    if (rank == Rank::king)
        drawKing(p, colours);
    else if (rank == Rank::queen)
        drawQueen(p, colours);
    else
        drawJack(p, colours);
    drawHands(p);
}

}  // namespace

void drawCourtFigure(QPainter& painter, Suit suit, Rank rank, const QRectF& frame) {
    painter.save();
    painter.setPen(QPen(suitColour(suit), 1.4));
    painter.setBrush(cream);
    painter.drawRect(frame);

    for (int half = 0; half < 2; ++half) {
        painter.save();
        painter.setClipRect(frame.adjusted(0.7, 0.7, -0.7, -0.7));
        if (half == 1) {
            painter.translate(frame.center());
            painter.rotate(180);
            painter.translate(-frame.center());
        }
        painter.translate(frame.topLeft());
        painter.scale(frame.width() / halfW, frame.height() / 2 / halfH);
        drawHalf(painter, suit, rank);
        drawSuit(painter, suit, QPointF(11, 11), 13);
        painter.restore();
    }
    // The dividing line between the two halves.
    painter.setPen(QPen(gold.darker(115), 1.4));
    painter.drawLine(QPointF(frame.left(), frame.center().y()),
                     QPointF(frame.right(), frame.center().y()));
    painter.restore();
}

}  // namespace zavkari
