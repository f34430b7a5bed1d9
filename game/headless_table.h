// A table without a window: it keeps what the window would show (in the TableModel) and a clock of
// its own. Pauses move the clock on at once, and enabled timers tick every 1000 ms of that clock,
// so a whole match runs in a moment and always the same way for the same seed.
#pragma once

#include <cstdint>
#include <vector>

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
    struct Scheduled {
        TimerId id;
        std::int64_t due;
    };

    std::int64_t now_ = 0;
    std::vector<Scheduled> enabled_;  // only a handful of timers run at once
};

}  // namespace zavkari
