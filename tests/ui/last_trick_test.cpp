// The last trick on demand: shown over the table while Tab or the middle button is held, the table
// back pixel for pixel on release, the game untouched; refused before the deal's first trick is
// complete and during a pause.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "game_snapshot.h"
#include "table_clicker.h"

namespace zavkari::testing {
namespace {

class LastTrickTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.startUp({1280, 1024, 1024});
        window.show();
        player.openMatch(QStringLiteral("gio"));
    }

    const Game& game() const { return window.game(); }
    void holdTab(bool held) {
        if (held) QTest::keyPress(&window, Qt::Key_Tab);
        if (!held) QTest::keyRelease(&window, Qt::Key_Tab);
    }
    bool shown() const { return window.canvas()->lastTrickShown(); }
    QImage table() const { return window.canvas()->grab().toImage(); }
    bool cardAsked(bool afterATrick) {
        return !window.turns().busy() && game().HumanAsked() == Asked::Card &&
               (game().LastTrick() != nullptr) == afterATrick;
    }

    TableWindow window{0.002};
    TableClicker player{window, 3};
};

TEST_F(LastTrickTest, ShownWhileHeldFromTheSecondTrickAndNeverDuringAPause) {
    ASSERT_TRUE(player.playUntil([&] { return cardAsked(false); }, 60'000));
    holdTab(true);
    EXPECT_FALSE(shown());
    holdTab(false);

    ASSERT_TRUE(player.playUntil([&] { return cardAsked(true); }, 60'000));
    const QImage before = table();
    const std::string model = Snapshot(game());
    const CompletedTrick trick = *game().LastTrick();
    EXPECT_EQ(trick.number, game().CurrentTrick() - 1);
    holdTab(true);
    ASSERT_TRUE(shown());
    const QImage during = table();
    EXPECT_NE(during, before);
    if (trick.winner != 0) {  // the mark lies along the winner's card's edge
        const ElementState& spot = game().Table()[el::Spot(trick.winner)];
        EXPECT_EQ(during.pixelColor(spot.left + 1, spot.top + 1), QColor(0xff, 0xd7, 0x00));
    }
    holdTab(false);
    EXPECT_FALSE(shown());
    EXPECT_EQ(table(), before);

    const QPoint middle = player.centreOf(Element::noclick);
    QTest::mousePress(window.canvas(), Qt::MiddleButton, {}, middle);
    EXPECT_EQ(table(), during);
    QTest::mouseRelease(window.canvas(), Qt::MiddleButton, {}, middle);
    EXPECT_EQ(table(), before);
    EXPECT_EQ(Snapshot(game()), model);

    // Held while a step pauses (a computer's card, a finished trick): the table stays as it is.
    int triedInAPause = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!window.turns().pausing() || game().LastTrick() == nullptr) return;
        holdTab(true);
        EXPECT_FALSE(shown());
        holdTab(false);
        ++triedInAPause;
    });
    probe.start(0);
    ASSERT_TRUE(player.playUntil([&] { return triedInAPause >= 3; }, 60'000));
}

}  // namespace
}  // namespace zavkari::testing
