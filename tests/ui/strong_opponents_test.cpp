// A whole match in the window against the strong computer players, with the hint taken along the
// way: the hint marks what the strong engine would choose, for the bid and for a card, and changes
// nothing in the game.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "choice_group.h"
#include "game_snapshot.h"
#include "table_clicker.h"

namespace zavkari::testing {
namespace {

TEST(StrongOpponentsInTheWindow, AWholeMatchWithTheHintTaken) {
    TableWindow window{0.002};
    window.startUp({1280, 1024, 1024});
    window.show();
    window.setOpponents(PlayerKind::Strong);
    TableClicker player{window, 5};
    player.openMatch(QStringLiteral("gio"));
    const Game& game = window.game();
    EXPECT_EQ(game.Seating()[1], PlayerKind::Strong);
    const auto asked = [&](Asked what) {
        return !window.turns().busy() && game.HumanAsked() == what;
    };
    const auto* bids = static_cast<const ChoiceGroup*>(window.widgetOf(Element::tkma));

    for (const Asked what : {Asked::Bid, Asked::Card}) {
        ASSERT_TRUE(player.playUntil([&] { return asked(what); }, 60'000)) << player.describe();
        const std::string before = Snapshot(game);
        const Advice expected = Advise(*game.HumanQuestionNow());
        const auto marked = [&] {
            if (what == Asked::Bid) return bids->highlighted() == expected.item;
            const std::vector<Element> hand = game.HandInPlace();
            const int at = window.canvas()->handHighlight();
            return at >= 0 &&
                   hand[static_cast<std::size_t>(at)] == el::CardImage(expected.card.card);
        };
        // The mark starts elsewhere when it can, so that the hint is seen to move it.
        if (what == Asked::Card && marked() && game.HandInPlace().size() > 1)
            QTest::keyClick(&window, Qt::Key_Right);
        QTest::keyClick(&window, Qt::Key_H);
        QElapsedTimer wait;
        wait.start();
        while (!marked() && wait.elapsed() < 5'000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_TRUE(marked());
        EXPECT_EQ(Snapshot(game), before);
    }
    ASSERT_TRUE(player.playUntil([&] { return player.matchFinished(); }, 120'000))
        << player.describe();
}

}  // namespace
}  // namespace zavkari::testing
