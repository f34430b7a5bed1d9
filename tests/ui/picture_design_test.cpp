#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "avi_clip.h"
#include "byte_span.h"
#include "pictures.h"

namespace zavkari {

// What the pictures must show, checked on their pixels.
namespace {

bool isRed(QColor c) {
    return c.red() > 150 && c.red() > c.green() + 80 && c.red() > c.blue() + 80;
}
bool isDark(QColor c) {
    return c.red() < 60 && c.green() < 60 && c.blue() < 70 && c.alpha() > 200;
}

// Share of differing pixels between two pictures of one size.
double difference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            differing += x.pixel(col, row) != y.pixel(col, row);
    return static_cast<double>(differing) / (x.width() * x.height());
}

AviClip clipNamed(const char* name) {
    const QByteArray data = pictures::data(name);
    std::string error;
    return readAviClip(bytesOf(data), error).value_or(AviClip{});
}

TEST(PictureDesign, AcesCarryOneLargeSignInTheirSuitsColour) {
    for (const char* name : {"AT", "GT"})
        EXPECT_TRUE(isRed(pictures::image(name).pixelColor(75, 101))) << name;
    for (const char* name : {"JT", "YT"})
        EXPECT_TRUE(isDark(pictures::image(name).pixelColor(75, 101))) << name;
}

TEST(PictureDesign, NumberCardsHaveAPipInTheTopLeftOfThePipField) {
    for (const char* name : {"A6", "G7", "J8", "Y9", "A10"}) {
        const QColor pip = pictures::image(name).pixelColor(49, 42);
        EXPECT_TRUE(isRed(pip) || isDark(pip)) << name;
    }
}

TEST(PictureDesign, CourtCardsAreDistinctDesigns) {
    const char* courts[] = {"AV", "AD", "AK", "YV", "YD", "YK"};
    for (const char* a : courts)
        for (const char* b : courts)
            if (a != b) {
                EXPECT_GT(difference(pictures::image(a), pictures::image(b)), 0.05) << a << b;
            }
}

TEST(PictureDesign, TheFiveBacksAreClearlyDifferent) {
    const char* backs[] = {"BACK", "BB2", "BB3", "BB4", "BB5"};
    for (const char* a : backs)
        for (const char* b : backs)
            if (a != b) {
                EXPECT_GT(difference(pictures::image(a), pictures::image(b)), 0.5) << a << b;
            }
}

TEST(PictureDesign, OneWildCardIsBlackAndTheOtherRed) {
    int black = 0, red = 0;
    const QImage j1 = pictures::image("J1"), j2 = pictures::image("J2");
    for (int y = 40; y < 80; ++y)
        for (int x = 25; x < 65; ++x) {
            black += isDark(j1.pixelColor(x, y));
            red += isRed(j2.pixelColor(x, y));
        }
    EXPECT_GT(black, 200);
    EXPECT_GT(red, 200);
}

TEST(PictureDesign, TheMiceHaveTheirOwnButtonMarked) {
    const QImage left = pictures::image("MOUSE1"), right = pictures::image("MOUSE2");
    EXPECT_TRUE(isRed(left.pixelColor(40, 40)));
    EXPECT_FALSE(isRed(left.pixelColor(65, 40)));
    EXPECT_TRUE(isRed(right.pixelColor(65, 40)));
    EXPECT_FALSE(isRed(right.pixelColor(40, 40)));
}

TEST(PictureDesign, TheAboutPictureIsACopperLetterOnBlack) {
    const QImage about = pictures::image("ABOUT");
    EXPECT_EQ(about.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(about.pixelColor(325, 463), QColor(Qt::black));
    int copper = 0;
    for (int y = 0; y < about.height(); y += 2)
        for (int x = 0; x < about.width(); x += 2) {
            const QColor c = about.pixelColor(x, y);
            copper += c.red() > 150 && c.red() > c.green() + 40 && c.green() > c.blue();
        }
    EXPECT_GT(copper, 2000);
}

TEST(PictureDesign, TheSplashMovesAndEndsWithTheNameOnShow) {
    const AviClip splash = clipNamed("DATKEBA");
    ASSERT_EQ(splash.frames.size(), 56u);
    const QImage first = pictures::toImage(splash.frames.front());
    const QImage last = pictures::toImage(splash.frames.back());
    EXPECT_GT(difference(first, last), 0.1);
    // The name is written across the lower part, clear of the progress bar at y = 320.
    int inked = 0, underBar = 0;
    for (int x = 0; x < 500; ++x) {
        for (int y = 250; y < 312; ++y)
            inked += last.pixel(x, y) != qRgb(255, 255, 255);
        for (int y = 320; y < 339; ++y)
            underBar += last.pixel(x, y) != qRgb(255, 255, 255);
    }
    EXPECT_GT(inked, 2000);
    EXPECT_EQ(underBar, 0);
    // White is the splash's see-through colour: the paper of the fanned cards is off it, so that
    // no card shows the desktop through its face.
    int holes = 0;
    for (int card = 0; card < 7; ++card) {
        const double angle = (card - 3) * 16.0 * M_PI / 180;
        const QPoint centre(250 + static_cast<int>(std::lround(175 * std::sin(angle))),
                            262 - static_cast<int>(std::lround(175 * std::cos(angle))));
        for (int dy = -20; dy <= 20; ++dy)
            for (int dx = -20; dx <= 20; ++dx)
                holes += last.pixel(centre + QPoint(dx, dy)) == qRgb(255, 255, 255);
    }
    EXPECT_EQ(holes, 0);
}

TEST(PictureDesign, TheBidPanelClipLoopsWithoutAJump) {
    const AviClip reklama = clipNamed("REKLAMA");
    ASSERT_GE(reklama.frames.size(), 3u);
    const QImage first = pictures::toImage(reklama.frames.front());
    const QImage second = pictures::toImage(reklama.frames[1]);
    const QImage last = pictures::toImage(reklama.frames.back());
    EXPECT_GT(difference(first, second), 0.0);
    EXPECT_LT(difference(last, first), 2 * difference(first, second) + 0.01);
}

}  // namespace
}  // namespace zavkari
