#include "headless_table.h"

#include <algorithm>

namespace zavkari {

namespace {
constexpr std::int64_t kTickMs = 1000;
}

void HeadlessTable::TimerChanged(TimerId id, bool enabled) {
    std::erase_if(enabled_, [id](const Scheduled& s) { return s.id == id; });
    if (enabled) enabled_.push_back({id, now_ + kTickMs});
}

TimerId HeadlessTable::NextTimer() const {
    const Scheduled* next = nullptr;
    for (const Scheduled& s : enabled_) {
        if (!next || s.due < next->due || (s.due == next->due && s.id < next->id)) next = &s;
    }
    return next ? next->id : -1;
}

void HeadlessTable::AdvanceTo(TimerId id) {
    for (Scheduled& s : enabled_) {
        if (s.id != id) continue;
        now_ = std::max(now_, s.due);
        s.due = now_ + kTickMs;
    }
}

}  // namespace zavkari
