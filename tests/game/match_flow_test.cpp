// The course of a whole match: the schedule of 24 deals, the bid lists, the end of a deal, reneges,
// deals started by hand, and a match abandoned half way for a new one.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "match_runner.h"
#include "test_game.h"

namespace zavkari {
namespace {

struct DealSeen {
    int size, dealer, row;
    std::vector<std::string> bidList;
    int columns;
};

// Remembers what each deal looked like when it was settled, and when the pools were totalled.
class ScheduleRecorder final : public MatchObserver {
  public:
    explicit ScheduleRecorder(const Game& game) : game_(game) {}
    std::vector<DealSeen> deals;
    std::vector<int> poolAfterDeal;
    std::vector<std::string_view> faults;  // the texts are literals

    void OnDealSettled() override {
        const GameState& s = game_.State();
        const RadioGroup& list = game_.Table().Group(Element::tkma);
        deals.push_back({s.dealSize, s.dealer, game_.CurrentRow(), list.items, list.columns});
        if (list.selected != -1) faults.push_back("bid list keeps a selection");
    }
    void OnScore(int, int) override {
        const GameState& s = game_.State();
        // The sequencer has wound down: no trick live, every trick timer off, trick 1 next.
        if (s.trickStage != 0 || s.nextTrickToStart != 1) faults.push_back("sequencer not idle");
        for (TimerId id : IdRange<TimerId>(timer::Trick(1, 1), timer::kTrickCount)) {
            if (game_.TimerEnabled(id)) faults.push_back("trick timer left running");
        }
    }
    void OnPool(int) override { poolAfterDeal.push_back(static_cast<int>(deals.size())); }

  private:
    const Game& game_;
};

void PlayToEnd(MatchDriver& driver) {
    for (int steps = 0; steps < 200'000 && !driver.Finished(); ++steps) {
        if (!driver.Step()) break;
    }
    ASSERT_TRUE(driver.Finished());
}

TEST(MatchFlow, TwentyFourDealsFollowTheSchedule) {
    MatchConfig config;
    config.seed = 3;
    MatchDriver driver(config);
    ScheduleRecorder recorder(driver.game);
    driver.game.SetObserver(&recorder);
    driver.Open("gio");
    const int firstDealer = driver.game.State().dealer;
    PlayToEnd(driver);

    const int sizes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9, 8, 7, 6, 5, 4, 3, 2, 1, 9, 9, 9, 9};
    ASSERT_EQ(recorder.deals.size(), 24u);
    for (int k = 1; k <= 24; ++k) {
        const DealSeen& d = recorder.deals[static_cast<std::size_t>(k - 1)];
        SCOPED_TRACE("deal " + std::to_string(k));
        EXPECT_EQ(d.size, sizes[k - 1]);
        EXPECT_EQ(d.row, k);
        EXPECT_EQ(d.dealer, (firstDealer + k - 2) % 4 + 1);
        std::vector<std::string> list{"pasi"};
        for (int bid = 1; bid <= d.size; ++bid)
            list.push_back(std::to_string(bid));
        EXPECT_EQ(d.bidList, list);
        EXPECT_EQ(d.columns, (k >= 8 && k <= 13) ? 3 : 2);
    }
    EXPECT_EQ(recorder.poolAfterDeal, (std::vector<int>{8, 12, 20, 24}));
    EXPECT_EQ(recorder.faults, std::vector<std::string_view>{});

