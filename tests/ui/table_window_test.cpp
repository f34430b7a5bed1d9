// The table window played with the mouse: a whole match, then another after "Tavidan".
#include <gtest/gtest.h>

#include <QTest>

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

TEST_F(TableWindowTest, AWholeMatchPlayedWithTheMouseEndsWithTheFullSheet) {
    player.openMatch(QStringLiteral("gio"));
    ASSERT_TRUE(player.playUntil([&] { return player.matchFinished(); }, 300'000))
        << player.describe();
    const TableModel& t = window.game().table;
    for (int column = 1; column <= 4; ++column) {
        for (int row = 1; row <= el::kRows; ++row) {
            EXPECT_TRUE(t.Visible(el::BidCell(column, row)));
            EXPECT_TRUE(t.Visible(el::ScoreCell(column, row)));
        }
        for (int pool = 1; pool <= 4; ++pool)
            EXPECT_TRUE(t.Visible(el::TotalCell(column, pool)));
    }
}

}  // namespace
}  // namespace zavkari::testing
