// The table as a screen reader walks it: the bid box by its question and its items, every card of
// the hand and on the table by its Georgian rank and suit, the sheet's cells by player, row and
// value.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <map>

#include "georgian_text.h"
#include "table_clicker.h"

namespace zavkari::testing {
namespace {

// Every name in the accessibility tree under `node`, with the roles it is met with.
void Walk(QAccessibleInterface* node, std::multimap<QString, QAccessible::Role>& found) {
    if (node == nullptr) return;
    found.emplace(node->text(QAccessible::Name), node->role());
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), found);
}

class AccessibilityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.startUp({1280, 1024, 1024});
        window.show();
        player.openMatch(QStringLiteral("gio"));
    }

    std::multimap<QString, QAccessible::Role> tree() {
        std::multimap<QString, QAccessible::Role> found;
        Walk(QAccessible::queryAccessibleInterface(&window), found);
        return found;
    }
    static bool has(const std::multimap<QString, QAccessible::Role>& found, const char* latin,
                    QAccessible::Role role) {
        const auto [first, last] = found.equal_range(toGeorgian(QString::fromUtf8(latin)));
        return std::any_of(first, last, [role](const auto& entry) { return entry.second == role; });
    }
    bool waitFor(Asked asked) {
        return player.playUntil(
            [&] { return !window.turns().busy() && window.game().HumanAsked() == asked; }, 60'000);
    }

    TableWindow window{0.002};
    TableClicker player{window, 5};
};

TEST_F(AccessibilityTest, BidBoxCardsAndSheetCellsReadInGeorgian) {
    ASSERT_TRUE(waitFor(Asked::Bid));
    auto found = tree();
    EXPECT_TRUE(has(found, "ramdens ambobT?", QAccessible::Grouping));
    // The model checks the items, not the buttons themselves: Qt reports them as check boxes.
    EXPECT_TRUE(has(found, "pasi", QAccessible::CheckBox));

    // In a trick of the second deal: the hand, the cards on the table, last deal's row.
    ASSERT_TRUE(player.playUntil([&] { return window.game().CurrentRow() == 2; }, 60'000));
    ASSERT_TRUE(waitFor(Asked::Card));
    while (window.game().HumanLeads() && player.act())  // someone else leads, so cards lie played
        ASSERT_TRUE(waitFor(Asked::Card));
    found = tree();
    const Game& game = window.game();
    const std::vector<Element> hand = game.HandInPlace();
    for (Element face : hand) {
        const ElementPlace card = Decode(face);
        EXPECT_TRUE(has(found, CardWords({card.first, card.second}).c_str(), QAccessible::Button))
            << CardWords({card.first, card.second});
    }
    int played = 0;
    for (Element face : el::Faces()) {
        if (!game.Table().Visible(face) || std::count(hand.begin(), hand.end(), face) != 0)
            continue;
        const ElementPlace card = Decode(face);
        EXPECT_TRUE(has(found, CardWords({card.first, card.second}).c_str(), QAccessible::Graphic));
        ++played;
    }
    EXPECT_GT(played, 0);
    const std::string cell =
        "gio, 1, " +
        std::string(game.Table().Caption(el::ScoreCell(game.State().sheetColumn[kHumanSeat], 1)));
    EXPECT_TRUE(has(found, cell.c_str(), QAccessible::Cell)) << cell;
}

}  // namespace
}  // namespace zavkari::testing
