// Steps of the game under the window's own events: what happens to a click or a timer tick that
// comes while a step waits in a pause, and to "Tavidan" and closing the window, which wait until
// the step has returned.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "game_snapshot.h"
#include "georgian_text.h"
#include "table_clicker.h"
#include "tempo.h"

namespace zavkari::testing {
namespace {

// Runs `check` on every pass of the event loop, also inside the pauses of the game's steps.
class Watch {
  public:
    explicit Watch(std::function<void()> check) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, check = std::move(check)] {
            if (inside_) return;  // the check may spin the event loop itself
            inside_ = true;
            check();
            inside_ = false;
        });
        timer_.start();
    }

  private:
    QTimer timer_;
    bool inside_ = false;
};

void ClickEverything(TableWindow& window, TableClicker& player) {
    const Game& game = window.game();
    player.clickTable(player.centreOf(Element::b));
    for (int slot = 1; slot <= game.State().dealSize; ++slot) {
        const CardId c = game.State().humanHand[slot];
        if (c.empty()) continue;
        player.clickTable(player.centreOf(el::CardImage(c)));
        player.clickTable(player.centreOf(el::CardImage(c)), Qt::RightButton);
    }
    for (Element group : {Element::tkma, Element::koz, Element::vishi, Element::nije}) {
        for (QRadioButton* b : static_cast<ChoiceGroup*>(window.widgetOf(group))->buttons())
            player.clickWidget(b);
    }
    player.clickWidget(window.widgetOf(Element::OK));
    player.clickWidget(window.widgetOf(Element::saxeli));
    player.clickWidget(window.widgetOf(Element::BitBtn1));
}

void ExpectNothingRunning(const TableWindow& window) {
    for (TimerId id : timer::All()) {
        EXPECT_FALSE(window.game().TimerEnabled(id)) << TimerName(id);
        EXPECT_FALSE(window.timers().isRunning(id)) << TimerName(id);
    }
}

void ExpectCleanSheetAndNameEntry(const TableWindow& window) {
    const TableModel& t = window.game().Table();
    for (int column = 1; column <= 4; ++column) {
        EXPECT_FALSE(t.Visible(el::Name(column)));
        for (int row = 1; row <= el::kRows; ++row) {
            EXPECT_FALSE(t.Visible(el::BidCell(column, row)));
            EXPECT_FALSE(t.Visible(el::ScoreCell(column, row)));
        }
        for (int pool = 1; pool <= 4; ++pool)
            EXPECT_FALSE(t.Visible(el::TotalCell(column, pool)));
    }
    EXPECT_FALSE(t.Visible(Element::cxrili));
    EXPECT_FALSE(window.game().State().sheetActive);
    auto* box = static_cast<GeorgianLineEdit*>(window.widgetOf(Element::saxeli));
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->latinText(), QStringLiteral("  saxeli"));
    EXPECT_TRUE(window.widgetOf(Element::BitBtn1)->isVisible());
    EXPECT_FALSE(window.widgetOf(Element::BitBtn1)->isEnabled());
}

void ClickTavidan(TableWindow& window, TableClicker& player) {
    player.clickWidget(window.control(QStringLiteral("SpeedButton1")));
    ASSERT_EQ(toLatin(window.widgetOf(Element::bbb)->property("text").toString()),
              QStringLiteral("Tavidan"));
    player.clickWidget(window.widgetOf(Element::bbb));
}

TEST(PausesAndRequests, ClicksAndTicksDuringAPauseReachNothing) {
    TableWindow window{0.002};
    window.startUp({1280, 1024, 1024});
    window.show();
    TableClicker player{window, 13};
    int checkedInDeal = 0;
    int checkedInTrick = 0;
    const int tick = window.turns().scaled(kTimerTick);
    Watch watch([&] {
        const Game& game = window.game();
        if (!window.turns().pausing()) return;
        // In a trick some timer is enabled, and its ticks are due during the wait below.
        bool timing = false;
        for (TimerId id : timer::All())
            timing = timing || game.TimerEnabled(id);
        const bool inTrick = game.CurrentTrick() >= 1 && timing;
        if (inTrick ? checkedInTrick >= 3 : checkedInDeal >= 3) return;
        ++(inTrick ? checkedInTrick : checkedInDeal);
        const std::string before = Snapshot(game);
        ClickEverything(window, player);
        QTest::qWait(4 * tick);  // long enough for every enabled timer to tick
        EXPECT_EQ(Snapshot(game), before);
    });
    player.openMatch(QStringLiteral("gio"));
    EXPECT_TRUE(
        player.playUntil([&] { return checkedInDeal >= 3 && checkedInTrick >= 3; }, 60'000));
}

TEST(PausesAndRequests, TavidanInMidTrickStopsEverythingAndShowsTheNameEntry) {
    TableWindow window{0.002};
    window.startUp({1280, 1024, 1024});
    window.show();
    TableClicker player{window, 17};
    player.openMatch(QStringLiteral("gio"));
    const Game& game = window.game();
    // The human's card is awaited in the second deal, after the computers before him have played.
    ASSERT_TRUE(player.playUntil(
        [&] {
            return game.State().ascendCount >= 3 && game.HumanAsked() == Asked::Card &&
                   !window.turns().busy();
        },
        30'000));
    ClickTavidan(window, player);
    ExpectNothingRunning(window);
    ExpectCleanSheetAndNameEntry(window);
    for (Element e : el::Faces())
        EXPECT_FALSE(game.Table().Visible(e)) << ElementName(e);
    const std::string after = Snapshot(game);
    QTest::qWait(10 * window.turns().scaled(kTimerTick));
    EXPECT_EQ(Snapshot(game), after);
}

// At the real tempo: the step of "ok" has seconds of pauses left when "Tavidan" comes in the
// first one, and runs out without them.
TEST(PausesAndRequests, TavidanDuringAPauseActsOnceTheStepHasReturned) {
    TableWindow window{1.0};
    window.startUp({1280, 1024, 1024});
    window.show();
    TableClicker player{window, 19};
    bool clicked = false;
    bool deferred = false;
    QElapsedTimer clock;
    Watch watch([&] {
        if (clicked || !window.turns().pausing()) return;
        clicked = true;
        ClickTavidan(window, player);
        deferred = !window.game().Table().Visible(Element::saxeli) && window.turns().busy();
        clock.start();
    });
    player.openMatch(QStringLiteral("gio"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicked && !window.turns().busy(); }, 10'000));
    EXPECT_LT(clock.elapsed(), 700);
    EXPECT_TRUE(deferred);
    ExpectNothingRunning(window);
    ExpectCleanSheetAndNameEntry(window);
}

TEST(PausesAndRequests, WindowClosedDuringAPauseClosesOnceTheStepHasReturned) {
    QPointer<TableWindow> window = new TableWindow(1.0);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->startUp({1280, 1024, 1024});
    window->show();
    TableClicker player{*window, 23};
    bool closing = false;
    bool deferred = false;
    Watch watch([&] {
        if (closing || window.isNull() || !window->turns().pausing()) return;
        closing = true;
        window->close();
        deferred = window->isVisible() && window->turns().busy();
    });
    player.openMatch(QStringLiteral("gio"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 10'000));
    EXPECT_TRUE(closing);
    EXPECT_TRUE(deferred);
}

}  // namespace
}  // namespace zavkari::testing
