// A game on a headless table with a seeded random source whose clock is the table's own, and a
// scripted source for the tests that need to force particular draws.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "headless_table.h"
#include "test_game.h"

namespace zavkari::testing {

// Hands out the queued values first, then a fixed value for ever.
class ScriptedRandom final : public RandomSource {
  public:
    std::deque<int> queue;
    int fallback = 1;
    int calls = 0;
    int reseeds = 0;

    int Random(int n) override {
        ++calls;
        int v = fallback;
        if (!queue.empty()) {
            v = queue.front();
            queue.pop_front();
        }
        return v % n;
    }
    void Reseed() override { ++reseeds; }
};

// Remembers the order in which elements became visible.
class ShowRecorder : public HeadlessTable {
  public:
    std::vector<Element> shown;

    void Watch(const TableModel& table) {
        model_ = &table;
        for (Element e : el::All())
            visible_[e] = table.Visible(e);
    }
    void ElementChanged(Element e) override {
        const bool visible = model_ && model_->Visible(e);
        if (visible && !visible_[e]) shown.push_back(e);
        visible_[e] = visible;
    }

  private:
    const TableModel* model_ = nullptr;
    PerElement<bool> visible_{};
};

class GameFixture : public ::testing::Test {
  protected:
    explicit GameFixture(std::uint64_t seed = 1)
        : random(seed, [this] { return view.Now(); }), game(view, random) {
        view.Watch(game.table);
        game.InitDeck();
    }

    // Settles a deal of n cards the way the deal cycle does, without the bidding.
    void DealCards(int n, int dealer) {
        game.state.dealSize = n;
        game.state.dealer = dealer;
        game.ResetDeck();
        game.ClearTable();
        game.DealHumanHand(n);
        game.PrepareHands(n);
        game.AnimateDeal(n, dealer);
        if (n != 9) game.SettleTrump();
        if (n != 9 || dealer != 3) game.DealComputerHands(n);
    }

    int DealtCount() const {
        int dealt = 0;
        for (const CardRecord& c : game.state.deck)
            dealt += c.dealt ? 1 : 0;
        return dealt;
    }

    ShowRecorder view;
    ClockSeededRandom random;
    TestGame game;
};

}  // namespace zavkari::testing
