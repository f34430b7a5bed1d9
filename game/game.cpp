#include "game.h"

namespace zavkari {

Game::Game(TableView& view, RandomSource& random) : table(view), timers(view), random_(random) {}

void Game::Tick(TimerId id) {
    if (!timers.Enabled(id)) return;
    const TimerPlace place = Decode(id);
    switch (place.family) {
        case TimerFamily::Trick:
            return TrickTimerTick(place.first, place.second);
        case TimerFamily::Play:
            return PlayTimerTick(place.first);
        case TimerFamily::Waiting:
            return waitingTimer(place.first);
        case TimerFamily::Single:
            break;
    }
    if (id == TimerId::tavidan) return EndOfDeal();
    if (id == TimerId::boloj) return bolojTimer();
    vacxadoTimer();
}

}  // namespace zavkari
