#include <algorithm>
#include <set>

#include "game_fixture.h"

namespace zavkari::testing {
namespace {

using Dealing = GameFixture;

void ExpectStrengths(const GameState& s, int trump) {
    for (const CardRecord& c : s.deck) {
        SCOPED_TRACE(std::string(CardImageName(c.suit, c.rank)));
        if (IsWildCard(c.suit, c.rank)) {
            EXPECT_EQ(c.strength, 100);
        } else {
            EXPECT_EQ(c.strength, c.rank + (c.suit == trump ? 10 : 0));
        }
    }
}

TEST_F(Dealing, ResetDeckRestoresRanksAndCoversTheHand) {
    DealCards(5, 2);
    game.ResetDeck();
    ExpectStrengths(game.state, kNoTrump);
    EXPECT_EQ(DealtCount(), 0);
    EXPECT_TRUE(game.table.Visible(Element::kl));
}

TEST_F(Dealing, DeclaredTrumpsAddTenExceptToTheWildCards) {
    for (int trump = 0; trump <= 4; ++trump) {
        SCOPED_TRACE(trump);
        game.ResetDeck();
        game.state.dealSize = 9;
        game.state.trump = trump;
        game.SettleTrump();
        ExpectStrengths(game.state, trump);
        EXPECT_EQ(game.table.Caption(Element::kkk), kSuitWords[static_cast<std::size_t>(trump)]);
        EXPECT_TRUE(game.table.Visible(Element::kkk));
    }
    game.state.trump = kJvari;
    game.ResetDeck();
    game.SettleTrump();
    EXPECT_EQ(game.state.Card(kJvari, 2).strength, 12);
    EXPECT_EQ(game.state.Card(kJvari, 9).strength, 19);
    EXPECT_EQ(game.state.Card(kJvari, kSix).strength, 100);
    EXPECT_EQ(game.table[Element::kkk].colour, FontColour::Black);
}

TEST(DealingScripted, TurnedCardSetsTheTrump) {
    HeadlessTable view;
    ScriptedRandom random;
    TestGame game(view, random);
    game.InitDeck();
    game.state.dealSize = 3;

    // A turned wild card: no trump, "bezi" in white, and the wild card is out of play.
    game.ResetDeck();
    random.queue = {3, 1};
    game.SettleTrump();
    EXPECT_EQ(game.state.trump, kNoTrump);
    EXPECT_EQ(game.state.drawnCard, (CardId{3, 1}));
    EXPECT_TRUE(game.state.Card(3, 1).dealt);
    EXPECT_EQ(game.table.Caption(Element::kkk), "bezi");
    EXPECT_EQ(game.table[Element::kkk].colour, FontColour::White);
    EXPECT_TRUE(game.table.Visible(el::Face(3, 1)));
    for (const CardRecord& c : game.state.deck)
        EXPECT_LT(c.strength == 100 ? 0 : c.strength, 10);

    // A turned hearts queen: hearts are trump, in red. Zeros are redrawn.
    game.ResetDeck();
    random.queue = {0, 2, 0, 7};
    game.SettleTrump();
    EXPECT_EQ(game.state.trump, kGuli);
    EXPECT_EQ(game.table.Caption(Element::kkk), "guli");
    EXPECT_EQ(game.table[Element::kkk].colour, FontColour::Red);
    EXPECT_EQ(game.state.Card(kGuli, 7).strength, 17);
    EXPECT_EQ(game.state.Card(kAguri, 7).strength, 7);
    // The turned card lies on the deck pile.
    EXPECT_EQ(game.table[el::Face(2, 7)].left, game.table[Element::b].left + 5);
    EXPECT_EQ(game.table[el::Face(2, 7)].top, game.table[Element::b].top - 3);
}

TEST_F(Dealing, SmallDealsDealFourHandsAndATurnedCard) {
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        DealCards(n, n % 4 + 1);
        EXPECT_EQ(DealtCount(), 4 * n + 1);
        std::set<int> cards;
        for (int slot = 1; slot <= n; ++slot) {
            const CardId h = game.state.humanHand[slot];
            cards.insert(CardIndex(h.suit, h.rank));
            for (int seat = 1; seat <= 3; ++seat) {
                const CardRecord& c = game.state.computerHand[seat][slot];
                cards.insert(CardIndex(c.suit, c.rank));
                // A computer's copy carries the trump bonus of this deal.
                EXPECT_EQ(c.strength, game.state.Card(c.suit, c.rank).strength);
            }
        }
        cards.insert(CardIndex(game.state.drawnCard.suit, game.state.drawnCard.rank));
        EXPECT_EQ(static_cast<int>(cards.size()), 4 * n + 1);
        for (int index : cards)
            EXPECT_TRUE(game.state.deck[static_cast<std::size_t>(index)].dealt);
    }
}

TEST_F(Dealing, NineCardDealUsesTheWholeDeck) {
    for (int dealer : {1, 2, 4}) {
        SCOPED_TRACE(dealer);
        game.state.dealSize = 9;
        game.state.dealer = dealer;
        game.ResetDeck();
        game.DealHumanHand(9);
        game.PrepareHands(9);
        game.AnimateDeal(9, dealer);
        game.DealComputerHands(9);
        EXPECT_EQ(DealtCount(), 36);
        std::set<int> cards;
        for (int slot = 1; slot <= 9; ++slot) {
            const CardId h = game.state.humanHand[slot];
            cards.insert(CardIndex(h.suit, h.rank));
            for (int seat = 1; seat <= 3; ++seat) {
                const CardRecord& c = game.state.computerHand[seat][slot];
                cards.insert(CardIndex(c.suit, c.rank));
            }
        }
        EXPECT_EQ(cards.size(), 36u);
    }
}

TEST(DealingScripted, ComputerDrawFallsBackToTheFirstUndealtCardAfterFiftyCandidates) {
    HeadlessTable view;
    ScriptedRandom random;  // every candidate is the aguri six
    TestGame game(view, random);
    game.InitDeck();
    game.ResetDeck();
    game.state.Card(kAguri, 1).dealt = true;
    random.calls = 0;
    game.DealComputerHands(1);
    // 50 candidates of two draws each per card, then the scan in suit-major order.
    EXPECT_EQ(random.calls, 3 * 50 * 2);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(game.state.computerHand[1][1].rank, 2);
    EXPECT_EQ(game.state.computerHand[2][1].rank, 3);
    EXPECT_EQ(game.state.computerHand[3][1].rank, 4);
    EXPECT_EQ(game.state.computerHand[3][1].suit, kAguri);
}

TEST(RandomCard, EveryCardOfTheDeckIsEquallyLikely) {
    // 36,000 draws: each card is expected 1,000 times with a standard deviation of about 31.
    ClockSeededRandom random(11, [] { return std::int64_t{0}; });
    random.Reseed();
    std::array<int, kDeckSize> seen{};
    for (int i = 0; i < 36'000; ++i) {
        const CardId c = random.RandomCard();
        ASSERT_TRUE(IsValidCard(c.suit, c.rank));
        ++seen[static_cast<std::size_t>(CardIndex(c.suit, c.rank))];
    }
    for (int count : seen) {
        EXPECT_GT(count, 850);
        EXPECT_LT(count, 1150);
    }
}

TEST(DealingFrozenClock, TwoDrawsWithinOneMillisecondNeverRepeatACard) {
    HeadlessTable view;
    ClockSeededRandom random(42, [] { return std::int64_t{123456}; });
    TestGame game(view, random);
    game.InitDeck();
    game.ResetDeck();
    std::set<int> drawn;
    for (int i = 0; i < 36; ++i) {
        const CardId c = game.DrawCard();
        EXPECT_TRUE(drawn.insert(CardIndex(c.suit, c.rank)).second);
    }
    // The deck is exhausted: a further draw returns an empty slot instead of searching forever.
    EXPECT_TRUE(game.DrawCard().empty());
}

TEST(DealingFrozenClock, SecondDrawContinuesTheFirstDrawsSequence) {
    HeadlessTable view;
    ClockSeededRandom random(7, [] { return std::int64_t{5}; });
    TestGame game(view, random);
    game.InitDeck();
    game.ResetDeck();
    const CardId first = game.DrawCard();
    game.ResetDeck();
    const CardId again = game.DrawCard();
    EXPECT_EQ(first, again);  // same seed, same first candidate
    const CardId second = game.DrawCard();
    EXPECT_NE(first, second);
}

TEST_F(Dealing, HumanDeclarationDealsTheComputersAfterwards) {
    DealCards(9, 3);
    EXPECT_EQ(DealtCount(), 9);  // only the human's hand so far
    EXPECT_TRUE(game.timers.Enabled(TimerId::vacxado));
    EXPECT_TRUE(game.table.Visible(Element::koz));
    EXPECT_FALSE(game.table.Visible(Element::tkma));

    game.Tick(TimerId::vacxado);  // no declaration yet: nothing happens
    EXPECT_TRUE(game.timers.Enabled(TimerId::vacxado));
    EXPECT_EQ(DealtCount(), 9);

    game.kozClick(5);  // outside the five items
    game.kozClick(-1);
    EXPECT_FALSE(game.state.trumpChosen);

    game.kozClick(kGuli);
    EXPECT_TRUE(game.state.trumpChosen);
    EXPECT_EQ(game.state.trump, kGuli);
    EXPECT_FALSE(game.table.Visible(Element::koz));
    EXPECT_EQ(game.table.Caption(Element::kkk), "guli");
    game.kozClick(kAguri);  // a second click changes nothing
    EXPECT_EQ(game.state.trump, kGuli);

    game.Tick(TimerId::vacxado);
    EXPECT_FALSE(game.timers.Enabled(TimerId::vacxado));
    EXPECT_FALSE(game.state.trumpChosen);
    EXPECT_EQ(DealtCount(), 36);
    EXPECT_TRUE(game.table.Visible(Element::tkma));
    for (int seat = 1; seat <= 3; ++seat) {
        for (int slot = 1; slot <= 9; ++slot) {
            const CardRecord& c = game.state.computerHand[seat][slot];
            EXPECT_EQ(c.strength, game.state.Card(c.suit, c.rank).strength);
            if (c.suit == kGuli && c.rank > 1) {
                EXPECT_GT(c.strength, 10);
            }
        }
    }
}

TEST_F(Dealing, ComputerFirstHandDeclaresBeforeTheLastSixCircuits) {
    DealCards(9, 1);
    EXPECT_GE(game.state.trump, 0);
    EXPECT_LE(game.state.trump, 4);
    ExpectStrengths(game.state, game.state.trump);
    EXPECT_EQ(game.table.Caption(Element::kkk),
              kSuitWords[static_cast<std::size_t>(game.state.trump)]);
    EXPECT_TRUE(game.table.Visible(Element::tkma));
    EXPECT_FALSE(game.timers.Enabled(TimerId::vacxado));
    EXPECT_EQ(DealtCount(), 36);
}

TEST_F(Dealing, AnimationShowsCardsInDealingOrder) {
    game.state.dealSize = 3;
    game.ResetDeck();
    game.ClearTable();
    game.DealHumanHand(3);
    game.PrepareHands(3);
    view.shown.clear();
    game.AnimateDeal(3, 1);
    auto face = [&](int slot) {
        const CardId c = game.state.humanHand[slot];
        return el::Face(c.suit, c.rank);
    };
    const std::vector<Element> expected = {el::Back(2, 3), el::Back(3, 3), face(1), el::Back(1, 1),
                                           el::Back(2, 2), el::Back(3, 2), face(2), el::Back(1, 2),
                                           el::Back(2, 1), el::Back(3, 1), face(3), el::Back(1, 3)};
    EXPECT_EQ(view.shown, expected);
    // The dealt hand lies under its cover until the first trick starts.
    EXPECT_TRUE(game.table.Visible(Element::kl));
    EXPECT_TRUE(game.table.InFront(Element::kl, face(3)));
}

}  // namespace
}  // namespace zavkari::testing
