#include "picture_box.h"

#include <QMouseEvent>

namespace zavkari {

PictureBox::PictureBox(const QString& resourceName, QWidget* parent)
    : ShownPicture(resourceName, parent) {
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace zavkari
