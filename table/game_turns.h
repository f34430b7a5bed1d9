// The game's steps, one at a time. A click or a timer tick reaches the game only when no step is
// running; a pause inside a step waits with the window still painting, and a click made meanwhile
// does not reach the game (the window keeps the last one on the table for when the step has
// returned). A request that must not cut into a step (a new match, closing the window) waits
// until the running step has returned, so that the game is never re-entered; so does a change of
// the settings made during a pause. Every change of the game or its table happens inside a step.
#pragma once

#include <QEventLoop>
#include <QObject>
#include <functional>
#include <vector>

namespace zavkari {

class GameTurns : public QObject {
    Q_OBJECT

  public:
    // `timeScale` shortens (below 1) every pause and every timer interval, for tests.
    explicit GameTurns(double timeScale = 1.0, QObject* parent = nullptr);

    // A duration of the game's tempo in real milliseconds.
    int scaled(int ms) const;

    // True while a step of the game runs, its pauses included.
    bool busy() const { return depth_ > 0; }
    // True while a pause, or a computer thinking beside the table, waits.
    bool pausing() const { return loop_ != nullptr; }
    // True while the running step runs out for a request: its outcome is set aside unseen.
    bool cuttingShort() const { return cutPauses_; }

    // Runs `step` unless another step is running; false when it was dropped.
    bool run(const std::function<void()>& step);
    // Runs `request` as a step now when no step is running, otherwise as soon as the running one
    // returns; that step then runs out without waiting through its remaining pauses.
    void whenIdle(std::function<void()> request);
    // Runs a change of the settings that the player made outside the game's own controls: as a
    // step now when none runs, at once when the running step itself asks for it (a match start
    // applies the chosen pictures), and after the running step when it comes during a pause,
    // which the step then waits out as usual.
    void change(std::function<void()> change);

    // Waits `ms` of the tempo: the window repaints and keeps painting, nothing reaches the game.
    // A pause after a computer has thought is shortened by the thinking time, so that the tempo
    // holds.
    void pause(int ms);
    // Runs a computer's search on a worker thread while the window keeps painting; nothing reaches
    // the game meanwhile, as in a pause.
    void thinkAside(const std::function<void()>& search);

  signals:
    // The running step has returned (and the requests that waited for it have run).
    void stepEnded();

  private:
    void runWaitingRequests();

    double timeScale_;
    int depth_ = 0;
    QEventLoop* loop_ = nullptr;  // the pause under way
    qint64 thoughtMs_ = 0;        // thinking time not yet taken off a pause
    std::vector<std::function<void()>> waiting_;
    bool cutPauses_ = false;  // a request waiting in `waiting_` sets the step's outcome aside
};

}  // namespace zavkari
