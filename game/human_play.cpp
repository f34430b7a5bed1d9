#include "game.h"

namespace zavkari {

void Game::a6Click(Element) {}
void Game::y6Click(Element) {}
void Game::y6ContextPopup(Element) {}
void Game::vishiClick(int) {}
void Game::nijeClick(int) {}
void Game::CardClick(Element, bool) {}
CardRecord Game::DeckRecordOfImage(Element) const { return {}; }

}  // namespace zavkari
