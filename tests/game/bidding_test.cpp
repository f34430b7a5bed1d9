#include <string>
#include <vector>

#include "table_log.h"

namespace zavkari::testing {
namespace {

struct BidCase {
    const char* what;
    int n;
    int trump;
    bool firstHand;
    const char* hand;
    int bid;
};

// Computer 2 holds the hand; it is the first hand with dealer 1 and not with dealer 3.
const BidCase kBidCases[] = {
    {"no trump: a first hand counts its aces twice from four cards", 4, 0, true, "at gt jt yt", 8},
    {"no trump: any hand counts its aces from four cards", 4, 0, false, "at gt a7 g7", 2},
    {"no trump: three cards, not the first hand", 3, 0, false, "at gt jt", 0},
    {"no trump: three cards, the first hand counts its aces once", 3, 0, true, "at gt a7", 2},
    {"no trump: one suit with its ace takes every trick", 3, 0, true, "a7 at a8", 3},
    {"no trump: one suit without its ace", 5, 0, true, "g7 g8 g9 g10 gk", 0},
    {"no trump: one suit held by another hand", 5, 0, false, "g7 g8 g9 g10 gt", 1},
    {"no trump: one card, a first-hand queen", 1, 0, true, "gd", 1},
    {"no trump: one card, a first-hand jack", 1, 0, true, "gv", 0},
    {"no trump: one card, an ace of another hand", 1, 0, false, "gt", 0},
    {"no trump: one card, a wild card", 1, 0, false, "j6", 1},
    {"no trump: two cards of one suit with a king", 2, 0, true, "g7 gk", 2},
    {"no trump: two cards of one suit, queen high", 2, 0, true, "gd gv", 0},
    {"no trump: two cards, an ace and another suit", 2, 0, true, "at g7", 1},
    {"no trump: a wild card keeps its suit", 2, 0, true, "j6 jk", 2},
    {"trump: honours and a wild card in five cards", 5, 2, false, "gd gk gt at y6", 4},
    {"trump: the first hand adds its other aces", 5, 2, true, "gd gk gt at y6", 5},
    {"trump: a jack of trumps is no honour", 5, 2, false, "gv g10 a7 a8 a9", 0},
    {"trump: honours do not count in eight cards", 8, 2, false, "gd gk gt at y6 a7 a8 a9", 1},
    {"trump: the first hand's other aces need four cards", 3, 4, true, "at gt y7", 0},
    {"trump: one card of the trump suit", 1, 1, false, "a7", 1},
    {"trump: one ace of another suit", 1, 1, false, "gt", 1},
    {"trump: one queen of another suit", 1, 1, false, "gd", 0},
    {"trump: a ten of trumps in the first slot", 2, 1, false, "a10 g7", 1},
    {"trump: a ten of trumps in the second slot", 2, 1, false, "g7 a10", 0},
    {"trump: a jack of trumps in the second slot", 2, 1, false, "g7 av", 1},
    {"trump: two cards, an ace counts for the first hand only", 2, 1, false, "at gt", 1},
    {"trump: two cards, the first hand adds one for its aces", 2, 1, true, "at gt", 2},
};

using Bidding = LoggedGame;

TEST_F(Bidding, ComputerBidsFollowTheBidTable) {
    for (const BidCase& c : kBidCases) {
        SCOPED_TRACE(c.what);
        game.state.computerHand = {};
        GiveHand(2, c.hand);
        game.state.trump = c.trump;
        game.state.dealer = c.firstHand ? 1 : 3;
        game.ComputeComputerBids(c.n);
        EXPECT_EQ(game.state.computerBid[2], c.bid);
    }
}

TEST_F(Bidding, OnlyTheSeatAfterTheDealerIsTheFirstHand) {
    for (int seat = 1; seat <= 3; ++seat)
        GiveHand(seat, seat == 1 ? "ad" : seat == 2 ? "gd" : "jd");
    for (int dealer = 1; dealer <= 4; ++dealer) {
        SCOPED_TRACE(dealer);
        game.state.dealer = dealer;
        game.ComputeComputerBids(1);
        for (int seat = 1; seat <= 3; ++seat) {
            EXPECT_EQ(game.state.computerBid[seat], seat == NextSeat(dealer) ? 1 : 0) << seat;
        }
    }
}

TEST_F(Bidding, ComputedBidsAreCaptionedButStayHidden) {
    game.state.trump = kGuli;
    game.state.dealer = 3;
    game.state.computerTricks = {{2, 1, 3}};
    GiveHand(1, "gd gk gt a7 a8");
    GiveHand(2, "a9 a10 av ad ak");
    GiveHand(3, "y7 y8 y9 y10 yv");
    game.ComputeComputerBids(5);
    EXPECT_EQ(game.table.Caption(Element::c1_u), "3 ");
    EXPECT_EQ(game.table.Caption(Element::c2_u), "pasi");
    EXPECT_EQ(game.table.Caption(Element::c3_u), "pasi ");
    EXPECT_EQ(game.state.computerTricks, (PerComputer<int>{{0, 0, 0}}));

    GiveHand(1, "y7 y8 y9 y10 yv");
    GiveHand(2, "gd gk gt a7 a8");
    GiveHand(3, "gd gk gt a7 a8");
    game.ComputeComputerBids(5);
    EXPECT_EQ(game.table.Caption(Element::c1_u), "pasi ");
    EXPECT_EQ(game.table.Caption(Element::c2_u), "3");
    EXPECT_EQ(game.table.Caption(Element::c3_u), "3 ");
    for (int seat = 1; seat <= 3; ++seat)
        EXPECT_FALSE(game.table.Visible(el::BidLabel(seat)));
}

// A deal of n cards in sheet row n, the bid list filled and shown.
class BiddingRound : public LoggedGame {
  protected:
    void BeginDeal(int n, int dealer) {
        game.state.dealSize = n;
        game.state.ascendCount = n;
        game.state.dealer = dealer;
        game.state.trump = kNoTrump;
        SeatsInOwnColumns();
        std::vector<std::string> items{"pasi"};
        for (int bid = 1; bid <= n; ++bid)
            items.push_back(std::to_string(bid));
        game.table.SetItems(Element::tkma, items);
        game.table.Show(Element::tkma);
        game.ComputeComputerBids(n);
        game.StartBidding(n);
    }
    void Bid(int item) {
        game.tkmaClick(item);
        game.OKClick();
    }
    // A four-card deal dealt by the left computer: the top computer bids 0, the right one 1.
    void BeginDealWithLeftComputerDealing() {
        GiveHand(1, "at gt yt a7");
        GiveHand(2, "g7 g8 g9 g10");
        GiveHand(3, "jt j7 j8 j9");
        BeginDeal(4, 1);
    }
    std::string SheetBid(int seat) const {
        return std::string(game.table.Caption(el::BidCell(seat, game.state.dealSize)));
    }
    std::vector<std::string> BidReveals() const {
        return view.Reveals({"c1_u", "c2_u", "c3_u", "m_u"});
    }
};

TEST_F(BiddingRound, HumanDealerMayNotMakeTheBidsAddUp) {
    GiveHand(1, "yt a7 a8 a9");  // first hand: its ace counts twice
    GiveHand(2, "at g7 g8 g9");
    GiveHand(3, "jt j7 j8 j9");
    BeginDeal(4, 4);
    EXPECT_EQ(BidReveals(), (std::vector<std::string>{"show c1_u", "pause 300", "show c2_u",
                                                      "pause 300", "show c3_u"}));
    EXPECT_EQ(game.state.forbiddenBid, 0);
    EXPECT_EQ(SheetBid(1), "2 ");
    EXPECT_EQ(SheetBid(2), "1");
    EXPECT_EQ(SheetBid(3), "1 ");
    EXPECT_TRUE(game.table.Visible(Element::kl));
    EXPECT_FALSE(game.timers.Enabled(timer::Waiting(1)));

    Bid(0);
    EXPECT_TRUE(game.table.Visible(Element::ara));
    EXPECT_TRUE(game.table.Visible(Element::tkma));
    EXPECT_TRUE(game.table.Visible(Element::OK));
    EXPECT_FALSE(game.table.Visible(Element::m_u));
    EXPECT_EQ(game.state.trickStage, 0);

    Bid(2);
    EXPECT_FALSE(game.table.Visible(Element::ara));
    EXPECT_FALSE(game.table.Visible(Element::tkma));
    EXPECT_FALSE(game.table.Visible(Element::OK));
    EXPECT_TRUE(game.table.Visible(Element::m_u));
    EXPECT_EQ(game.table.Caption(Element::m_u), "2");
    EXPECT_EQ(game.state.humanBid, 2);
    EXPECT_EQ(game.state.trickStage, 1);
    EXPECT_FALSE(game.table.Visible(Element::kl));
    EXPECT_TRUE(game.table.InFront(Element::b, Element::noclick));
    EXPECT_EQ(SheetBid(4), "2");
    EXPECT_EQ(observer.log,
              (std::vector<std::string>{"bid 1 2", "bid 2 1", "bid 3 1", "refused 0", "bid 4 2"}));
}

TEST_F(BiddingRound, BidsAboveTheCardsHoldNobodyBack) {
    GiveHand(1, "j6");
    GiveHand(2, "y6");
    GiveHand(3, "a7");
    BeginDeal(1, 4);
    EXPECT_EQ(game.state.forbiddenBid, -1);
    Bid(0);
    EXPECT_FALSE(game.table.Visible(Element::ara));
    EXPECT_EQ(game.table.Caption(Element::m_u), "pasi");
    EXPECT_EQ(SheetBid(4), "pasi");
}

TEST_F(BiddingRound, StrayClicksOnTheBidBoxDoNothing) {
    game.state.dealer = 4;
    game.state.dealSize = 1;
    game.state.forbiddenBid = -1;
    game.table.SetItems(Element::tkma, {"pasi", "1"});
    game.tkmaClick(1);
    game.OKClick();
    EXPECT_FALSE(game.table.Visible(Element::OK));
    EXPECT_EQ(game.table.Group(Element::tkma).selected, -1);
    EXPECT_FALSE(game.table.Visible(Element::m_u));

    game.table.Show(Element::tkma);
    game.OKClick();  // nothing chosen yet
    game.tkmaClick(-1);
    EXPECT_TRUE(game.table.Visible(Element::OK));
    game.OKClick();
    game.tkmaClick(7);
    game.OKClick();
    EXPECT_EQ(game.table.Group(Element::tkma).selected, -1);
    EXPECT_FALSE(game.table.Visible(Element::m_u));
    EXPECT_TRUE(observer.log.empty());

    Bid(1);
    EXPECT_EQ(game.state.humanBid, 1);
    game.tkmaClick(0);
    game.OKClick();
    EXPECT_EQ(game.state.humanBid, 1);
    EXPECT_EQ(observer.log, std::vector<std::string>{"bid 4 1"});
}

TEST_F(BiddingRound, HumanFirstHandBidsBeforeEveryComputer) {
    GiveHand(1, "at a7 a8 a9");
    GiveHand(2, "gt g7 g8 g9");
    GiveHand(3, "jt j7 j8 j9");
    BeginDeal(4, 3);
    EXPECT_TRUE(BidReveals().empty());
    EXPECT_TRUE(game.timers.Enabled(timer::Waiting(3)));

    game.Tick(timer::Waiting(3));  // the human has not bid: nothing
    EXPECT_TRUE(game.timers.Enabled(timer::Waiting(3)));
    EXPECT_TRUE(BidReveals().empty());

    Bid(1);
    game.Tick(timer::Waiting(3));
    EXPECT_EQ(BidReveals(),
              (std::vector<std::string>{"show m_u", "pause 300", "show c1_u", "pause 300",
                                        "show c2_u", "pause 300", "show c3_u"}));
    EXPECT_FALSE(game.timers.Enabled(timer::Waiting(3)));
    EXPECT_EQ(game.state.trickStage, 1);
    // 1 + 1 + 1 would make four with the dealer's 1: the dealer passes instead.
    EXPECT_EQ(game.state.computerBid[3], 0);
    EXPECT_EQ(SheetBid(3), "pasi ");
    EXPECT_EQ(observer.log,
              (std::vector<std::string>{"bid 4 1", "bid 1 1", "bid 2 1", "bid 3 0 (1)"}));
}

TEST_F(BiddingRound, LeftComputerDealerBidsOneLessWhenForbidden) {
    BeginDealWithLeftComputerDealing();
    EXPECT_EQ(BidReveals(), (std::vector<std::string>{"show c2_u", "pause 300", "show c3_u"}));
    Bid(0);
    view.log.clear();
    game.Tick(timer::Waiting(1));
    EXPECT_EQ(BidReveals(), (std::vector<std::string>{"pause 300", "show c1_u"}));
    EXPECT_EQ(game.state.forbiddenBid, 3);
    EXPECT_EQ(game.table.Caption(Element::c1_u), "2 ");
    EXPECT_EQ(SheetBid(1), "2 ");
    EXPECT_EQ(observer.log,
              (std::vector<std::string>{"bid 2 0", "bid 3 1", "bid 4 0", "bid 1 2 (3)"}));
}

TEST_F(BiddingRound, ComputerDealerKeepsABidThatIsNotForbidden) {
    BeginDealWithLeftComputerDealing();
    Bid(1);
    game.Tick(timer::Waiting(1));
    EXPECT_EQ(game.state.computerBid[1], 3);
    EXPECT_EQ(SheetBid(1), "3 ");
    EXPECT_EQ(observer.log.back(), "bid 1 3");
}

TEST_F(BiddingRound, TopComputerDealerMovedFromPasiShowsOneWithABlank) {
    GiveHand(1, "a7 a8 a9 a10");
    GiveHand(2, "g7 g8 g9 g10");
    GiveHand(3, "jt yt j7 j8");  // first hand: two aces counted twice
    BeginDeal(4, 2);
    EXPECT_EQ(BidReveals(), (std::vector<std::string>{"show c3_u", "pause 300"}));
    EXPECT_EQ(SheetBid(3), "4 ");
    EXPECT_EQ(game.table.Caption(Element::c2_u), "pasi");
    Bid(0);
    view.log.clear();
    game.Tick(timer::Waiting(2));
    EXPECT_EQ(BidReveals(),
              (std::vector<std::string>{"pause 300", "show c1_u", "pause 300", "show c2_u"}));
    EXPECT_EQ(game.state.computerBid[2], 1);
    EXPECT_EQ(SheetBid(2), "1 ");
    EXPECT_EQ(observer.log,
              (std::vector<std::string>{"bid 3 4", "bid 4 0", "bid 1 0", "bid 2 1 (0)"}));
}

}  // namespace
}  // namespace zavkari::testing
