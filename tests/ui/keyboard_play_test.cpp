// The table by keyboard alone: whole matches played with keys sent to the window as the desktop
// sends them, with not one mouse event; keys typed while a step pauses, and Tab's look back at the
// last trick ended by whatever takes the keys or changes the table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "random_source.h"
#include "table_window.h"

namespace zavkari::testing {
namespace {

// Counts the mouse presses that reach any object of the program.
class MouseWatch : public QObject {
  public:
    int presses = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) ++presses;
        return QObject::eventFilter(watched, event);
    }
};

class KeyboardPlayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qApp->installEventFilter(&mouse);
        window.startUp({1280, 1024, 1024});
        window.show();
        window.activateWindow();
        // A compositor without a seat (weston's headless one) gives no window the keyboard.
        if (!QTest::qWaitFor([&] { return window.isActiveWindow(); }, 2000))
            GTEST_SKIP() << "no window takes the keyboard on this desktop";
        window.setAutoDeal(false);  // the deck waits for Enter
    }
    void TearDown() override { qApp->removeEventFilter(&mouse); }

    const Game& game() const { return window.game(); }
    void key(int k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.windowHandle(), static_cast<Qt::Key>(k), modifiers);
    }
    bool asked(Asked what) const { return !window.turns().busy() && game().HumanAsked() == what; }
    bool lastTrickShown() const { return window.canvas()->lastTrickShown(); }
    int pick(int count) { return random.Below(count); }

    void openMatch(const char* name) {
        key(Qt::Key_N, Qt::ControlModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game().HumanAsked() == Asked::Name; }, 5000));
        for (const char* c = name; *c != 0; ++c)
            key(Qt::Key_A + (*c - 'a'));
        key(Qt::Key_Return);
    }

    void playCard() {
        const std::vector<Element> hand = game().HandInPlace();
        std::vector<int> legal;
        for (int i = 0; i < static_cast<int>(hand.size()); ++i) {
            const ElementPlace face = Decode(hand[static_cast<std::size_t>(i)]);
            if (game().HumanLeads() || !game().WouldRenege({face.first, face.second}))
                legal.push_back(i);
        }
        const int target = legal[static_cast<std::size_t>(pick(static_cast<int>(legal.size())))];
        for (std::size_t i = 0; i < hand.size(); ++i)
            key(Qt::Key_Left);
        for (int i = 0; i < target; ++i)
            key(Qt::Key_Right);
        key(Qt::Key_Return, pick(2) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
    }

    // Answers what the human is asked, by keys only.
    void act() {
        switch (game().HumanAsked()) {
            case Asked::Trump:
                key(Qt::Key_A + ("bagjy"[pick(5)] - 'a'));
                return key(Qt::Key_Return);
            case Asked::Bid: {
                const RadioGroup& bids = game().Table().Group(Element::tkma);
                const int count = static_cast<int>(bids.items.size());
                // After "ar SeiZleba!!! " the next item up is allowed.
                key(Qt::Key_0 + (game().Table().Visible(Element::ara) ? (bids.selected + 1) % count
                                                                      : pick(count)));
                return key(Qt::Key_Return);
            }
            case Asked::ViSiSuit:
            case Asked::WaiRosSuit:
                for (int i = pick(4); i >= 0; --i)
                    key(Qt::Key_Down);
                return key(Qt::Key_Space);
            case Asked::Card:
                return playCard();
            case Asked::Deck:
                return key(Qt::Key_Space);
            default:
                return;
        }
    }

    bool playUntil(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 120'000) {
            if (!window.turns().busy()) act();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return done();
    }

    MouseWatch mouse;
    TableWindow window{0.002};
    SplitMix64 random{5};
};

