// The human's hand under the mouse: the cover that keeps clicks away, the wild cards' left and
// right clicks with the named-suit groups, and the computers' rows of backs as they play.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "game_snapshot.h"
#include "table_clicker.h"

namespace zavkari::testing {
namespace {

class HandClicksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.startUp({1280, 1024, 1024});
        window.show();
        player.openMatch(QStringLiteral("gio"));
    }

    const Game& game() const { return window.game(); }

    // The first wild card in the human's hand, or `no`.
    Element heldWildCard() const {
        for (int slot = 1; slot <= game().State().dealSize; ++slot) {
            const CardId c = game().State().humanHand[slot];
            if (!c.empty() && IsWildCard(c.suit, c.rank)) return el::Face(c.suit, c.rank);
        }
        return Element::no;
    }

    bool humanToPlay() const {
        return !window.turns().busy() && game().HumanAsked() == Asked::Card;
    }

    // Plays a plain card the rules allow, keeping the wild cards; false when only a wild is left.
    bool playPlainCard() {
        for (int slot = 1; slot <= game().State().dealSize; ++slot) {
            const CardId c = game().State().humanHand[slot];
            if (c.empty() || IsWildCard(c.suit, c.rank)) continue;
            if (!game().HumanLeads() && game().WouldRenege(c)) continue;
            player.clickTable(player.centreOf(el::Face(c.suit, c.rank)));
            return true;
        }
        return false;
    }

    // A right click as the desktop delivers it, so that a context menu would show if there was one.
    void rightClickThroughTheWindow(Element e) {
        const QPoint at = window.canvas()->mapTo(&window, player.centreOf(e));
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);
    }

    TableWindow window{0.002};
    TableClicker player{window, 11};
};

TEST_F(HandClicksTest, ClickOnTheCoveredHandDoesNothing) {
    // The hand lies dealt and covered while the players bid.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const CardId c = game().State().humanHand[1];
            return !c.empty() && game().Table().Visible(el::CardImage(c)) &&
                   game().Table().Visible(Element::kl) && !window.turns().busy();
        },
        20'000));
    const Element face = el::CardImage(game().State().humanHand[1]);
    const QPoint centre = player.centreOf(face);
    const ControlSpec* hit = window.canvas()->controlAt(centre);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->element, Element::kl);
    const std::string before = Snapshot(game());
    player.clickTable(centre);
    player.clickTable(centre, Qt::RightButton);
    EXPECT_EQ(Snapshot(game()), before);
}

// Wild cards come to the human's hand now and then: the match is played with plain cards until the
// human is to lead or follow holding one, and each case is tried the first time it comes.
TEST_F(HandClicksTest, WildCardsLedAndFollowedWithBothButtons) {
    bool ledHigh = false;
    bool ledLow = false;
    bool followedLow = false;
    auto lead = [&](Element wild, bool high) {
        SCOPED_TRACE(high ? "led with the left button" : "led with the right button");
        const Element asked = high ? Element::vishi : Element::nije;
        const Element other = high ? Element::nije : Element::vishi;
        if (high) {
            player.clickTable(player.centreOf(wild));
        } else {
            rightClickThroughTheWindow(wild);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        }
        EXPECT_TRUE(window.widgetOf(asked)->isVisible());
        EXPECT_FALSE(window.widgetOf(other)->isVisible());
        EXPECT_FALSE(game().State().humanHasPlayed);  // not played before the suit is named
        auto& group = *static_cast<ChoiceGroup*>(window.widgetOf(asked));
        ASSERT_EQ(group.buttons().size(), 4u);
        player.clickWidget(group.buttons()[1]);  // "guli" / "gulma"
        EXPECT_TRUE(game().State().humanHasPlayed);
        EXPECT_FALSE(window.widgetOf(Element::vishi)->isVisible());
        EXPECT_FALSE(window.widgetOf(Element::nije)->isVisible());
        EXPECT_EQ(game().State().ledSuit, 2);
        EXPECT_TRUE(high ? game().State().viSiDeclared : game().State().waiRosDeclared);
    };
    auto follow = [&](Element wild) {
        SCOPED_TRACE("followed with the right button");
        // The trick goes on as soon as the card is played: look at the table when the click's
        // step returns.
        bool played = false;
        int strength = -1;
        bool groupShown = true;
        const QMetaObject::Connection seen =
            QObject::connect(&window.turns(), &GameTurns::stepEnded, [&] {
                if (played) return;
                played = game().State().humanHasPlayed;
                strength = game().State().playedStrength[kHumanSeat];
                groupShown = window.widgetOf(Element::vishi)->isVisible() ||
                             window.widgetOf(Element::nije)->isVisible();
            });
        rightClickThroughTheWindow(wild);
        QObject::disconnect(seen);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(played);
        EXPECT_EQ(strength, 0);
        EXPECT_FALSE(groupShown);
    };
    QElapsedTimer clock;
    clock.start();
    while (!(ledHigh && ledLow && followedLow) && clock.elapsed() < 150'000) {
        if (player.matchFinished()) player.openMatch(QStringLiteral("gio"));
        const Element wild = humanToPlay() ? heldWildCard() : Element::no;
        if (wild != Element::no && game().HumanLeads() && !(ledHigh && ledLow)) {
            lead(wild, !ledHigh);
            (ledHigh ? ledLow : ledHigh) = true;
        } else if (wild != Element::no && !game().HumanLeads() && !followedLow) {
            follow(wild);
            followedLow = true;
        } else if (!(humanToPlay() && playPlainCard()) && !window.turns().busy()) {
            player.act();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_TRUE(ledHigh);
    EXPECT_TRUE(ledLow);
    EXPECT_TRUE(followedLow);
}

// The rows of backs follow the computers' hands: checked on every pass of the event loop, also
// inside the pauses, through the deal of five cards.
TEST_F(HandClicksTest, ComputerRowShowsOneBackLessAfterItsPlay) {
    bool sawFourBacks = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const GameState& s = game().State();
        if (s.dealSize != 5 || game().CurrentTrick() != 1) return;
        for (int seat = 1; seat <= 3; ++seat) {
            if (s.computerCardCount[seat] != 4 || sawFourBacks) continue;
            sawFourBacks = true;
            for (int slot = 1; slot <= kMaxHand; ++slot) {
                const Element back = el::Back(seat, slot);
                EXPECT_EQ(game().Table().Visible(back), slot <= 4) << ElementName(back);
                if (slot > 4) {
                    const ControlSpec* hit =
                        window.canvas()->controlAt(window.canvas()->elementRect(back).center());
                    EXPECT_TRUE(hit == nullptr || hit->element != back) << ElementName(back);
                }
            }
        }
    });
    watch.start();
    ASSERT_TRUE(player.playUntil([&] { return sawFourBacks; }, 60'000));
}

}  // namespace
}  // namespace zavkari::testing
