#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "table_log.h"

namespace zavkari::testing {
namespace {

using ScoreSheet = LoggedGame;

TEST_F(ScoreSheet, CurrentRowIsTheDealOfTheMatch) {
    struct Counters {
        int ascend, descend, nine, row;
    };
    for (const Counters& c : {Counters{1, 0, 0, 1},
                              {8, 0, 0, 8},
                              {9, 0, 1, 9},
                              {9, 0, 4, 12},
                              {0, 8, 0, 13},
                              {0, 1, 0, 20},
                              {0, 9, 1, 21},
                              {0, 9, 4, 24},
                              {0, 0, 0, 0}}) {
        game.state.ascendCount = c.ascend;
        game.state.descendCount = c.descend;
        game.state.nineIndex = c.nine;
        EXPECT_EQ(game.CurrentRow(), c.row) << c.ascend << " " << c.descend << " " << c.nine;
    }
}

TEST_F(ScoreSheet, CellsAreWrittenOnlyInsideTheSheet) {
    const auto written = [&] {
        std::vector<std::string> cells;
        for (Element e : el::SheetLabels()) {
            const ElementFamily family = Decode(e).family;
            const bool cell =
                family == ElementFamily::BidCell || family == ElementFamily::ScoreCell;
            if (cell && game.table.Visible(e))
                cells.push_back(ElementName(e) + "=" + std::string(game.table.Caption(e)));
        }
        return cells;
    };
    game.WriteBidCell(1, 1, "1 ");  // no deal under way: no row
    game.state.ascendCount = 5;
    game.WriteBidCell(5, 0, "x");
    game.WriteBidCell(5, 5, "x");
    game.WriteScoreCell(0, 1, "x");
    game.WriteScoreCell(10, 1, "x");
    EXPECT_TRUE(written().empty());

    game.WriteBidCell(5, 2, "3 ");
    game.WriteScoreCell(5, 4, "I-----I");
    EXPECT_EQ(written(), (std::vector<std::string>{"a25=3 ", "c45=I-----I"}));
}

class NamedGame : public LoggedGame {
  protected:
    void TypeName(std::string_view text) {
        game.table.Show(Element::saxeli);
        game.saxeliChange(text);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int column = 1; column <= 4; ++column) {
            EXPECT_TRUE(game.table.Visible(el::Name(column)));
            names.emplace_back(game.table.Caption(el::Name(column)));
        }
        return names;
    }
};

TEST_F(NamedGame, TheFirstHandTakesColumnOneForTheWholeMatch) {
    TypeName("gio");
    const std::vector<PerSeat<int>> columns = {
        {{4, 1, 2, 3}}, {{3, 4, 1, 2}}, {{2, 3, 4, 1}}, {{1, 2, 3, 4}}};
    for (int dealer = 1; dealer <= 4; ++dealer) {
        SCOPED_TRACE(dealer);
        game.state.dealer = dealer;
        game.AssignSeatsAndNames();
        EXPECT_EQ(game.state.sheetColumn, columns[static_cast<std::size_t>(dealer - 1)]);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"zurala", "valtiko", "gorbeni", "gio"}));
    EXPECT_EQ(observer.log.back(), "columns");

    game.state.dealer = 3;
    game.AssignSeatsAndNames();
    EXPECT_EQ(Names(), (std::vector<std::string>{"gio", "zurala", "valtiko", "gorbeni"}));
}

TEST_F(NamedGame, AComputerSharingTheHumansNameIsCalledBedoni) {
    game.state.dealer = 4;
    TypeName("zurala");
    game.AssignSeatsAndNames();
    EXPECT_EQ(Names(), (std::vector<std::string>{"bedoni", "valtiko", "gorbeni", "zurala"}));
    TypeName("  zurala");
    game.AssignSeatsAndNames();
    EXPECT_EQ(Names(), (std::vector<std::string>{"zurala", "valtiko", "gorbeni", "  zural"}));
    TypeName("gorbeni");
    game.AssignSeatsAndNames();
    EXPECT_EQ(Names(), (std::vector<std::string>{"zurala", "valtiko", "bedoni", "gorbeni"}));
}

