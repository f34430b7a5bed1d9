// The game's named timers as window timers: each ticks every second of the tempo while the game
// keeps it enabled, its first tick one interval after it was enabled. A tick that comes while a
// step of the game is running is held and handed over as soon as that step has returned, once,
// as the desktop hands a busy window a timer message once it is free again.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

#include "game_turns.h"
#include "table_elements.h"

namespace zavkari {

class GameTimers : public QObject {
    Q_OBJECT

  public:
    // `tick` is called, as a step of `turns`, with the timer that ticked.
    GameTimers(GameTurns& turns, std::function<void(TimerId)> tick, QObject* parent = nullptr);

    void setEnabled(TimerId id, bool enabled);
    bool isRunning(TimerId id) const;
    // Stops every timer and forgets the ticks held back.
    void stopAll();

  private:
    void ticked(TimerId id);
    void handOverHeldTicks();

    GameTurns& turns_;
    std::function<void(TimerId)> tick_;
    PerTimer<QTimer> timers_;
    std::vector<TimerId> held_;
};

}  // namespace zavkari
