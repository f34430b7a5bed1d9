#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "painters.h"

namespace zavkari {

// A mouse seen from above, its cable leading up; the button to press glows red, with clicks.
QImage paintMouse(bool rightButtonMarked) {
    QImage picture = blankPicture({105, 105});
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath cable;
    cable.moveTo(52.5, 22);
    cable.cubicTo(52.5, 10, 62, 10, 66, 3);
    p.setPen(QPen(QColor(40, 40, 44), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);

    const QRectF bodyBox(24, 20, 57, 80);
    QPainterPath body;
    body.addRoundedRect(bodyBox, 28, 30);
    QLinearGradient shell(bodyBox.topLeft(), bodyBox.bottomRight());
    shell.setColorAt(0, QColor(252, 252, 252));
    shell.setColorAt(0.6, QColor(214, 216, 220));
    shell.setColorAt(1, QColor(160, 162, 168));
    p.setPen(QPen(QColor(50, 50, 56), 1.6));
    p.setBrush(shell);
    p.drawPath(body);

    const qreal split = 54;  // where the buttons end
    QPainterPath buttons;
    buttons.addRect(QRectF(bodyBox.left(), bodyBox.top(), bodyBox.width(), split - bodyBox.top()));
    const qreal middle = bodyBox.center().x();
    QPainterPath marked;
    marked.addRect(rightButtonMarked
                       ? QRectF(middle, bodyBox.top(), 40, split - bodyBox.top())
                       : QRectF(middle - 40, bodyBox.top(), 40, split - bodyBox.top()));
    marked = marked.intersected(body);
    QRadialGradient glow(marked.boundingRect().center(), 26);
    glow.setColorAt(0, QColor(255, 120, 90));
    glow.setColorAt(1, QColor(200, 20, 30));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawPath(marked);

    p.setPen(QPen(QColor(60, 60, 66), 1.4));
    p.drawLine(QPointF(middle, bodyBox.top()), QPointF(middle, split));
    QPainterPath seam;
    seam.moveTo(bodyBox.left() + 1, split + 2);
    seam.quadTo(middle, split - 4, bodyBox.right() - 1, split + 2);
    p.setBrush(Qt::NoBrush);
    p.drawPath(seam);
    p.setBrush(QColor(70, 70, 76));
    p.drawRoundedRect(QRectF(middle - 3.5, 29, 7, 14), 3, 3);

    // Click marks beside the pressed button.
    const qreal side = rightButtonMarked ? 1 : -1;
    const QPointF from(middle + side * 33, 26);
    p.setPen(QPen(QColor(255, 210, 60), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, from + QPointF(side * 9, -7));
    p.drawLine(from + QPointF(side * 2, 7), from + QPointF(side * 13, 6));
    p.drawLine(from + QPointF(side * -6, -6), from + QPointF(side * -4, -16));
    return picture;
}

}  // namespace zavkari
