// What the table offers beyond the mouse while a match is played by clicks: the last trick shown
// while Tab or the middle button is held (the table back pixel for pixel on release, the game
// untouched, the trick in play's messages hidden meanwhile, refused before the deal's first trick
// is complete and during a pause, and in the accessibility tree while it shows), and the table as
// a screen reader walks it, every name in Georgian and saying what a player sees.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QRegion>
#include <QTest>
#include <QTimer>
#include <map>

#include "game_snapshot.h"
#include "georgian_text.h"
#include "read_aloud.h"
#include "table_clicker.h"

namespace zavkari::testing {
namespace {

using Names = std::multimap<QString, QAccessible::Role>;

// Every name in the accessibility tree under `node`, with the roles it is met with.
void Walk(QAccessibleInterface* node, Names& found) {
    if (node == nullptr) return;
    found.emplace(node->text(QAccessible::Name), node->role());
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), found);
}

bool Has(const Names& found, const std::string& latin, QAccessible::Role role) {
    const auto [first, last] = found.equal_range(toGeorgian(QString::fromStdString(latin)));
    return std::any_of(first, last, [role](const auto& entry) { return entry.second == role; });
}

class TableBeyondTheMouse : public ::testing::Test {
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
    bool asked(Asked what) const { return !window.turns().busy() && game().HumanAsked() == what; }
    bool cardAsked(bool afterATrick) const {
        return asked(Asked::Card) && (game().LastTrick() != nullptr) == afterATrick;
    }
    Names tree() {
        Names found;
        Walk(QAccessible::queryAccessibleInterface(&window), found);
        return found;
    }

    TableWindow window{0.002};
    TableClicker player{window, 3};
};

TEST_F(TableBeyondTheMouse, LastTrickShownWhileHeldFromTheSecondTrickAndNeverInAPause) {
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
    // A screen reader finds it in the table while it shows.
    const std::string words = LastTrickWords(game());
    EXPECT_TRUE(Has(tree(), words, QAccessible::Notification)) << words;
    EXPECT_NE(during, before);
    if (trick.winner != 0) {  // the mark lies along the winner's card's edge
        const ElementState& spot = game().Table()[el::Spot(trick.winner)];
        EXPECT_EQ(during.pixelColor(spot.left + 1, spot.top + 1), QColor(0xff, 0xd7, 0x00));
    }
    holdTab(false);
    EXPECT_FALSE(shown());
    EXPECT_EQ(table(), before);
    EXPECT_FALSE(Has(tree(), words, QAccessible::Notification));

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

// A computer's declaration or its wild card played low, written below the human's spot, goes with
// the rest of the trick in play while the last trick shows: none of its letters stays beside the
// last trick's cards.
TEST_F(TableBeyondTheMouse, TheTrickInPlaysMessagesHideWhileTheLastTrickShows) {
    // The silver letters of the messages shown, where no spot covers them.
    const auto letters = [&](const QImage& drawn) {
        QRegion beside;
        for (Element message : {Element::KVishi, Element::KNije, Element::under})
            if (game().Table().Visible(message)) beside += window.canvas()->elementRect(message);
        for (int seat = 1; seat <= 4; ++seat)
            beside -= window.canvas()->elementRect(el::Spot(seat));
        int count = 0;
        for (const QRect& r : beside)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    count += drawn.pixelColor(x, y) == QColor(192, 192, 192);
        return count;
    };
    ASSERT_TRUE(player.playUntil([&] { return cardAsked(true) && letters(table()) > 0; }, 120'000));
    const QImage before = table();
    holdTab(true);
    ASSERT_TRUE(shown());
    EXPECT_EQ(letters(table()), 0);
    holdTab(false);
    EXPECT_EQ(table(), before);
}

TEST_F(TableBeyondTheMouse, BidBoxCardsAndSheetCellsReadInGeorgian) {
    ASSERT_TRUE(player.playUntil([&] { return asked(Asked::Bid); }, 60'000));
    auto found = tree();
    const CardId turned = game().State().drawnCard;
    EXPECT_TRUE(Has(found, "koziri: " + CardWords(turned), QAccessible::Graphic));
    EXPECT_TRUE(Has(found, "ramdens ambobT?", QAccessible::Grouping));
    EXPECT_TRUE(Has(found, "pasi", QAccessible::RadioButton));
    EXPECT_TRUE(Has(found, std::string(kMemoFileButtonName), QAccessible::Button));
    EXPECT_TRUE(Has(found, std::string(kNameBoxName), QAccessible::EditableText));

    // In a trick of the second deal: the hand, the cards on the table, last deal's row.
    ASSERT_TRUE(player.playUntil([&] { return game().CurrentRow() == 2; }, 60'000));
    ASSERT_TRUE(player.playUntil([&] { return asked(Asked::Card); }, 60'000));
    while (game().HumanLeads() && player.act())  // someone else leads, so cards lie played
        ASSERT_TRUE(player.playUntil([&] { return asked(Asked::Card); }, 60'000));
    found = tree();
    const std::vector<Element> hand = game().HandInPlace();
    for (Element face : hand) {
        const ElementPlace card = Decode(face);
        EXPECT_TRUE(Has(found, CardWords({card.first, card.second}), QAccessible::Button))
            << CardWords({card.first, card.second});
    }
    // A played card with its player, as it lies on the player's spot.
    int played = 0;
    for (int seat = 1; seat <= 3; ++seat) {
        // The seat's card of this trick: one of an earlier trick may be back in a hand by now.
        const CardId card = game().State().playedCard[seat];
        if (card.empty() || !game().Table().Visible(el::CardImage(card))) continue;
        const ElementState& spot = game().Table()[el::Spot(seat)];
        const ElementState& face = game().Table()[el::CardImage(card)];
        if (face.left != spot.left || face.top != spot.top) continue;
        const std::string words = PlayerOfSeat(game(), seat) + ": " + CardWords(card);
        EXPECT_TRUE(Has(found, words, QAccessible::Graphic)) << words;
        ++played;
    }
    EXPECT_GT(played, 0);
    // A cell says whether it holds a bid or a score; the penalty mark is read as the penalty.
    const int column = game().State().sheetColumn[kHumanSeat];
    const std::string_view score = game().Table().Caption(el::ScoreCell(column, 1));
    const std::string cell =
        "gio, 1 karti, qula " + std::string(score == kPenaltyMark ? kPenaltyWord : score);
    EXPECT_TRUE(Has(found, cell, QAccessible::Cell)) << cell;
    const std::string bid =
        "gio, 1 karti, naTqvami " + std::string(game().Table().Caption(el::BidCell(column, 1)));
    EXPECT_TRUE(Has(found, bid, QAccessible::Cell)) << bid;
}

}  // namespace
}  // namespace zavkari::testing
