#include "game.h"

namespace zavkari {

void Game::ComputeComputerBids(int) {}
void Game::StartBidding(int) {}
void Game::tkmaClick(int) {}
void Game::OKClick() {}
void Game::waitingTimer(int) {}

}  // namespace zavkari
