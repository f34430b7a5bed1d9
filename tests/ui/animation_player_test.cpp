#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "animation_player.h"
#include "avi_clip.h"

namespace zavkari {
namespace {

std::vector<std::uint8_t> shortClip(int frames) {
    AviClip clip{4, 2, 5, {}};
    for (int f = 0; f < frames; ++f)
        clip.frames.push_back(RgbImage{4, 2, std::vector<std::uint8_t>(4 * 2 * 3, 10 * f)});
    return writeAviClip(clip);
}

TEST(AnimationPlayer, OpensTheSplashClip) {
    AnimationPlayer player;
    QString error;
    ASSERT_TRUE(player.open("datkeba", &error)) << error.toStdString();
    EXPECT_EQ(player.frameCount(), 56);
    EXPECT_EQ(player.frameIntervalMs(), 83);
    EXPECT_TRUE(player.open("REKLAMA", &error)) << error.toStdString();
}

TEST(AnimationPlayer, RefusesMissingAndDamagedClips) {
    AnimationPlayer player;
    QString error;
    EXPECT_FALSE(player.open("NO_SUCH_CLIP", &error));
    EXPECT_FALSE(error.isEmpty());
    std::vector<std::uint8_t> damaged = shortClip(3);
    damaged.resize(damaged.size() / 2);
    EXPECT_FALSE(player.load(damaged, &error));
    EXPECT_EQ(player.frameCount(), 0);
    player.play(AnimationPlayer::Repeat::Forever);  // nothing to play: stays still
    EXPECT_FALSE(player.isPlaying());
}

TEST(AnimationPlayer, PlayedOnceStopsOnTheLastFrame) {
    AnimationPlayer player;
    ASSERT_TRUE(player.load(shortClip(4)));
    QSignalSpy finished(&player, &AnimationPlayer::finished);
    player.play(AnimationPlayer::Repeat::Once);
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(finished.wait(2000));
    EXPECT_EQ(player.currentFrame(), 3);
    EXPECT_FALSE(player.isPlaying());
    QTest::qWait(50);
    EXPECT_EQ(player.currentFrame(), 3);
    EXPECT_EQ(finished.count(), 1);
}

TEST(AnimationPlayer, PlayedForeverComesRoundAgain) {
    AnimationPlayer player;
    ASSERT_TRUE(player.load(shortClip(3)));
    QSignalSpy finished(&player, &AnimationPlayer::finished);
    player.play(AnimationPlayer::Repeat::Forever);
    EXPECT_TRUE(QTest::qWaitFor([&player] { return player.currentFrame() == 2; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&player] { return player.currentFrame() == 0; }, 2000));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(finished.count(), 0);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
}

}  // namespace
}  // namespace zavkari
