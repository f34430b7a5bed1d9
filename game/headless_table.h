// A table without a window: it keeps what the window would show (in the TableModel) and a clock of
// its own. Pauses move the clock on at once, and enabled timers tick every 1000 ms of that clock,
// so a whole match runs in a moment and always the same way for the same seed.
#pragma once

#include <array>
#include <cstdint>

#include "table_model.h"

namespace zavkari {

class HeadlessTable : public TableView {
  public:
    void TimerChanged(TimerId id, bool enabled) override;
    void Pause(int ms) override { now_ += ms; }

    std::int64_t Now() const { return now_; }
    // The enabled timer that ticks next (the earliest; on a tie the lower number), or -1.
    TimerId NextTimer() const;
    // Moves the clock to the next tick of `id` and schedules the one after it.
    void AdvanceTo(TimerId id);

  private:
    static_assert(timer::kCount <= 64, "the running timers are kept as bits of one word");

    std::int64_t now_ = 0;
    std::uint64_t running_ = 0;  // bit `id` set while timer `id` is enabled
    std::array<std::int64_t, timer::kCount> due_{};
};

}  // namespace zavkari
