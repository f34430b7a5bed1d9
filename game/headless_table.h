// A table without a window: it keeps what the window would show (in the TableModel) and a clock of
// its own. Pauses move the clock on at once, and enabled timers tick every 1000 ms of that clock,
// so a whole match runs in a moment and always the same way for the same seed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "table_model.h"

namespace zavkari {

// Which of two timers due at the same moment ticks first. The game keeps its order of events by
// its own flags, so the choice moves nothing but the clock: a tick that pauses delays the other.
enum class TimerTies { LowerNumberFirst, HigherNumberFirst };

class HeadlessTable : public TableView {
  public:
    explicit HeadlessTable(TimerTies ties = TimerTies::LowerNumberFirst) : ties_(ties) {}

    void TimerChanged(TimerId id, bool enabled) override;
    void Pause(int ms) override { now_ += ms; }
    // It draws nothing; a test's table that looks at the changes says so.
    bool ShowsChanges() const override { return false; }
    bool OffersHints() const override { return offersHints; }
    bool offersHints = false;

    std::int64_t Now() const { return now_; }
    // The enabled timer that ticks next (the earliest, ties broken as chosen), if any.
    std::optional<TimerId> NextTimer() const;
    // Moves the clock to the next tick of `id` and schedules the one after it.
    void AdvanceTo(TimerId id);

  private:
    static_assert(timer::kCount <= 64, "the running timers are kept as bits of one word");

    TimerTies ties_;
    std::int64_t now_ = 0;
    std::uint64_t running_ = 0;  // bit `id` set while timer `id` is enabled
    PerTimer<std::int64_t> due_{};
};

}  // namespace zavkari
