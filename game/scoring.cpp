#include "game.h"

namespace zavkari {

int DealPoints(int, int) { return 0; }
void Game::ScoreDeal(int) {}
void Game::ScorePool(int) {}

}  // namespace zavkari
