#include "game.h"

namespace zavkari {

int Game::CurrentRow() const { return 0; }
void Game::WriteBidCell(int, int, std::string_view) {}
void Game::WriteScoreCell(int, int, std::string_view) {}
void Game::AssignSeatsAndNames() {}
void Game::ShowSheetRowLabels(bool) {}
void Game::ClearScoreSheet() {}
void Game::saxeliClick() {}
void Game::saxeliChange(std::string_view) {}
void Game::BitBtn1Click() {}
int Game::DrawFirstDealer() { return 1; }

}  // namespace zavkari
