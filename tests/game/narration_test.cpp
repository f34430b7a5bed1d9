// What a screen reader is told of a whole match: each deal, bid, card, trick taker and deal score
// once, with its player; a wild card as the black six it is drawn as, with the suit it names when
// it leads; the reneges, the pool totals and the match's end. And the names the table gives the
// turned trump card and a wild card.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "match_runner.h"
#include "narration.h"

namespace zavkari::testing {
namespace {

TEST(Narration, AWholeMatchIsToldOnceEachWithItsPlayers) {
    std::vector<std::string> said;
    std::unique_ptr<Narration> narration;
    MatchConfig config;
    config.seed = 3;
    const MatchResult result = PlayMatch(config, [&](Game& game) {
        narration = std::make_unique<Narration>(
            game, [&](const std::string& words) { said.push_back(words); });
        game.SetObserver(narration.get());
    });
    ASSERT_TRUE(result.finished);
    const auto count = [&](const std::string& pattern) {
        const std::regex re(pattern);
        return std::count_if(said.begin(), said.end(),
                             [&](const std::string& w) { return std::regex_match(w, re); });
    };
    const std::string suits = "(aguri|guli|jvari|yvavi)";
    for (const std::string player : {"gio", "zurala", "valtiko", "gorbeni"}) {
        EXPECT_EQ(count(player + ": (pasi|[1-9])"), 24) << player;
        EXPECT_EQ(count(player + ": " + suits + "s .*"), 144) << player;
    }
    EXPECT_EQ(count("[1-9] karti, arigebs (gio|zurala|valtiko|gorbeni), koziria: (bezi|" +
                    suits.substr(1)),
              24);
    EXPECT_EQ(count("xeli waiRo: (gio|zurala|valtiko|gorbeni|aravin)"), 144);
    EXPECT_EQ(count("qulebi: (\\w+ (-?\\d+|xiSti)(, |$)){4}"), 24);
    EXPECT_EQ(count("[1-4] pulka, jami: .*"), 4);
    EXPECT_TRUE(said.back().ends_with(". TamaSi damTavrda")) << said.back();
    EXPECT_GT(count("strogi .*"), 0);  // the random player reneges
    // A wild card is never a plain six; one that leads names its suit.
    EXPECT_EQ(count(".*: (jvari|yvavi)s eqvsiani.*"), 0);
    EXPECT_GT(count(".*: (jvari|yvavi)s Savi eqvsiani, (maRla|dabla)"), 0);
    EXPECT_GT(count(".*: (jvari|yvavi)s Savi eqvsiani, viSi " + suits) +
                  count(".*: (jvari|yvavi)s Savi eqvsiani, waiRos (agur|gul|jvar|yvav)ma"),
              0);
}

}  // namespace
}  // namespace zavkari::testing
