#include <gtest/gtest.h>

#include "cards.h"
#include "table_elements.h"

namespace zavkari {
namespace {

TEST(Cards, DeckIndexAndWildCards) {
    EXPECT_EQ(CardIndex(1, 1), 0);
    EXPECT_EQ(CardIndex(2, 5), 13);
    EXPECT_EQ(CardIndex(4, 9), 35);
    int wild = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 9; ++rank)
            wild += IsWildCard(suit, rank) ? 1 : 0;
    }
    EXPECT_EQ(wild, 2);
    EXPECT_TRUE(IsWildCard(kJvari, kSix));
    EXPECT_TRUE(IsWildCard(kYvavi, kSix));
    EXPECT_FALSE(IsWildCard(kAguri, kSix));
    EXPECT_FALSE(IsWildCard(kJvari, 2));
}

TEST(Cards, OrderCodes) {
    // Order code = the seat playing last; the leader is the next seat.
    EXPECT_EQ(LeaderOf(1), 2);
    EXPECT_EQ(LeaderOf(2), 3);
    EXPECT_EQ(LeaderOf(3), 4);
    EXPECT_EQ(LeaderOf(4), 1);
    EXPECT_EQ(OrderAfterWinner(1), 4);
    EXPECT_EQ(OrderAfterWinner(2), 1);
    EXPECT_EQ(OrderAfterWinner(3), 2);
    EXPECT_EQ(OrderAfterWinner(4), 3);
    for (int winner = 1; winner <= 4; ++winner)
        EXPECT_EQ(LeaderOf(OrderAfterWinner(winner)), winner);
}

TEST(Cards, ImageNames) {
    EXPECT_EQ(CardImageName(2, 5), "g10");
    EXPECT_EQ(CardImageName(4, 9), "yt");
    EXPECT_EQ(CardImageName(3, 1), "j6");
    EXPECT_EQ(CardImageName(1, 6), "av");
    EXPECT_EQ(CardImageName(-1, -1), "no");
    EXPECT_EQ(CardImageName(0, 3), "no");
    EXPECT_EQ(CardImageName(1, 10), "no");
}

TEST(Cards, ElementAndTimerNames) {
    EXPECT_EQ(ElementName(el::Face(1, 9)), "at");
    EXPECT_EQ(ElementName(Element::no), "no");
    EXPECT_EQ(ElementName(el::Back(2, 3)), "b23");
    EXPECT_EQ(ElementName(el::Back(3, 9)), "b39");
    EXPECT_EQ(ElementName(Element::b), "b");
    EXPECT_EQ(ElementName(el::TrickLabel(4)), "m_h");
    EXPECT_EQ(ElementName(el::BidLabel(1)), "c1_u");
    EXPECT_EQ(ElementName(el::Spot(4)), "cham4");
    EXPECT_EQ(ElementName(Element::bbb), "bbb");
    EXPECT_EQ(ElementName(el::Name(4)), "n4");
    EXPECT_EQ(ElementName(el::RowHeading(24)), "nnn24");
    EXPECT_EQ(ElementName(el::BidCell(1, 1)), "a11");
    EXPECT_EQ(ElementName(el::ScoreCell(4, 24)), "c424");
    EXPECT_EQ(ElementName(el::TotalCell(3, 1)), "j31");
    EXPECT_EQ(ElementName(el::TotalCell(4, 4)), "j44");

    EXPECT_EQ(TimerName(timer::Trick(1, 1)), "_1");
    EXPECT_EQ(TimerName(timer::Trick(2, 2)), "_22");
    EXPECT_EQ(TimerName(timer::Trick(3, 1)), "_31");
    EXPECT_EQ(TimerName(timer::Trick(9, 9)), "_99");
    EXPECT_EQ(TimerName(timer::Play(4)), "ch4");
    EXPECT_EQ(TimerName(TimerId::tavidan), "tavidan");
    EXPECT_EQ(TimerName(TimerId::boloj), "boloj");
    EXPECT_EQ(TimerName(timer::Waiting(3)), "waiting3");
    EXPECT_EQ(TimerName(TimerId::vacxado), "vacxado");
}

}  // namespace
}  // namespace zavkari
