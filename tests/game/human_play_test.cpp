#include "trick_fixture.h"

namespace zavkari::testing {
namespace {

class HumanPlay : public TrickFixture {
  protected:
    HumanPlay() {
        game.table.SetGeometry(Element::cham4, 400, 500, 100, 130);
        GiveHuman({{kGuli, 2}, {kAguri, kAce}, {kJvari, kSix}, {kYvavi, kSix}});
        game.state.ledSuit = kGuli;
    }
    void Click(CardId card, bool right = false) {
        game.CardClick(el::Face(card.suit, card.rank), right);
    }
    bool OnSpot(CardId card) const {
        const ElementState& face = game.table[el::Face(card.suit, card.rank)];
        return face.left == 400 && face.top == 500;
    }
};

TEST_F(HumanPlay, StrayClicksDoNothing) {
    const GameState before = game.state;
    Click({kGuli, 2});  // the hand is covered
    game.SetHumanHandEnabled(true);
    Click({kGuli, 2});  // uncovered, but no trick has started
    OpenHand();
    Click({kYvavi, kAce});  // not in the hand
    for (const Element e : {Element::no, Element::kl, Element::b}) {
        game.CardClick(e, false);
    }
    game.vishiClick(0);  // no named-suit choice open
    game.nijeClick(0);
    EXPECT_EQ(game.state.humanHand, before.humanHand);
    EXPECT_FALSE(game.state.humanHasPlayed);
    EXPECT_TRUE(log.plays.empty());

    // While the named suit of a led wild card is asked for, nothing else is played.
    game.state.openingOrder = 3;
    Click({kJvari, kSix});
    EXPECT_TRUE(game.table.Visible(Element::vishi));
    EXPECT_TRUE(game.table.Visible(Element::kl));
    EXPECT_TRUE(OnSpot({kJvari, kSix}));
    EXPECT_EQ(game.state.openingOrder, 0);
    EXPECT_FALSE(game.state.humanHasPlayed);
    OpenHand();
    Click({kGuli, 2});
    Click({kYvavi, kSix}, true);
    game.vishiClick(4);
    game.nijeClick(1);
    EXPECT_TRUE(log.plays.empty());

    game.vishiClick(2);
    EXPECT_FALSE(game.table.Visible(Element::vishi));
    EXPECT_EQ(log.plays, (std::vector<Play>{{4, {kJvari, kSix}, 100, Declaration::ViSi, kJvari}}));
    EXPECT_TRUE(game.state.humanHand[3].empty());
    EXPECT_TRUE(view.humanStrengths.empty());  // only plain cards are listed
}

TEST_F(HumanPlay, WildCardLedAsWaiRos) {
    game.state.nextOrder = 3;
    OpenHand(3);
    Click({kYvavi, kSix}, true);
    EXPECT_TRUE(game.table.Visible(Element::nije));
    EXPECT_FALSE(game.table.Visible(Element::vishi));
    game.nijeClick(1);
    EXPECT_FALSE(game.table.Visible(Element::nije));
    EXPECT_EQ(log.plays.back(), (Play{4, {kYvavi, kSix}, 0, Declaration::WaiRos, kGuli}));
    EXPECT_TRUE(game.state.waiRosDeclared);
    EXPECT_EQ(game.state.ledSuit, kGuli);
}

TEST_F(HumanPlay, FollowingCardsArePlayedAtOnce) {
    // A right click on a plain card plays it like a left click.
    OpenHand();
    Click({kAguri, kAce}, true);
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 0);
    EXPECT_EQ(game.state.renegeCode, kGuli);
    EXPECT_EQ(view.humanStrengths, std::vector<int>{0});
    EXPECT_TRUE(OnSpot({kAguri, kAce}));
    EXPECT_TRUE(game.table.Visible(Element::kl));
    EXPECT_TRUE(game.state.humanHand[2].empty());

    OpenHand();
    Click({kJvari, kSix}, true);
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 0);
    EXPECT_FALSE(game.table.Visible(Element::nije));
    OpenHand();
    Click({kYvavi, kSix});
    EXPECT_EQ(game.state.playedStrength[kHumanSeat], 100);
    EXPECT_TRUE(OnSpot({kYvavi, kSix}));

    game.state.nextOrder = 3;
    OpenHand(3);
    Click({kGuli, 2});
    EXPECT_EQ(game.state.ledSuit, kGuli);
    EXPECT_EQ(view.humanStrengths, (std::vector<int>{0, 2}));
}

}  // namespace
}  // namespace zavkari::testing
