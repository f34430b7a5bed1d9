#include "game_turns.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "time_scale.h"

namespace zavkari {

GameTurns::GameTurns(double timeScale, QObject* parent)
    : QObject(parent), timeScale_(timeScale > 0 ? timeScale : 1.0) {}

int GameTurns::scaled(int ms) const {
    return scaledMs(ms, timeScale_);
}

bool GameTurns::run(const std::function<void()>& step) {
    if (busy()) return false;
    ++depth_;
    step();
    --depth_;
    thoughtMs_ = 0;
    runWaitingRequests();
    emit stepEnded();
    return true;
}

void GameTurns::whenIdle(std::function<void()> request) {
    if (run(request)) return;
    waiting_.push_back(std::move(request));
    // The step's outcome is about to be set aside: let it run out without its remaining pauses.
    cutPauses_ = true;
    if (loop_ != nullptr) loop_->quit();
}

void GameTurns::change(std::function<void()> change) {
    if (busy() && !pausing()) {
        change();  // the running step asked for it
        return;
    }
    if (!run(change)) waiting_.push_back(std::move(change));
}

void GameTurns::runWaitingRequests() {
    // A request may start steps of its own (a new match deals at once); each runs to its end.
    while (!waiting_.empty() && !busy()) {
        const std::function<void()> request = std::move(waiting_.front());
        waiting_.erase(waiting_.begin());
        ++depth_;
        request();
        --depth_;
    }
    cutPauses_ = false;
}

void GameTurns::pause(int ms) {
    if (ms <= 0 || cutPauses_ || loop_ != nullptr) return;
    const qint64 wait = std::max<qint64>(scaled(ms) - thoughtMs_, 0);
    thoughtMs_ = 0;
    if (wait == 0) return;
    // The loop handles painting, clicks and ticks; the click and tick handlers see `busy()` and
    // leave the game alone.
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(wait), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
}

void GameTurns::thinkAside(const std::function<void()>& search) {
    QElapsedTimer clock;
    clock.start();
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(search));
    if (!watcher.isFinished() && loop_ == nullptr) {
        // As in a pause, a change of the settings waits for the step to return.
        loop_ = &loop;
        loop.exec();
        loop_ = nullptr;
    }
    // A request that cuts the step short ends the wait; the answer is still needed.
    watcher.waitForFinished();
    thoughtMs_ += clock.elapsed();
}

}  // namespace zavkari
