// The table window played with the mouse: a whole match, then another after "Tavidan" while
// random clicks land all over the window.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>

#include "random_clicker.h"
#include "table_clicker.h"

namespace zavkari::testing {
namespace {

// Every pause and timer interval at a five-hundredth of the game's tempo.
constexpr double kQuick = 0.002;

class TableWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.startUp({1280, 1024, 1024});
        window.show();
    }

    TableWindow window{kQuick};
    TableClicker player{window, 7};
};

void ExpectFullSheet(const TableModel& t) {
    for (int column = 1; column <= 4; ++column) {
        for (int row = 1; row <= el::kRows; ++row) {
            EXPECT_TRUE(t.Visible(el::BidCell(column, row)));
            EXPECT_TRUE(t.Visible(el::ScoreCell(column, row)));
        }
        for (int pool = 1; pool <= 4; ++pool)
            EXPECT_TRUE(t.Visible(el::TotalCell(column, pool)));
    }
}

// The second match is opened and played while a stray hand clicks all over the window: the
// window takes what the game allows, drops the rest, and the match still reaches its end.
TEST_F(TableWindowTest, TwoWholeMatchesTheSecondUnderAStormOfClicks) {
    player.openMatch(QStringLiteral("gio"));
    ASSERT_TRUE(player.playUntil([&] { return player.matchFinished(); }, 120'000))
        << player.describe();
    ExpectFullSheet(window.game().Table());

    // "Tavidan" clears the sheet for the second match.
    player.openMatch(QStringLiteral("nino"));
    EXPECT_FALSE(window.game().State().matchOver);
    EXPECT_FALSE(window.game().Table().Visible(el::ScoreCell(1, el::kRows)));
    RandomClicker storm{window, 31};
    auto* nameBox = window.widgetOf(Element::saxeli);
    // After a stray "Tavidan" the name entry waits: the player gives his name again.
    auto enterNameIfAsked = [&] {
        if (!nameBox->isVisible()) return;
        player.clickWidget(nameBox);
        QTest::keyClicks(nameBox, QStringLiteral("nino"));
        player.clickWidget(window.widgetOf(Element::BitBtn1));
    };
    for (int i = 0; i < 2000; ++i) {
        storm.click();
        if (i % 4 != 0) continue;
        enterNameIfAsked();
        if (!window.turns().busy()) player.act();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    enterNameIfAsked();
    ASSERT_TRUE(player.playUntil([&] { return player.matchFinished(); }, 120'000))
        << player.describe();
    ExpectFullSheet(window.game().Table());
    EXPECT_EQ(window.game().HumanName(), "nino");
}

// The seam's rule is checked in the tests' build: the table model reporting a change outside a
// step of the game, as a window slot that bypassed the turns would make it, stops the program.
TEST(TableWindowSeam, AChangeOutsideAStepStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TableWindow window{kQuick};
    window.startUp({1280, 1024, 1024});
    EXPECT_DEATH(window.ElementChanged(Element::b), "outside a step of the game");
    EXPECT_DEATH(window.TimerChanged(TimerId::boloj, true), "outside a step of the game");
}

// The running totals are written in the player's decimals: "12,5" in Georgia or Germany, "12.5"
// in the C or an English locale.
TEST(TableWindowLocale, RunningTotalsTakeTheLocalesDecimalSeparator) {
    for (const auto& [name, point] :
         {std::pair{"ka_GE", ','}, {"de_DE", ','}, {"C", '.'}, {"en_US", '.'}})
        EXPECT_EQ(TableWindow::decimalPointOf(QLocale(QString::fromLatin1(name))), point) << name;
    QLocale::setDefault(QLocale(QStringLiteral("ka_GE")));
    TableWindow window{kQuick};
    QLocale::setDefault(QLocale::system());
    EXPECT_EQ(window.game().options.decimalPoint, ',');
}

}  // namespace
}  // namespace zavkari::testing
