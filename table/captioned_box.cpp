#include "captioned_box.h"

#include <QPainter>

namespace zavkari {
namespace {

constexpr int kCaptionLeft = 6;  // where the caption's background starts breaking the top edge
constexpr int kCaptionPadding = 2;

}  // namespace

CaptionedBox::CaptionedBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

int CaptionedBox::captionHeight() const {
    return fontMetrics().height();
}

void CaptionedBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The top edge runs through the middle of the caption.
    const QRect frame = rect().adjusted(0, captionHeight() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    const QRect caption(kCaptionLeft, 0,
                        fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding,
                        captionHeight());
    painter.fillRect(caption, palette().window());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace zavkari
