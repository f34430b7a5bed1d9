#include "headless_table.h"

#include <algorithm>
#include <bit>

#include "tempo.h"

namespace zavkari {

namespace {
constexpr std::int64_t kTickMs = kTimerTick;
}

void HeadlessTable::TimerChanged(TimerId id, bool enabled) {
    const std::uint64_t bit = std::uint64_t{1} << Index(id);
    if (enabled) {
        running_ |= bit;
        due_[id] = now_ + kTickMs;
    } else {
        running_ &= ~bit;
    }
}

std::optional<TimerId> HeadlessTable::NextTimer() const {
    if (running_ == 0) return std::nullopt;
    const bool higherFirst = ties_ == TimerTies::HigherNumberFirst;
    // In ascending order of number: a later timer due at the same moment wins only if the higher
    // number is to tick first. The runner asks at every step, so the loop is kept tight.
    auto next = static_cast<TimerId>(std::countr_zero(running_));
    std::int64_t nextDue = due_[next];
    for (std::uint64_t rest = running_ & (running_ - 1); rest != 0; rest &= rest - 1) {
        const auto id = static_cast<TimerId>(std::countr_zero(rest));
        const std::int64_t due = due_[id];
        if (due < nextDue || (due == nextDue && higherFirst)) {
            next = id;
            nextDue = due;
        }
    }
    return next;
}

void HeadlessTable::AdvanceTo(TimerId id) {
    std::int64_t& due = due_[id];
    now_ = std::max(now_, due);
    due = now_ + kTickMs;
}

}  // namespace zavkari