TEST_F(NamedGame, TheNameNeedsMoreThanBlanksAndKeepsSevenCharacters) {
    game.saxeliChange("gio");  // the box is not shown
    EXPECT_EQ(game.HumanName(), "");
    game.table.SetEnabled(Element::BitBtn1, false);
    for (const auto& [typed, kept, accepted] : {std::tuple{"", "", false},
                                                {"       ", "       ", false},
                                                {"a", "a", true},
                                                {" a ", " a ", true},
                                                {"abcdefghij", "abcdefg", true},
                                                {"ლლლლლლლლ", "ლლლლლლლ", true}}) {
        SCOPED_TRACE(typed);
        TypeName(typed);
        EXPECT_EQ(game.HumanName(), kept);
        EXPECT_EQ(game.table.Caption(Element::saxeli), kept);
        EXPECT_EQ(game.table.Enabled(Element::BitBtn1), accepted);
    }
    game.saxeliClick();
    EXPECT_EQ(game.HumanName(), "");
    EXPECT_EQ(game.table.Caption(Element::saxeli), "");
    EXPECT_FALSE(game.table.Enabled(Element::BitBtn1));

    game.table.Show(Element::BitBtn1);
    game.BitBtn1Click();
    EXPECT_TRUE(game.table.Visible(Element::saxeli));
    EXPECT_TRUE(observer.log.empty());
}

TEST_F(ScoreSheet, RowHeadingsGiveTheCardsOfEachDeal) {
    game.ShowSheetRowLabels(true);
    std::vector<std::string> headings;
    for (int row = 1; row <= el::kRows; ++row) {
        EXPECT_TRUE(game.table.Visible(el::RowHeading(row)));
        headings.emplace_back(game.table.Caption(el::RowHeading(row)));
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8",
                                                  "9", "9", "9", "9", "8", "7", "6", "5",
                                                  "4", "3", "2", "1", "9", "9", "9", "9"}));
    game.ShowSheetRowLabels(false);
    for (int row = 1; row <= el::kRows; ++row)
        EXPECT_FALSE(game.table.Visible(el::RowHeading(row)));
}

TEST_F(ScoreSheet, ClearingTheSheetEmptiesEveryCell) {
    game.state.dealer = 1;
    game.AssignSeatsAndNames();
    game.state.descendCount = 9;
    game.state.nineIndex = 4;
    game.WriteBidCell(9, 3, "pasi");
    game.WriteScoreCell(9, 3, "50");
    game.ScorePool(4);
    for (Element e : {Element::cxrili, Element::Box1, Element::reklama})
        game.table.Show(e);

    game.ClearScoreSheet();
    for (Element e : el::SheetLabels()) {
        if (Decode(e).family == ElementFamily::RowHeading) continue;
        EXPECT_FALSE(game.table.Visible(e)) << ElementName(e);
        EXPECT_EQ(game.table.Caption(e), "") << ElementName(e);
    }
    for (Element e : {Element::cxrili, Element::Box1, Element::reklama}) {
        EXPECT_FALSE(game.table.Visible(e)) << ElementName(e);
    }
}

class DealerDraw : public LoggedGame {
  protected:
    DealerDraw() {
        for (int seat = 1; seat <= 4; ++seat)
            game.table.Move(el::Spot(seat), 100 * seat, 50 * seat);
    }
    void Script(const std::vector<std::string>& cards) {
        for (const std::string& name : cards) {
            const CardId card = CardNamed(name);
            random.queue.push_back(card.suit);
            random.queue.push_back(card.rank);
        }
    }
    std::vector<std::string> Tempo() const {
        std::vector<std::string> kept;
        for (const std::string& line : view.log) {
            if (line == "repaint" || line.starts_with("pause")) kept.push_back(line);
        }
        return kept;
    }
    std::pair<int, int> Place(const std::string& card) const {
        const ElementState& face = game.table[el::CardImage(CardNamed(card))];
        return {face.left, face.top};
    }
};

