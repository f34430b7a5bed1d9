// The match trace, read back as an outside checker would read it: every line one JSON object,
// every event with exactly its fields, in an order that follows the game.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "json_reader.h"
#include "match_runner.h"
#include "trace_writer.h"

namespace zavkari::testing {
namespace {

std::vector<Json> TraceOf(const MatchConfig& config) {
    std::ostringstream out;
    std::unique_ptr<TraceWriter> writer;
    const MatchResult result = PlayMatch(config, [&](Game& game) {
        writer = std::make_unique<TraceWriter>(out, game);
        writer->WriteMatch(config.seed, PolicyName(config.policy),
                           -10 * (config.penaltySlider + 1));
        game.observer = writer.get();
    });
    writer->WriteEnd(result.finished, result.deals);
    std::vector<Json> events;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) {
        const std::optional<Json> event = ParseJson(line);
        EXPECT_TRUE(event.has_value()) << line;
        if (event) events.push_back(*event);
    }
    return events;
}

std::set<std::string> Keys(const Json& object) {
    std::set<std::string> keys;
    for (const auto& [key, value] : object.fields)
        keys.insert(key);
    return keys;
}

void ExpectCard(const Json& card) {
    ASSERT_EQ(card.kind, Json::Kind::Array);
    ASSERT_EQ(card.items.size(), 2u);
    EXPECT_TRUE(IsValidCard(static_cast<int>(card[0].number), static_cast<int>(card[1].number)));
}

// Walks the events of one match and checks each against the format and the course of a match.
void CheckMatch(const std::vector<Json>& events, const MatchConfig& config) {
    constexpr int kSizes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9,
                              8, 7, 6, 5, 4, 3, 2, 1, 9, 9, 9, 9};
    ASSERT_GE(events.size(), 3u);
    const Json& first = events.front();
    EXPECT_EQ(first["event"].text, "match");
    EXPECT_EQ(Keys(first), (std::set<std::string>{"event", "seed", "human", "penalty"}));
    EXPECT_EQ(first["seed"].number, static_cast<long long>(config.seed));
    EXPECT_EQ(first["penalty"].number, -10 * (config.penaltySlider + 1));

    int deal = 0, size = 0, dealer = 0, firstDealer = 0, bids = 0, pools = 0, plays = 0;
    int trick = 0;
    bool aceDrawn = false;
    for (std::size_t i = 1; i + 1 < events.size(); ++i) {
        const Json& e = events[i];
        const std::string& kind = e["event"].text;
        SCOPED_TRACE("event " + std::to_string(i) + ": " + kind);
        if (kind == "draw") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "seat", "card"}));
            EXPECT_FALSE(aceDrawn);
            ExpectCard(e["card"]);
            if (e["card"][1].number == kAce) {
                aceDrawn = true;
                firstDealer = static_cast<int>(e["seat"].number);
            }
        } else if (kind == "columns") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "columns", "names"}));
            ASSERT_EQ(e["columns"].items.size(), 4u);
            ASSERT_EQ(e["names"].items.size(), 4u);
            // The seat after the first dealer holds column 1.
            EXPECT_EQ(e["columns"][static_cast<std::size_t>(NextSeat(firstDealer) - 1)].number, 1);
            const long long humanColumn = e["columns"][3].number;
            EXPECT_EQ(e["names"][static_cast<std::size_t>(humanColumn - 1)].text, config.name);
        } else if (kind == "deal") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "deal", "size", "dealer", "turned",
                                                      "trump", "hands"}));
            EXPECT_EQ(bids % 4, 0);
            ++deal;
            size = kSizes[deal - 1];
            EXPECT_EQ(e["deal"].number, deal);
            EXPECT_EQ(e["size"].number, size);
            dealer = static_cast<int>(e["dealer"].number);
            EXPECT_EQ(dealer, (firstDealer + deal - 2) % 4 + 1);
            EXPECT_EQ(e["turned"].kind == Json::Kind::Null, size == 9);
            EXPECT_GE(e["trump"].number, 0);
            EXPECT_LE(e["trump"].number, 4);
            ASSERT_EQ(e["hands"].items.size(), 4u);
            for (const Json& hand : e["hands"].items) {
                ASSERT_EQ(hand.items.size(), static_cast<std::size_t>(size));
                for (const Json& card : hand.items)
                    ExpectCard(card);
            }
            trick = 0;
        } else if (kind == "bid") {
            const std::set<std::string> keys = Keys(e);
            EXPECT_TRUE(keys == (std::set<std::string>{"event", "seat", "bid"}) ||
                        keys == (std::set<std::string>{"event", "seat", "bid", "computed"}));
            int seat = NextSeat(dealer);
            for (int k = 0; k < bids % 4; ++k)
                seat = NextSeat(seat);
            EXPECT_EQ(e["seat"].number, seat);
            if (e.Has("computed")) {
                EXPECT_EQ(seat, dealer);
            }
            ++bids;
        } else if (kind == "refused") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "bid"}));
            EXPECT_EQ(dealer, kHumanSeat);
        } else if (kind == "play") {
            const bool declared = e.Has("declaration");
            EXPECT_EQ(Keys(e).size(), declared ? 7u : 5u);
            ExpectCard(e["card"]);
            if (plays % 4 == 0) ++trick;
            EXPECT_EQ(e["trick"].number, trick);
            if (declared) {
                EXPECT_TRUE(e["declaration"].text == "viSi" || e["declaration"].text == "waiRos");
                EXPECT_TRUE(IsWildCard(static_cast<int>(e["card"][0].number), kSix) &&
                            e["card"][1].number == kSix);
                EXPECT_EQ(plays % 4, 0);  // only a lead declares
            }
            ++plays;
        } else if (kind == "trick") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "trick", "winner", "leader"}));
            EXPECT_EQ(plays % 4, 0);
            EXPECT_EQ(e["trick"].number, trick);
        } else if (kind == "renege") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "code"}));
            EXPECT_GE(e["code"].number, 1);
            EXPECT_LE(e["code"].number, 5);
        } else if (kind == "score") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "deal", "row", "cells"}));
            EXPECT_EQ(e["deal"].number, deal);
            EXPECT_EQ(e["row"].number, deal);
            EXPECT_EQ(trick, size);
            ASSERT_EQ(e["cells"].items.size(), 4u);
            for (const Json& cell : e["cells"].items) {
                ASSERT_EQ(cell.items.size(), 2u);
                EXPECT_FALSE(cell[0].text.empty());
                EXPECT_FALSE(cell[1].text.empty());
            }
        } else if (kind == "pool") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "pool", "totals"}));
            ++pools;
            EXPECT_EQ(e["pool"].number, pools);
            constexpr int kLastDealOfPool[] = {8, 12, 20, 24};
            EXPECT_EQ(deal, kLastDealOfPool[pools - 1]);
            ASSERT_EQ(e["totals"].items.size(), 4u);
            for (const Json& total : e["totals"].items) {
                EXPECT_EQ(total.text.find(','), std::string::npos);
                EXPECT_FALSE(total.text.empty());
            }
        } else {
            ADD_FAILURE() << "unknown event " << kind;
        }
    }
    const Json& last = events.back();
    EXPECT_EQ(last["event"].text, "end");
    EXPECT_EQ(Keys(last), (std::set<std::string>{"event", "finished", "deals"}));
    EXPECT_TRUE(last["finished"].boolean);
    EXPECT_EQ(last["deals"].number, 24);
    EXPECT_EQ(deal, 24);
    EXPECT_EQ(bids, 96);
    EXPECT_EQ(pools, 4);
}

