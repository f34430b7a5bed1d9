#include "trick_fixture.h"

namespace zavkari::testing {
namespace {

using TrickRules = TrickFixture;

TEST_F(TrickRules, HumanFollowStrengths) {
    struct Case {
        int trump, ledSuit;
        Declaration declared;
        CardId card;
        int strength;
    };
    const Case cases[] = {
        {kNoTrump, kAguri, Declaration::None, {kAguri, kAce}, 9},
        {kNoTrump, kAguri, Declaration::None, {kGuli, kAce}, 0},
        {kJvari, kAguri, Declaration::None, {kJvari, 2}, 12},
        {kJvari, kAguri, Declaration::None, {kGuli, kAce}, 0},
        {kGuli, kAguri, Declaration::None, {kGuli, kAce}, 19},
        {kAguri, kGuli, Declaration::ViSi, {kAguri, 3}, 113},
        {kAguri, kGuli, Declaration::WaiRos, {kAguri, kAce}, 119},
        {kGuli, kGuli, Declaration::ViSi, {kGuli, 3}, 13},  // the named suit is trump: no bonus
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.trump << " " << c.card.suit << ";" << c.card.rank);
        SetTrump(c.trump);
        game.state.ledSuit = c.ledSuit;
        game.state.viSiDeclared = c.declared == Declaration::ViSi;
        game.state.waiRosDeclared = c.declared == Declaration::WaiRos;
        GiveHuman({c.card});
        game.FollowHumanCard(Card(c.card.suit, c.card.rank));
        EXPECT_EQ(game.state.playedStrength[kHumanSeat], c.strength);
        EXPECT_TRUE(game.state.humanHand[1].empty());
        EXPECT_EQ(log.plays.back(), (Play{kHumanSeat, c.card, c.strength, Declaration::None, 0}));
    }
}

TEST_F(TrickRules, HumanLeadsAndWildCards) {
    SetTrump(kGuli);
    game.state.openingOrder = 3;
    GiveHuman({{kGuli, kKing}, {kJvari, kSix}, {kYvavi, kSix}});
    game.LeadHumanCard(Card(kGuli, kKing));
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 18);
    EXPECT_EQ(game.state.ledSuit, kGuli);
    EXPECT_EQ(game.state.openingOrder, 0);

    game.LeadHumanWild(Card(kJvari, kSix), Declaration::ViSi, kAguri);
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 100);
    EXPECT_TRUE(game.state.viSiDeclared);
    EXPECT_EQ(game.state.ledSuit, kAguri);
    EXPECT_EQ(log.plays.back(), (Play{kHumanSeat, {kJvari, kSix}, 100, Declaration::ViSi, 1}));

    game.state.wildLedByComputer = true;
    game.LeadHumanWild(Card(kYvavi, kSix), Declaration::WaiRos, kYvavi);
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 0);
    EXPECT_TRUE(game.state.waiRosDeclared);
    EXPECT_FALSE(game.state.wildLedByComputer);
    EXPECT_FALSE(game.table.Visible(Element::KVishi));
    EXPECT_FALSE(game.table.Visible(Element::KNije));

    // Following high: 100, or 101 after a 100 already in this trick; a 100 of an earlier trick
    // (seat 1 plays after the human here) does not count.
    game.state.playedStrength = {{100, 0, 5, 0}};
    InTrick(1, {5, 0});
    game.FollowHumanWild(Card(kYvavi, kSix), true);
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 100);
    InTrick(1, {5, 100});
    game.FollowHumanWild(Card(kYvavi, kSix), true);
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 101);
    game.FollowHumanWild(Card(kYvavi, kSix), false);
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 0);
}

