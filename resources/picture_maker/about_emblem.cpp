#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "painters.h"

namespace zavkari {

// A large copper capital Z, cut deep and lit from the upper left, on black.
QImage paintAboutEmblem() {
    QImage emblem(328, 466, QImage::Format_RGB32);
    emblem.fill(Qt::black);
    QPainter p(&emblem);
    p.setRenderHint(QPainter::Antialiasing);

    QFont font(QStringLiteral("C059"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(400);
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("Z"));
    const QRectF bounds = letter.boundingRect();
    const qreal depth = 22;
    letter.translate(QPointF(328 / 2.0, 466 / 2.0) - bounds.center() - QPointF(depth, depth) / 2);

    // A faint warm glow behind the letter.
    QRadialGradient glow(QPointF(164, 233), 200);
    glow.setColorAt(0, QColor(90, 40, 10, 120));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(emblem.rect(), glow);

    // The depth: the letter repeated towards the lower right, from dark to lit copper.
    p.setPen(Qt::NoPen);
    for (int step = static_cast<int>(depth); step > 0; --step) {
        const qreal t = step / depth;
        p.setBrush(QColor::fromRgbF(0.45 - 0.3 * t, 0.2 - 0.14 * t, 0.07 - 0.05 * t));
        p.drawPath(letter.translated(step, step));
    }

    QLinearGradient copper(bounds.topLeft() + letter.boundingRect().topLeft() - bounds.topLeft(),
                           letter.boundingRect().bottomRight());
    copper.setColorAt(0.0, QColor(250, 196, 140));
    copper.setColorAt(0.35, QColor(214, 128, 66));
    copper.setColorAt(0.6, QColor(166, 84, 34));
    copper.setColorAt(0.8, QColor(226, 146, 84));
    copper.setColorAt(1.0, QColor(120, 56, 20));
    p.setBrush(copper);
    p.drawPath(letter);

    // A bevel: light on the upper left edges, shade on the lower right.
    p.setBrush(Qt::NoBrush);
    p.save();
    p.setClipPath(letter);
    p.setPen(QPen(QColor(255, 230, 200, 200), 3));
    p.drawPath(letter.translated(1.5, 1.5));
    p.setPen(QPen(QColor(70, 30, 8, 200), 3));
    p.drawPath(letter.translated(-1.5, -1.5));
    p.restore();
    p.setPen(QPen(QColor(60, 25, 5), 1));
    p.drawPath(letter);
    return emblem;
}

}  // namespace zavkari
