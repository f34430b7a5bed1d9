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
    for (Element e = 0; e < el::kCount; ++e) {
        const ControlSpec* c = ControlOf(e);
        ASSERT_NE(c, nullptr) << "no control for element " << e;
        EXPECT_EQ(c->name, ElementName(e));
        EXPECT_EQ(c->element, e);
    }
    EXPECT_EQ(ControlOf(el::kCount), nullptr);
    EXPECT_EQ(ControlOf(-1), nullptr);
    for (const char* windowOnly :
         {"fon", "p", "Game", "menu", "SpeedButton1", "Options", "Rule", "Ab", "Qmenu",
          "SpeedButton4", "me", "Button1", "Button2", "hhh"})
        EXPECT_TRUE(names.contains(windowOnly)) << windowOnly;
}

TEST(TableControls, PicturesCaptionsAndChoicesAreTheGamesOwn) {
    EXPECT_EQ(ControlOf(el::Face(kJvari, kSix))->picture, "J1");
    EXPECT_EQ(ControlOf(el::Face(kYvavi, kSix))->picture, "J2");
    EXPECT_EQ(ControlOf(el::Face(kGuli, kTen))->picture, "G10");
    EXPECT_EQ(ControlOf(el::Face(kAguri, kAce))->picture, "AT");
    EXPECT_EQ(ControlOf(el::Back(2, 5))->picture, "BACK");
    EXPECT_EQ(ControlOf(el::kAra)->caption, "ar SeiZleba!!! ");
    EXPECT_EQ(ControlOf(el::kTkma)->caption, "ramdens ambobT?");
    EXPECT_EQ(ControlOf(el::kBox1)->caption, "koziria");
    EXPECT_EQ(ControlOf(el::kVishi)->caption, "viSi ");
    const std::vector<std::string_view> nije = {"agurma", "gulma", "jvarma", "yvavma"};
    EXPECT_EQ(ControlOf(el::kNije)->items, nije);
    EXPECT_EQ(ControlOf(el::kKoz)->items.size(), 5u);
    EXPECT_EQ(ControlOf(el::kKkk)->parent, "Box1");
    EXPECT_EQ(ControlOf(el::kFon)->pointer, Pointer::NoDrop);
    EXPECT_EQ(ControlOf(el::Face(kGuli, kKing))->pointer, Pointer::Hand);
    EXPECT_FALSE(ControlOf(el::kBitBtn1)->enabled);
}

