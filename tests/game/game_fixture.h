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
    bool ShowsChanges() const override { return true; }
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

    // Starts a deal of n cards with `dealer` dealing, as the schedule of a fresh match does.
    void DealCards(int n, int dealer) {
        game.AbandonMatch();
        game.state.ascendCount = n;
        game.state.nineIndex = n == kMaxHand ? 1 : 0;
        game.state.dealer = dealer;
        game.NextDeal();
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
