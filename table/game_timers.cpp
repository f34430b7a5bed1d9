#include "game_timers.h"

#include <algorithm>

#include "tempo.h"

namespace zavkari {

GameTimers::GameTimers(GameTurns& turns, std::function<void(TimerId)> tick, QObject* parent)
    : QObject(parent), turns_(turns), tick_(std::move(tick)) {
    for (TimerId id : timer::All()) {
        QTimer& t = timers_[id];
        // A coarse timer may tick up to 5 % early; the game's seconds are never short.
        t.setTimerType(Qt::PreciseTimer);
        t.setInterval(turns_.scaled(kTimerTick));
        connect(&t, &QTimer::timeout, this, [this, id] { ticked(id); });
    }
    connect(&turns_, &GameTurns::stepEnded, this, &GameTimers::handOverHeldTicks);
}

void GameTimers::setEnabled(TimerId id, bool enabled) {
    QTimer& t = timers_[id];
    if (enabled) {
        t.start();
    } else {
        t.stop();
        held_.erase(std::remove(held_.begin(), held_.end(), id), held_.end());
    }
}

bool GameTimers::isRunning(TimerId id) const {
    return timers_[id].isActive();
}

void GameTimers::stopAll() {
    for (QTimer& t : timers_)
        t.stop();
    held_.clear();
}

void GameTimers::ticked(TimerId id) {
    if (turns_.run([this, id] { tick_(id); })) return;
    if (std::find(held_.begin(), held_.end(), id) == held_.end()) held_.push_back(id);
}

void GameTimers::handOverHeldTicks() {
    // Later in the queue, not inside the step that has just ended.
    if (held_.empty()) return;
    QTimer::singleShot(0, this, [this] {
        std::vector<TimerId> due;
        due.swap(held_);
        for (TimerId id : due) {
            if (isRunning(id)) ticked(id);
        }
    });
}

}  // namespace zavkari
