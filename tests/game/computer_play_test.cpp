#include "trick_fixture.h"

namespace zavkari::testing {
namespace {

TEST(TchSelectCard, Modes) {
    Tch tch;
    tch.cards[1] = {0, kGuli, 8, 8};
    tch.cards[2] = {0, kAguri, 1, 1};
    tch.cards[3] = {0, kGuli, 2, 2};
    tch.cards[4] = {0, kYvavi, 1, 2};
    tch.cards[5] = {0, kGuli, 0, 1};  // beyond the count: never looked at
    tch.cardCount = 4;
    const auto chosen = [&tch](SelectMode mode, int suit) {
        tch.SelectCard(mode, suit);
        return tch.choiceIndex;
    };
    EXPECT_EQ(chosen(SelectMode::Lowest, kGuli), 3);
    EXPECT_EQ(chosen(SelectMode::First, kGuli), 1);
    EXPECT_EQ(chosen(SelectMode::Lowest, 0), 2);  // the lower of two equal strengths
    EXPECT_EQ(chosen(SelectMode::Highest, kYvavi), 4);
    EXPECT_EQ(chosen(SelectMode::First, 0), 4);  // nothing found: the choice stays
    EXPECT_EQ(chosen(SelectMode::Highest, kJvari), 4);
    EXPECT_EQ(tch.choiceSuit, kYvavi);
    EXPECT_EQ(tch.choiceRank, 2);
    EXPECT_EQ(tch.choiceStrength, 1);
}

class ComputerPlay : public TrickFixture {
  protected:
    CardId Leads(int seat, bool bidMet) {
        game.state.computerBid[seat] = bidMet ? 0 : 1;
        game.ChooseComputerCard(seat, true);
        return game.state.playedCard[seat];
    }
};

TEST_F(ComputerPlay, Leads) {
    SetTrump(kGuli);
    GiveComputer(1, {{kGuli, kKing}, {kGuli, 2}, {kAguri, kSix}});
    EXPECT_EQ(Leads(1, true), (CardId{kGuli, kKing}));  // the first trump, not the lowest
    EXPECT_EQ(game.state.playedStrength[1], 18);
    EXPECT_EQ(game.state.ledSuit, kGuli);

    SetTrump(kNoTrump);
    GiveComputer(1, {{kAguri, kKing}, {kGuli, kSix}, {kAguri, kSix}});
    EXPECT_EQ(Leads(1, true), (CardId{kGuli, kSix}));
    EXPECT_EQ(random.reseeds, 0);

    // A met bid whose first trump is the wild card leads it as waiRos, naming a random suit.
    SetTrump(kJvari);
    random.queue = {0, 0, 3};
    GiveComputer(2, {{kAguri, 2}, {kJvari, kSix}, {kJvari, kAce}});
    EXPECT_EQ(Leads(2, true), (CardId{kJvari, kSix}));
    EXPECT_EQ(log.plays.back(), (Play{2, {kJvari, kSix}, 1, Declaration::WaiRos, kJvari}));
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_TRUE(game.state.waiRosDeclared);
    EXPECT_TRUE(game.state.wildLedByComputer);
    EXPECT_EQ(game.state.ledSuit, kJvari);
    EXPECT_TRUE(game.table.Visible(Element::KNije));
    EXPECT_EQ(game.table.Caption(Element::KNije), "waiRos jvarma");

    // An open bid leads its wild card as viSi, whatever else it holds.
    random.queue = {2};
    GiveComputer(3, {{kJvari, kAce}, {kYvavi, kSix}, {kGuli, kAce}});
    EXPECT_EQ(Leads(3, false), (CardId{kYvavi, kSix}));
    EXPECT_EQ(log.plays.back(), (Play{3, {kYvavi, kSix}, 100, Declaration::ViSi, kGuli}));
    EXPECT_TRUE(game.state.viSiDeclared);
    EXPECT_EQ(game.table.Caption(Element::KVishi), "viSi guli");
}

TEST_F(ComputerPlay, FollowsAnUndeclaredTrick) {
    SetTrump(kAguri);
    GiveComputer(1, {{kAguri, 2}, {kYvavi, kKing}, {kAguri, kAce}});
    EXPECT_EQ(ComputerFollows(1, kGuli, true), 12);  // the lowest trump
    GiveComputer(1, {{kAguri, 2}, {kYvavi, kKing}, {kAguri, kAce}});
    EXPECT_EQ(ComputerFollows(1, kGuli, false), 19);  // the highest trump
    GiveComputer(1, {{kYvavi, 2}, {kYvavi, kKing}, {kAguri, kAce}});
    EXPECT_EQ(ComputerFollows(1, kYvavi, true), 2);

    // No card to follow with: an open bid throws its lowest plain card away.
    SetTrump(kNoTrump);
    GiveComputer(2, {{kGuli, 3}, {kJvari, kSix}, {kGuli, 2}});
    EXPECT_EQ(ComputerFollows(2, kAguri, false), 0);
    EXPECT_EQ(game.state.playedCard[2], (CardId{kGuli, 2}));
    // Only wild cards left: played high, 101 after a 100 in this trick.
    GiveComputer(2, {{kYvavi, kSix}});
    InTrick(4, {5});
    EXPECT_EQ(ComputerFollows(2, kAguri, false), 100);
    GiveComputer(3, {{kJvari, kSix}});
    EXPECT_EQ(ComputerFollows(3, kAguri, false), 101);
    EXPECT_FALSE(game.table.Visible(Element::under));

    // A met bid whose only card of the led suit is the wild card plays it low.
    GiveComputer(1, {{kAguri, 3}, {kJvari, kSix}});
    EXPECT_EQ(ComputerFollows(1, kJvari, true), 0);
    EXPECT_EQ(game.state.playedCard[1], (CardId{kJvari, kSix}));
    EXPECT_TRUE(game.table.Visible(Element::under));
    EXPECT_EQ(game.table.Caption(Element::under), "qveSidan Seudo");
}

TEST_F(ComputerPlay, AnswersADeclaredWildCard) {
    struct Case {
        int trump;
        Declaration declared;
        int namedSuit;
        bool bidMet;
        std::vector<CardId> hand;
        CardId card;
        int strength;
    };
    const Case cases[] = {
        {kAguri,
         Declaration::ViSi,
         kGuli,
         true,
         {{kYvavi, 2}, {kAguri, kAce}, {kAguri, 2}},
         {kAguri, kAce},
         119},
        {kAguri,
         Declaration::ViSi,
         kGuli,
         false,
         {{kYvavi, 2}, {kAguri, kAce}, {kAguri, 2}},
         {kAguri, 2},
         12},
        {kAguri,
         Declaration::ViSi,
         kGuli,
         true,
         {{kGuli, 2}, {kGuli, kAce}, {kAguri, kAce}},
         {kGuli, kAce},
         9},
        {kAguri,
         Declaration::WaiRos,
         kGuli,
         true,
         {{kGuli, 2}, {kGuli, kAce}, {kAguri, kAce}},
         {kGuli, 2},
         2},
        {kGuli,
         Declaration::ViSi,
         kJvari,
         true,
         {{kJvari, kSix}, {kJvari, kAce}},
         {kJvari, kSix},
         201},
        {kGuli,
         Declaration::ViSi,
         kJvari,
         false,
         {{kJvari, kSix}, {kJvari, kAce}},
         {kJvari, kSix},
         0},
        {kNoTrump,
         Declaration::WaiRos,
         kGuli,
         true,
         {{kAguri, 2}, {kYvavi, kKing}},
         {kYvavi, kKing},
         0},
        {kNoTrump,
         Declaration::ViSi,
         kGuli,
         true,
         {{kAguri, 2}, {kYvavi, kKing}},
         {kYvavi, kKing},
         8},
        {kNoTrump,
         Declaration::WaiRos,
         kGuli,
         true,
         {{kAguri, 2}, {kYvavi, kSix}},
         {kYvavi, kSix},
         200},
        {kNoTrump,
         Declaration::WaiRos,
         kGuli,
         false,
         {{kAguri, 2}, {kYvavi, kSix}},
         {kYvavi, kSix},
         0},
        {kJvari,
         Declaration::ViSi,
         kGuli,
         true,
         {{kAguri, 2}, {kJvari, kSix}},
         {kJvari, kSix},
         200},  // the wild card as the highest trump
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.trump << " " << c.namedSuit << " " << c.bidMet);
        SetTrump(c.trump);
        game.state.viSiDeclared = c.declared == Declaration::ViSi;
        game.state.waiRosDeclared = c.declared == Declaration::WaiRos;
        game.table.Hide(Element::under);
        GiveComputer(3, c.hand);
        EXPECT_EQ(ComputerFollows(3, c.namedSuit, c.bidMet), c.strength);
        EXPECT_EQ(game.state.playedCard[3], c.card);
        EXPECT_EQ(game.table.Visible(Element::under),
                  IsWildCard(c.card.suit, c.card.rank) && c.strength == 0);
    }
}

TEST_F(ComputerPlay, PlayedCardLeavesTheHandAndShowsOnTheSpot) {
    view.keepsMemo = true;
    game.table.SetGeometry(Element::cham2, 300, 200, 100, 130);
    game.ShowComputerBacks(2, 5);
    GiveComputer(2, {{kAguri, 2}, {kGuli, kKing}, {kJvari, kTen}, {kYvavi, 4}, {kGuli, kSix}});
    EXPECT_EQ(Leads(2, false), (CardId{kGuli, kKing}));

    EXPECT_EQ(game.state.computerCardCount[2], 4);
    EXPECT_EQ(game.state.computerHand[2][2], Card(kGuli, kSix));
    for (int slot = 1; slot <= kMaxHand; ++slot) {
        EXPECT_EQ(game.table.Visible(el::Back(2, slot)), slot <= 4);
    }
    const ElementState& face = game.table[el::Face(kGuli, kKing)];
    EXPECT_TRUE(game.table.Visible(el::Face(kGuli, kKing)));
    EXPECT_EQ(face.left, 300);
    EXPECT_EQ(face.top, 200);
    EXPECT_TRUE(game.table.InFront(el::Face(kGuli, kKing), Element::noclick));

    const std::vector<std::string> memo = {"me1;2 | 2;8 | 3;5 | 4;4 | 2;1 | ",
                                           "1;2 | 2;1 | 3;5 | 4;4 | -1;-1 | ", std::string(87, '-'),
                                           ""};
    EXPECT_EQ(view.memo, memo);
    Leads(2, false);
    EXPECT_EQ(view.memo[3], "1;2 | 2;1 | 3;5 | 4;4 | ");

    // Nobody reads the memo: no log is written.
    view.keepsMemo = false;
    Leads(2, false);
    EXPECT_EQ(view.memo.size(), 7u);
}

}  // namespace
}  // namespace zavkari::testing
