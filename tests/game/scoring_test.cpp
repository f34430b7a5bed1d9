#include <string>
#include <vector>

#include "table_log.h"

namespace zavkari::testing {
namespace {

TEST(DealPoints, AllTricksScoreAHundredEachOtherwiseFiftyPerBidStep) {
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(DealPoints(n, n), 100 * n) << n;
    EXPECT_EQ(DealPoints(1, 0), 50);
    EXPECT_EQ(DealPoints(5, 0), 50);
    EXPECT_EQ(DealPoints(5, 3), 200);
    EXPECT_EQ(DealPoints(9, 8), 450);
}

class Scoring : public LoggedGame {
  protected:
    Scoring() {
        for (bool& made : game.state.allBidsMade)
            made = true;
    }

    // Bids and tricks of seats 1..4 for one deal.
    void Play(PerSeat<int> bids, PerSeat<int> tricks) {
        for (int seat = 1; seat <= 3; ++seat) {
            game.state.computerBid[seat] = bids[seat];
            game.state.computerTricks[seat] = tricks[seat];
        }
        game.state.humanBid = bids[4];
        game.table.SetCaption(Element::m_h, std::to_string(tricks[4]));
    }

    // Writes one pool's score cells directly, column by column in row order.
    void FillPool(int pool, const std::vector<std::vector<std::string>>& columns) {
        const int firstRow = std::array{1, 9, 13, 21}[static_cast<std::size_t>(pool - 1)];
        for (int column = 1; column <= 4; ++column) {
            const std::vector<std::string>& cells = columns[static_cast<std::size_t>(column - 1)];
            for (std::size_t k = 0; k < cells.size(); ++k) {
                game.table.SetCaption(el::ScoreCell(column, firstRow + static_cast<int>(k)),
                                      cells[k]);
            }
        }
    }

    std::vector<std::string> Totals(int pool) const {
        std::vector<std::string> totals;
        for (int column = 1; column <= 4; ++column) {
            EXPECT_TRUE(game.table.Visible(el::TotalCell(column, pool))) << column;
            totals.emplace_back(game.table.Caption(el::TotalCell(column, pool)));
        }
        return totals;
    }

