#include "game.h"

namespace zavkari {

Game::Game(TableView& view, RandomSource& random) : table(view), timers(view), random_(random) {}

void Game::Tick(TimerId id) {
    if (id < 0 || id >= timer::kCount || !timers.Enabled(id)) return;
    if (id < timer::kTrickCount) {
        for (int n = 9;; --n) {
            if (id >= timer::Trick(n, 1)) return TrickTimerTick(n, id - timer::Trick(n, 1) + 1);
        }
    }
    if (id < timer::kTavidan) return PlayTimerTick(id - timer::kTrickCount + 1);
    if (id == timer::kTavidan) return EndOfDeal();
    if (id == timer::kBoloj) return bolojTimer();
    if (id == timer::kVacxado) return vacxadoTimer();
    waitingTimer(id - timer::kBoloj);
}

}  // namespace zavkari
