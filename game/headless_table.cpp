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
    const bool higherFirst = ties_ == TimerTies::HigherNumberFirst;
    TimerId next = -1;
    std::int64_t nextDue = 0;
    // In ascending order of number: a later timer due at the same moment wins only if the higher
    // number is to tick first.
    for (std::uint64_t rest = running_; rest != 0; rest &= rest - 1) {
        const TimerId id = std::countr_zero(rest);
        const std::int64_t due = due_[static_cast<std::size_t>(id)];
        if (next < 0 || due < nextDue || (due == nextDue && higherFirst)) {
            next = id;
            nextDue = due;
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
