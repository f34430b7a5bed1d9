#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include "animation_player.h"
#include "avi_clip.h"

namespace zavkari {
namespace {

QByteArray bytesOf(const AviClip& clip) {
    const std::vector<std::uint8_t> bytes = writeAviClip(clip);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

// `frames` frames of 8 x 6 pixels, 5 ms apart; frame f has a 2 x 2 square of grey f * 10 at
// (2, 3), on black.
QByteArray squareClip(int frames) {
    AviClip clip{8, 6, 5, {}};
    for (int f = 0; f < frames; ++f) {
        RgbImage frame{8, 6, std::vector<std::uint8_t>(8 * 6 * 3, 0)};
        for (int y : {3, 4})
            for (int x : {2, 3})
                std::fill_n(frame.rgb.begin() + 3 * (y * 8 + x), 3, std::uint8_t(10 * f));
        clip.frames.push_back(frame);
    }
    return bytesOf(clip);
}

// The areas the player paints.
class PaintedAreas : public QObject {
  public:
    explicit PaintedAreas(QWidget& widget) { widget.installEventFilter(this); }
    std::vector<QRect> areas;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            areas.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

TEST(AnimationPlayer, OpensTheSplashClipWithItsFirstFrameOnShow) {
    AnimationPlayer player;
    QString error;
    ASSERT_TRUE(player.open("datkeba", &error)) << error.toStdString();
    EXPECT_EQ(player.frameCount(), 56);
    EXPECT_EQ(player.frameIntervalMs(), 83);
    EXPECT_EQ(player.currentFrame(), 0);
    EXPECT_EQ(player.shownFrame().size(), QSize(500, 339));
    EXPECT_TRUE(player.open("REKLAMA", &error)) << error.toStdString();
}

TEST(AnimationPlayer, RefusesMissingAndDamagedClips) {
    AnimationPlayer player;
    QString error;
    EXPECT_FALSE(player.open("NO_SUCH_CLIP", &error));
    EXPECT_FALSE(error.isEmpty());
    QByteArray damaged = squareClip(3);
    damaged.resize(damaged.size() / 2);
    EXPECT_FALSE(player.load(damaged, &error));
    EXPECT_EQ(player.frameCount(), 0);
    EXPECT_TRUE(player.shownFrame().isNull());
    player.play(AnimationPlayer::Repeat::Forever);  // nothing to play: stays still
    EXPECT_FALSE(player.isPlaying());
}

TEST(AnimationPlayer, PlayedOnceStopsOnTheLastFrame) {
    AnimationPlayer player;
    ASSERT_TRUE(player.load(squareClip(4)));
    QSignalSpy finished(&player, &AnimationPlayer::finished);
    player.play(AnimationPlayer::Repeat::Once);
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(finished.wait(2000));
    EXPECT_EQ(player.currentFrame(), 3);
    EXPECT_EQ(qGray(player.shownFrame().pixel(2, 3)), 30);
    EXPECT_FALSE(player.isPlaying());
    QTest::qWait(50);
    EXPECT_EQ(player.currentFrame(), 3);
    EXPECT_EQ(finished.count(), 1);
}

TEST(AnimationPlayer, PlayedForeverComesRoundAgain) {
    AnimationPlayer player;
    ASSERT_TRUE(player.load(squareClip(3)));
    QSignalSpy finished(&player, &AnimationPlayer::finished);
    player.play(AnimationPlayer::Repeat::Forever);
    EXPECT_TRUE(QTest::qWaitFor([&player] { return player.currentFrame() == 2; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&player] { return player.currentFrame() == 0; }, 2000));
    EXPECT_EQ(qGray(player.shownFrame().pixel(3, 4)), 0);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(finished.count(), 0);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
}

// A tick held up shows the frame due by then, and a frame repaints only the pixels it changed.
TEST(AnimationPlayer, KeepsToTheClipsClockAndRepaintsOnlyWhatChanged) {
    AnimationPlayer player;
    ASSERT_TRUE(player.load(squareClip(20)));
    player.resize(8, 6);
    player.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&player));
    PaintedAreas painted(player);
    QSignalSpy shown(&player, &AnimationPlayer::frameShown);
    player.play(AnimationPlayer::Repeat::Once);
    QThread::msleep(6 * 5);  // six frames' time without a turn of the event loop
    ASSERT_TRUE(shown.wait(2000));
    EXPECT_GE(player.currentFrame(), 6);
    for (const QRect& area : painted.areas)
        EXPECT_EQ(area, QRect(2, 3, 2, 2));
    EXPECT_FALSE(painted.areas.empty());
}

}  // namespace
}  // namespace zavkari