TEST_F(DealerDraw, AnAceFirstEndsThePassAtOnce) {
    for (CardRecord& card : game.state.deck)
        card.dealt = true;  // left over from a last match
    Script({"at"});
    EXPECT_EQ(game.DrawFirstDealer(), 1);
    EXPECT_EQ(game.state.dealer, 1);
    EXPECT_EQ(observer.log, std::vector<std::string>{"draw 1 at"});
    EXPECT_EQ(Tempo(),
              (std::vector<std::string>{"repaint", "pause 100", "repaint", "pause 100", "repaint",
                                        "pause 100", "repaint", "pause 100", "pause 1000"}));
    EXPECT_TRUE(game.table.Visible(el::Face(kAguri, kAce)));
    EXPECT_EQ(Place("at"), std::pair(100, 50));
}

TEST_F(DealerDraw, EachSeatsCardsCascadeFromItsSpot) {
    Script({"a7", "a8", "a9", "a10", "g7", "gt"});
    EXPECT_EQ(game.DrawFirstDealer(), 2);
    EXPECT_EQ(observer.log, (std::vector<std::string>{"draw 1 a7", "draw 2 a8", "draw 3 a9",
                                                      "draw 4 a10", "draw 1 g7", "draw 2 gt"}));
    EXPECT_EQ(Place("a7"), std::pair(100, 50));
    EXPECT_EQ(Place("g7"), std::pair(101, 51));
    EXPECT_EQ(Place("gt"), std::pair(201, 101));
    EXPECT_EQ(Place("a10"), std::pair(400, 200));
    EXPECT_TRUE(game.table.InFront(el::CardImage(CardNamed("g7")), el::CardImage(CardNamed("a7"))));
    const std::vector<std::string> tempo = Tempo();
    EXPECT_EQ(std::count(tempo.begin(), tempo.end(), "pause 100"), 8);
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(game.table[el::Spot(seat)].left, 100 * seat);
        EXPECT_EQ(game.table[el::Spot(seat)].top, 50 * seat);
    }
}

class SeededDealerDraw : public GameFixture {
  protected:
    SeededDealerDraw() { game.observer = &observer; }
    LoggingObserver observer;
};

TEST_F(SeededDealerDraw, TheFirstAceDealsAndRepeatedDrawsStartOver) {
    for (int match = 1; match <= 3; ++match) {
        SCOPED_TRACE(match);
        observer.log.clear();
        const int dealer = game.DrawFirstDealer();
        ASSERT_FALSE(observer.log.empty());
        for (std::size_t i = 0; i < observer.log.size(); ++i) {
            const std::string& line = observer.log[i];
            EXPECT_EQ(line.substr(0, 7), "draw " + std::to_string(i % 4 + 1) + " ");
            EXPECT_EQ(line.ends_with("t"), i + 1 == observer.log.size()) << line;
        }
        EXPECT_EQ(observer.log.back()[5] - '0', dealer);
        EXPECT_EQ(game.state.dealer, dealer);
    }
}

TEST_F(SeededDealerDraw, ConfirmingTheNameDrawsTheDealerAndOpensTheMatch) {
    game.LoadIdle();
    game.table.Show(Element::saxeli);
    game.table.Show(Element::BitBtn1);
    game.saxeliChange("gio");
    game.BitBtn1Click();
    EXPECT_FALSE(game.table.Visible(Element::saxeli));
    EXPECT_FALSE(game.table.Visible(Element::BitBtn1));
    const auto columns = std::find(observer.log.begin(), observer.log.end(), "columns");
    ASSERT_NE(columns, observer.log.end());
    EXPECT_EQ((columns - 1)->at(5) - '0', game.state.dealer);
    EXPECT_EQ(game.table.Caption(el::Name(game.state.sheetColumn[kHumanSeat])), "gio");
}

}  // namespace
}  // namespace zavkari::testing
