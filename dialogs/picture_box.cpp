#include "picture_box.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zavkari {
namespace {

class PictureBoxAccessible : public QAccessibleWidget {
  public:
    explicit PictureBoxAccessible(PictureBox* box)
        : QAccessibleWidget(box, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<const PictureBox*>(widget())->chosen();
        return s;
    }
};

QAccessibleInterface* pictureBoxFactory(const QString&, QObject* object) {
    auto* box = qobject_cast<PictureBox*>(object);
    return box != nullptr ? new PictureBoxAccessible(box) : nullptr;
}

}  // namespace

PictureBox::PictureBox(const QString& resourceName, QWidget* parent)
    : ShownPicture(resourceName, parent) {
    static const bool readable = [] {
        QAccessible::installFactory(pictureBoxFactory);
        return true;
    }();
    (void)readable;
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setChosen(bool chosen) {
    if (chosen == chosen_) return;
    chosen_ = chosen;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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
