#include "game.h"

namespace zavkari {

void Game::TrickTimerTick(int, int) {}
void Game::PlayTimerTick(int) {}
void Game::StartTrick(int) {}
void Game::ClearTrickArea() {}
void Game::SetHumanHandEnabled(bool enabled) {
    table.Show(el::kKl, !enabled);
    if (!enabled) table.BringToFront(el::kKl);
    table.BringToFront(el::kNoclick);
}

}  // namespace zavkari
