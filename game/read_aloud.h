// What a screen reader says for what the table shows, in the game's Latin-lettered Georgian: a card
// in the hand by its suit and rank, a played card with its player, the turned trump card as such, a
// bid or trick label's player and number, a sheet cell's player, row and whether it holds a bid or
// a score, a message's text, and the last trick while the player looks back at it. The window shows
// it in Georgian letters, as it shows every text.
#pragma once

#include <string>
#include <string_view>

#include "game.h"

namespace zavkari {

// The words for `e` as the table shows it now; empty for an element with nothing to say (a back,
// a cover, a picture).
std::string ReadAloud(const Game& game, Element e);

// The player of a seat as the sheet names him; empty before the match has given out the columns.
std::string PlayerOfSeat(const Game& game, int seat);

// The deal's last complete trick: each player's card and who took it; empty when there is none.
std::string LastTrickWords(const Game& game);

// What the penalty mark "I-----I" of a score cell stands for.
inline constexpr std::string_view kPenaltyWord = "xiSti";

// The names of the controls that show no words of their own: the name box once emptied, and the
// debug memo's button that writes it to its file.
inline constexpr std::string_view kNameBoxName = "saxeli";
inline constexpr std::string_view kMemoFileButtonName = "Cawera failSi";

}  // namespace zavkari
