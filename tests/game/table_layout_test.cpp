// The table's controls and their layout for the screen: every element has its control, and the
// layout puts the cards, the choices, the spots, the sheet and the covers where the player expects
// them on the usual screens.
#include <gtest/gtest.h>

#include <set>

#include "game_fixture.h"
#include "table_layout.h"

namespace zavkari::testing {
namespace {

TEST(TableControls, EveryElementHasOneNamedControl) {
    std::set<std::string> names;
    for (const ControlSpec& c : TableControls())
        EXPECT_TRUE(names.insert(c.name).second) << "two controls called " << c.name;
    for (Element e : el::All()) {
        const ControlSpec* c = ControlOf(e);
        ASSERT_NE(c, nullptr) << "no control for element " << Index(e);
        EXPECT_EQ(c->name, ElementName(e));
        EXPECT_EQ(c->element, e);
    }
    for (const char* windowOnly :
         {"fon", "p", "Game", "menu", "SpeedButton1", "Options", "Rule", "Ab", "Qmenu",
          "SpeedButton4", "me", "Button1", "Button2", "hhh"})
        EXPECT_TRUE(names.contains(windowOnly)) << windowOnly;
}

// The choices offer the words the rules take them for: the trump choice's item t declares trump
// code t and shows that word in the trump box; the named suit's item i names suit i + 1.
TEST(TableControls, ChoicesOfferWhatTheRulesTakeThemFor) {
    HeadlessTable view;
    ClockSeededRandom random(1, [] { return 0; });
    TestGame game(view, random);
    game.InitDeck();
    const RadioGroup& koz = game.table.Group(Element::koz);
    ASSERT_EQ(koz.items.size(), kSuitWords.size());
    for (int trump = 0; trump < static_cast<int>(kSuitWords.size()); ++trump) {
        game.state.trumpChosen = false;
        game.state.dealSize = kMaxHand;
        game.timers.Enable(TimerId::vacxado);
        game.table.Show(Element::koz);
        game.kozClick(trump);
        EXPECT_EQ(game.state.trump, trump);
        EXPECT_EQ(game.table.Caption(Element::kkk), koz.items[static_cast<std::size_t>(trump)]);
    }
    for (Element group : {Element::vishi, Element::nije}) {
        const RadioGroup& named = game.table.Group(group);
        ASSERT_EQ(named.items.size(), 4u) << ElementName(group);
        for (std::size_t suit = 1; suit <= 4; ++suit) {
            // "aguri", and "agurma" declined from it.
            const std::string_view stem = kSuitWords[suit].substr(0, kSuitWords[suit].size() - 1);
            EXPECT_TRUE(named.items[suit - 1].starts_with(stem)) << named.items[suit - 1];
        }
    }
}

TEST(TableControls, CreationOrderStacksTheTable) {
    // The model starts with the order of creation: the cover over the middle lies under the deck
    // and the cards, the hand cover over the cards.
    HeadlessTable view;
    TableModel table(view);
    EXPECT_TRUE(table.InFront(Element::b, Element::noclick));
    EXPECT_TRUE(table.InFront(Element::kl, el::Face(kYvavi, kAce)));
    EXPECT_TRUE(table.InFront(el::Face(kAguri, kSix), Element::fon));
    EXPECT_TRUE(table.Visible(Element::kl));
    EXPECT_FALSE(table.Visible(Element::strog));
    EXPECT_EQ(table.Group(Element::vishi).items.size(), 4u);
    EXPECT_EQ(table.Caption(Element::KNije), "waiRos");
    // The choices hold their items from the start, so a choice made on them is kept.
    for (Element group : {Element::koz, Element::vishi, Element::nije}) {
        table.Select(group, 2);
        EXPECT_EQ(table.Group(group).selected, 2) << ElementName(group);
    }
}

struct Spot {
    int left;
    int top;
};

class Layout : public ::testing::Test {
  protected:
    Spot At(Element e) const { return {table[e].left, table[e].top}; }
    void ExpectAt(Element e, int left, int top) const {
        EXPECT_EQ(table[e].left, left) << ElementName(e);
        EXPECT_EQ(table[e].top, top) << ElementName(e);
    }
    void ExpectSize(Element e, int width, int height) const {
        EXPECT_EQ(table[e].width, width) << ElementName(e);
        EXPECT_EQ(table[e].height, height) << ElementName(e);
    }

