#include "game.h"

namespace zavkari {

void Game::LoadIdle() {}
void Game::NextDeal() {}
void Game::BeginBidding(int n) {
    if (observer) observer->OnDealSettled();
    ComputeComputerBids(n);
    StartBidding(n);
}
void Game::EndOfDeal() {}
void Game::RotateDealer() {}
void Game::bolojTimer() {}
void Game::bbbClick() {}
void Game::bClick() {}
void Game::AbandonMatch() {}

}  // namespace zavkari
