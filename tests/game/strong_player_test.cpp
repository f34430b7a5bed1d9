// The strong computer players: they keep every obligation the human is held to and never make the
// dealer's forbidden bid; they decide from what their seat has seen and from nothing else; and a
// seeded match with them plays the same every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "match_runner.h"
#include "test_game.h"
#include "trace_writer.h"

namespace zavkari {
namespace {

// Follows every deal with the hands as dealt, and checks each card and bid of a strong seat as it
// is made; records the first fault.
class ObligationChecker final : public MatchObserver {
  public:
    explicit ObligationChecker(const Game& game) : game_(game) {}
    std::string fault;
    int strongPlays = 0;

    void OnDealSettled() override {
        const GameState& s = game_.State();
        trick_ = 0;
        for (int seat = 1; seat <= 4; ++seat)
            hands_[seat].clear();
        for (int slot = 1; slot <= s.dealSize; ++slot) {
            hands_[kHumanSeat].push_back(s.humanHand[slot]);
            for (int seat = 1; seat <= 3; ++seat)
                hands_[seat].push_back(
                    {s.computerHand[seat][slot].suit, s.computerHand[seat][slot].rank});
        }
    }
    void OnBid(int seat, int bid, std::optional<int> computed) override {
        const GameState& s = game_.State();
        if (!Strong(seat) || seat != s.dealer) return;
        int sum = s.humanBid;
        for (int computer = 1; computer <= 3; ++computer)
            sum += s.computerBid[computer];
        if (computed || sum == s.dealSize)
            Fault("seat " + std::to_string(seat) + " bid " + std::to_string(bid) + " as dealer");
    }
    void OnBidRefused(int bid) override {
        Fault("the strong human's bid " + std::to_string(bid) + " was refused");
    }
    void OnPlay(int trick, int seat, CardId card, int strength, Declaration declaration,
                int named) override {
        if (trick != trick_) {
            trick_ = trick;
            leader_ = seat;
            led_ = declaration != Declaration::None ? named : card.suit;
            viSi_ = declaration == Declaration::ViSi;
        } else if (Strong(seat) && !IsWildCard(card.suit, card.rank)) {
            ++strongPlays;
            // The human's seat answers a trick the left computer led as an undeclared one.
            const bool viSi = viSi_ && !(seat == kHumanSeat && leader_ == 1);
            CheckFollow(seat, card, viSi);
            if (strength >= 200) Fault("a strong seat played with a described computer's strength");
        }
        std::erase(hands_[seat], card);
    }
    void OnRenege(int code) override { Fault("renege " + std::to_string(code)); }

  private:
    // The human's seat is played by the strong engine in these matches.
    bool Strong(int seat) const {
        return seat == kHumanSeat || game_.Seating()[seat] == PlayerKind::Strong;
    }
    void Fault(const std::string& what) {
        if (fault.empty()) fault = what + " in deal " + std::to_string(game_.CurrentRow());
    }
    bool Holds(int seat, int suit) const {
        return std::ranges::any_of(hands_[seat], [suit](CardId c) {
            return c.suit == suit && !IsWildCard(c.suit, c.rank);
        });
    }
    void CheckFollow(int seat, CardId card, bool viSi) {
        const int trump = game_.State().trump;
        if (card.suit != led_ && Holds(seat, led_)) return Fault("the led suit held back");
        if (card.suit != led_ && card.suit != trump && Holds(seat, trump))
            return Fault("a trump held back");
        if (card.suit != led_ || !viSi) return;
        for (CardId held : hands_[seat]) {
            if (held.suit == led_ && (IsWildCard(held.suit, held.rank) || held.rank > card.rank))
                return Fault("viSi answered below the highest card");
        }
    }

