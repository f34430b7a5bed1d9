// The match trace, read back as an outside checker would read it: every line one JSON object,
// every event with exactly its fields, in an order that follows the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "match_runner.h"
#include "trace_writer.h"

namespace zavkari::testing {
namespace {

using Json = nlohmann::json;

// The trace of one match as zavkari-sim writes it.
std::string TraceOf(const MatchConfig& config) {
    std::ostringstream out;
    std::unique_ptr<TraceWriter> writer;
    const MatchResult result = PlayMatch(config, [&](Game& game) {
        writer = std::make_unique<TraceWriter>(out, game);
        writer->WriteMatch(config);
        game.SetObserver(writer.get());
    });
    writer->WriteEnd(result.finished, result.deals);
    return out.str();
}

std::vector<std::string> Lines(const std::string& trace) {
    std::vector<std::string> lines;
    std::istringstream in(trace);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<Json> EventsOf(const MatchConfig& config) {
    std::vector<Json> events;
    for (const std::string& line : Lines(TraceOf(config))) {
        Json event = Json::parse(line, nullptr, /*allow_exceptions=*/false);
        EXPECT_TRUE(event.is_object()) << line;
        if (event.is_object()) events.push_back(std::move(event));
    }
    return events;
}

std::set<std::string> Keys(const Json& object) {
    std::set<std::string> keys;
    for (const auto& field : object.items())
        keys.insert(field.key());
    return keys;
}

void ExpectCard(const Json& card) {
    ASSERT_TRUE(card.is_array());
    ASSERT_EQ(card.size(), 2u);
    EXPECT_TRUE(IsValidCard(card.at(0).get<int>(), card.at(1).get<int>()));
}

// Walks the events of one match and checks each against the format and the course of a match.
void CheckMatch(const std::vector<Json>& events, const MatchConfig& config) {
    constexpr int kSizes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9,
                              8, 7, 6, 5, 4, 3, 2, 1, 9, 9, 9, 9};
    ASSERT_GE(events.size(), 3u);
    const Json& first = events.front();
    EXPECT_EQ(first.at("event"), "match");
    EXPECT_EQ(Keys(first), (std::set<std::string>{"event", "seed", "human", "penalty"}));
    EXPECT_EQ(first.at("seed").get<std::uint64_t>(), config.seed);
    EXPECT_EQ(first.at("penalty").get<int>(), -10 * (config.penaltySlider + 1));

    int deal = 0, size = 0, dealer = 0, firstDealer = 0, bids = 0, pools = 0, plays = 0;
    int trick = 0;
    bool aceDrawn = false;
    for (std::size_t i = 1; i + 1 < events.size(); ++i) {
        const Json& e = events[i];
        const std::string kind = e.at("event").get<std::string>();
        SCOPED_TRACE("event " + std::to_string(i) + ": " + kind);
        if (kind == "draw") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "seat", "card"}));
            EXPECT_FALSE(aceDrawn);
            ExpectCard(e.at("card"));
            if (e.at("card").at(1).get<int>() == kAce) {
                aceDrawn = true;
                firstDealer = e.at("seat").get<int>();
            }
        } else if (kind == "columns") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "columns", "names"}));
            ASSERT_EQ(e.at("columns").size(), 4u);
            ASSERT_EQ(e.at("names").size(), 4u);
            // The seat after the first dealer holds column 1.
            const Json& columns = e.at("columns");
            EXPECT_EQ(columns.at(static_cast<std::size_t>(NextSeat(firstDealer) - 1)), 1);
            const std::size_t humanColumn = columns.at(3).get<std::size_t>();
            EXPECT_EQ(e.at("names").at(humanColumn - 1), config.name);
        } else if (kind == "deal") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "deal", "size", "dealer", "turned",
                                                      "trump", "hands"}));
            EXPECT_EQ(bids % 4, 0);
            ++deal;
            size = kSizes[deal - 1];
            EXPECT_EQ(e.at("deal").get<int>(), deal);
            EXPECT_EQ(e.at("size").get<int>(), size);
            dealer = e.at("dealer").get<int>();
            EXPECT_EQ(dealer, (firstDealer + deal - 2) % 4 + 1);
            EXPECT_EQ(e.at("turned").is_null(), size == 9);
            EXPECT_GE(e.at("trump").get<int>(), 0);
            EXPECT_LE(e.at("trump").get<int>(), 4);
            ASSERT_EQ(e.at("hands").size(), 4u);
            for (const Json& hand : e.at("hands")) {
                ASSERT_EQ(hand.size(), static_cast<std::size_t>(size));
                for (const Json& card : hand)
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
            EXPECT_EQ(e.at("seat").get<int>(), seat);
            if (e.contains("computed")) {
                EXPECT_EQ(seat, dealer);
            }
            ++bids;
        } else if (kind == "refused") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "bid"}));
            EXPECT_EQ(dealer, kHumanSeat);
        } else if (kind == "play") {
            const bool declared = e.contains("declaration");
            EXPECT_EQ(Keys(e).size(), declared ? 7u : 5u);
            ExpectCard(e.at("card"));
            if (plays % 4 == 0) ++trick;
            EXPECT_EQ(e.at("trick").get<int>(), trick);
            if (declared) {
                EXPECT_TRUE(e.at("declaration") == "viSi" || e.at("declaration") == "waiRos");
                EXPECT_TRUE(IsWildCard(e.at("card").at(0).get<int>(), kSix) &&
                            e.at("card").at(1).get<int>() == kSix);
                EXPECT_EQ(plays % 4, 0);  // only a lead declares
            }
            ++plays;
        } else if (kind == "trick") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "trick", "winner", "leader"}));
            EXPECT_EQ(plays % 4, 0);
            EXPECT_EQ(e.at("trick").get<int>(), trick);
        } else if (kind == "renege") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "code"}));
            EXPECT_GE(e.at("code").get<int>(), 1);
            EXPECT_LE(e.at("code").get<int>(), 5);
        } else if (kind == "score") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "deal", "row", "cells"}));
            EXPECT_EQ(e.at("deal").get<int>(), deal);
            EXPECT_EQ(e.at("row").get<int>(), deal);
            EXPECT_EQ(trick, size);
            ASSERT_EQ(e.at("cells").size(), 4u);
            for (const Json& cell : e.at("cells")) {
                ASSERT_EQ(cell.size(), 2u);
                EXPECT_FALSE(cell.at(0).get<std::string>().empty());
                EXPECT_FALSE(cell.at(1).get<std::string>().empty());
            }
        } else if (kind == "pool") {
            EXPECT_EQ(Keys(e), (std::set<std::string>{"event", "pool", "totals"}));
            ++pools;
            EXPECT_EQ(e.at("pool").get<int>(), pools);
            constexpr int kLastDealOfPool[] = {8, 12, 20, 24};
            EXPECT_EQ(deal, kLastDealOfPool[pools - 1]);
            ASSERT_EQ(e.at("totals").size(), 4u);
            for (const Json& total : e.at("totals")) {
                const std::string text = total.get<std::string>();
                EXPECT_EQ(text.find(','), std::string::npos);
                EXPECT_FALSE(text.empty());
            }
        } else {
            ADD_FAILURE() << "unknown event " << kind;
        }
    }
    const Json& last = events.back();
    EXPECT_EQ(last.at("event"), "end");
    EXPECT_EQ(Keys(last), (std::set<std::string>{"event", "finished", "deals"}));
    EXPECT_TRUE(last.at("finished").get<bool>());
    EXPECT_EQ(last.at("deals").get<int>(), 24);
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
            CheckMatch(EventsOf(config), config);
        }
    }
}

