// The trick sequencer seen from the table: who plays when, and when the human's cards can be
// clicked.
#include <gtest/gtest.h>

#include <vector>

#include "match_runner.h"
#include "test_game.h"

namespace zavkari {
namespace {

class PlayLog final : public MatchObserver {
  public:
    std::vector<int> seats;
    void OnPlay(int, int seat, CardId, int, Declaration, int) override { seats.push_back(seat); }
};

struct SequencerTest : ::testing::Test {
    SequencerTest() : driver(Config()) {
        driver.game.SetObserver(&log);
        driver.Open("gio");
    }
    static MatchConfig Config() {
        MatchConfig config;
        config.seed = 17;
        config.policy = HumanPolicy::Legal;
        return config;
    }
    // Ticks timers (without the human) until the human's card is awaited.
    void UntilHumansTurn() {
        for (int steps = 0; steps < 10'000 && driver.game.HumanAsked() != Asked::Card; ++steps) {
            if (driver.human.Act(driver.game)) continue;  // a bid or a declaration
            const std::optional<TimerId> next = driver.table.NextTimer();
            ASSERT_TRUE(next.has_value());
            driver.table.AdvanceTo(*next);
            driver.game.Tick(*next);
        }
        ASSERT_EQ(driver.game.HumanAsked(), Asked::Card);
    }
    MatchDriver driver;
    PlayLog log;
};

TEST_F(SequencerTest, ComputersBeforeTheHumanPlayInsideTheStartOfTheTrick) {
    // Walk through the first 40 tricks; each time the human is awaited, the seats that already
    // played are exactly those before the human in the trick's order.
    for (int tricks = 0; tricks < 40; ++tricks) {
        log.seats.clear();
        UntilHumansTurn();
        Game& game = driver.game;
        const int order = TestGame::CurrentOrderOf(game);
        std::vector<int> before;
        for (int seat = LeaderOf(order); seat != kHumanSeat; seat = NextSeat(seat))
            before.push_back(seat);
        EXPECT_EQ(log.seats, before) << "order " << order;
        EXPECT_TRUE(game.TimerEnabled(timer::Play(order)));
        EXPECT_FALSE(game.Table().Visible(Element::kl));
        if (order == 4) {
            // The human plays last and answers as in an undeclared trick.
            EXPECT_FALSE(game.State().viSiDeclared);
            EXPECT_FALSE(game.State().waiRosDeclared);
        }

        ASSERT_TRUE(driver.human.Act(game));  // the human's card (and suit, for a wild lead)
        if (!game.State().humanHasPlayed) {
            ASSERT_TRUE(driver.human.Act(game));
        }
        ASSERT_TRUE(game.State().humanHasPlayed);
        EXPECT_NE(game.HumanAsked(), Asked::Card);
        EXPECT_TRUE(game.Table().Visible(Element::kl));

        // A further click on any card still in the hand is ignored until the next trick starts.
        for (int slot = 1; slot <= game.State().dealSize; ++slot) {
            const CardId c = game.State().humanHand[slot];
            if (c.empty()) continue;
            game.CardClick(el::Face(c.suit, c.rank), false);
            EXPECT_EQ(game.State().humanHand[slot], c);
        }
        // The play timer finishes the trick: the seats after the human play there, none twice.
        const TimerId play = timer::Play(order);
        driver.table.AdvanceTo(play);
        game.Tick(play);
        EXPECT_EQ(log.seats.size(), 4u);
        EXPECT_TRUE(game.State().trickClosed);
        EXPECT_FALSE(game.TimerEnabled(play));
    }
}

TEST_F(SequencerTest, OneCardDealEndsAsSoonAsItsTrickIsResolved) {
    Game& game = driver.game;
    ASSERT_EQ(game.State().dealSize, 1);
    UntilHumansTurn();
    EXPECT_EQ(game.State().trickStage, 0);  // `_1` hands over at once
    EXPECT_FALSE(game.TimerEnabled(timer::Trick(1, 1)));
    EXPECT_EQ(game.State().nextTrickToStart, 1);
}

}  // namespace
}  // namespace zavkari
