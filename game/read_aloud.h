// What a screen reader says for an element the table draws, in the game's Latin-lettered Georgian:
// a card's suit and rank, a bid or trick label's player and number, a sheet cell's player, row and
// value, a message's text. The window shows it in Georgian letters, as it shows every text.
#pragma once

#include <string>

#include "game.h"

namespace zavkari {

// The words for `e` as the table shows it now; empty for an element with nothing to say (a back,
// a cover, a picture).
std::string ReadAloud(const Game& game, Element e);

}  // namespace zavkari