TEST(Trace, FollowsTheFormatForEveryPolicy) {
    for (HumanPolicy policy : {HumanPolicy::Random, HumanPolicy::Legal, HumanPolicy::Greedy}) {
        for (std::uint64_t seed : {7u, 8u, 9u}) {
            MatchConfig config;
            config.seed = seed;
            config.policy = policy;
            config.name = "a\"b\\c";  // quotes and backslashes must come out escaped
            SCOPED_TRACE(std::string(PolicyName(policy)) + " seed " + std::to_string(seed));
            CheckMatch(TraceOf(config), config);
        }
    }
}

std::string RawTrace(const MatchConfig& config) {
    std::ostringstream out;
    std::unique_ptr<TraceWriter> writer;
    PlayMatch(config, [&](Game& game) {
        writer = std::make_unique<TraceWriter>(out, game);
        game.observer = writer.get();
    });
    return out.str();
}

TEST(Trace, SameSeedSameTrace) {
    MatchConfig config;
    config.seed = 42;
    config.penaltySlider = 4;
    const std::string first = RawTrace(config);
    EXPECT_EQ(first, RawTrace(config));
    EXPECT_GT(first.size(), 1000u);
}

// Timers due at the same moment may tick in either order: the game keeps its sequence by its own
// flags, so the matches must come out the same to the last card. The order does move the clock
// (a tick that pauses delays the other one), and with it the reseeds; here the random source
// reads a clock that only counts its reseeds, so that what is left to compare is the sequence.
TEST(Trace, TimersDueTogetherTickInEitherOrderToTheSameMatch) {
    const auto trace = [](HumanPolicy policy, std::uint64_t seed, TimerTies ties) {
        MatchConfig config;
        config.seed = seed;
        config.policy = policy;
        config.timerTies = ties;
        config.reseedClock = [reseeds = std::int64_t{0}]() mutable { return reseeds++; };
        return RawTrace(config);
    };
    const auto check = [&](HumanPolicy policy, int matches, std::uint64_t firstSeed) {
        for (std::uint64_t seed = firstSeed; seed < firstSeed + matches; ++seed) {
            ASSERT_EQ(trace(policy, seed, TimerTies::LowerNumberFirst),
                      trace(policy, seed, TimerTies::HigherNumberFirst))
                << PolicyName(policy) << " seed " << seed;
        }
    };
    check(HumanPolicy::Random, 300, 1);
    check(HumanPolicy::Legal, 100, 100'000);
}

}  // namespace
}  // namespace zavkari::testing