    // The finished match stays finished: every counter 0, and the deck deals nothing more.
    Game& game = driver.game;
    EXPECT_EQ(game.State().ascendCount, 0);
    EXPECT_EQ(game.State().descendCount, 0);
    EXPECT_EQ(game.State().nineIndex, 0);
    TestGame::NextDealOf(game);
    TestGame::TableOf(game).BringToFront(Element::b);
    game.bClick();
    EXPECT_TRUE(!driver.table.NextTimer().has_value());
    for (int column = 1; column <= 4; ++column) {
        EXPECT_TRUE(game.Table().Visible(el::TotalCell(column, 4)));
        EXPECT_TRUE(game.Table().Visible(el::ScoreCell(column, 24)));
    }
}

// Plays until the deal in progress has been scored, then stops before anything else happens.
void PlayOneDealWith(MatchDriver& driver, const std::function<void(Game&)>& beforeEnd) {
    Game& game = driver.game;
    const int deal = game.CurrentRow();
    bool armed = false;
    for (int steps = 0; steps < 50'000; ++steps) {
        if (!armed && game.State().trickStage == 0 && game.TimerEnabled(TimerId::tavidan) &&
            game.CurrentRow() == deal && game.State().humanHasPlayed) {
            beforeEnd(game);
            armed = true;
        }
        if (game.CurrentRow() != deal) return;
        ASSERT_TRUE(driver.Step());
    }
    FAIL() << "deal " << deal << " did not end";
}

TEST(MatchFlow, RenegeMessageNamesTheSuitOrTheTrumpAndCountsOncePerDeal) {
    for (const bool codeIsTrump : {false, true}) {
        MatchConfig config;
        config.seed = 11;
        config.policy = HumanPolicy::Legal;
        MatchDriver driver(config);
        driver.game.options.autoDeal = false;
        driver.Open("gio");
        std::string shown;
        PlayOneDealWith(driver, [&](Game& game) {
            // Two reneges in one deal: the later code stands, the deal counts once.
            GameState& s = TestGame::StateOf(game);
            s.renegePending = true;
            s.renegeCode = 5;
            s.renegeCode = codeIsTrump ? s.trump : (s.trump % 4) + 1;
        });
        while (driver.game.TimerEnabled(TimerId::tavidan))
            ASSERT_TRUE(driver.Step());
        Game& game = driver.game;
        const int trump = game.State().trump;
        const char* const suits[] = {"aguris", "gulis", "jvaris", "yvavis"};
        ASSERT_NE(trump, 0);  // this seed's first deal has a trump
        const std::string expected =
            codeIsTrump ? "strogi  koziris damalvisTvis, viSi wageSlebaT "
                        : "strogi  " + std::string(suits[game.State().renegeCode - 1]) +
                              " damalvisTvis, viSi wageSlebaT ";
        EXPECT_EQ(game.Table().Caption(Element::strog), expected);
        EXPECT_FALSE(game.Table().Visible(Element::strog));
        EXPECT_EQ(game.State().renegeCount, 1);
        EXPECT_FALSE(game.State().renegePending);
    }
}

TEST(MatchFlow, WithoutAutoDealTheNextDealWaitsForTheDeck) {
    MatchConfig config;
    config.seed = 5;
    MatchDriver driver(config);
    Game& game = driver.game;
    game.options.autoDeal = false;
    driver.Open("gio");
    PlayOneDealWith(driver, [](Game&) {});
    while (game.TimerEnabled(TimerId::tavidan))
        ASSERT_TRUE(driver.Step());
    // Deal 2 is due but not dealt: no card in any hand is shown, nothing ticks.
    EXPECT_EQ(game.CurrentRow(), 2);
    EXPECT_TRUE(!driver.table.NextTimer().has_value());
    EXPECT_TRUE(game.Table().InFront(Element::b, Element::noclick));
    TestGame::NextDealOf(game);  // the deck is what deals, not a second call while one is under way
    game.bClick();
    EXPECT_EQ(game.State().dealSize, 2);
    EXPECT_TRUE(driver.table.NextTimer().has_value());
    const CardId firstCard = game.State().humanHand[1];
    game.bClick();  // a second click while the deal is under way changes nothing
    EXPECT_EQ(game.State().humanHand[1], firstCard);
}

TEST(MatchFlow, AbandonedMatchLeavesNothingRunningAndANewMatchPlaysThrough) {
    MatchConfig config;
    config.seed = 21;
    MatchDriver driver(config);
    Game& game = driver.game;
    driver.Open("gio");
    // Play into the second pool, stopping in the middle of a trick.
    for (int steps = 0; steps < 100'000 && game.CurrentRow() < 10; ++steps)
        ASSERT_TRUE(driver.Step());
    while (!game.State().humanHasPlayed)
        ASSERT_TRUE(driver.Step());
    ASSERT_TRUE(game.Table().Visible(el::TotalCell(1, 1)));

    game.bbbClick();  // "Tavidan"
    EXPECT_TRUE(!driver.table.NextTimer().has_value());
    for (TimerId id : timer::All())
        EXPECT_FALSE(game.TimerEnabled(id));
    for (int column = 1; column <= 4; ++column) {
        EXPECT_FALSE(game.Table().Visible(el::Name(column)));
        EXPECT_FALSE(game.Table().Visible(el::TotalCell(column, 1)));
        for (int row = 1; row <= 24; ++row) {
            EXPECT_FALSE(game.Table().Visible(el::BidCell(column, row)));
            EXPECT_EQ(game.Table().Caption(el::ScoreCell(column, row)), "");
        }
    }
    EXPECT_EQ(game.State().ascendCount, 1);
    EXPECT_FALSE(game.State().sheetActive);
    EXPECT_TRUE(game.Table().Visible(Element::saxeli));

    game.saxeliClick();
    game.saxeliChange("nino");
    game.BitBtn1Click();
    PlayToEnd(driver);
    EXPECT_EQ(game.CurrentRow(), 0);
}

}  // namespace
}  // namespace zavkari
