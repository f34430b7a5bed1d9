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

TEST_F(TableWindowTest, TwoWholeMatchesPlayedWithTheMouseEndWithTheFullSheet) {
    player.openMatch(QStringLiteral("gio"));
    ASSERT_TRUE(player.playUntil([&] { return player.matchFinished(); }, 120'000));
    ExpectFullSheet(window.game().table);

    // "Tavidan" clears the sheet, and the second match fills it again.
    player.openMatch(QStringLiteral("nino"));
    EXPECT_FALSE(window.game().state.matchOver);
    EXPECT_FALSE(window.game().table.Visible(el::ScoreCell(1, el::kRows)));
    ASSERT_TRUE(player.playUntil([&] { return player.matchFinished(); }, 120'000));
    ExpectFullSheet(window.game().table);
    EXPECT_EQ(window.game().HumanName(), "nino");
}

}  // namespace
}  // namespace zavkari::testing
