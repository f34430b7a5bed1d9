// A game whose table and observer write what happened as lines of text ("show c2_u", "pause 300",
// "bid 1 2 (3)"), so that a test can check the order of reveals, pauses and reports, and a short
// way to give the computers their cards.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace zavkari::testing {

class LoggingTable : public HeadlessTable {
  public:
    TableModel* model = nullptr;
    std::vector<std::string> log;

    bool ShowsChanges() const override { return true; }
    void ElementChanged(Element e) override {
        if (model && model->Visible(e) && !wasVisible_[e]) {
            log.push_back("show " + ElementName(e));
        }
        if (model) wasVisible_[e] = model->Visible(e);
    }
    void Pause(int ms) override {
        HeadlessTable::Pause(ms);
        log.push_back("pause " + std::to_string(ms));
    }
    void Repaint() override { log.push_back("repaint"); }

    // The lines that show one of `names`, or pause.
    std::vector<std::string> Reveals(const std::vector<std::string>& names) const {
        std::vector<std::string> kept;
        for (const std::string& line : log) {
            bool keep = line.starts_with("pause");
            for (const std::string& name : names)
                keep = keep || line == "show " + name;
            if (keep) kept.push_back(line);
        }
        return kept;
    }

  private:
    PerElement<bool> wasVisible_{};
};

class LoggingObserver : public MatchObserver {
  public:
    std::vector<std::string> log;

    void OnDraw(int seat, CardId card) override {
        log.push_back("draw " + std::to_string(seat) + " " +
                      std::string(CardImageName(card.suit, card.rank)));
    }
    void OnColumns() override { log.push_back("columns"); }
    void OnBid(int seat, int bid, std::optional<int> computed) override {
        std::string line = "bid " + std::to_string(seat) + " " + std::to_string(bid);
        if (computed) line += " (" + std::to_string(*computed) + ")";
        log.push_back(line);
    }
    void OnBidRefused(int bid) override { log.push_back("refused " + std::to_string(bid)); }
    void OnScore(int deal, int row) override {
        log.push_back("score " + std::to_string(deal) + " " + std::to_string(row));
    }
    void OnPool(int pool) override { log.push_back("pool " + std::to_string(pool)); }
};

// The card whose face image is called `name` ("at", "g10", "j6").
inline CardId CardNamed(const std::string& name) {
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 9; ++rank) {
            if (CardImageName(suit, rank) == name) return {suit, rank};
        }
    }
    ADD_FAILURE() << "no card " << name;
    return kEmptySlot;
}

class LoggedGame : public ::testing::Test {
  protected:
    LoggedGame() : game(view, random) {
        view.model = &game.table;
        game.observer = &observer;
        game.InitDeck();
    }

    // Slots 1.. of computer `seat`, in drawing order: "at g7 j6".
    void GiveHand(int seat, const std::string& cards) {
        std::istringstream names(cards);
        std::string name;
        for (int slot = 1; names >> name; ++slot) {
            const CardId card = CardNamed(name);
            CardRecord& held = game.state.computerHand[seat][slot];
            held.suit = card.suit;
            held.rank = card.rank;
        }
    }

    // Sheet columns as the seat numbers.
    void SeatsInOwnColumns() {
        for (int seat = 1; seat <= 4; ++seat)
            game.state.sheetColumn[seat] = seat;
    }

    LoggingTable view;
    ScriptedRandom random;
    TestGame game;
    LoggingObserver observer;
};

}  // namespace zavkari::testing