TEST(TableControls, CreationOrderStacksTheTable) {
    // The model starts with the order of creation: the cover over the middle lies under the deck
    // and the cards, the hand cover over the cards.
    HeadlessTable view;
    TableModel table(view);
    EXPECT_TRUE(table.InFront(el::kB, el::kNoclick));
    EXPECT_TRUE(table.InFront(el::kKl, el::Face(kYvavi, kAce)));
    EXPECT_TRUE(table.InFront(el::Face(kAguri, kSix), el::kFon));
    EXPECT_TRUE(table.Visible(el::kKl));
    EXPECT_FALSE(table.Visible(el::kStrog));
    EXPECT_EQ(table.Group(el::kVishi).items.size(), 4u);
    EXPECT_EQ(table.Caption(el::kKNije), "waiRos");
    // The choices hold their items from the start, so a choice made on them is kept.
    for (Element group : {el::kKoz, el::kVishi, el::kNije}) {
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
    for (Element e :
         std::initializer_list<Element>{el::kB, el::Back(3, 9), el::Face(kGuli, kAce), el::kCham1})
        ExpectSize(e, 79, 100);
    ExpectAt(el::kTkma, 629, 652);
    ExpectAt(el::kOK, 815, 660);
    ExpectAt(el::kKoz, 858, 652);
    ExpectAt(el::kCham2, 322, 256);
    ExpectAt(el::kCham4, 322, 412);
    ExpectAt(el::kCham1, 263, 334);
    ExpectAt(el::kCham3, 382, 334);
    ExpectAt(el::kCxrili, 742, 31);
    ExpectAt(el::kBox1, 742, 551);
    ExpectSize(el::kBox1, 275, 40);
    ExpectAt(el::kNoclick, 118, 146);
    ExpectSize(el::kNoclick, 502, 488);
    ExpectAt(el::kKl, 118, 651);
    ExpectSize(el::kKl, 502, 110);
    ExpectAt(el::kB, 492, 478);
    ExpectAt(el::kMagida, 180, 198);
    ExpectSize(el::kMagida, 365, 384);
    EXPECT_EQ(table[el::kKkk].fontSize, 13);
    EXPECT_EQ(table[el::kKkk].top, 13);
    // The table top lies behind every other control.
    for (Element e = 0; e < el::kCount; ++e) {
        if (e != el::kMagida) {
            EXPECT_TRUE(table.InFront(e, el::kMagida)) << ElementName(e);
        }
    }
}

TEST_F(Layout, LargeScreen1280x1024) {
    LayOutTable(table, {1280, 1024, 1024});
    ExpectSize(el::kB, 89, 121);
    ExpectAt(el::kTkma, 875, 887);
    ExpectSize(el::kTkma, 217, 121);
    ExpectAt(el::kCham2, 445, 363);
    ExpectAt(el::kCham4, 445, 540);
    ExpectAt(el::kCham1, 381, 451);
    ExpectAt(el::kCham3, 510, 451);
    ExpectAt(el::kCxrili, 998, 156);
    ExpectAt(el::kBox1, 998, 724);
    ExpectSize(el::kBox1, 275, 50);
    ExpectAt(el::kB, 677, 620);
    ExpectAt(el::kMagida, 180, 219);
    ExpectSize(el::kMagida, 621, 598);
    EXPECT_EQ(table[el::kKkk].fontSize, 16);
    EXPECT_EQ(table[el::kKkk].top, 18);
    // The choices share the bid list's top; the named-suit choices stand at the left.
    ExpectAt(el::kVishi, 6, 887);
    ExpectAt(el::kNije, 6, 887);
    ExpectAt(el::kOK, 1061, 895);
    ExpectSize(el::kOK, 31, 111);
    // The messages centred over the table area below the human's spot.
    for (Element e : {el::kStrog, el::kKVishi, el::kKNije, el::kUnder})
        ExpectAt(e, 233, 592);
    // The labels of the four seats.
    ExpectAt(el::kMH, 461, 850);
    ExpectAt(el::kMU, 461, 822);
    ExpectAt(el::kC2U, 461, 169);
    ExpectAt(el::kC2H, 461, 194);
    ExpectAt(el::kC1U, 118, 479);
    ExpectAt(el::kC1H, 118, 503);
    ExpectAt(el::kC3U, 806, 479);
    ExpectAt(el::kC3H, 806, 503);
    ExpectAt(el::kReklama, 998, 24);
    ExpectAt(el::kAra, 907, 855);
}

TEST_F(Layout, MiddleScreen1280x800TakesTheSmallCards) {
    LayOutTable(table, {1280, 800, 800});
    ExpectSize(el::Face(kAguri, kSix), 79, 100);
    ExpectAt(el::kCxrili, 998, 31);
    ExpectSize(el::kBox1, 275, 40);
    ExpectAt(el::kBox1, 998, 551);
    // One pixel more of screen takes the big cards and the sheet still at the top.
    LayOutTable(table, {1280, 801, 801});
    ExpectSize(el::Face(kAguri, kSix), 89, 121);
    ExpectAt(el::kCxrili, 998, 31);
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
    EXPECT_EQ(game.table[el::kTkma].top, 652);
    DealCards(9, 1);
    const CardId first = game.state.humanHand[1];
    const ElementState& card = game.table[el::Face(first.suit, first.rank)];
    EXPECT_EQ(card.top, 768 - 100 - 16);
    EXPECT_EQ(card.height, 100);
    EXPECT_LE(card.top + card.height, 768);
}

}  // namespace
}  // namespace zavkari::testing
