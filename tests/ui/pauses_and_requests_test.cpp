// Steps of the game under the window's own events: what happens to a click or a timer tick that
// comes while a step waits in a pause, and to "Tavidan" and closing the window, which wait until
// the step has returned.
#include <gtest/gtest.h>

#include <QApplication>
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
    for (Element group : el::kChoiceGroups) {
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
    player.clickWidget(window.control(WindowControl::SpeedButton1));
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

// Counts what is painted anywhere in the program while `counting` holds.
struct PaintCounter : QObject {
    explicit PaintCounter(std::function<bool()> when) : counting(std::move(when)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        painted += event->type() == QEvent::Paint && counting() ? 1 : 0;
        return false;
    }
    std::function<bool()> counting;
    int painted = 0;
};

// At the real tempo: the step of "ok" has seconds of pauses left when "Tavidan" comes in the
// dealer draw or in the first deal's dealing, and runs out without them and unseen: no frame of
// the deal it sets aside is painted.
TEST(PausesAndRequests, TavidanDuringAPauseActsOnceTheStepHasReturned) {
    for (const bool inTheDeal : {false, true}) {
        SCOPED_TRACE(inTheDeal ? "in the deal" : "in the dealer draw");
        TableWindow window{1.0};
        window.startUp({1280, 1024, 1024});
        window.show();
        TableClicker player{window, 19};
        bool clicked = false;
        bool deferred = false;
        bool returned = false;
        // What is painted while the step runs out, outside its pauses.
        PaintCounter paints(
            [&] { return clicked && window.turns().busy() && !window.turns().pausing(); });
        QObject::connect(&window.turns(), &GameTurns::stepEnded, [&] { returned = clicked; });
        QElapsedTimer clock;
        Watch watch([&] {
            if (clicked || !window.turns().pausing()) return;
            if (window.game().State().sheetActive != inTheDeal) return;
            clicked = true;
            ClickTavidan(window, player);
            deferred = !window.game().Table().Visible(Element::saxeli) && window.turns().busy();
            clock.start();
        });
        player.openMatch(QStringLiteral("gio"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return returned && !window.turns().busy(); }, 10'000));
        // Well under the second and more of pauses that the step had left, even on a busy machine.
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_TRUE(deferred);
        EXPECT_EQ(paints.painted, 0);
        ExpectNothingRunning(window);
        ExpectCleanSheetAndNameEntry(window);
    }
}

// The cards of the hand that lie open to a click: shown, in the hand, not wild.
std::vector<CardId> PlainCardsInHand(const Game& game) {
    std::vector<CardId> cards;
    for (int slot = 1; slot <= game.State().dealSize; ++slot) {
        const CardId c = game.State().humanHand[slot];
        if (!c.empty() && !IsWildCard(c.suit, c.rank) && game.Table().Visible(el::CardImage(c)))
            cards.push_back(c);
    }
    return cards;
}

// A click on the table during a pause waits, as input waits in the desktop's queue, and counts only
// if the human is still asked what he was asked when he clicked: a click on the hand while the
// computers before him lay their cards does not play a card once his card is asked.
TEST(PausesAndRequests, ClickOfAPauseCountsOnlyForWhatTheHumanWasAskedThen) {
    TableWindow window{0.02};  // long enough for the computer-card pause to wait at all
    window.startUp({1280, 1024, 1024});
    window.show();
    TableClicker player{window, 29};
    const Game& game = window.game();
    int bursts = 0;        // clicks on an open hand while the computers before the human play
    bool covered = false;  // a click on the covered hand
    std::function<void()> onceReturned;
    QObject::connect(&window.turns(), &GameTurns::stepEnded, [&] {
        if (!onceReturned) return;
        const std::function<void()> check = std::move(onceReturned);
        onceReturned = nullptr;
        check();
    });
    Watch watch([&] {
        if (!window.turns().pausing() || onceReturned) return;
        const std::vector<CardId> plain = PlainCardsInHand(game);
        if (plain.empty()) return;
        bool playTimerOn = false;
        for (int order = 1; order <= 4; ++order)
            playTimerOn = playTimerOn || game.TimerEnabled(timer::Play(order));
        const bool beforeHumansTurn = !game.State().humanHasPlayed && !game.HumanLeads() &&
                                      game.CurrentTrick() >= 1 &&
                                      !game.Table().Visible(Element::kl) && !playTimerOn;
        if (beforeHumansTurn && bursts < 2) {
            // First a single click, then one on every plain card: none is played.
            const std::size_t clicks = bursts == 0 ? 1 : plain.size();
            for (std::size_t i = 0; i < clicks; ++i)
                player.clickTable(player.centreOf(el::CardImage(plain[i])));
            onceReturned = [&game, held = plain.size()] {
                EXPECT_FALSE(game.State().humanHasPlayed);
                EXPECT_EQ(PlainCardsInHand(game).size(), held);
            };
            ++bursts;
            return;
        }
        // The rest of the trick is played after the human's card, with the hand covered.
        const QPoint at = player.centreOf(el::CardImage(plain.front()));
        const ControlSpec* hit = window.canvas()->controlAt(at);
        if (!covered && game.State().humanHasPlayed && hit != nullptr &&
            hit->element == Element::kl) {
            player.clickTable(at);
            onceReturned = [&game, hand = game.State().humanHand] {
                EXPECT_EQ(game.State().humanHand, hand);
            };
            covered = true;
        }
    });
    player.openMatch(QStringLiteral("gio"));
    EXPECT_TRUE(player.playUntil([&] { return bursts == 2 && covered && !onceReturned; }, 60'000))
        << player.describe();
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
