#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "avi_clip.h"

namespace zavkari {

// An animation element: plays a clip of the resources, once (stopping on its last frame, as the
// splash does) or over and over (as the bid panel's clip does), stretched to the element. The clip
// is read where the program holds it; each frame is decoded when it is due onto the one picture on
// show, and only what it changed is repainted.
class AnimationPlayer : public QWidget {
    Q_OBJECT

  public:
    enum class Repeat { Once, Forever };

    explicit AnimationPlayer(QWidget* parent = nullptr);

    // Pure white becomes see-through, as in the splash. Set before a clip is opened.
    void setWhiteSeeThrough(bool seeThrough) {
        white_ = seeThrough ? White::SeeThrough : White::Opaque;
    }

    // Opens a clip and shows its first frame; a missing, truncated or malformed one is refused with
    // the reason in `error` and leaves the element empty.
    bool open(const QString& resourceName, QString* error = nullptr);
    // The same for a clip held by the caller; the player keeps a reference to `clip`.
    bool load(const QByteArray& clip, QString* error = nullptr);

    void play(Repeat repeat);
    void stop();
    // Stops and lets the clip and its picture go.
    void unload();

    bool isPlaying() const { return timer_.isActive(); }
    int frameCount() const { return clip_ ? static_cast<int>(clip_->frames.size()) : 0; }
    int currentFrame() const { return current_; }
    int frameIntervalMs() const { return clip_ ? clip_->frameIntervalMs : 0; }
    // When frame `frame` of the clip playing is due, on the clock of `QElapsedTimer`.
    qint64 frameDueMs(int frame) const;
    // The frame on show, see-through white as transparent pixels; a null image without a clip.
    const QImage& shownFrame() const { return picture_; }

  signals:
    void frameShown();
    // The see-through pixels of the frame on show are not those of the frame before.
    void outlineChanged();
    void finished();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool decode(int frame, FrameChange& change, QString* error);
    static QRect changedArea(const FrameChange& change);
    void showChange(const QRect& changed, bool newOutline);
    void advance();

    White white_ = White::Opaque;
    QByteArray bytes_;
    std::optional<AviFrames> clip_;
    QImage picture_;
    int current_ = 0;
    int shownSincePlay_ = 0;
    Repeat repeat_ = Repeat::Once;
    QTimer timer_;
    QElapsedTimer playing_;
};

}  // namespace zavkari