TEST_F(KeyboardPlayTest, AWholeMatchAndTheNextByKeysAlone) {
    openMatch("gio");
    ASSERT_TRUE(playUntil([&] { return game().MatchFinished(); }));
    const TableModel& t = game().Table();
    for (int column = 1; column <= 4; ++column) {
        EXPECT_TRUE(t.Visible(el::ScoreCell(column, el::kRows)));
        EXPECT_TRUE(t.Visible(el::TotalCell(column, 4)));
    }
    EXPECT_EQ(game().HumanName(), "gio");

    // Ctrl+N: "Tavidan", the name again, and the second match deals its first cards.
    openMatch("nino");
    ASSERT_TRUE(playUntil([&] { return game().State().dealSize > 0 && !window.turns().busy(); }));
    EXPECT_EQ(game().HumanName(), "nino");
    EXPECT_FALSE(t.Visible(el::ScoreCell(1, el::kRows)));
    EXPECT_EQ(mouse.presses, 0);
}

// Tab held shows the last trick until it is let go anywhere, a window opens, a step changes the
// table or a match opens; it never comes back by itself.
TEST_F(KeyboardPlayTest, TheLastTrickEndsWhenTheKeysGoElsewhereOrTheTableChanges) {
    openMatch("gio");
    const auto holdTab = [&] {
        QTest::keyPress(window.windowHandle(), Qt::Key_Tab);
        return lastTrickShown();
    };
    const auto cardAfterATrick = [&] { return asked(Asked::Card) && game().LastTrick(); };
    QWidget elsewhere;  // another window has the keys when Tab comes up
    for (const auto& takeTheKeys : std::initializer_list<std::function<void()>>{
             [&] { key(Qt::Key_F1); },  // the rules window opens
             [&] { QTest::keyRelease(&elsewhere, Qt::Key_Tab); },
             [&] { key(Qt::Key_Return); },  // the card is played
             [&] { openMatch("gio"); }}) {
        ASSERT_TRUE(playUntil(cardAfterATrick));
        ASSERT_TRUE(holdTab());
        takeTheKeys();
        EXPECT_FALSE(lastTrickShown());
    }
    ASSERT_TRUE(playUntil(cardAfterATrick));
    EXPECT_FALSE(lastTrickShown());
}

// A digit and Enter typed while the computers' bids are still being revealed choose and confirm the
// bid once they are; Enter typed while the computers before the human lay their cards is dropped,
// for no card was asked then. The mark on the hand shows only while a card is asked, and the first
// Enter then plays the card it is on.
TEST_F(KeyboardPlayTest, KeysOfAPauseCountOnlyForTheQuestionTheyWereTypedFor) {
    int bidsTyped = 0, cardsTyped = 0;
    std::function<void()> onceReturned;
    QObject::connect(&window.turns(), &GameTurns::stepEnded, [&] {
        EXPECT_EQ(window.canvas()->highlightedCard() != Element::no, asked(Asked::Card));
        if (const std::function<void()> check = std::exchange(onceReturned, nullptr)) check();
    });
    QTimer watch;  // also inside the pauses
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!window.turns().pausing() || onceReturned) return;
        const GameState& s = game().State();
        if (game().HumanAsked() == Asked::Bid && bidsTyped < 3) {
            key(Qt::Key_1);
            key(Qt::Key_Return);
            onceReturned = [&] { EXPECT_EQ(game().Table().Group(Element::tkma).selected, 1); };
            ++bidsTyped;
        } else if (game().CurrentTrick() >= 1 && !s.humanHasPlayed &&
                   !game().Table().Visible(Element::kl) && cardsTyped < 3) {
            key(Qt::Key_Return);
            onceReturned = [&, held = game().HandInPlace().size()] {
                ASSERT_TRUE(asked(Asked::Card));
                EXPECT_EQ(game().HandInPlace().size(), held);
                key(Qt::Key_Return);
                EXPECT_TRUE(game().State().humanHasPlayed);
            };
            ++cardsTyped;
        }
    });
    watch.start(0);
    openMatch("gio");
    EXPECT_TRUE(playUntil([&] { return bidsTyped == 3 && cardsTyped == 3 && !onceReturned; }));
}

}  // namespace
}  // namespace zavkari::testing
