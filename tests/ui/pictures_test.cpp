#include <gtest/gtest.h>

#include <QIcon>
#include <QStringList>
#include <algorithm>

#include "pictures.h"
#include "table_controls.h"

namespace zavkari {
namespace {

QStringList cardFaceNames() {
    QStringList names;
    for (QString suit : {"A", "G", "J", "Y"})
        for (QString rank : {"6", "7", "8", "9", "10", "V", "D", "K", "T"})
            if (rank != "6" || suit == "A" || suit == "G") names << suit + rank;
    return names;
}

TEST(Pictures, EveryCardFaceResolvesAtItsSizeWhateverTheCase) {
    const QStringList names = cardFaceNames();
    ASSERT_EQ(names.size(), 34);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(pictures::image(name).size(), QSize(150, 202));
        EXPECT_EQ(pictures::image(name.toLower()).size(), QSize(150, 202));
    }
}

TEST(Pictures, EveryOtherPictureResolvesAtItsSize) {
    const std::pair<const char*, QSize> expected[] = {
        {"J1", {89, 119}},      {"J2", {89, 119}},      {"BACK", {200, 270}},
        {"BB2", {200, 270}},    {"BB3", {200, 270}},    {"BB4", {200, 270}},
        {"BB5", {200, 270}},    {"M2", {756, 512}},     {"MAGIDA", {609, 521}},
        {"FONI", {1280, 1024}}, {"CXRILI", {382, 600}}, {"ABOUT", {328, 466}},
        {"MOUSE1", {105, 105}}, {"MOUSE2", {105, 105}}, {"back", {200, 270}},
        {"foni", {1280, 1024}}, {"cxrili", {382, 600}},
    };
    for (const auto& [name, size] : expected) {
        SCOPED_TRACE(name);
        EXPECT_EQ(pictures::image(name).size(), size);
        EXPECT_EQ(pictures::pixmap(name).size(), size);
    }
}

// Every picture the table's controls name is built in; each face shows its own card, the black
// sixes the two wild cards.
TEST(Pictures, EveryControlOfTheTableFindsItsPicture) {
    QStringList faces;
    for (const ControlSpec& c : TableControls()) {
        if (c.picture.empty()) continue;
        const QString name = QString::fromUtf8(c.picture);
        EXPECT_FALSE(pictures::image(name).isNull()) << c.name;
        if (c.element != kWindowOnly && Decode(c.element).family == ElementFamily::Face)
            faces << name;
    }
    QStringList expected = cardFaceNames() << QStringLiteral("J1") << QStringLiteral("J2");
    faces.sort();
    expected.sort();
    EXPECT_EQ(faces, expected);
}

TEST(Pictures, UnknownNamesGiveNothing) {
    EXPECT_TRUE(pictures::image("J6").isNull());
    EXPECT_TRUE(pictures::image("").isNull());
    EXPECT_TRUE(pictures::data("NOSUCH").isEmpty());
}

TEST(Pictures, TheBackgroundIsOpaqueGreenBaize) {
    const QImage baize = pictures::image("FONI");
    for (QPoint at : {QPoint(0, 0), QPoint(640, 512), QPoint(1279, 1023)}) {
        const QColor colour = baize.pixelColor(at);
        EXPECT_EQ(colour.alpha(), 255);
        EXPECT_GT(colour.green(), colour.red() + 20);
        EXPECT_GT(colour.green(), colour.blue() + 20);
    }
}

TEST(Pictures, CardsHaveRoundedCornersAndAWhiteFace) {
    for (QString name : {"A6", "GK", "YT", "J1", "BACK"}) {
        SCOPED_TRACE(name.toStdString());
        const QImage card = pictures::image(name);
        EXPECT_EQ(card.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(card.pixelColor(card.width() - 1, card.height() - 1).alpha(), 0);
        EXPECT_EQ(card.pixelColor(card.width() / 2, 3), QColor(Qt::white));
    }
}

TEST(Pictures, TheProgramIconComesInTheDesktopSizes) {
    const QIcon icon = pictures::programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size)));
}

// The sheet's ruling, where the score labels are laid over it.
class ScoreSheet : public testing::Test {
  protected:
    const QImage sheet = pictures::image("CXRILI").convertToFormat(QImage::Format_RGB32);
    static constexpr int verticals[] = {0, 96, 189, 281, 378};
    static constexpr int horizontals[] = {0,   30,  31,  172, 173, 194, 265, 286,
                                          287, 428, 429, 450, 526, 527, 548, 599};

    bool isWhite(int x, int y) const { return sheet.pixel(x, y) == qRgb(255, 255, 255); }
    bool isGrey(int x, int y) const {
        const QColor c = sheet.pixelColor(x, y);
        return c.red() == c.green() && c.green() == c.blue() && c.red() < 200;
    }
};

TEST_F(ScoreSheet, VerticalRulesRunTheWholeHeight) {
    for (int x : verticals)
        for (int y = 0; y < 500; y += 7)
            EXPECT_TRUE(isGrey(x, y)) << x << ", " << y;
}

TEST_F(ScoreSheet, HorizontalRulesCrossEveryColumn) {
    for (int y : horizontals)
        for (int x = 1; x < 280; x += 5)
            EXPECT_TRUE(isGrey(x, y)) << x << ", " << y;
}

TEST_F(ScoreSheet, EverythingBetweenTheRulesIsWhite) {
    for (int y = 0; y < 600; ++y) {
        if (std::find(std::begin(horizontals), std::end(horizontals), y) != std::end(horizontals))
            continue;
        for (int x : {1, 48, 95, 97, 150, 188, 190, 240, 280, 282, 379, 381}) {
            if (x > 300 && y > 520) continue;  // the torn corner
            EXPECT_TRUE(isWhite(x, y)) << x << ", " << y;
        }
    }
}

TEST_F(ScoreSheet, TheLowerRightCornerIsTornAwayBelowTheLastTotals) {
    EXPECT_TRUE(isWhite(378, 598));
    EXPECT_TRUE(isWhite(370, 599));
    EXPECT_TRUE(isGrey(378, 500));
    EXPECT_TRUE(isGrey(200, 599));
    // The totals band of the last pool is whole, so that column 4's running total stays clear.
    for (int x = 282; x < 378; ++x)
        EXPECT_TRUE(isGrey(x, 548)) << x;
    for (int y = 527; y <= 548; ++y) {
        EXPECT_TRUE(isGrey(378, y)) << y;
        EXPECT_TRUE(isWhite(377, y) || y == 527 || y == 548) << y;
    }
}

}  // namespace
}  // namespace zavkari