// Checkers compare traces as text, so the lines keep their exact bytes: fields in their order, no
// blanks between them, texts other than ASCII as their UTF-8 bytes, quotes and backslashes escaped.
TEST(Trace, KeepsItsLinesByteForByte) {
    MatchConfig config;
    config.seed = 7;
    config.name = "\xE1\x83\x92\"\\";  // the Georgian letter gani, a quote, a backslash
    const std::vector<std::string> lines = Lines(TraceOf(config));
    ASSERT_EQ(lines.size(), 894u);
    EXPECT_EQ(lines.front(), R"({"event":"match","seed":7,"human":"random","penalty":-200})");
    EXPECT_EQ(lines[1], R"({"event":"draw","seat":1,"card":[1,3]})");
    EXPECT_EQ(lines.back(), R"({"event":"end","finished":true,"deals":24})");
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(
        has("{\"event\":\"columns\",\"columns\":[2,3,4,1],\"names\":[\"\xE1\x83\x92\\\"\\\\\","
            "\"zurala\",\"valtiko\",\"gorbeni\"]}"));
    EXPECT_TRUE(has(R"({"event":"deal","deal":1,"size":1,"dealer":3,"turned":[3,8],"trump":3,)"
                    R"("hands":[[[3,9]],[[2,7]],[[4,8]],[[4,9]]]})"));
    EXPECT_TRUE(has(R"({"event":"score","deal":1,"row":1,)"
                    R"("cells":[["1","I-----I"],["1 ","100"],["pasi","50"],["pasi ","50"]]})"));
    EXPECT_TRUE(has(R"({"event":"pool","pool":1,"totals":["-6","-0.5","3.1","3.7"]})"));
    EXPECT_TRUE(has(R"({"event":"play","trick":1,"seat":2,"card":[4,1],"strength":100,)"
                    R"("declaration":"viSi","named":4})"));
    EXPECT_TRUE(has(R"({"event":"bid","seat":1,"bid":1,"computed":0})"));
    EXPECT_TRUE(has(R"({"event":"renege","code":2})"));
}

TEST(Trace, TakesOnlyUtf8Texts) {
    EXPECT_TRUE(IsUtf8("gio"));
    EXPECT_TRUE(IsUtf8("\xE1\x83\x92\xE1\x83\x98"));  // two Georgian letters
    EXPECT_FALSE(IsUtf8("gi\xFF"));
    EXPECT_FALSE(IsUtf8("\xE1\x83"));      // a letter cut short
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));      // a slash written in two bytes
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));  // half of a surrogate pair
}

TEST(Trace, SameSeedSameTrace) {
    MatchConfig config;
    config.seed = 42;
    config.penaltySlider = 4;
    const std::string first = TraceOf(config);
    EXPECT_EQ(first, TraceOf(config));
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
        return TraceOf(config);
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
