#include "animation_player.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <string>

#include "byte_span.h"
#include "pictures.h"

namespace zavkari {

AnimationPlayer::AnimationPlayer(QWidget* parent) : QWidget(parent) {
    // Frames are due on the clip's clock: never early, and late ones caught up (see `advance`).
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AnimationPlayer::advance);
}

bool AnimationPlayer::open(const QString& resourceName, QString* error) {
    const QByteArray bytes = pictures::data(resourceName);
    if (bytes.isEmpty()) {
        unload();
        if (error != nullptr) *error = QStringLiteral("no clip named ") + resourceName;
        return false;
    }
    return load(bytes, error);
}

bool AnimationPlayer::load(const QByteArray& clip, QString* error) {
    unload();
    std::string reason;
    clip_ = indexAviClip(bytesOf(clip), reason);
    if (!clip_) {
        if (error != nullptr) *error = QString::fromStdString(reason);
        return false;
    }
    bytes_ = clip;
    picture_ = QImage(
        clip_->width, clip_->height,
        white_ == White::SeeThrough ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    picture_.fill(Qt::transparent);  // all see-through until the first frame is in
    FrameChange change;
    if (!decode(0, change, error)) {
        unload();
        return false;
    }
    // Without see-through pixels every pixel is drawn: nothing beneath needs repainting first.
    setAttribute(Qt::WA_OpaquePaintEvent, white_ == White::Opaque);
    showChange(changedArea(change), change.outlineChanged);
    return true;
}

void AnimationPlayer::play(Repeat repeat) {
    if (!clip_) return;
    repeat_ = repeat;
    if (current_ != 0) {
        FrameChange change;
        if (!decode(0, change, nullptr)) return;
        showChange(changedArea(change), change.outlineChanged);
    }
    shownSincePlay_ = 0;
    playing_.start();
    timer_.start(clip_->frameIntervalMs);
}

void AnimationPlayer::stop() {
    timer_.stop();
}

void AnimationPlayer::unload() {
    stop();
    clip_.reset();
    bytes_ = QByteArray();
    picture_ = QImage();
    current_ = 0;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    update();
}

qint64 AnimationPlayer::frameDueMs(int frame) const {
    return playing_.msecsSinceReference() + static_cast<qint64>(frame) * frameIntervalMs();
}

bool AnimationPlayer::decode(int frame, FrameChange& change, QString* error) {
    const PixelView view{reinterpret_cast<std::uint32_t*>(picture_.bits()), picture_.width(),
                         picture_.height(), picture_.bytesPerLine() / 4};
    std::string reason;
    if (!decodeAviFrame(*clip_, static_cast<std::size_t>(frame), view, white_, change, reason)) {
        stop();
        if (error != nullptr) *error = QString::fromStdString(reason);
        qWarning("The clip cannot be played on: %s", reason.c_str());
        return false;
    }
    current_ = frame;
    return true;
}

QRect AnimationPlayer::changedArea(const FrameChange& change) {
    if (change.empty()) return {};
    return {QPoint(change.left, change.top), QPoint(change.right, change.bottom)};
}

void AnimationPlayer::showChange(const QRect& changed, bool newOutline) {
    if (newOutline) emit outlineChanged();
    // Painted at once, in the same turn: at the clip's own size only the pixels that changed.
    if (size() != picture_.size()) {
        repaint();
    } else if (!changed.isEmpty()) {
        repaint(changed);
    }
    emit frameShown();
}

// Each tick shows the next frame, and any more that have come due meanwhile, so that a late tick
// does not leave the clip behind its clock.
void AnimationPlayer::advance() {
    const int last = frameCount() - 1;
    const auto due = static_cast<int>(playing_.elapsed() / clip_->frameIntervalMs);
    QRect changed;
    bool newOutline = false;
    do {
        FrameChange change;
        if (!decode(current_ < last ? current_ + 1 : 0, change, nullptr)) return;
        ++shownSincePlay_;
        changed |= changedArea(change);
        newOutline |= change.outlineChanged;
    } while (shownSincePlay_ < due && !(repeat_ == Repeat::Once && current_ == last));
    showChange(changed, newOutline);
    if (repeat_ == Repeat::Once && current_ == last) {
        stop();
        emit finished();
    }
}

void AnimationPlayer::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (size() == picture_.size()) {
        painter.drawImage(event->rect().topLeft(), picture_, event->rect());
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture_);
    }
}

}  // namespace zavkari