TEST_F(TrickRules, WinnerHasTheStrictlyGreatestStrength) {
    struct Case {
        PerSeat<int> strengths;
        int winner;
    };
    const Case cases[] = {
        {{{4, 9, 12, 0}}, 3},       // a trump beats the led suit
        {{{100, 101, 0, 0}}, 2},    // the later of two wild cards played high
        {{{100, 0, 113, 0}}, 3},    // a trump answering viSi with + 100
        {{{100, 119, 201, 0}}, 3},  // a computer's wild card of the named suit
        {{{1, 0, 0, 0}}, 1},        // waiRos led by a computer, nobody follows the named suit
        {{{0, 0, 0, 0}}, 0},        // waiRos led by the human, nobody follows
        {{{9, 200, 200, 0}}, 0},    // a tie at the top
    };
    const int nextOrders[] = {0, 4, 1, 2, 3};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.winner);
        game.PrepareHands(3);
        game.state.computerTricks = {};
        InTrick(2);
        game.state.nextOrder = 0;
        game.state.playedStrength = c.strengths;
        game.ResolveTrick();
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_TRUE(game.table.Visible(el::TrickLabel(seat)));
            EXPECT_EQ(game.table.Caption(el::TrickLabel(seat)), seat == c.winner ? "1" : "0");
            if (seat < 4) {
                EXPECT_EQ(game.state.computerTricks[seat], seat == c.winner ? 1 : 0);
            }
        }
        // Nobody takes a tie: the leader of this trick (order code 2) leads again.
        EXPECT_EQ(game.state.nextOrder, c.winner == 0 ? 2 : nextOrders[c.winner]);
        EXPECT_EQ(log.tricks.back(), (std::array<int, 3>{1, c.winner, 3}));
    }
    // The label counts on from what it shows.
    game.state.playedStrength = {{0, 0, 0, 7}};
    game.ResolveTrick();
    game.ResolveTrick();
    EXPECT_EQ(game.table.Caption(Element::m_h), "2");
}

TEST_F(TrickRules, Reneges) {
    // Asking first whether the card would be a renege foretells the play and records nothing.
    const auto follow = [this](CardId card) {
        game.state.renegePending = false;
        game.state.renegeCode = 0;
        const bool foretold = game.WouldRenege(card);
        EXPECT_FALSE(game.state.renegePending);
        game.FollowHumanCard(Card(card.suit, card.rank));
        EXPECT_EQ(foretold, game.state.renegePending);
        return game.state.renegePending ? game.state.renegeCode : 0;
    };
    game.state.ledSuit = kYvavi;
    GiveHuman({{kYvavi, 2}, {kGuli, kAce}, {kAguri, 2}});
    EXPECT_EQ(follow({kGuli, kAce}), kYvavi);
    // Holding a plain trump as well, the trump is the suit held back.
    SetTrump(kAguri);
    GiveHuman({{kYvavi, 2}, {kGuli, kAce}, {kAguri, 2}});
    EXPECT_EQ(follow({kGuli, kAce}), kAguri);
    GiveHuman({{kYvavi, 2}, {kGuli, kAce}, {kAguri, 2}});
    EXPECT_EQ(follow({kAguri, 2}), kYvavi);
    // A wild card is no card of the led suit to hold back, and no trump.
    SetTrump(kYvavi);
    game.state.ledSuit = kJvari;
    GiveHuman({{kJvari, kSix}, {kYvavi, kSix}, {kGuli, 2}});
    EXPECT_EQ(follow({kGuli, 2}), 0);
    // After a computer's wild card lead nothing is held back.
    GiveHuman({{kJvari, 4}, {kYvavi, 4}, {kGuli, 2}});
    game.state.wildLedByComputer = true;
    EXPECT_EQ(follow({kGuli, 2}), 0);

    // viSi demands the highest card of the named suit, its wild card included.
    game.state.viSiDeclared = true;
    GiveHuman({{kJvari, kSix}, {kJvari, kKing}});
    EXPECT_FALSE(game.WouldRenege({kJvari, kSix}));  // the wild card itself answers high
    EXPECT_EQ(follow({kJvari, kKing}), 5);
    GiveHuman({{kJvari, kAce}, {kJvari, kKing}});
    EXPECT_EQ(follow({kJvari, kKing}), 5);
    GiveHuman({{kJvari, 2}, {kJvari, kKing}});
    EXPECT_EQ(follow({kJvari, kKing}), 0);

    // A later renege of the deal overwrites the code.
    game.state.viSiDeclared = false;
    game.state.ledSuit = kGuli;
    GiveHuman({{kGuli, 2}, {kAguri, 2}, {kAguri, 3}});
    EXPECT_EQ(follow({kAguri, 2}), kGuli);
    game.state.ledSuit = kAguri;
    game.FollowHumanCard(Card(kGuli, 2));
    EXPECT_TRUE(game.state.renegePending);
    EXPECT_EQ(game.state.renegeCode, kAguri);
}

}  // namespace
}  // namespace zavkari::testing
