// Who plays a seat: the described computer players, the strong computer players, or the person at
// the table. Everyone at the table knows who sits where.
#pragma once

#include <cstdint>

namespace zavkari {

enum class PlayerKind : std::uint8_t { Rules, Strong, Human };

}  // namespace zavkari
