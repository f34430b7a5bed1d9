#include "animation_player.h"

#include <QPainter>
#include <string>

#include "avi_clip.h"
#include "byte_span.h"
#include "pictures.h"

namespace zavkari {

AnimationPlayer::AnimationPlayer(QWidget* parent) : QWidget(parent) {
    connect(&timer_, &QTimer::timeout, this, &AnimationPlayer::advance);
}

bool AnimationPlayer::open(const QString& resourceName, QString* error) {
    const QByteArray bytes = pictures::data(resourceName);
    if (bytes.isEmpty()) {
        stop();
        frames_.clear();
        update();
        if (error != nullptr) *error = QStringLiteral("no clip named ") + resourceName;
        return false;
    }
    return load(bytesOf(bytes), error);
}

bool AnimationPlayer::load(std::span<const std::uint8_t> clip, QString* error) {
    stop();
    frames_.clear();
    current_ = 0;
    std::string reason;
    const auto read = readAviClip(clip, reason);
    if (read) {
        for (const RgbImage& frame : read->frames)
            frames_.push_back(pictures::toImage(frame));
        timer_.setInterval(read->frameIntervalMs);
    } else if (error != nullptr) {
        *error = QString::fromStdString(reason);
    }
    update();
    return read.has_value();
}

void AnimationPlayer::showStill(const QImage& picture) {
    stop();
    frames_.assign(1, picture);
    current_ = 0;
    update();
    emit frameShown();
}

void AnimationPlayer::play(Repeat repeat) {
    if (frames_.empty()) return;
    repeat_ = repeat;
    current_ = 0;
    update();
    emit frameShown();
    timer_.start();
}

void AnimationPlayer::unload() {
    stop();
    std::vector<QImage>().swap(frames_);
    current_ = 0;
    update();
}

void AnimationPlayer::stop() {
    timer_.stop();
}

// Played once, the clip stops as soon as its last frame is on show, and stays there.
void AnimationPlayer::advance() {
    current_ = current_ + 1 < frameCount() ? current_ + 1 : 0;
    update();
    emit frameShown();
    if (repeat_ == Repeat::Once && current_ + 1 == frameCount()) {
        stop();
        emit finished();
    }
}

void AnimationPlayer::paintEvent(QPaintEvent*) {
    if (frames_.empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), frames_[current_]);
}

}  // namespace zavkari
