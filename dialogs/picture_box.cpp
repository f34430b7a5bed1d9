#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace zavkari {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace zavkari
