#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "painters.h"

namespace zavkari {
namespace {

const QColor gold(222, 176, 70);

// Deep red with a lattice of light lines and a medallion holding the Georgian sun.
void paintLattice(QPainter& p, const QRectF& field) {
    p.fillRect(field, QColor(150, 22, 42));
    p.setPen(QPen(QColor(235, 190, 190, 150), 1.6));
    for (qreal d = -field.height(); d < field.width(); d += 13) {
        p.drawLine(QPointF(field.left() + d, field.top()),
                   QPointF(field.left() + d + field.height(), field.bottom()));
        p.drawLine(QPointF(field.right() - d, field.top()),
                   QPointF(field.right() - d - field.height(), field.bottom()));
    }
    const QPointF centre = field.center();
    p.setPen(QPen(gold, 3));
    p.setBrush(QColor(120, 12, 30));
    p.drawEllipse(centre, 44, 56);
    p.setPen(QPen(QColor(250, 235, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 38, 50);
    drawBorjgali(p, centre, 64, gold);
}

// Blue with nested diamonds, white on two blues.
void paintDiamonds(QPainter& p, const QRectF& field) {
    p.fillRect(field, QColor(22, 58, 140));
    constexpr qreal w = 26, h = 34;
    for (qreal y = field.top() - h; y < field.bottom() + h; y += h / 2) {
        const bool odd = static_cast<int>((y - field.top()) / (h / 2)) % 2 != 0;
        for (qreal x = field.left() - w + (odd ? w / 2 : 0); x < field.right() + w; x += w) {
            const QPointF c(x, y);
            for (int ring = 0; ring < 3; ++ring) {
                const qreal s = 1.0 - ring * 0.32;
                QPolygonF rhomb{{c.x(), c.y() - h / 2 * s},
                                {c.x() + w / 2 * s, c.y()},
                                {c.x(), c.y() + h / 2 * s},
                                {c.x() - w / 2 * s, c.y()}};
                p.setPen(QPen(ring == 1 ? QColor(140, 180, 240) : QColor(235, 242, 255), 1.4));
                p.setBrush(ring == 2 ? QBrush(QColor(235, 242, 255)) : QBrush(Qt::NoBrush));
                p.drawPolygon(rhomb);
            }
        }
    }
}

// A green tartan of crossing bands.
void paintTartan(QPainter& p, const QRectF& field) {
    p.fillRect(field, QColor(18, 80, 48));
    struct Band {
        qreal offset;
        qreal width;
        QColor colour;
    };
    const Band bands[] = {{0, 14, QColor(10, 30, 70, 150)},
                          {20, 4, QColor(200, 40, 40, 170)},
                          {30, 14, QColor(10, 30, 70, 150)},
                          {50, 2, QColor(240, 210, 90, 200)}};
    constexpr qreal repeat = 60;
    p.setPen(Qt::NoPen);
    for (qreal start = field.left() - repeat; start < field.right(); start += repeat)
        for (const Band& band : bands) {
            p.setBrush(band.colour);
            p.drawRect(QRectF(start + band.offset, field.top(), band.width, field.height()));
        }
    for (qreal start = field.top() - repeat; start < field.bottom(); start += repeat)
        for (const Band& band : bands) {
            p.setBrush(band.colour);
            p.drawRect(QRectF(field.left(), start + band.offset, field.width(), band.width));
        }
}

// Black and gold: a sunburst in a stepped frame.
void paintSunburst(QPainter& p, const QRectF& field) {
    p.fillRect(field, QColor(18, 18, 22));
    const QPointF centre = field.center();
    p.setPen(Qt::NoPen);
    for (int ray = 0; ray < 36; ray += 2) {
        QPainterPath wedge;
        wedge.moveTo(centre);
        wedge.arcTo(QRectF(centre.x() - 200, centre.y() - 200, 400, 400), ray * 10, 10);
        wedge.closeSubpath();
        p.setBrush(QColor(200, 150, 50, 120));
        p.drawPath(wedge);
    }
    for (int step = 0; step < 3; ++step) {
        const qreal inset = 10 + step * 9;
        p.setPen(QPen(gold, step == 0 ? 3 : 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(field.adjusted(inset, inset, -inset, -inset));
    }
    p.setPen(QPen(gold, 2.5));
    p.setBrush(QColor(18, 18, 22));
    QPolygonF lozenge{{centre.x(), centre.y() - 46},
                      {centre.x() + 34, centre.y()},
                      {centre.x(), centre.y() + 46},
                      {centre.x() - 34, centre.y()}};
    p.drawPolygon(lozenge);
    for (int suit = 0; suit < 4; ++suit) {
        const QPointF at = centre + QPointF(suit % 2 == 0 ? 0 : (suit == 1 ? 15 : -15),
                                            suit % 2 == 0 ? (suit == 0 ? -17 : 17) : 0);
        p.save();
        p.translate(at);
        p.scale(15, 15);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawPath(suitShape(static_cast<Suit>(suit)));
        p.restore();
    }
}

// Purple with interlaced rings, like a carved Georgian rosette.
void paintRings(QPainter& p, const QRectF& field) {
    QLinearGradient shade(field.topLeft(), field.bottomRight());
    shade.setColorAt(0, QColor(96, 26, 80));
    shade.setColorAt(1, QColor(60, 14, 52));
    p.fillRect(field, shade);
    constexpr qreal r = 16;
    p.setBrush(Qt::NoBrush);
    for (qreal y = field.top(); y < field.bottom() + r; y += r * 0.866 * 2) {
        for (int row = 0; row < 2; ++row) {
            const qreal cy = y + row * r * 0.866;
            for (qreal x = field.left() + (row ? r : 0); x < field.right() + r; x += 2 * r) {
                p.setPen(QPen(QColor(240, 190, 220, 170), 1.6));
                p.drawEllipse(QPointF(x, cy), r, r);
                p.setPen(Qt::NoPen);
                p.setBrush(gold);
                p.drawEllipse(QPointF(x, cy), 2.4, 2.4);
                p.setBrush(Qt::NoBrush);
            }
        }
    }
}

}  // namespace

QImage paintCardBack(int design, int scale) {
    QImage back = blankPicture(cardBackSize, Qt::transparent, scale);
    QPainter p(&back);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = drawBlankCard(p, cardBackSize);

    const QRectF field = card.adjusted(11, 11, -11, -11);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(field, 6, 6);
    p.setClipPath(clip);
    switch (design) {
        case 1:
            paintLattice(p, field);
            break;
        case 2:
            paintDiamonds(p, field);
            break;
        case 3:
            paintTartan(p, field);
            break;
        case 4:
            paintSunburst(p, field);
            break;
        default:
            paintRings(p, field);
            break;
    }
    p.restore();
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(field, 6, 6);
    return back;
}

}  // namespace zavkari
