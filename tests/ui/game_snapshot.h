// What a click on the table could change, as one comparable text: every element's visibility,
// caption, place, stacking and enabled flag, the choices made in the groups, the hands, the trick
// in play and the timers' flags. Two equal snapshots mean the game did not move.
#pragma once

#include <string>

#include "game.h"

namespace zavkari::testing {

std::string Snapshot(const Game& game);

}  // namespace zavkari::testing
