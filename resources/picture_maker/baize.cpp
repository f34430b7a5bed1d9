#include <QPainter>
#include <QRandomGenerator>
#include <QtMath>
#include <algorithm>

#include "painters.h"

namespace zavkari {

QImage paintBaize(QSize size, QColor colour, quint32 seed) {
    QRandomGenerator random(seed);

    // Large soft blotches, as the nap of real cloth lies a little differently everywhere.
    QImage mottle(size.width() / 40 + 2, size.height() / 40 + 2, QImage::Format_Grayscale8);
    for (int y = 0; y < mottle.height(); ++y)
        for (int x = 0; x < mottle.width(); ++x)
            mottle.scanLine(y)[x] = static_cast<uchar>(random.bounded(256));
    mottle = mottle.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QImage cloth(size, QImage::Format_RGB32);
    const qreal cx = size.width() / 2.0, cy = size.height() / 2.0;
    quint32 grain = seed * 2654435761u + 1;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cloth.scanLine(y));
        const uchar* blotch = mottle.constScanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            grain ^= grain << 13;
            grain ^= grain >> 17;
            grain ^= grain << 5;
            const qreal dx = (x - cx) / cx, dy = (y - cy) / cy;
            const qreal light =
                (1.0 - 0.30 * (dx * dx + dy * dy) * 0.5) * (1.0 + (blotch[x] - 128) / 128.0 * 0.05);
            const int noise = static_cast<int>(grain % 15) - 7;
            line[x] = qRgb(std::clamp(static_cast<int>(colour.red() * light) + noise / 2, 0, 255),
                           std::clamp(static_cast<int>(colour.green() * light) + noise, 0, 255),
                           std::clamp(static_cast<int>(colour.blue() * light) + noise / 2, 0, 255));
        }
    }

    // Loose fibres, a shade lighter or darker than the cloth.
    QPainter painter(&cloth);
    painter.setRenderHint(QPainter::Antialiasing);
    const int fibres = size.width() * size.height() / 90;
    for (int i = 0; i < fibres; ++i) {
        const QPointF from(random.bounded(size.width() * 1.0), random.bounded(size.height() * 1.0));
        const qreal angle = random.bounded(2 * M_PI);
        const qreal length = 2 + random.bounded(6.0);
        const bool lighter = random.bounded(2) == 0;
        painter.setPen(QPen(lighter ? QColor(255, 255, 255, 18) : QColor(0, 0, 0, 22), 0.8));
        painter.drawLine(from, from + QPointF(qCos(angle) * length, qSin(angle) * length));
    }
    return cloth;
}

}  // namespace zavkari
