#include "headless_table.h"

#include <algorithm>
#include <bit>

#include "tempo.h"

namespace zavkari {

namespace {
constexpr std::int64_t kTickMs = kTimerTick;
}

void HeadlessTable::TimerChanged(TimerId id, bool enabled) {
    const std::uint64_t bit = std::uint64_t{1} << id;
    if (enabled) {
        running_ |= bit;
        due_[static_cast<std::size_t>(id)] = now_ + kTickMs;
    } else {
        running_ &= ~bit;
    }
}

TimerId HeadlessTable::NextTimer() const {
    TimerId next = -1;
    for (std::uint64_t rest = running_; rest != 0; rest &= rest - 1) {
        const TimerId id = std::countr_zero(rest);
        if (next < 0 || due_[static_cast<std::size_t>(id)] < due_[static_cast<std::size_t>(next)]) {
            next = id;
        }
    }
    return next;
}

void HeadlessTable::AdvanceTo(TimerId id) {
    std::int64_t& due = due_[static_cast<std::size_t>(id)];
    now_ = std::max(now_, due);
    due = now_ + kTickMs;
}

}  // namespace zavkari
