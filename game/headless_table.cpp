#include "headless_table.h"

namespace zavkari {

namespace {
constexpr std::int64_t kTickMs = 1000;
}

void HeadlessTable::TimerChanged(TimerId id, bool enabled) {
    due_[static_cast<std::size_t>(id)] = enabled ? now_ + kTickMs : -1;
}

TimerId HeadlessTable::NextTimer() const {
    TimerId next = -1;
    for (TimerId id = 0; id < timer::kCount; ++id) {
        const std::int64_t due = due_[static_cast<std::size_t>(id)];
        if (due >= 0 && (next < 0 || due < due_[static_cast<std::size_t>(next)])) next = id;
    }
    return next;
}

void HeadlessTable::AdvanceTo(TimerId id) {
    std::int64_t& due = due_[static_cast<std::size_t>(id)];
    if (due > now_) now_ = due;
    due = now_ + kTickMs;
}

}  // namespace zavkari