    const Game& game_;
    PerSeat<std::vector<CardId>> hands_;
    int trick_ = 0;
    int leader_ = 0;
    int led_ = 0;
    bool viSi_ = false;
};

// Under the sanitizers the search runs many times slower: a few matches there, the full count in
// the plain build.
#ifdef __SANITIZE_ADDRESS__
constexpr int kCheckedMatches = 2;
#else
constexpr int kCheckedMatches = 42;
#endif

TEST(StrongPlayers, NeverRenegeNorMakeTheForbiddenBidOverThousandsOfDeals) {
    int deals = 0;
    int plays = 0;
    for (std::uint64_t seed = 1; seed <= kCheckedMatches; ++seed) {
        MatchConfig config;
        config.seed = seed;
        config.computers = PlayerKind::Strong;
        config.policy = HumanPolicy::Strong;
        std::unique_ptr<ObligationChecker> checker;
        const MatchResult result = PlayMatch(config, [&](Game& game) {
            checker = std::make_unique<ObligationChecker>(game);
            game.SetObserver(checker.get());
        });
        ASSERT_TRUE(result.finished) << seed;
        ASSERT_EQ(checker->fault, "") << "seed " << seed;
        deals += result.deals;
        plays += checker->strongPlays;
    }
    EXPECT_EQ(deals, kCheckedMatches * 24);
    EXPECT_GT(plays, kCheckedMatches * 150);
}

// Drives a match to the human's `decision`-th card decision.
struct MatchAt {
    explicit MatchAt(int decision) : driver(Config()) {
        driver.table.offersHints = true;
        driver.Open("gio");
        for (int seen = 0; seen < decision || driver.game.HumanAsked() != Asked::Card;) {
            if (driver.game.HumanAsked() == Asked::Card) ++seen;
            driver.Step();
        }
    }
    static MatchConfig Config() {
        MatchConfig config;
        config.seed = 11;
        config.policy = HumanPolicy::Greedy;
        return config;
    }
    MatchDriver driver;
};

TEST(StrongPlayers, DecideFromWhatTheirSeatHasSeenAlone) {
    for (const int decision : {3, 19, 45, 80}) {
        SCOPED_TRACE(decision);
        MatchAt dealt(decision);
        MatchAt other(decision);
        // The same table, but two cards the human cannot see change hands.
        GameState& s = TestGame::StateOf(other.driver.game);
        std::vector<int> holding;
        for (int seat = 1; seat <= 3; ++seat) {
            if (s.computerCardCount[seat] > 0) holding.push_back(seat);
        }
        ASSERT_GE(holding.size(), 2u);
        CardRecord& one = s.computerHand[holding[0]][1];
        CardRecord& two = s.computerHand[holding[1]][s.computerCardCount[holding[1]]];
        std::swap(one, two);
        ASSERT_NE(s.computerHand, TestGame::StateOf(dealt.driver.game).computerHand);

        const auto question = dealt.driver.game.HumanQuestionNow();
        const auto same = other.driver.game.HumanQuestionNow();
        ASSERT_TRUE(question && same);
        EXPECT_EQ(Fingerprint(question->kept.view()), Fingerprint(same->kept.view()));
        EXPECT_EQ(Advise(*question).card, Advise(*same).card);
    }
}

// The trace of a match's first pool; `afterStep` is called with the game after every step.
std::string TraceOf(const MatchConfig& config, const std::function<void(Game&)>& afterStep = {}) {
    std::ostringstream out;
    MatchDriver driver(config);
    TraceWriter writer(out, driver.game);
    writer.WriteMatch(config);
    driver.game.SetObserver(&writer);
    driver.Open(config.name);
    while (driver.game.CurrentRow() <= 8 && driver.Step()) {
        if (afterStep) afterStep(driver.game);
    }
    return out.str();
}

TEST(StrongPlayers, ASeededMatchPlaysTheSameEveryTime) {
    MatchConfig config;
    config.seed = 5;
    config.computers = PlayerKind::Strong;
    config.policy = HumanPolicy::Greedy;
    const std::string first = TraceOf(config);
    EXPECT_EQ(first, TraceOf(config));
    EXPECT_NE(first.find(R"("players":["strong","strong","strong","greedy"])"), std::string::npos);
    config.seed = 6;
    EXPECT_NE(first, TraceOf(config));
}

// The window works out a strong computer's next decision as soon as it is settled; the match plays
// exactly as without, and the decisions are taken from what was foreseen.
TEST(StrongPlayers, ForeseenDecisionsAreTheDecisions) {
    MatchConfig config;
    config.seed = 9;
    config.computers = PlayerKind::Strong;
    config.policy = HumanPolicy::Greedy;
    int foreseen = 0;
    const std::string plain = TraceOf(config);
    EXPECT_EQ(TraceOf(config,
                      [&](Game& game) {
                          if (const auto next = game.NextStrongDecision()) game.Foresee(*next);
                          foreseen = game.AnswersForeseen();
                      }),
              plain);
    EXPECT_GT(foreseen, 40);
}

TEST(StrongPlayers, TheOpponentsChosenSitFromTheNextMatch) {
    MatchDriver driver(MatchConfig{});
    Game& game = driver.game;
    driver.Open("gio");
    for (int step = 0; step < 2'000; ++step)
        driver.Step();
    game.options.opponents = PlayerKind::Strong;
    for (int step = 0; step < 2'000; ++step)
        driver.Step();
    EXPECT_EQ(game.Seating()[2], PlayerKind::Rules);
    driver.Open("gio");  // "Tavidan": a new match
    EXPECT_EQ(game.Seating()[2], PlayerKind::Strong);
    for (int step = 0; step < 200; ++step)
        driver.Step();
    EXPECT_EQ(game.Seating()[2], PlayerKind::Strong);
}

// A view of the human's seat in a deal of `n` cards with clubs as trump, the others' bids shown.
struct Spot {
    explicit Spot(std::vector<CardRecord> cards, int n) : hand(std::move(cards)) {
        table.players = {
            {PlayerKind::Rules, PlayerKind::Rules, PlayerKind::Rules, PlayerKind::Human}};
        table.bids = {{0, 0, 0, -1}};
        view = {.seat = kHumanSeat, .hand = hand, .dealSize = n, .dealer = 3, .trump = kJvari};
        view.penalty = -200;
        view.table = &table;
    }
    // The left, top and right computers have put `cards` into the trick, the left one leading.
    void Trick(std::initializer_list<SeenPlay> cards) {
        for (const SeenPlay& play : cards)
            table.plays[static_cast<std::size_t>(table.playCount++)] = play;
        table.trickCards = table.playCount;
        view.ledSuit = table.plays[0].suit;
    }
    std::vector<CardRecord> hand;
    TableSeen table;
    SeatView view;
};

TEST(StrongPlayers, DoNotBlunderInTheObviousSpots) {
    StrongPlayer player;
    // One card, the ace of trumps: it takes the trick unless a wild card is out.
    Spot ace({{0, kJvari, 19, kAce}}, 1);
    EXPECT_EQ(player.Bid(ace.view), 1);

    // Two tricks to take of three, playing last: the cheapest heart that takes this one, the ace
    // kept for a later one.
    Spot need({{0, kGuli, 9, kAce}, {0, kGuli, 6, kJack}, {0, kAguri, 2, 2}}, 3);
    need.view.ownBid = 2;
    need.Trick({{1, 1, kGuli, 4, 4}, {1, 2, kGuli, 2, 2}, {1, 3, kGuli, 5, 5}});
    EXPECT_EQ(player.Card(need.view).card, (CardId{kGuli, kJack}));

    // Its bid made: under the ten of hearts with the nine rather than over it with the ace.
    Spot made({{0, kGuli, 9, kAce}, {0, kGuli, 4, 4}, {0, kAguri, 2, 2}}, 3);
    made.view.ownBid = 0;
    made.Trick({{1, 1, kGuli, 5, 5}, {1, 2, kGuli, 2, 2}, {1, 3, kAguri, 3, 0}});
    EXPECT_EQ(player.Card(made.view).card, (CardId{kGuli, 4}));
}

}  // namespace
}  // namespace zavkari
