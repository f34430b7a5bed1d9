#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <span>
#include <vector>

namespace zavkari {

// An animation element: plays an uncompressed AVI clip from the resources, once (stopping on its
// last frame, as the splash does) or over and over (as the bid panel's clip does). The frames are
// stretched to the element.
class AnimationPlayer : public QWidget {
    Q_OBJECT

  public:
    enum class Repeat { Once, Forever };

    explicit AnimationPlayer(QWidget* parent = nullptr);

    // Loads a clip; a missing, truncated or malformed one is refused with the reason in `error`
    // and leaves the element empty.
    bool open(const QString& resourceName, QString* error = nullptr);
    bool load(std::span<const std::uint8_t> clip, QString* error = nullptr);

    // Shows one picture until a clip is loaded, as the splash shows its first frame at once.
    void showStill(const QImage& picture);
    void play(Repeat repeat);
    // Stops and lets the frames go.
    void unload();
    void stop();

    bool isPlaying() const { return timer_.isActive(); }
    int frameCount() const { return static_cast<int>(frames_.size()); }
    int currentFrame() const { return current_; }
    int frameIntervalMs() const { return timer_.interval(); }
    // The frame on show; a null image while no clip is loaded.
    QImage shownFrame() const { return frames_.empty() ? QImage() : frames_[current_]; }

  signals:
    void frameShown();
    void finished();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void advance();

    std::vector<QImage> frames_;
    int current_ = 0;
    Repeat repeat_ = Repeat::Once;
    QTimer timer_;
};

}  // namespace zavkari
