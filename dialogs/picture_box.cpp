#include "picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zavkari {

PictureBox::PictureBox(const QString& resourceName, QWidget* parent)
    : ShownPicture(resourceName, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    ShownPicture::keyPressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    ShownPicture::paintEvent(event);
    if (!hasFocus()) return;
    // White under black dashes: seen on the lightest back and the darkest table alike.
    QPainter painter(this);
    const QRectF inside = QRectF(rect()).adjusted(4.5, 4.5, -4.5, -4.5);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(inside);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(inside);
}

}  // namespace zavkari
