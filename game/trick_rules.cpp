#include "game.h"

namespace zavkari {

void Game::LeadHumanCard(const CardRecord&) {}
void Game::FollowHumanCard(const CardRecord&) {}
void Game::LeadHumanWild(const CardRecord&, Declaration, int) {}
void Game::FollowHumanWild(const CardRecord&, bool) {}
void Game::CheckRenege(const CardRecord&) {}
void Game::ResolveTrick() {}

}  // namespace zavkari
