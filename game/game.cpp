#include "game.h"

namespace zavkari {

Game::Game(TableView& view, RandomSource& random)
    : table_(view), timers_(view), random_(random), rules_(random, view) {}

void Game::Tick(TimerId id) {
    if (!timers_.Enabled(id)) return;
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

void Game::ShowBackground(bool shown) {
    table_.Show(Element::fon, shown);
}

void Game::PutBackgroundBehind() {
    table_.SendToBack(Element::fon);
}

void Game::ShowTableTop(bool shown) {
    // The table top lies at the back, and the choice put the background behind it.
    table_.Show(Element::magida, shown);
}

}  // namespace zavkari
