#include "shown_picture.h"

#include <QPainter>

#include "pictures.h"

namespace zavkari {

ShownPicture::ShownPicture(const QString& resourceName, QWidget* parent)
    : QWidget(parent), resourceName_(resourceName) {}

QPixmap ShownPicture::picture() const {
    if (!given_.isNull() || resourceName_.isEmpty()) return given_;
    return pictures::pixmap(resourceName_);
}

void ShownPicture::setPicture(const QPixmap& picture) {
    given_ = picture;
    shown_ = QPixmap();
    update();
}

void ShownPicture::paintEvent(QPaintEvent*) {
    if (shown_.size() != size()) {
        const QPixmap source = picture();
        if (source.isNull()) return;
        shown_ = source.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPainter(this).drawPixmap(0, 0, shown_);
}

void ShownPicture::hideEvent(QHideEvent*) {
    shown_ = QPixmap();
}

}  // namespace zavkari
