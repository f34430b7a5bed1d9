#include "game.h"

namespace zavkari {

Game::Game(TableView& view, RandomSource& random) : table(view), timers(view), random_(random) {}

void Game::Tick(TimerId id) {
    if (id < 0 || id >= timer::kCount || !timers.Enabled(id)) return;
    if (id < timer::kTrickCount) {
        const timer::ChainPlace place = timer::PlaceInChain(id);
        return TrickTimerTick(place.n, place.k);
    }
    if (id < timer::kTavidan) return PlayTimerTick(id - timer::kTrickCount + 1);
    if (id == timer::kTavidan) return EndOfDeal();
    if (id == timer::kBoloj) return bolojTimer();
    if (id == timer::kVacxado) return vacxadoTimer();
    waitingTimer(id - timer::kBoloj);
}

}  // namespace zavkari