    std::string ScoreText(int column, int row) const {
        return std::string(game.table.Caption(el::ScoreCell(column, row)));
    }
};

TEST_F(Scoring, DealScoresAreWrittenInTheSeatsColumns) {
    // Seat 3 holds column 1, the human column 2, seat 1 column 3 and seat 2 column 4.
    game.state.dealer = 2;
    game.AssignSeatsAndNames();
    game.state.ascendCount = 9;
    game.state.nineIndex = 1;
    Play({{0, 0, 3, 2}}, {{0, 3, 5, 0}});
    game.ScoreDeal(9);
    EXPECT_EQ(ScoreText(3, 9), "50");  // "pasi" made
    EXPECT_EQ(ScoreText(4, 9), "30");  // "pasi" with three tricks
    EXPECT_EQ(ScoreText(1, 9), "50");  // 3 bid, 5 taken
    EXPECT_EQ(ScoreText(2, 9), "I-----I");
    EXPECT_EQ(game.state.humanTricks, 0);
    EXPECT_EQ(game.state.allBidsMade, (PerSeat<bool>{{true, false, false, false}}));
    EXPECT_EQ(observer.log.back(), "score 9 9");

    game.state.nineIndex = 2;
    Play({{9, 8, 0, 4}}, {{9, 8, 0, 4}});
    game.ScoreDeal(9);
    EXPECT_EQ(ScoreText(3, 10), "900");
    EXPECT_EQ(ScoreText(4, 10), "450");
    EXPECT_EQ(ScoreText(1, 10), "50");
    EXPECT_EQ(ScoreText(2, 10), "250");
    EXPECT_EQ(game.state.humanTricks, 4);
}

TEST_F(Scoring, WorkedExampleOfASecondPool) {
    // Columns A, B, H (the human), D: seats 2, 3, 4 and 1 with seat 1 as the first dealer.
    game.state.dealer = 1;
    game.AssignSeatsAndNames();
    FillPool(1, {{"1250"}, {"800"}, {"1050"}, {"900"}});
    game.ScorePool(1);
    EXPECT_EQ(Totals(1), (std::vector<std::string>{"12.5", "8", "10.5", "9"}));

    game.state.ascendCount = 9;
    // Seats 1 (D), 2 (A), 3 (B), 4 (H): bids, then tricks.
    const std::array<std::pair<PerSeat<int>, PerSeat<int>>, 4> deals = {{
        {{{0, 3, 2, 3}}, {{1, 3, 2, 3}}},
        {{{3, 4, 1, 2}}, {{3, 4, 2, 0}}},
        {{{1, 2, 3, 4}}, {{0, 2, 3, 4}}},
        {{{3, 0, 4, 1}}, {{4, 0, 4, 1}}},
    }};
    for (int k = 0; k < 4; ++k) {
        game.state.nineIndex = k + 1;
        Play(deals[static_cast<std::size_t>(k)].first, deals[static_cast<std::size_t>(k)].second);
        game.ScoreDeal(9);
    }
    EXPECT_EQ(ScoreText(3, 10), "I-----I");
    EXPECT_EQ(ScoreText(4, 11), "I-----I");
    game.state.renegeCount = 1;
    game.ScorePool(2);
    EXPECT_EQ(Totals(2), (std::vector<std::string>{"19", "11.7", "9.5", "7.5"}));
    EXPECT_EQ(game.state.renegeCount, 0);
    EXPECT_EQ(game.state.allBidsMade, (PerSeat<bool>{{true, true, true, true}}));
    EXPECT_EQ(observer.log.back(), "pool 2");
}

TEST_F(Scoring, PenaltyMarksCountAtThePenaltyOfTheMoment) {
    SeatsInOwnColumns();
    for (const auto& [slider, total] : {std::pair{19, "-2"}, {4, "-0.5"}, {49, "-5"}}) {
        SCOPED_TRACE(slider);
        FillPool(1, {{"I-----I"}, {}, {}, {}});
        game.options.penaltySlider = slider;
        game.ScorePool(1);
        EXPECT_EQ(game.table.Caption(el::TotalCell(1, 1)), total);
    }
}

TEST_F(Scoring, TotalsRunOnExactlyInTheUsersDecimals) {
    SeatsInOwnColumns();
    game.options.decimalPoint = ',';
    FillPool(1, {{"1250"}, {"10", "20"}, {"-50", "20"}, {}});
    game.ScorePool(1);
    EXPECT_EQ(Totals(1), (std::vector<std::string>{"12,5", "0,3", "-0,3", "0"}));
    // In tenths 0.3 + 0.3 + 0.3 + 0.3 is exactly 1.2.
    for (int pool = 2; pool <= 4; ++pool) {
        FillPool(pool, {{"-300"}, {"10", "20"}, {"-10", "-20"}, {}});
        game.ScorePool(pool);
    }
    EXPECT_EQ(Totals(2)[0], "9,5");
    EXPECT_EQ(Totals(4), (std::vector<std::string>{"3,5", "1,2", "-1,2", "0"}));
}

TEST_F(Scoring, WhenOneSeatMadeEveryBidTheOthersLoseTheirBest) {
    SeatsInOwnColumns();
    game.state.allBidsMade = {{false, true, false, false}};
    game.state.renegeCount = 1;
    FillPool(2, {{"100", "I-----I", "300", "20"},
                 {"150", "200", "250", "100"},
                 {"I-----I", "I-----I", "I-----I", "I-----I"},
                 {"200", "450", "30", "I-----I"}});
    game.ScorePool(2);
    // Column 1 loses its 300; column 3, all penalties, loses one of them; the human loses his
    // 450 and 200 (one renege, one for the missed bid).
    EXPECT_EQ(Totals(2), (std::vector<std::string>{"-0.8", "7", "-6", "-1.7"}));
}

TEST_F(Scoring, HumanWithNothingButPenaltiesLosesZerosOfHisShortPool) {
    SeatsInOwnColumns();
    game.state.allBidsMade = {{true, true, true, false}};
    game.state.renegeCount = 2;
    FillPool(4, {{}, {}, {}, {"I-----I", "I-----I", "I-----I", "I-----I"}});
    game.ScorePool(4);
    EXPECT_EQ(Totals(4)[3], "-8");
}

TEST_F(Scoring, WithoutAPerfectSeatOnlyRenegesAreRemoved) {
    SeatsInOwnColumns();
    game.state.allBidsMade = {{false, false, false, false}};
    game.state.renegeCount = 2;
    FillPool(1, {{"500", "100"}, {"200"}, {"300"}, {"400", "100", "50", "I-----I"}});
    game.ScorePool(1);
    EXPECT_EQ(Totals(1), (std::vector<std::string>{"6", "2", "3", "-1.5"}));
}

TEST_F(Scoring, EveryoneMadeEveryBidNothingIsRemoved) {
    SeatsInOwnColumns();
    FillPool(3, {{"500", "100"}, {"200"}, {"300"}, {"400", "100"}});
    game.ScorePool(3);
    EXPECT_EQ(Totals(3), (std::vector<std::string>{"6", "2", "3", "5"}));
}

}  // namespace
}  // namespace zavkari::testing