    HeadlessTable view;
    TableModel table{view};
};

TEST_F(Layout, SmallScreen1024x768) {
    LayOutTable(table, {1024, 768, 768});
    for (Element e : std::initializer_list<Element>{Element::b, el::Back(3, 9),
                                                    el::Face(kGuli, kAce), Element::cham1})
        ExpectSize(e, 79, 100);
    ExpectAt(Element::tkma, 629, 652);
    ExpectAt(Element::OK, 815, 660);
    ExpectAt(Element::koz, 858, 652);
    ExpectAt(Element::cham2, 322, 256);
    ExpectAt(Element::cham4, 322, 412);
    ExpectAt(Element::cham1, 263, 334);
    ExpectAt(Element::cham3, 382, 334);
    ExpectAt(Element::cxrili, 742, 31);
    ExpectAt(Element::Box1, 742, 551);
    ExpectSize(Element::Box1, 275, 40);
    ExpectAt(Element::noclick, 118, 146);
    ExpectSize(Element::noclick, 502, 488);
    ExpectAt(Element::kl, 118, 651);
    ExpectSize(Element::kl, 502, 110);
    ExpectAt(Element::b, 492, 478);
    ExpectAt(Element::magida, 180, 198);
    ExpectSize(Element::magida, 365, 384);
    EXPECT_EQ(table[Element::kkk].fontSize, 13);
    EXPECT_EQ(table[Element::kkk].top, 13);
    // The table top lies behind every other control.
    for (Element e : el::All()) {
        if (e != Element::magida) {
            EXPECT_TRUE(table.InFront(e, Element::magida)) << ElementName(e);
        }
    }
}

TEST_F(Layout, LargeScreen1280x1024) {
    LayOutTable(table, {1280, 1024, 1024});
    ExpectSize(Element::b, 89, 121);
    ExpectAt(Element::tkma, 875, 887);
    ExpectSize(Element::tkma, 217, 121);
    ExpectAt(Element::cham2, 445, 363);
    ExpectAt(Element::cham4, 445, 540);
    ExpectAt(Element::cham1, 381, 451);
    ExpectAt(Element::cham3, 510, 451);
    ExpectAt(Element::cxrili, 998, 156);
    ExpectAt(Element::Box1, 998, 724);
    ExpectSize(Element::Box1, 275, 50);
    ExpectAt(Element::b, 677, 620);
    ExpectAt(Element::magida, 180, 219);
    ExpectSize(Element::magida, 621, 598);
    EXPECT_EQ(table[Element::kkk].fontSize, 16);
    EXPECT_EQ(table[Element::kkk].top, 18);
    // The choices share the bid list's top; the named-suit choices stand at the left.
    ExpectAt(Element::vishi, 6, 887);
    ExpectAt(Element::nije, 6, 887);
    ExpectAt(Element::OK, 1061, 895);
    ExpectSize(Element::OK, 31, 111);
    // The messages centred over the table area below the human's spot.
    for (Element e : {Element::strog, Element::KVishi, Element::KNije, Element::under})
        ExpectAt(e, 233, 592);
    // The labels of the four seats.
    ExpectAt(Element::m_h, 461, 850);
    ExpectAt(Element::m_u, 461, 822);
    ExpectAt(Element::c2_u, 461, 169);
    ExpectAt(Element::c2_h, 461, 194);
    ExpectAt(Element::c1_u, 118, 479);
    ExpectAt(Element::c1_h, 118, 503);
    ExpectAt(Element::c3_u, 806, 479);
    ExpectAt(Element::c3_h, 806, 503);
    ExpectAt(Element::reklama, 998, 24);
    ExpectAt(Element::ara, 907, 855);
}

TEST_F(Layout, MiddleScreen1280x800TakesTheSmallCards) {
    LayOutTable(table, {1280, 800, 800});
    ExpectSize(el::Face(kAguri, kSix), 79, 100);
    ExpectAt(Element::cxrili, 998, 31);
    ExpectSize(Element::Box1, 275, 40);
    ExpectAt(Element::Box1, 998, 551);
    // One pixel more of screen takes the big cards and the sheet still at the top.
    LayOutTable(table, {1280, 801, 801});
    ExpectSize(el::Face(kAguri, kSix), 89, 121);
    ExpectAt(Element::cxrili, 998, 31);
}

TEST_F(Layout, SheetLabelsFollowThePicture) {
    LayOutTable(table, {1280, 1024, 1024});
    const int x = 998;
    const int y = 156;
    ExpectAt(el::Name(1), x + 2, y + 8);
    ExpectSize(el::Name(4), 64, 13);
    ExpectAt(el::Name(4), x + 207, y + 8);
    ExpectAt(el::RowHeading(1), x - 12, y + 32);
    ExpectAt(el::BidCell(1, 8), x + 2, y + 144);
    ExpectAt(el::ScoreCell(2, 9), x + 102, y + 183);
    ExpectAt(el::BidCell(3, 13), x + 142, y + 269);
    ExpectAt(el::ScoreCell(4, 20), x + 242, y + 381);
    ExpectAt(el::BidCell(4, 24), x + 212, y + 470);
    ExpectAt(el::TotalCell(1, 1), x + 32, y + 163);
    ExpectAt(el::TotalCell(2, 2), x + 102, y + 250);
    ExpectAt(el::TotalCell(3, 3), x + 172, y + 400);
    ExpectAt(el::TotalCell(4, 4), x + 242, y + 490);
}

// The idle step lays out the table for the window it is given: the human's cards then lie inside
// a 1024-high table, above the bid list's bottom.
class LaidOutGame : public GameFixture {};

TEST_F(LaidOutGame, IdleStepLaysOutTheTableForTheWindow) {
    game.table.width = 1024;
    game.table.height = 768;
    game.table.screenHeight = 768;
    game.LoadIdle();
    EXPECT_EQ(game.table[Element::tkma].top, 652);
    DealCards(9, 1);
    const CardId first = game.state.humanHand[1];
    const ElementState& card = game.table[el::Face(first.suit, first.rank)];
    EXPECT_EQ(card.top, 768 - 100 - 16);
    EXPECT_EQ(card.height, 100);
    EXPECT_LE(card.top + card.height, 768);
}

}  // namespace
}  // namespace zavkari::testing
